// vorla-dialog-screenshots FOLDER: renders the dialog pictures of docs/screenshots into
// FOLDER, without a display (the offscreen platform unless QT_QPA_PLATFORM says otherwise).
#include <QApplication>
#include <cstdio>

#include "ui/dialogs/DialogScreenshots.h"

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: vorla-dialog-screenshots FOLDER\n");
    return 2;
  }
  if (!vorla::SaveDialogScreenshots(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "vorla-dialog-screenshots: cannot write the pictures into %s\n", argv[1]);
    return 1;
  }
  return 0;
}
