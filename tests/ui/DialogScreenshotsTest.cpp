#include <gtest/gtest.h>

#include <QImage>

#include "support/TempHome.h"
#include "translation/StateFixture.h"
#include "ui/dialogs/DialogScreenshots.h"

namespace vorla {
namespace {

TEST(DialogScreenshots, LoginAndLanguagePairDialogsAsPngInBothLanguages) {
  const QString folder = QString::fromStdString(test::CurrentHome().string());
  for (const char* language : {"0", "1"}) {
    test::StateFixture f({{"defuilan", language}, {"AccInf1", "3"}});
    const QString login = folder + "/login-" + language + ".png";
    const QString pair = folder + "/pair-" + language + ".png";
    ASSERT_TRUE(SaveLoginDialogPng(f.config->GetUiLanguage(), login));
    ASSERT_TRUE(SaveLanguagePairDialogPng(*f.state, pair));
    for (const QString& path : {login, pair}) {
      const QImage image(path);
      EXPECT_GT(image.width(), 250) << path.toStdString();
      EXPECT_GT(image.height(), 60) << path.toStdString();
    }
  }
  EXPECT_FALSE(SaveLoginDialogPng(UiLanguage::English, folder + "/missing/login.png"));
}

}  // namespace
}  // namespace vorla
