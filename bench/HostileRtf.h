#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vorla::bench {

// RTF whose every run is in one font with a long name and inside one link with a long
// target: `switches` times bold on or off, each before a word. A reader that copies the
// name and the target into every run needs their length times the runs.
std::string HostileRtf(std::string_view fontName, std::string_view linkTarget,
                       std::size_t switches);

// The hostile input of the benchmark and the tests: a 5,000-character font name and a
// 5,000-character link around 20,000 bold switches, about 190 KB.
std::string HostileRtf();

// A document made of one small piece repeated until it holds about `bytes`: what every run,
// paragraph, picture or field costs the reader beyond its own bytes.
std::string RepeatedPieceRtf(std::string_view piece, std::size_t bytes);

// The pieces that cost a reader most per byte: one-character runs, empty paragraphs, empty
// pictures and bare fields.
inline constexpr std::string_view kOneCharacterRuns = "{\\b a}a";
inline constexpr std::string_view kEmptyParagraphs = "\\par";
inline constexpr std::string_view kEmptyPictures = "{\\pict 0}";
inline constexpr std::string_view kBareFields = "{\\field}";

}  // namespace vorla::bench
