#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <string_view>

#include "common/UiLanguage.h"
#include "documents/files/FileCommandHost.h"

namespace vorla {

// The file commands' host in a window: its status line, and message boxes and questions
// owned by the window.
class QtFileCommandHost final : public FileCommandHost {
 public:
  QtFileCommandHost(QWidget* owner, UiLanguage language,
                    std::function<void(std::string_view)> showStatus)
      : owner_(owner), language_(language), showStatus_(std::move(showStatus)) {}

  void ShowStatus(std::string_view text) override;
  void ShowMessage(std::string_view text) override;
  bool Ask(std::string_view question) override;

 private:
  QPointer<QWidget> owner_;
  UiLanguage language_;
  std::function<void(std::string_view)> showStatus_;
};

}  // namespace vorla
