#include <gtest/gtest.h>

#include <string>

#include "documents/rtf/RtfPicture.h"

namespace vorla {
namespace {

TEST(RtfPicture, BlipTypeSizeAndData) {
  const struct {
    std::string group;
    PictureFormat format;
    std::string data;
    int width;
    int height;
  } cases[] = {
      {R"({\pict\pngblip\picw2\pich1\picwgoal300\pichgoal150 89504E47
0d0a})",
       PictureFormat::Png, "\x89PNG\r\n", 300, 150},
      {R"({\pict{\*\blipuid 00112233}\jpegblip\picscalex50\picscaley200\picwgoal400\pichgoal100 ffd8ff})",
       PictureFormat::Jpeg, "\xff\xd8\xff", 200, 200},
      {R"({\pict\wmetafile8\picw100\pich100 0102 03})", PictureFormat::Other, "\x01\x02\x03", 0, 0},
      // An odd digit at the end is no byte.
      {R"({\pict\pngblip 414})", PictureFormat::Png, "A", 0, 0},
      {R"({\pict\pngblip 41} 42)", PictureFormat::Png, "A", 0, 0},
      {R"({\pict\pngblip 41)", PictureFormat::Png, "A", 0, 0},
  };
  for (const auto& c : cases) {
    const RtfPicture picture = ReadRtfPicture(c.group);
    EXPECT_EQ(picture.format, c.format) << c.group;
    EXPECT_EQ(picture.data, c.data) << c.group;
    EXPECT_EQ(picture.widthTwips, c.width) << c.group;
    EXPECT_EQ(picture.heightTwips, c.height) << c.group;
  }
}

}  // namespace
}  // namespace vorla
