#include "documents/rtf/JohabText.h"

#include <array>
#include <cstdint>
#include <optional>

#include "common/CodePages.h"
#include "common/Utf8.h"

namespace vorla {

namespace {

constexpr char32_t kHangulFiller = 0x3164;

// The compatibility letters of the 19 initial consonants and of the 27 final ones.
constexpr std::array<char16_t, 19> kInitialLetters = {
    0x3131, 0x3132, 0x3134, 0x3137, 0x3138, 0x3139, 0x3141, 0x3142, 0x3143, 0x3145,
    0x3146, 0x3147, 0x3148, 0x3149, 0x314A, 0x314B, 0x314C, 0x314D, 0x314E};
constexpr std::array<char16_t, 27> kFinalLetters = {
    0x3131, 0x3132, 0x3133, 0x3134, 0x3135, 0x3136, 0x3137, 0x3139, 0x313A,
    0x313B, 0x313C, 0x313D, 0x313E, 0x313F, 0x3140, 0x3141, 0x3142, 0x3144,
    0x3145, 0x3146, 0x3147, 0x3148, 0x314A, 0x314B, 0x314C, 0x314D, 0x314E};

// Each of the three 5-bit fields of a Hangul code: 0 for its filler, the letter's number
// plus one, or nothing for a value that names no letter.
std::optional<int> InitialOf(int bits) {
  if (bits == 1) return 0;
  if (bits >= 2 && bits <= 20) return bits - 1;
  return std::nullopt;
}

std::optional<int> MedialOf(int bits) {
  static constexpr std::array<std::pair<int, int>, 4> kRanges = {
      {{3, 7}, {10, 15}, {18, 23}, {26, 29}}};
  if (bits == 2) return 0;
  int number = 1;
  for (const auto& [first, last] : kRanges) {
    if (bits >= first && bits <= last) return number + bits - first;
    number += last - first + 1;
  }
  return std::nullopt;
}

std::optional<int> FinalOf(int bits) {
  if (bits >= 1 && bits <= 17) return bits - 1;
  if (bits >= 19 && bits <= 29) return bits - 2;
  return std::nullopt;
}

char32_t HangulCharacter(std::uint16_t code) {
  const auto initial = InitialOf((code >> 10) & 0x1F);
  const auto medial = MedialOf((code >> 5) & 0x1F);
  const auto final = FinalOf(code & 0x1F);
  if (!initial || !medial || !final) return kReplacementCharacter;
  if (*initial > 0 && *medial > 0) {
    return 0xAC00 + static_cast<char32_t>(((*initial - 1) * 21 + (*medial - 1)) * 28 + *final);
  }
  const int letters = (*initial > 0) + (*medial > 0) + (*final > 0);
  if (letters == 0) return kHangulFiller;
  if (letters > 1) return kReplacementCharacter;
  if (*initial > 0) return kInitialLetters[static_cast<std::size_t>(*initial - 1)];
  if (*medial > 0) return 0x314F + static_cast<char32_t>(*medial - 1);
  return kFinalLetters[static_cast<std::size_t>(*final - 1)];
}

// A symbol or Hanja code as the two Wansung (EUC-KR) bytes of the same character: each
// lead byte holds two rows of 94, the first in the trail bytes 0x31 to 0x7E and 0x91 to
// 0xA0, the second in 0xA1 to 0xFE.
std::optional<std::string> WansungBytes(std::uint8_t lead, std::uint8_t trail) {
  int row = 0;
  if (lead >= 0xD9 && lead <= 0xDE) {
    row = 0x21 + 2 * (lead - 0xD9);
  } else if (lead >= 0xE0 && lead <= 0xF9) {
    row = 0x4A + 2 * (lead - 0xE0);
  } else {
    return std::nullopt;
  }
  int column = 0;
  if (trail >= 0xA1 && trail <= 0xFE) {
    ++row, column = trail - 0x80;
  } else if (trail >= 0x31 && trail <= 0x7E) {
    column = trail - 0x10;
  } else if (trail >= 0x91 && trail <= 0xA0) {
    column = trail - 0x22;
  } else {
    return std::nullopt;
  }
  return std::string{static_cast<char>(row | 0x80), static_cast<char>(column | 0x80)};
}

// Appends the Wansung bytes gathered so far, decoded, and empties them.
void AppendWansung(std::string& text, std::string& wansung) {
  if (wansung.empty()) return;
  text += ConverterToUtf8("windows-949", wansung).value_or("\xEF\xBF\xBD");
  wansung.clear();
}

}  // namespace

std::string DecodeJohab(std::string_view bytes) {
  std::string text;
  std::string wansung;  // symbols and Hanja in a row, decoded together
  const auto append = [&](char32_t c) {
    AppendWansung(text, wansung);
    AppendUtf8(text, c);
  };
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto lead = static_cast<std::uint8_t>(bytes[i]);
    if (lead < 0x80) {
      append(lead);
      continue;
    }
    if (i + 1 == bytes.size()) {
      append(kReplacementCharacter);
      break;
    }
    const auto trail = static_cast<std::uint8_t>(bytes[++i]);
    if (lead >= 0x84 && lead <= 0xD3) {
      append(HangulCharacter(static_cast<std::uint16_t>((lead << 8) | trail)));
    } else if (const auto pair = WansungBytes(lead, trail)) {
      wansung += *pair;
    } else {
      append(kReplacementCharacter);
    }
  }
  AppendWansung(text, wansung);
  return text;
}

}  // namespace vorla
