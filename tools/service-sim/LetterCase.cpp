#include "LetterCase.h"

#include "common/Utf8.h"
#include "common/Windows1252.h"

namespace vorla::sim {

namespace {

constexpr char32_t kFirstLatinLetter = 0xC0;
constexpr char32_t kMultiplication = 0xD7;
constexpr char32_t kDivision = 0xF7;
constexpr char32_t kGeneralPunctuationFirst = 0x2000;
constexpr char32_t kGeneralPunctuationLast = 0x206F;
constexpr char32_t kCjkPunctuationFirst = 0x3000;
constexpr char32_t kCjkPunctuationLast = 0x303F;
constexpr char32_t kSpecialsFirst = 0xFFF0;

template <class Map>
std::string MapCharacters(std::string_view word, Map map) {
  std::string out;
  for (Utf8Decoder decoder(word); !decoder.AtEnd();) {
    AppendUtf8(out, map(decoder.Next().value_or(kReplacementCharacter)));
  }
  return out;
}

template <class Fold>
char32_t FoldCp1252(char32_t c, Fold fold) {
  const auto byte = CodePointToCp1252(c);
  if (!byte) return c;
  return Cp1252ToCodePoint(fold(*byte)).value_or(c);
}

char32_t Lower(char32_t c) {
  return FoldCp1252(c, Cp1252ToLower);
}
char32_t Upper(char32_t c) {
  return FoldCp1252(c, Cp1252ToUpper);
}

}  // namespace

bool IsWordLetter(char32_t c) {
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return true;
  if (c < kFirstLatinLetter || c == kMultiplication || c == kDivision) return false;
  if (c >= kGeneralPunctuationFirst && c <= kGeneralPunctuationLast) return false;
  if (c >= kCjkPunctuationFirst && c <= kCjkPunctuationLast) return false;
  return c < kSpecialsFirst;
}

WordCase CaseOf(std::string_view word) {
  int capitals = 0;
  bool anyLower = false;
  bool firstCapital = false;
  bool first = true;
  for (Utf8Decoder decoder(word); !decoder.AtEnd(); first = false) {
    const char32_t c = decoder.Next().value_or(kReplacementCharacter);
    const bool capital = Lower(c) != c;
    if (first) firstCapital = capital;
    capitals += capital ? 1 : 0;
    anyLower = anyLower || Upper(c) != c;
  }
  if (capitals >= 2 && !anyLower) return WordCase::Upper;
  return firstCapital ? WordCase::Capital : WordCase::Lower;
}

std::string LowerCase(std::string_view word) {
  return MapCharacters(word, Lower);
}

std::string InCase(std::string_view word, WordCase wordCase) {
  if (wordCase == WordCase::Upper) return MapCharacters(word, Upper);
  if (wordCase == WordCase::Lower || word.empty()) return std::string(word);
  bool first = true;
  return MapCharacters(word, [&first](char32_t c) {
    const char32_t mapped = first ? Upper(c) : c;
    first = false;
    return mapped;
  });
}

}  // namespace vorla::sim
