#pragma once

#include <QDialog>
#include <functional>
#include <string_view>

namespace vorla {

// The please-wait dialog of a slow operation: its title and text, and a busy bar. It cannot
// be dismissed; it closes when the operation has ended.
class OperWaitDlg final : public QDialog {
  Q_OBJECT

 public:
  // An empty title or text keeps the dialog's own ("Operation pending...").
  OperWaitDlg(QWidget* window, std::string_view title, std::string_view message);

  // Escape does not end an operation that cannot be stopped.
  void reject() override {}
};

// Runs `work` on a worker thread while the please-wait dialog shows, modal, over `window`
// on the window thread, and returns once the work has ended and its thread is joined. Work
// that ends before the dialog appears closes it as soon as it does. `work` never touches a
// widget.
void ShowOperWait(QWidget* window, std::string_view title, std::string_view message,
                  std::function<void()> work);

}  // namespace vorla
