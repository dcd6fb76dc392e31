#include "common/CodePages.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>

#include <array>
#include <memory>

#include "common/Windows1252.h"

namespace vorla {

namespace {

// Code pages by encoding index minus one.
constexpr std::array<int, kEncodingLast> kEncodingCodePages = {
    65001, 1252,  1250,  1253,  1254,  1251,  1257,  1255,  1256,  1258,  932,
    949,   936,   950,   874,   57002, 28591, 28592, 28597, 28599, 28595, 28603,
    28598, 28596, 28605, 65000, 57003, 57004, 57005, 57008, 57010, 1200,  1201};

struct IcuName {
  int codePage;
  const char* name;
};

// Every code page of the table that we do not convert ourselves. The ISCII versions are
// the converter's script numbers (0 Devanagari, 1 Bengali, 3 Gujarati, 5 Tamil, 6 Telugu,
// 7 Kannada).
constexpr IcuName kIcuNames[] = {
    {1250, "windows-1250"},     {1251, "windows-1251"},     {1253, "windows-1253"},
    {1254, "windows-1254"},     {1255, "windows-1255"},     {1256, "windows-1256"},
    {1257, "windows-1257"},     {1258, "windows-1258"},     {874, "windows-874"},
    {932, "windows-932"},       {936, "windows-936"},       {949, "windows-949"},
    {950, "windows-950"},       {28591, "ISO-8859-1"},      {28592, "ISO-8859-2"},
    {28595, "ISO-8859-5"},      {28596, "ISO-8859-6"},      {28597, "ISO-8859-7"},
    {28598, "ISO-8859-8"},      {28599, "ISO-8859-9"},      {28603, "ISO-8859-13"},
    {28605, "ISO-8859-15"},     {65000, "UTF-7"},           {57002, "ISCII,version=0"},
    {57003, "ISCII,version=1"}, {57004, "ISCII,version=5"}, {57005, "ISCII,version=6"},
    {57008, "ISCII,version=7"}, {57010, "ISCII,version=3"},
};

const char* IcuNameOf(int codePage) {
  for (const IcuName& entry : kIcuNames) {
    if (entry.codePage == codePage) return entry.name;
  }
  return nullptr;
}

struct ConverterCloser {
  void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

Converter OpenConverter(const char* name) {
  UErrorCode status = U_ZERO_ERROR;
  Converter converter(ucnv_open(name, &status));
  if (U_FAILURE(status)) return nullptr;
  return converter;
}

// Writes the replacement for every invalid or unmapped byte sequence.
void WriteReplacement(const void* context, UConverterToUnicodeArgs* args, const char*, int32_t,
                      UConverterCallbackReason reason, UErrorCode* status) {
  if (reason != UCNV_UNASSIGNED && reason != UCNV_ILLEGAL && reason != UCNV_IRREGULAR) return;
  const auto* replacement = static_cast<const std::u16string*>(context);
  *status = U_ZERO_ERROR;
  ucnv_cbToUWriteUChars(args, replacement->data(), static_cast<int32_t>(replacement->size()), 0,
                        status);
}

// Runs ucnv_toUnicode or ucnv_fromUnicode over the whole input, growing the output
// whenever it fills up.
template <class Out, class In, class Convert>
bool ConvertAll(UConverter* converter, Convert convert, const In* source, const In* sourceEnd,
                Out& out) {
  out.resize(static_cast<std::size_t>(sourceEnd - source) + 16);
  auto* target = out.data();
  for (;;) {
    UErrorCode status = U_ZERO_ERROR;
    convert(converter, &target, out.data() + out.size(), &source, sourceEnd, nullptr, true,
            &status);
    const auto used = static_cast<std::size_t>(target - out.data());
    if (status == U_BUFFER_OVERFLOW_ERROR) {
      out.resize(out.size() * 2);
      target = out.data() + used;
      continue;
    }
    out.resize(used);
    return U_SUCCESS(status);
  }
}

std::optional<std::string> IcuToUtf8(const char* name, std::string_view bytes,
                                     char32_t replacement) {
  // Declared before the converter, which calls back once more while it closes.
  std::string utf8Replacement;
  AppendUtf8(utf8Replacement, replacement);
  const std::u16string substitute = Utf8ToUtf16(utf8Replacement);
  Converter converter = OpenConverter(name);
  if (!converter) return std::nullopt;
  if (bytes.empty()) return std::string();
  UErrorCode status = U_ZERO_ERROR;
  ucnv_setToUCallBack(converter.get(), WriteReplacement, &substitute, nullptr, nullptr, &status);
  if (U_FAILURE(status)) return std::nullopt;

  std::u16string text;
  const bool converted =
      ConvertAll(converter.get(), ucnv_toUnicode, bytes.data(), bytes.data() + bytes.size(), text);
  if (!converted) return std::nullopt;
  return Utf16ToUtf8(text, replacement);
}

std::optional<std::string> IcuFromUtf8(const char* name, std::string_view utf8, char replacement) {
  Converter converter = OpenConverter(name);
  if (!converter) return std::nullopt;
  const std::u16string text = Utf8ToUtf16(utf8, static_cast<char16_t>(replacement));
  if (text.empty()) return std::string();
  const UChar substitute = static_cast<UChar>(replacement);
  UErrorCode status = U_ZERO_ERROR;
  ucnv_setSubstString(converter.get(), &substitute, 1, &status);
  if (U_FAILURE(status)) return std::nullopt;

  std::string bytes;
  const bool converted =
      ConvertAll(converter.get(), ucnv_fromUnicode, text.data(), text.data() + text.size(), bytes);
  if (!converted) return std::nullopt;
  return bytes;
}

// UTF-8 as it is, with each invalid sequence replaced.
std::string ValidatedUtf8(std::string_view text, char32_t replacement) {
  std::string out;
  out.reserve(text.size());
  for (Utf8Decoder decoder(text); !decoder.AtEnd();) {
    AppendUtf8(out, decoder.Next().value_or(replacement));
  }
  return out;
}

std::string Utf16BytesToUtf8(std::string_view bytes, bool bigEndian, char32_t replacement) {
  std::u16string units(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i) {
    const auto first = static_cast<unsigned char>(bytes[2 * i]);
    const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
    units[i] = static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
  }
  std::string out = Utf16ToUtf8(units, replacement);
  // A dangling last byte is half a character.
  if (bytes.size() % 2 != 0) AppendUtf8(out, replacement);
  return out;
}

std::string Utf8ToUtf16Bytes(std::string_view utf8, bool bigEndian, char replacement) {
  const std::u16string units = Utf8ToUtf16(utf8, static_cast<char16_t>(replacement));
  std::string out;
  out.reserve(units.size() * 2);
  for (const char16_t unit : units) {
    const auto high = static_cast<char>(unit >> 8);
    const auto low = static_cast<char>(unit & 0xFF);
    out.push_back(bigEndian ? high : low);
    out.push_back(bigEndian ? low : high);
  }
  return out;
}

}  // namespace

std::optional<std::string> ConverterToUtf8(const char* converterName, std::string_view bytes,
                                           char32_t replacement) {
  return IcuToUtf8(converterName, bytes, replacement);
}

int CodePageOfEncoding(int index) {
  if (index == kEncodingNone) return 0;
  if (index < 1 || index > kEncodingLast) return kCodePageWindows1252;
  return kEncodingCodePages[static_cast<std::size_t>(index - 1)];
}

std::optional<std::string> CodePageToUtf8(int codePage, std::string_view bytes,
                                          char32_t replacement) {
  switch (codePage) {
    case kCodePageWindows1252:
      return Cp1252ToUtf8(bytes, replacement);
    case kCodePageUtf8:
      return ValidatedUtf8(bytes, replacement);
    case kCodePageUtf16Le:
    case kCodePageUtf16Be:
      return Utf16BytesToUtf8(bytes, codePage == kCodePageUtf16Be, replacement);
    default:
      break;
  }
  const char* name = IcuNameOf(codePage);
  if (!name) return std::nullopt;
  return IcuToUtf8(name, bytes, replacement);
}

std::optional<std::string> Utf8ToCodePage(int codePage, std::string_view utf8, char replacement) {
  switch (codePage) {
    case kCodePageWindows1252:
      return Utf8ToCp1252(utf8, replacement);
    case kCodePageUtf8:
      return ValidatedUtf8(utf8, static_cast<char32_t>(replacement));
    case kCodePageUtf16Le:
    case kCodePageUtf16Be:
      return Utf8ToUtf16Bytes(utf8, codePage == kCodePageUtf16Be, replacement);
    default:
      break;
  }
  const char* name = IcuNameOf(codePage);
  if (!name) return std::nullopt;
  return IcuFromUtf8(name, utf8, replacement);
}

UnmarkedText RemoveByteOrderMark(std::string bytes) {
  constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
  constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
  constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
  const std::string_view text = bytes;
  if (text.starts_with(kUtf8Mark)) {
    bytes.erase(0, kUtf8Mark.size());
    return {std::move(bytes), true};
  }
  const bool littleEndian = text.starts_with(kUtf16LeMark);
  if (littleEndian || text.starts_with(kUtf16BeMark)) {
    return {
        Utf16BytesToUtf8(text.substr(kUtf16LeMark.size()), !littleEndian, kReplacementCharacter),
        true};
  }
  return {std::move(bytes), false};
}

namespace {

bool IsContinuation(unsigned char byte) {
  return byte >= 0x80 && byte <= 0xBF;
}

// Second bytes that turn a two-byte lead of Windows-1252 letters into punctuation
// ("Ä™", "Ö…"): such pairs are no evidence of UTF-8.
bool IsPunctuationSecondByte(unsigned char byte) {
  switch (byte) {
    case 0x85:
    case 0x8B:
    case 0x91:
    case 0x92:
    case 0x93:
    case 0x94:
    case 0x96:
    case 0x97:
    case 0x99:
    case 0x9B:
    case 0xA9:
    case 0xAB:
    case 0xAE:
    case 0xBB:
      return true;
    default:
      return false;
  }
}

// A two-byte sequence: its verdict, or nothing to go on with `evidence` updated.
std::optional<bool> JudgeTwoBytes(unsigned char lead, unsigned char second, bool& evidence) {
  if (lead == 0xD7) {
    evidence = evidence || second < 0xBC || second > 0xBE;
  } else if (lead == 0xC7) {
    evidence = true;
  } else if ((lead >= 0xC4 && lead <= 0xCB) || (lead >= 0xD6 && lead <= 0xDC)) {
    evidence = evidence || !IsPunctuationSecondByte(second);
  } else {
    return true;
  }
  return std::nullopt;
}

std::optional<bool> JudgeThreeBytes(unsigned char lead, unsigned char second, unsigned char third,
                                    bool& evidence) {
  if (lead == 0xE7) {
    evidence = true;
  } else if (lead >= 0xE4 && lead <= 0xEB) {
    bool counts = false;
    if (second == 0x99 || second == 0xA9 || second == 0xAE) {
      counts =
          !(third == 0x85 || (third >= 0x91 && third <= 0x94) || third == 0x96 || third == 0x97);
    } else if (second != third) {
      counts = true;
    } else {
      counts = second != 0x96 && second != 0x97 && second != 0x9B;
    }
    evidence = evidence || counts;
  } else {
    return true;
  }
  return std::nullopt;
}

}  // namespace

bool LooksLikeUtf8(std::string_view bytes) {
  const auto at = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  const std::size_t size = bytes.size();
  bool evidence = false;
  // The last byte never starts anything.
  for (std::size_t i = 0; i + 1 < size;) {
    const unsigned char c = at(i);
    if (IsContinuation(c)) {
      if (i == 0 || at(i - 1) <= 0x7F) return false;
      ++i;
      continue;
    }
    if (c < 0xC2 || c > 0xF4) {
      ++i;
      continue;
    }
    const unsigned char d = at(i + 1);
    if (!IsContinuation(d)) return false;
    std::optional<bool> verdict;
    std::size_t length = 2;
    if (c < 0xE0) {
      verdict = JudgeTwoBytes(c, d, evidence);
    } else if (c < 0xF0) {
      length = 3;
      if (i + 2 >= size || !IsContinuation(at(i + 2))) return false;
      verdict = JudgeThreeBytes(c, d, at(i + 2), evidence);
    } else {
      if (i + 3 >= size || !IsContinuation(at(i + 2)) || !IsContinuation(at(i + 3))) return false;
      return true;
    }
    if (verdict) return *verdict;
    i += length;
  }
  return evidence;
}

}  // namespace vorla
