#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vorla {

// The longest text a local voice speaks, and the longest the service is sent.
inline constexpr std::size_t kLocalSpeechMaxCharacters = 30'000;
inline constexpr std::size_t kServiceSpeechMaxCharacters = 1'000;

// The text of a pane from the selection start (a start beyond the text gives an empty text),
// without carriage returns.
std::u16string SpokenText(std::u16string_view paneText, std::size_t selectionStart);

// At most maxUnits UTF-16 units, one fewer when the cut would split a surrogate pair.
std::u16string_view CutAtCharacter(std::u16string_view text, std::size_t maxUnits);

// What a local voice is given: cut at 30,000 characters, every "<" and ">" a space, so that
// the voice never reads markup.
std::u16string LocalVoiceText(std::u16string_view text);

// What the service is sent: trimmed of white space at both ends (code 32 and below, U+00A0,
// U+2002 to U+2005, U+2009 to U+200D, U+202F, U+2060), then cut at 1,000 characters.
std::u16string_view TrimmedForService(std::u16string_view text);
std::u16string_view ServiceSpeechText(std::u16string_view trimmed);

}  // namespace vorla
