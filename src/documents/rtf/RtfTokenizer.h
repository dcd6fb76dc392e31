#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vorla {

enum class RtfTokenKind { End, GroupStart, GroupEnd, ControlWord, ControlSymbol, HexByte, Text };

struct RtfToken {
  RtfTokenKind kind = RtfTokenKind::End;
  std::size_t start = 0;  // offset of the token in the input
  std::string_view text;  // the word of a control word, or the bytes of a text token
  std::int32_t parameter = 0;
  bool hasParameter = false;
  char symbol = 0;        // the character of a control symbol
  std::uint8_t byte = 0;  // the value of \'hh
};

// Splits RTF bytes into tokens in one pass, without recursion and without allocating.
// Escaped braces and backslashes come out as text; line ends and zero bytes are dropped;
// \binN data is stepped over (never beyond the input). Parameters of more than 10 digits or
// outside the 32-bit range are clamped.
class RtfTokenizer {
 public:
  explicit RtfTokenizer(std::string_view input) : input_(input) {}

  RtfToken Next();
  // Steps past the brace that closes the group being read, however deeply nested; false
  // when the input ends first.
  bool SkipGroup();
  std::size_t Position() const { return pos_; }

 private:
  // Nothing when the control only stepped over \bin data.
  std::optional<RtfToken> ReadControl();
  RtfToken ReadWord(std::size_t start);
  std::int32_t ReadParameter(bool& present);
  void SkipBinary(const RtfToken& word);

  std::string_view input_;
  std::size_t pos_ = 0;
};

}  // namespace vorla
