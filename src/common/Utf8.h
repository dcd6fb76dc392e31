#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vorla {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// A byte that continues a character rather than beginning one.
constexpr bool IsUtf8ContinuationByte(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The number of characters of UTF-8 text: its bytes that begin one.
std::size_t Utf8CharacterCount(std::string_view text);

// The longest start of UTF-8 text that has at most `maxBytes` bytes and ends between two
// characters.
std::string_view Utf8Prefix(std::string_view text, std::size_t maxBytes);

// Appends the UTF-8 form of a character (U+FFFD for surrogates and values beyond U+10FFFF).
void AppendUtf8(std::string& out, char32_t c);

// Walks UTF-8 text one character at a time. An invalid, overlong or truncated sequence
// gives nothing for its first byte, and decoding goes on after that byte.
class Utf8Decoder {
 public:
  explicit Utf8Decoder(std::string_view text) : text_(text) {}
  bool AtEnd() const { return pos_ >= text_.size(); }
  std::optional<char32_t> Next();
  std::size_t Position() const { return pos_; }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// UTF-16 (native order code units) and UTF-8; unpaired surrogates become the replacement.
std::string Utf16ToUtf8(std::u16string_view text, char32_t replacement = kReplacementCharacter);
// Each invalid UTF-8 sequence becomes the replacement.
std::u16string Utf8ToUtf16(std::string_view text, char16_t replacement = kReplacementCharacter);

}  // namespace vorla
