#include "common/ImportText.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "common/Utf8.h"
#include "common/Windows1252.h"

namespace vorla {

namespace {

struct Approximation {
  char32_t from;
  std::uint8_t to;
};

// Sorted by character for the binary search.
constexpr auto kApproximations = std::to_array<Approximation>({
    {0x0142, 'l'},  {0x0150, 0xD6}, {0x0151, 0xF6}, {0x0170, 0xDC}, {0x0171, 0xFC}, {0x02DA, 0xB0},
    {0x02DD, '"'},  {0x02F6, '"'},  {0x03BC, 0xB5}, {0x1425, '"'},  {0x1806, '-'},  {0x2010, '-'},
    {0x2012, 0x96}, {0x2013, 0x96}, {0x2014, 0x97}, {0x2015, 0x97}, {0x2018, 0x91}, {0x2019, 0x92},
    {0x201A, 0x82}, {0x201C, 0x93}, {0x201D, 0x94}, {0x201E, 0x84}, {0x2020, 0x86}, {0x2021, 0x87},
    {0x2022, 0x95}, {0x2026, 0x85}, {0x202F, 0xA0}, {0x2030, 0x89}, {0x2039, '<'},  {0x203A, '>'},
    {0x2043, '-'},  {0x2044, '/'},  {0x20AC, 0x80}, {0x2122, 0x99}, {0x2212, '-'},  {0x2215, '/'},
    {0x2216, '\\'}, {0x2217, '*'},  {0x2219, 0xB7}, {0x2223, '|'},  {0x223C, '~'},  {0x2329, '<'},
    {0x232A, '>'},  {0x24B8, 0xA9}, {0x24C7, 0xAE}, {0x25CF, 0x95}, {0x2757, '!'},  {0x2758, '|'},
    {0x2759, '|'},  {0x275A, '|'},  {0x275B, 0x91}, {0x275C, 0x92}, {0x275D, 0x93}, {0x275E, 0x94},
    {0x275F, 0x82}, {0x2768, '('},  {0x2769, ')'},  {0x276A, '('},  {0x276B, ')'},  {0x276C, '<'},
    {0x276D, '>'},  {0x276E, '<'},  {0x276F, '>'},  {0x2770, '<'},  {0x2771, '>'},  {0x2772, '('},
    {0x2773, ')'},  {0x2774, '{'},  {0x2775, '}'},  {0x2796, '-'},  {0x27E8, '<'},  {0x27E9, '>'},
    {0x2981, 0x95}, {0x2E42, 0x84}, {0x3008, '<'},  {0x3009, '>'},  {0xA4FF, '='},  {0xA60E, '*'},
    {0xF0D2, 0xAE}, {0xF0D3, 0xA9}, {0xF0D4, 0x99}, {0xF0E2, 0xAE}, {0xF0E3, 0xA9}, {0xF0E4, 0x99},
    {0xFF65, 0xB7}, {0xFFFC, ' '},  {0xFFFD, ' '},
});

constexpr char32_t kNonBreakingHyphen = 0x2011;

bool IsDropped(char32_t c) {
  return (c >= 0x200B && c <= 0x200F) || c == 0x2060 || c == 0xFEFF;
}

}  // namespace

void AppendImportCharacter(std::string& out, char32_t c, ImportTextRole role) {
  if (c < 0x100) {
    out.push_back(static_cast<char>(c));
    return;
  }
  if (IsDropped(c)) return;
  if (c >= 0x2001 && c <= 0x200A) {
    out.push_back(' ');
    return;
  }
  if (c == kNonBreakingHyphen) {
    out.append(role == ImportTextRole::Source ? "-" : "&#8209;");
    return;
  }
  const auto* it =
      std::lower_bound(kApproximations.begin(), kApproximations.end(), c,
                       [](const Approximation& row, char32_t key) { return row.from < key; });
  if (it != kApproximations.end() && it->from == c) {
    out.push_back(static_cast<char>(it->to));
    return;
  }
  out.push_back(static_cast<char>(CodePointToCp1252(c).value_or(' ')));
}

std::string ImportUtf8Text(std::string_view utf8, ImportTextRole role) {
  std::string out;
  out.reserve(utf8.size());
  Utf8Decoder decoder(utf8);
  while (!decoder.AtEnd())
    AppendImportCharacter(out, decoder.Next().value_or(' '), role);
  return out;
}

}  // namespace vorla
