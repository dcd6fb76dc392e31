#include "dictionaries/RecordReader.h"

#include "dictionaries/StreamBytes.h"

namespace vorla {

std::optional<std::uint8_t> RecordReader::Peek() const {
  if (AtEnd()) return std::nullopt;
  return static_cast<std::uint8_t>(bytes_[pos_]);
}

std::optional<std::uint8_t> RecordReader::ReadByte() {
  const auto byte = Peek();
  if (byte) ++pos_;
  return byte;
}

bool RecordReader::Expect(std::uint8_t byte) {
  if (Peek() != byte) return false;
  ++pos_;
  return true;
}

void RecordReader::SkipBlanks() {
  while (Peek() == stream_byte::kBlank)
    ++pos_;
}

std::optional<std::string_view> RecordReader::ReadToken(std::size_t maxLength) {
  SkipBlanks();
  const std::size_t start = pos_;
  std::size_t end = start;
  while (end < bytes_.size() && bytes_[end] != ' ' && bytes_[end] != '\0')
    ++end;
  if (end == start || end == bytes_.size() || bytes_[end] != ' ') return std::nullopt;
  if (end - start > maxLength) return std::nullopt;
  pos_ = end + 1;
  return bytes_.substr(start, end - start);
}

std::optional<int> RecordReader::ReadNumber(std::size_t maxDigits) {
  const auto token = ReadToken(maxDigits);
  if (!token) return std::nullopt;
  int value = 0;
  for (const char c : *token) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::optional<std::string> RecordReader::ReadWords(std::size_t maxLength,
                                                   std::string_view stopBytes) {
  std::string joined;
  for (;;) {
    SkipBlanks();
    const auto next = Peek();
    if (!next) return std::nullopt;
    if (stopBytes.find(static_cast<char>(*next)) != std::string_view::npos) return joined;
    const auto word = ReadToken(maxLength);
    if (!word) return std::nullopt;
    if (!joined.empty()) joined.push_back(' ');
    joined.append(*word);
    if (joined.size() > maxLength) return std::nullopt;
  }
}

}  // namespace vorla
