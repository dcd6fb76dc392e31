#pragma once

#include <QDialog>
#include <memory>

#include "common/UiLanguage.h"
#include "translation/WebDialogController.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace vorla {

class WindowThreadQueue;

// The modeless "Translate Web Page" dialog: an address box with the run's history, a status
// line, "Translate", "Clear" and "Close" (which reads "Cancel" while a translation runs and
// cancels it). Its behaviour is the WebDialogController's; the job reports to it through a
// queue to the window thread.
class WebDialog final : public QDialog, WebDialogView {
  Q_OBJECT

 public:
  WebDialog(QWidget* owner, CWindowsTranslator& translator);
  ~WebDialog() override;

  // Opens the dialog at the owner's top-left corner plus (100, 140), or brings the open one
  // to the front; at most one is open.
  static WebDialog* Show(QWidget* owner, CWindowsTranslator& translator);

  QComboBox& AddressBox() const { return *address_; }
  QLabel& Status() const { return *status_; }
  QPushButton& TranslateButton() const { return *translate_; }
  QPushButton& ClearButton() const { return *clear_; }
  QPushButton& CloseButton() const { return *close_; }

  // Closing in any way (Close, Escape, the window's close button) cancels the job.
  void done(int result) override;

 private:
  // ---- WebDialogView
  std::string AddressText() const override;
  void SetAddressText(std::string_view text) override;
  void SetStatus(std::string_view text) override;
  void SetHistory(const std::vector<std::string>& addresses) override;
  void SetRunning(bool running) override;
  void FocusAddress() override;
  void FocusStatus() override;

  UiLanguage language_;
  QComboBox* address_;
  QLabel* status_;
  QPushButton* translate_;
  QPushButton* clear_;
  QPushButton* close_;
  std::unique_ptr<WindowThreadQueue> queue_;
  WebDialogController controller_;
};

}  // namespace vorla
