// Reading a TMX translation memory into a Phrases dictionary: a pull over its elements that
// collects the segments of the variants in the dictionary's languages and stores a unit once
// it has both.
#include <optional>
#include <vector>

#include "common/Cp1252Import.h"
#include "common/Utf8.h"
#include "common/XmlPullReader.h"
#include "dictionaries/CharacterClasses.h"
#include "dictionaries/DictionaryKind.h"
#include "dictionaries/EntryTextCheck.h"
#include "dictionaries/VocabularyEntry.h"
#include "dictionaries/Words.h"
#include "dictionaries/exchange/ElementPull.h"
#include "dictionaries/exchange/ExchangeErrors.h"
#include "dictionaries/exchange/ImportNotes.h"
#include "dictionaries/exchange/TmxDictionary.h"
#include "dictionaries/exchange/TmxRtfText.h"

namespace vorla {
namespace {

enum class Element { Header, Tu, Tuv, Seg, Note, Inline, Other };

Element ElementOf(std::string_view name) {
  const std::pair<std::string_view, Element> names[] = {
      {"header", Element::Header}, {"tu", Element::Tu},     {"tuv", Element::Tuv},
      {"seg", Element::Seg},       {"note", Element::Note}, {"bpt", Element::Inline},
      {"ept", Element::Inline},    {"it", Element::Inline}, {"ph", Element::Inline}};
  for (const auto& [known, element] : names)
    if (EqualsNoCase(known, name)) return element;
  return Element::Other;
}

enum class Variant { None, Source, Target };

constexpr std::size_t kMaxLanguage = 127;
constexpr std::size_t kMaxDescription = 511;  // fewer than 512 characters
constexpr std::size_t kTextField = entry_limit::kField + 1;
// What the reader keeps of one segment: far more than a field, so a longer one is surely
// too long whatever its RTF controls.
constexpr std::size_t kMaxSegmentBytes = 64 * 1024;
constexpr std::string_view kNonBreakingHyphenReference = "&#8209;";

// A source's references to the non-breaking hyphen as plain hyphens.
std::string HyphensForReferences(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    if (text.substr(pos).starts_with(kNonBreakingHyphenReference)) {
      out.push_back('-');
      pos += kNonBreakingHyphenReference.size();
    } else {
      out.push_back(text[pos++]);
    }
  }
  return out;
}

std::optional<bool> IsRtf(const XmlPullReader& reader) {
  const std::optional<std::string_view> datatype = reader.Attribute("datatype");
  if (!datatype || datatype->empty()) return std::nullopt;
  return EqualsNoCase(*datatype, "rtf");
}

class TmxDictionaryReader {
 public:
  TmxDictionaryReader(ImportTarget& target, bool merge, std::uint32_t& notes)
      : target_(target), vocabulary_(target.Dictionary()), merge_(merge), notes_(notes) {}

  int Read(XmlPullReader& reader) {
    return PullElements(
        reader, exchange_error::kTmxFile,
        [&] {
          Start(reader);
          return 0;
        },
        [&](std::string_view text, bool truncated) { AddText(text, truncated); },
        [&] { return End(); });
  }

 private:
  bool InSegment() const {
    bool seg = false;
    for (Element e : open_) {
      if (e == Element::Seg) seg = true;
      if (seg && e == Element::Inline) return false;
    }
    return seg;
  }

  Variant VariantOf(std::string_view language) const {
    const std::string tag =
        ImportedTextToCp1252(Utf8Prefix(language, kMaxLanguage), ImportedTextRole::Other);
    if (!(tag.size() == 2 || (tag.size() > 2 && tag[2] == '-'))) return Variant::None;
    const std::string_view letters = std::string_view(tag).substr(0, 2);
    const VocabularyHeader& header = vocabulary_.header;
    if (EqualsNoCase(letters, LanguageTag(header.srclan))) return Variant::Source;
    if (EqualsNoCase(letters, LanguageTag(header.tgtlan))) return Variant::Target;
    return Variant::None;
  }

  void Start(const XmlPullReader& reader) {
    const Element element = ElementOf(reader.Name());
    const bool empty = reader.IsEmptyElement();
    open_.push_back(element);
    if (empty) return;
    switch (element) {
      case Element::Header:
        documentRtf_ = IsRtf(reader).value_or(false);
        inHeader_ = true;
        break;
      case Element::Tu:
        unitRtf_ = IsRtf(reader).value_or(documentRtf_);
        source_.clear();
        target_text_.clear();
        hasSource_ = hasTarget_ = tooLong_ = false;
        break;
      case Element::Tuv:
        segmentRtf_ = IsRtf(reader).value_or(unitRtf_);
        variant_ = VariantOf(reader.Attribute("xml:lang").value_or(""));
        segment_.clear();
        segmentCut_ = false;
        break;
      default:
        break;
    }
  }

