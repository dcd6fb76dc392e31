#pragma once

#include <QDialog>
#include <functional>
#include <string_view>

#include "common/UiLanguage.h"
#include "ui/documents/ProgressDialogController.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace vorla {

// "Translate File": the progress of one document job, its final message, and the buttons
// to save the translation and to cancel or close. A thin window over
// ProgressDialogController; the job's reports reach it through MakeProgressDialogDisplay.
// Deletes itself when closed.
class ProgressDialog final : public QDialog {
  Q_OBJECT

 public:
  ProgressDialog(QWidget* mainWindow, UiLanguage language, std::string_view fileName);

  // What the buttons do with the job.
  void SetActions(ProgressDialogController::Actions actions) {
    controller_.SetActions(std::move(actions));
  }

  const ProgressDialogView& View() const { return controller_.View(); }

  void ShowStatus(std::string_view text, ProgressBar bar, int percent);
  void ShowDetail(std::string_view text);
  void ShowFinalMessage(std::string_view message);
  void ResultArrived();

  // Enter and Escape cancel, as the button does.
  void reject() override;
  void accept() override;

 private:
  void Refresh();

  UiLanguage language_;
  ProgressDialogController controller_;
  QLabel* status_;
  QProgressBar* bar_;
  QLabel* detail_;
  QPushButton* save_;
  QPushButton* cancel_;
};

}  // namespace vorla
