#include "common/Cp1252Import.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "common/Utf8.h"
#include "common/Windows1252.h"

namespace vorla {
namespace {

constexpr char kDrop = 0;  // the character leaves no byte

struct Approximation {
  char16_t character;
  char byte;
};

// Look-alikes that Windows-1252 has no byte for, or whose byte would read differently
// (the single guillemets become angle brackets). Sorted by character.
constexpr auto kApproximations = std::to_array<Approximation>({
    {0x0142, 'l'},    {0x0150, '\xD6'}, {0x0151, '\xF6'}, {0x0170, '\xDC'}, {0x0171, '\xFC'},
    {0x02DA, '\xB0'}, {0x02DD, '"'},    {0x02F6, '"'},    {0x03BC, '\xB5'}, {0x1425, '"'},
    {0x1806, '-'},    {0x2010, '-'},    {0x2012, '\x96'}, {0x2013, '\x96'}, {0x2014, '\x97'},
    {0x2015, '\x97'}, {0x2018, '\x91'}, {0x2019, '\x92'}, {0x201A, '\x82'}, {0x201C, '\x93'},
    {0x201D, '\x94'}, {0x201E, '\x84'}, {0x2020, '\x86'}, {0x2021, '\x87'}, {0x2022, '\x95'},
    {0x2026, '\x85'}, {0x202F, '\xA0'}, {0x2030, '\x89'}, {0x2039, '<'},    {0x203A, '>'},
    {0x2043, '-'},    {0x2044, '/'},    {0x2060, kDrop},  {0x20AC, '\x80'}, {0x2122, '\x99'},
    {0x2212, '-'},    {0x2215, '/'},    {0x2216, '\\'},   {0x2217, '*'},    {0x2219, '\xB7'},
    {0x2223, '|'},    {0x223C, '~'},    {0x2329, '<'},    {0x232A, '>'},    {0x24B8, '\xA9'},
    {0x24C7, '\xAE'}, {0x25CF, '\x95'}, {0x2757, '!'},    {0x2758, '|'},    {0x2759, '|'},
    {0x275A, '|'},    {0x275B, '\x91'}, {0x275C, '\x92'}, {0x275D, '\x93'}, {0x275E, '\x94'},
    {0x275F, '\x82'}, {0x2768, '('},    {0x2769, ')'},    {0x276A, '('},    {0x276B, ')'},
    {0x276C, '<'},    {0x276D, '>'},    {0x276E, '<'},    {0x276F, '>'},    {0x2770, '<'},
    {0x2771, '>'},    {0x2772, '('},    {0x2773, ')'},    {0x2774, '{'},    {0x2775, '}'},
    {0x2796, '-'},    {0x27E8, '<'},    {0x27E9, '>'},    {0x2981, '\x95'}, {0x2E42, '\x84'},
    {0x3008, '<'},    {0x3009, '>'},    {0xA4FF, '='},    {0xA60E, '*'},    {0xF0D2, '\xAE'},
    {0xF0D3, '\xA9'}, {0xF0D4, '\x99'}, {0xF0E2, '\xAE'}, {0xF0E3, '\xA9'}, {0xF0E4, '\x99'},
    {0xFEFF, kDrop},  {0xFF65, '\xB7'}, {0xFFFC, ' '},    {0xFFFD, ' '},
});
static_assert(std::ranges::is_sorted(kApproximations, {}, &Approximation::character));

constexpr char32_t kNonBreakingHyphen = 0x2011;

}  // namespace

void AppendImportedCharacter(std::string& out, char32_t c, ImportedTextRole role) {
  if (c < 0x100) {
    out.push_back(static_cast<char>(c));
    return;
  }
  if (c >= 0x200B && c <= 0x200F) return;
  if (c >= 0x2001 && c <= 0x200A) {
    out.push_back(' ');
    return;
  }
  if (c == kNonBreakingHyphen) {
    out += role == ImportedTextRole::Source ? "-" : "&#8209;";
    return;
  }
  const auto it = std::ranges::lower_bound(kApproximations, c, {}, [](const Approximation& a) {
    return static_cast<char32_t>(a.character);
  });
  if (it != kApproximations.end() && it->character == c) {
    if (it->byte != kDrop) out.push_back(it->byte);
    return;
  }
  const std::optional<std::uint8_t> byte = CodePointToCp1252(c);
  out.push_back(byte ? static_cast<char>(*byte) : ' ');
}

std::string ImportedTextToCp1252(std::string_view utf8, ImportedTextRole role) {
  std::string out;
  out.reserve(utf8.size());
  Utf8Decoder decoder(utf8);
  while (!decoder.AtEnd()) {
    const std::optional<char32_t> c = decoder.Next();
    AppendImportedCharacter(out, c.value_or(kReplacementCharacter), role);
  }
  return out;
}

}  // namespace vorla
