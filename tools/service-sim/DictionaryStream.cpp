#include "DictionaryStream.h"

#include <charconv>
#include <optional>

namespace vorla::sim {

namespace {

namespace byte {
constexpr char kBlank = 0x20;
constexpr char kModifier = 0x01;
constexpr char kComplement = 0x02;
constexpr char kTargetFollows = 0x03;
constexpr char kAttributesOpen = static_cast<char>(0xC8);
constexpr char kAttributeValue = static_cast<char>(0xCA);
constexpr char kAttributeNext = static_cast<char>(0xF7);
constexpr char kAttributesClose = static_cast<char>(0xD7);
constexpr char kRecordEnd = static_cast<char>(0xFF);
constexpr char kNameEnd = kAttributeNext;
constexpr char kDescriptionEnd = kRecordEnd;
constexpr char kSectionEnd = 0x00;
}  // namespace byte

constexpr std::string_view kVersionTag = "%voc-";
constexpr std::string_view kEndTag = "#EOF";
constexpr std::int32_t kLowestVersion = 2;
constexpr std::size_t kCountFieldSize = 8;
constexpr std::size_t kLongestName = 127;
constexpr std::size_t kLongestDescription = 511;
constexpr std::int32_t kMultiWordClassCode = 37;
constexpr std::size_t kRuleBytes = 4;  // rule type, option, word class, range

enum Kind { kNormal = 0, kPhrases = 1, kContextRules = 2, kDisambiguation = 3 };

std::string Words(std::string_view text) {
  std::string words;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t start = text.find_first_not_of(byte::kBlank, at);
    if (start == std::string_view::npos) break;
    const std::size_t end = std::min(text.find(byte::kBlank, start), text.size());
    if (!words.empty()) words += ' ';
    words += text.substr(start, end - start);
    at = end;
  }
  return words;
}

std::string Unscored(std::string_view text) {
  std::string spaced(text);
  for (char& c : spaced)
    if (c == '_') c = ' ';
  return spaced;
}

// Reads the stream front to back; the first thing out of place stops it with its reason.
class StreamParser {
 public:
  explicit StreamParser(std::string_view stream) : bytes_(stream) {}

  StreamCheck Run(const DeclaredDictionary& declared) {
    Header(declared);
    if (ok()) Body(declared);
    if (ok() && bytes_.substr(at_) != kEndTag) Fail("the stream does not end with #EOF");
    if (!ok()) check_.terms.clear();
    return std::move(check_);
  }

 private:
  bool ok() const { return check_.problem.empty(); }
  void Fail(std::string problem) {
    if (ok()) check_.problem = std::move(problem);
  }
  bool AtEnd() const { return at_ >= bytes_.size(); }

  std::optional<char> Take() {
    if (AtEnd()) {
      Fail("the stream ends inside a record");
      return std::nullopt;
    }
    return bytes_[at_++];
  }
  void Expect(char wanted, std::string_view what) {
    const auto got = Take();
    if (got && *got != wanted) Fail("expected " + std::string(what));
  }
  bool Next(char c) const { return !AtEnd() && bytes_[at_] == c; }
  // Past the stop that Until found.
  void Skip() {
    if (ok()) ++at_;
  }

  // The bytes up to the first of the stops (not taken).
  std::string_view Until(std::string_view stops) {
    const std::size_t end = bytes_.find_first_of(stops, at_);
    if (end == std::string_view::npos) {
      Fail("the stream ends inside a record");
      return {};
    }
    const std::string_view text = bytes_.substr(at_, end - at_);
    at_ = end;
    return text;
  }

  std::optional<std::int64_t> Decimal(std::string_view what) {
    const std::string_view digits = Until(std::string_view(&byte::kBlank, 1));
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (!ok() || digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
      Fail(std::string(what) + " is not a number");
      return std::nullopt;
    }
    Skip();  // its blank
    return value;
  }

  void Header(const DeclaredDictionary& declared) {
    if (!bytes_.starts_with(kVersionTag)) return Fail("no version tag");
    at_ = kVersionTag.size();
    const auto version = Decimal("the version");
    if (version && *version < kLowestVersion) Fail("version " + std::to_string(*version));
    Decimal("the user number");
    Decimal("the second user number");
    if (!ok()) return;
    const std::int32_t expected[] = {declared.voctype, -1,
                                     declared.shtype,  declared.vocsubtype,
                                     declared.srclan,  declared.tgtlan};
    constexpr const char* kNames[] = {"voctype", "pid", "shtype", "vocsubtype", "srclan", "tgtlan"};
    for (std::size_t i = 0; i < std::size(expected); ++i) {
      const auto value = Take();
      if (!value) return;
      const int field = static_cast<unsigned char>(*value) - 1;
      if (expected[i] >= 0 && field != expected[i]) {
        return Fail(std::string("the header's ") + kNames[i] + " " + std::to_string(field) +
                    " is not the declared " + std::to_string(expected[i]));
      }
    }
    const std::string_view name = Until(std::string_view(&byte::kNameEnd, 1));
    if (ok() && (name.empty() || name.size() > kLongestName)) Fail("a name of a wrong length");
    if (ok() && name != declared.name) Fail("the name differs from the declared one");
    Skip();
    const std::string_view description = Until(std::string_view(&byte::kDescriptionEnd, 1));
    if (ok() && description.size() > kLongestDescription) Fail("a description too long");
    Skip();
  }

