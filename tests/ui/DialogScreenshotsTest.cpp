#include <gtest/gtest.h>

#include <QImage>

#include "support/TempHome.h"
#include "ui/dialogs/DialogScreenshots.h"

namespace vorla {
namespace {

TEST(DialogScreenshots, EveryDialogAsPngInBothLanguages) {
  const QString folder = QString::fromStdString(test::CurrentHome().string());
  ASSERT_TRUE(SaveDialogScreenshots(folder));
  for (const char* name :
       {"login-dialog-en", "login-dialog-fi", "language-pair-dialog-en", "language-pair-dialog-fi",
        "web-dialog-en", "web-dialog-fi", "progress-dialog-en", "progress-dialog-fi",
        "save-dialog-en", "save-dialog-fi", "speech-settings-dialog-en",
        "speech-settings-dialog-fi"}) {
    const QImage image(folder + "/" + name + ".png");
    EXPECT_GT(image.width(), 250) << name;
    EXPECT_GT(image.height(), 60) << name;
  }
  // The please-wait dialog is one line, wide enough for a file name.
  for (const char* name : {"please-wait-dialog-en", "please-wait-dialog-fi"}) {
    const QImage image(folder + "/" + name + ".png");
    EXPECT_GE(image.width(), 400) << name;
    EXPECT_GT(image.height(), 30) << name;
  }
  // Each language has its own texts.
  for (const char* name : {"login-dialog", "language-pair-dialog", "web-dialog", "progress-dialog",
                           "save-dialog", "please-wait-dialog", "speech-settings-dialog"}) {
    EXPECT_NE(QImage(folder + "/" + name + "-en.png"), QImage(folder + "/" + name + "-fi.png"))
        << name;
  }
  EXPECT_FALSE(SaveDialogScreenshots(folder + "/missing"));
}

}  // namespace
}  // namespace vorla
