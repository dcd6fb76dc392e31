#include "speech/SpeechText.h"

#include <algorithm>

namespace vorla {

namespace {

bool IsHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}

bool IsTrimmedSpace(char16_t c) {
  return c <= 32 || c == 0x00A0 || (c >= 0x2002 && c <= 0x2005) || (c >= 0x2009 && c <= 0x200D) ||
         c == 0x202F || c == 0x2060;
}

}  // namespace

std::u16string SpokenText(std::u16string_view paneText, std::size_t selectionStart) {
  std::u16string text(paneText.substr(std::min(selectionStart, paneText.size())));
  std::erase(text, u'\r');
  return text;
}

std::u16string_view CutAtCharacter(std::u16string_view text, std::size_t maxUnits) {
  if (text.size() <= maxUnits) return text;
  std::size_t length = maxUnits;
  if (length > 0 && IsHighSurrogate(text[length - 1])) --length;
  return text.substr(0, length);
}

std::u16string LocalVoiceText(std::u16string_view text) {
  std::u16string spoken(CutAtCharacter(text, kLocalSpeechMaxCharacters));
  std::replace_if(
      spoken.begin(), spoken.end(), [](char16_t c) { return c == u'<' || c == u'>'; }, u' ');
  return spoken;
}

std::u16string_view TrimmedForService(std::u16string_view text) {
  while (!text.empty() && IsTrimmedSpace(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && IsTrimmedSpace(text.back()))
    text.remove_suffix(1);
  return text;
}

std::u16string_view ServiceSpeechText(std::u16string_view trimmed) {
  return CutAtCharacter(trimmed, kServiceSpeechMaxCharacters);
}

}  // namespace vorla
