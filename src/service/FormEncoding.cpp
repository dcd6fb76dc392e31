#include "service/FormEncoding.h"

#include <array>

namespace vorla {

namespace {

enum class Treatment : std::uint8_t { Keep, Plus, Escape };
using TreatmentTable = std::array<Treatment, 256>;

constexpr bool IsAlphanumeric(unsigned c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

constexpr TreatmentTable MakeStrictTable() {
  TreatmentTable table{};
  for (unsigned c = 0; c < 256; ++c) {
    table[c] = IsAlphanumeric(c) ? Treatment::Keep : Treatment::Escape;
  }
  table[' '] = Treatment::Plus;
  return table;
}

constexpr TreatmentTable MakeBytesTable() {
  TreatmentTable table{};
  for (unsigned c = 0; c < 256; ++c)
    table[c] = Treatment::Keep;
  for (unsigned char c : {'\0', '%', '&', '+', '=', '?'})
    table[c] = Treatment::Escape;
  table[' '] = Treatment::Plus;
  return table;
}

constexpr TreatmentTable kStrict = MakeStrictTable();
constexpr TreatmentTable kBytes = MakeBytesTable();

// Formats from the unsigned byte, so bytes of 128 and above give two digits.
void AppendEscape(std::uint8_t byte, std::string& out) {
  constexpr char kDigits[] = "0123456789abcdef";
  const char escape[3] = {'%', kDigits[byte >> 4], kDigits[byte & 0x0F]};
  out.append(escape, 3);
}

std::size_t EncodedSize(std::string_view bytes, const TreatmentTable& table) {
  std::size_t size = bytes.size();
  for (unsigned char c : bytes) {
    if (table[c] == Treatment::Escape) size += 2;
  }
  return size;
}

void Encode(std::string_view bytes, const TreatmentTable& table, std::string& out) {
  out.reserve(out.size() + EncodedSize(bytes, table));
  std::size_t runStart = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto byte = static_cast<std::uint8_t>(bytes[i]);
    const Treatment treatment = table[byte];
    if (treatment == Treatment::Keep) continue;
    out.append(bytes.data() + runStart, i - runStart);
    if (treatment == Treatment::Plus) {
      out.push_back('+');
    } else {
      AppendEscape(byte, out);
    }
    runStart = i + 1;
  }
  out.append(bytes.data() + runStart, bytes.size() - runStart);
}

}  // namespace

void EncodeFormBytes(std::string_view bytes, std::string& out) {
  Encode(bytes, kBytes, out);
}

std::int32_t EncodeUrlField(std::string_view text, std::string& out) {
  out.clear();
  if (EncodedSize(text, kStrict) > static_cast<std::size_t>(kMaxUrlFieldLength)) return -1;
  Encode(text, kStrict, out);
  return static_cast<std::int32_t>(out.size());
}

void EncodeFormString(std::string_view text, std::string& out) {
  Encode(text.substr(0, text.find('\0')), kStrict, out);
}

void EncodeFormBinary(std::string_view bytes, std::string& out) {
  Encode(bytes, kStrict, out);
}

}  // namespace vorla
