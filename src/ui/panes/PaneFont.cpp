#include "ui/panes/PaneFont.h"

#include "common/Windows1252.h"

namespace vorla {

namespace {

constexpr int kDefaultSize = 11;

}  // namespace

QFont ReadPaneFont(const Settings& settings) {
  const std::string name = settings.ReadString("TextEditFontName").value_or("Calibri");
  QFont font(QString::fromStdString(Cp1252ToUtf8(name)));
  const int size = settings.ReadInteger("TextEditFontSize", kDefaultSize);
  // A size of 0 or less is no size: the settings dialog writes 11 for it as well.
  font.setPointSize(size > 0 ? size : kDefaultSize);
  return font;
}

}  // namespace vorla