  std::optional<std::int64_t> Count() {
    if (!ok()) return std::nullopt;
    if (bytes_.size() - at_ < kCountFieldSize) {
      Fail("the stream ends inside a count");
      return std::nullopt;
    }
    const std::string_view field = bytes_.substr(at_, kCountFieldSize);
    at_ += kCountFieldSize;
    const std::size_t digits = field.find(byte::kBlank);
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + digits, value, 16);
    const bool padded = digits != std::string_view::npos &&
                        field.find_first_not_of(byte::kBlank, digits) == std::string_view::npos;
    if (digits == 0 || !padded || error != std::errc() || end != field.data() + digits) {
      Fail("a count field that is not hexadecimal digits and blanks");
      return std::nullopt;
    }
    return value;
  }

  void Body(const DeclaredDictionary& declared) {
    const bool normal = declared.vocsubtype == kNormal;
    if (declared.defcnt < 0 || declared.compcnt < 0 || (!normal && declared.compcnt != 0)) {
      return Fail("declared counts that no dictionary of the kind has");
    }
    const auto first = Count();
    if (!first) return;
    if (*first != declared.defcnt) return Fail("the count differs from defcnt");
    for (std::int64_t i = 0; ok() && i < *first; ++i)
      Record(normal ? kNormal : declared.vocsubtype, false);
    if (!normal || !ok()) return;
    Expect(byte::kSectionEnd, "the end of the one-word terms");
    const auto second = Count();
    if (!second) return;
    if (*second != declared.compcnt) return Fail("the count differs from compcnt");
    for (std::int64_t i = 0; ok() && i < *second; ++i)
      Record(kNormal, true);
  }

  void Attributes() {
    if (!Next(byte::kAttributesOpen)) return;
    ++at_;
    for (;;) {
      if (!Take()) return;  // the code
      Expect(byte::kAttributeValue, "an attribute value");
      if (!Take()) return;
      const auto separator = Take();
      if (!separator || *separator == byte::kAttributesClose) return;
      if (*separator != byte::kAttributeNext) return Fail("an attribute list out of order");
    }
  }

  void SkipBlanks() {
    while (Next(byte::kBlank))
      ++at_;
  }

  // After the 0x03: the target text, its attributes and the record's end.
  std::string Target() {
    const std::string target = Words(Until("\xC8\xFF"));
    Attributes();
    Expect(byte::kRecordEnd, "the end of a record");
    if (ok() && target.empty()) Fail("a record without a target");
    return target;
  }

  // A context-word length and the stored form it announces.
  void ContextWords() {
    const auto length = Decimal("a context-word length");
    if (!length || *length == 0) return;
    if (*length < 0 || static_cast<std::size_t>(*length) + 1 > bytes_.size() - at_) {
      return Fail("a context-word length beyond the stream");
    }
    at_ += static_cast<std::size_t>(*length);
    Expect(byte::kBlank, "a blank after the context words");
  }

  void Record(int kind, bool multiWord) {
    SkipBlanks();
    const std::size_t start = at_;
    std::string source;
    if (multiWord) {
      std::string parts[3];  // modifier, head, complement
      parts[1] = Words(Until("\x01\x02\x03"));
      if (Next(byte::kModifier)) {
        ++at_;
        parts[0] = Words(Until("\x02\x03"));
      }
      if (Next(byte::kComplement)) {
        ++at_;
        parts[2] = Words(Until("\x03"));
      }
      for (const std::string& part : parts)
        if (!part.empty()) source += (source.empty() ? "" : " ") + part;
      Expect(byte::kTargetFollows, "the target of a multi-word term");
      const bool classFirst = Next(byte::kAttributesOpen) && at_ + 1 < bytes_.size() &&
                              bytes_[at_ + 1] == kMultiWordClassCode;
      if (ok() && !classFirst) return Fail("a multi-word term without its word class");
      Attributes();
    } else {
      const std::string_view word = Until(std::string_view(&byte::kBlank, 1));
      Skip();
      source = kind == kNormal ? std::string(word) : Unscored(word);
      if (ok() && word.empty()) Fail("a record without a source");
      if (kind == kNormal) Take();  // the word class
      if (kind == kContextRules || kind == kDisambiguation) {
        if (!ok() || bytes_.size() - at_ < kRuleBytes) {
          return Fail("the stream ends inside a rule");
        }
        at_ += kRuleBytes;
        ContextWords();
        if (kind == kDisambiguation) return Expect(byte::kRecordEnd, "the end of a rule");
        ContextWords();
      }
      Attributes();
      Expect(byte::kTargetFollows, "the target of a record");
    }
    if (!ok()) return;
    std::string target = Target();
    if (ok() && at_ == start) Fail("an empty record");
    if (ok() && (kind == kNormal || kind == kPhrases)) {
      check_.terms.push_back({std::move(source), std::move(target)});
    }
  }

  std::string_view bytes_;
  std::size_t at_ = 0;
  StreamCheck check_;
};

}  // namespace

StreamCheck CheckDictionaryStream(std::string_view stream, const DeclaredDictionary& declared) {
  return StreamParser(stream).Run(declared);
}

}  // namespace vorla::sim
