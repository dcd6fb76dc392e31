#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorla {

// Reads the records of a dictionary stream: bytes, their length and a position. Every read
// stays within the bytes; nothing relies on a terminating NUL.
class RecordReader {
 public:
  explicit RecordReader(std::string_view bytes, std::size_t position = 0)
      : bytes_(bytes), pos_(position) {}

  std::size_t position() const { return pos_; }
  bool AtEnd() const { return pos_ >= bytes_.size(); }

  std::optional<std::uint8_t> Peek() const;
  std::optional<std::uint8_t> ReadByte();
  // Consumes the byte when it comes next.
  bool Expect(std::uint8_t byte);
  void SkipBlanks();

  // A text field: leading blanks are skipped, then the bytes up to the next blank, which is
  // consumed. Nothing when the field is empty, longer than maxLength, or not ended by a
  // blank (a NUL or the end of the bytes comes first).
  std::optional<std::string_view> ReadToken(std::size_t maxLength);
  // A decimal number field of at most maxDigits digits.
  std::optional<int> ReadNumber(std::size_t maxDigits);
  // Fields up to the next one of the stop bytes (not consumed), joined by single blanks;
  // nothing when a field is bad or the joined text is longer than maxLength.
  std::optional<std::string> ReadWords(std::size_t maxLength, std::string_view stopBytes);

 private:
  std::string_view bytes_;
  std::size_t pos_;
};

}  // namespace vorla
