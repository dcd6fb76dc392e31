#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QTimer>
#include <filesystem>
#include <string>
#include <vector>

#include "common/CodePages.h"
#include "support/FileBytes.h"
#include "support/RecordingFileCommandHost.h"
#include "support/TempHome.h"
#include "ui/documents/PaneSaveDialog.h"
#include "ui/panes/TextPane.h"

namespace vorla {
namespace {

// Answers the save dialogs that open, one choice (path and filter) each.
void AnswerSaveDialogs(std::vector<std::pair<QString, QString>> choices) {
  auto* timer = new QTimer;
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, choices, next = std::size_t{0}]() mutable {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    dialog->selectNameFilter(choices[next].second);
    dialog->selectFile(choices[next].first);
    static_cast<QDialog*>(dialog)->accept();
    if (++next == choices.size()) {
      timer->stop();
      timer->deleteLater();
    }
  });
  timer->start();
}

TEST(PaneSaveDialog, AFailedSaveIsReportedAndTheDialogAsksAgain) {
  TextPane pane;
  pane.SetText("Summary of the day", kCodePageUtf8);
  const std::filesystem::path folder = test::CurrentHome();
  AnswerSaveDialogs(
      {{QString::fromStdString((folder / "missing" / "summary").string()), "Text file (*.txt)"},
       {QString::fromStdString((folder / "summary").string()), "Text file (*.txt)"}});
  test::RecordingHost host;
  SavePaneWithDialog(nullptr, pane, nullptr, host, UiLanguage::English);
  EXPECT_EQ(host.messages,
            std::vector<std::string>{"The target file may be in use by another application."});
  EXPECT_EQ(test::ReadFileBytes(folder / "summary.txt"), "Summary of the day");
  EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
}

}  // namespace
}  // namespace vorla
