#pragma once

#include <string>
#include <string_view>

namespace vorla {

enum class PictureFormat { Png, Jpeg, Other };

// What a pane needs to show a picture kept as its RTF group.
struct RtfPicture {
  PictureFormat format = PictureFormat::Other;
  std::string data;    // the picture's bytes (from the hexadecimal data)
  int widthTwips = 0;  // the size the document shows it at; 0 when it does not say
  int heightTwips = 0;
};

// Reads a {\pict ...} group: the blip type, the shown size (goal times scale) and the data
// of the group's own level; nested groups such as \*\blipuid are stepped over.
RtfPicture ReadRtfPicture(std::string_view pictGroup);

}  // namespace vorla
