#include "documents/rtf/RtfPicture.h"

#include <cstdint>

#include "documents/rtf/RtfTokenizer.h"

namespace vorla {

namespace {

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Hexadecimal digits to bytes; anything else between them is stepped over.
class HexDecoder {
 public:
  explicit HexDecoder(std::string& out) : out_(out) {}

  void Add(std::string_view text) {
    for (const char c : text) {
      const int value = HexDigitValue(c);
      if (value < 0) continue;
      if (high_ < 0) {
        high_ = value;
      } else {
        out_.push_back(static_cast<char>((high_ << 4) | value));
        high_ = -1;
      }
    }
  }

 private:
  std::string& out_;
  int high_ = -1;
};

int Scaled(int goal, int percent) {
  return static_cast<int>(static_cast<std::int64_t>(goal) * percent / 100);
}

}  // namespace

RtfPicture ReadRtfPicture(std::string_view pictGroup) {
  RtfPicture picture;
  HexDecoder data(picture.data);
  int scaleX = 100;
  int scaleY = 100;
  RtfTokenizer tokenizer(pictGroup);
  bool inGroup = false;
  for (RtfToken token = tokenizer.Next(); token.kind != RtfTokenKind::End;
       token = tokenizer.Next()) {
    if (token.kind == RtfTokenKind::GroupStart) {
      if (inGroup && !tokenizer.SkipGroup()) break;
      inGroup = true;
    } else if (token.kind == RtfTokenKind::GroupEnd) {
      break;
    } else if (token.kind == RtfTokenKind::Text) {
      data.Add(token.text);
    } else if (token.kind == RtfTokenKind::ControlWord) {
      if (token.text == "pngblip") picture.format = PictureFormat::Png;
      if (token.text == "jpegblip") picture.format = PictureFormat::Jpeg;
      if (token.text == "picwgoal") picture.widthTwips = token.parameter;
      if (token.text == "pichgoal") picture.heightTwips = token.parameter;
      if (token.text == "picscalex" && token.parameter > 0) scaleX = token.parameter;
      if (token.text == "picscaley" && token.parameter > 0) scaleY = token.parameter;
    }
  }
  picture.widthTwips = Scaled(picture.widthTwips, scaleX);
  picture.heightTwips = Scaled(picture.heightTwips, scaleY);
  return picture;
}

}  // namespace vorla