  void AddText(std::string_view text, bool truncated) {
    if (open_.empty()) return;
    if (inHeader_ && open_.back() == Element::Note) {
      std::string description = ImportedTextToCp1252(text, ImportedTextRole::Other);
      if (description.size() > kMaxDescription) description.resize(kMaxDescription);
      VocabularyHeader& header = vocabulary_.header;
      if (!description.empty() && description != header.description) {
        header.description = std::move(description);
        target_.MarkModified();
      }
      return;
    }
    if (variant_ == Variant::None || !InSegment()) return;
    if (truncated || segment_.size() + text.size() > kMaxSegmentBytes) {
      segmentCut_ = true;
      return;
    }
    segment_ += ImportedTextToCp1252(
        text, variant_ == Variant::Source ? ImportedTextRole::Source : ImportedTextRole::Other);
  }

  int End() {
    if (open_.empty()) return 0;
    const Element element = open_.back();
    open_.pop_back();
    switch (element) {
      case Element::Header:
        inHeader_ = false;
        return 0;
      case Element::Seg:
        return variant_ == Variant::None ? 0 : EndSegment();
      case Element::Tuv:
        variant_ = Variant::None;
        return EndVariant();
      default:
        return 0;
    }
  }

  int EndSegment() {
    const bool source = variant_ == Variant::Source;
    (source ? hasSource_ : hasTarget_) = true;
    std::string text;
    if (segmentCut_) {
      tooLong_ = true;
      return 0;
    }
    if (segmentRtf_) {
      if (!TmxRtfText(segment_, text)) tooLong_ = true;
    } else {
      text = std::move(segment_);
    }
    if (source) text = HyphensForReferences(text);
    const CheckedText checked =
        CheckEntryText(vocabulary_, text, source ? TextSide::Source : TextSide::Translation);
    switch (checked.result) {
      case EntryTextResult::TextOk:
      case EntryTextResult::TextEmpty:
        (source ? source_ : target_text_) = checked.text;
        return 0;
      case EntryTextResult::TextTooLong:
      case EntryTextResult::TextPhraseTooLong:
        tooLong_ = true;
        return 0;
      case EntryTextResult::TextIllegalChar:
        if (IsUnstorable(checked.offending)) {
          notes_ |= import_note::kInvalidEntry;
          (source ? source_ : target_text_).clear();
          return 0;
        }
        return exchange_error::kInvalid;
      default:
        return exchange_error::kInvalid;
    }
  }

  int EndVariant() {
    if (!hasSource_ || !hasTarget_) return 0;
    if (tooLong_ || source_.size() >= kTextField || target_text_.size() >= kTextField) {
      notes_ |= import_note::kTooLong;
      return 0;
    }
    if (source_.empty() || target_text_.empty()) return 0;
    if (vocabulary_.count() >= target_.MaxEntries()) return exchange_error::kTruncated;
    if (const CreatedEntry created = vocabulary_.CreateEntry(source_, 0, 0, merge_))
      created.entry->target = target_text_;
    source_.clear();
    target_text_.clear();
    return 0;
  }

  ImportTarget& target_;
  Vocabulary& vocabulary_;
  bool merge_;
  std::uint32_t& notes_;
  std::vector<Element> open_;
  bool inHeader_ = false;
  bool documentRtf_ = false;
  bool unitRtf_ = false;
  bool segmentRtf_ = false;
  Variant variant_ = Variant::None;
  std::string segment_;
  bool segmentCut_ = false;
  std::string source_, target_text_;
  bool hasSource_ = false, hasTarget_ = false, tooLong_ = false;
};

}  // namespace

int ReadTmxDictionary(ImportTarget& target, const std::filesystem::path& path, bool merge,
                      std::uint32_t& notes) {
  notes = 0;
  Vocabulary& vocabulary = target.Dictionary();
  if (merge && vocabulary.header.vocsubtype != DictionaryKind::Phrases)
    return exchange_error::kOtherKind;
  auto reader = OpenXmlFile(path, {.maxTextBytes = kMaxSegmentBytes, .keepWhiteSpace = true});
  if (!reader) return exchange_error::kCannotOpen;
  vocabulary.header.vocsubtype = DictionaryKind::Phrases;
  return TmxDictionaryReader(target, merge, notes).Read(*reader);
}

}  // namespace vorla
