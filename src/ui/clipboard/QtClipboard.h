#pragma once

#include <QObject>
#include <functional>

#include "translation/Clipboard.h"

namespace vorla {

// RTF travels on the clipboard under this type.
inline constexpr const char* kRtfMimeType = "text/rtf";

// The system clipboard through Qt: RTF as "text/rtf", together with its text as plain
// text and as HTML, so that browsers, terminals and plain editors paste it too; text as
// Qt's text.
class QtClipboard final : public Clipboard {
 public:
  std::optional<std::string> GetRtf() override;
  std::optional<std::string> GetText() override;
  void SetRtf(std::string_view rtf, int codePage) override;
  void SetText(std::string_view utf8) override;
};

// Calls `changed` on every change of the clipboard's contents while `context` lives.
// Unlike a clipboard viewer joining its chain, listening does not start with a notification.
void WatchClipboard(QObject* context, std::function<void()> changed);

}  // namespace vorla
