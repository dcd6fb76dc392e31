#include <gtest/gtest.h>

#include "DialogDriver.h"
#include "translation/TranslationJob.h"
#include "ui/dialogs/QuotaInfoDialog.h"

namespace vorla {
namespace {

TEST(QuotaInfoDialog, LinesForTextsAndDocuments) {
  const struct {
    UiLanguage language;
    bool document;
    QString title;
    QStringList lines;
  } cases[] = {
      {UiLanguage::English,
       false,
       "Translation Quota Info",
       {"Source text length: 1500 characters", "Your translation quota: 200 characters left",
        "Note! Your translation quota for the additional languages is insufficient for "
        "performing this translation."}},
      {UiLanguage::Finnish,
       true,
       "Tietoa käännöskiintiöstä",
       {"Käännettävän asiakirjan pituus: 1500 merkkiä",
        "Käännöskiintiösi lisäkielille: 200 merkkiä jäljellä",
        "Huom! Lisäkielien käännöskiintiösi ei ole riittävä tämän käännöksen suorittamiseen."}},
  };
  for (const auto& c : cases) {
    QuotaInfoDialog dialog(nullptr, c.language, {1500, 200, c.document});
    EXPECT_EQ(dialog.windowTitle(), c.title);
    EXPECT_EQ(test::LabelTexts(dialog.Lines()), c.lines);
  }
}

TEST(QuotaInfoDialog, OpensForAnExhaustedQuotaOfFurtherLanguages) {
  const struct {
    int error, source, target, accountType;
    bool opens;
  } cases[] = {
      {19, 108, 112, 3, true}, {19, 215, 223, 4, true},  {19, 108, 112, 1, false},
      {19, 0, 1, 3, false},    {21, 108, 112, 3, false},
  };
  for (const auto& c : cases) {
    TranslationJob job;
    job.error = c.error;
    job.srclan = c.source;
    job.tgtlan = c.target;
    EXPECT_EQ(OpensQuotaInfo(job, c.accountType), c.opens) << c.error << " " << c.source;
  }
}

}  // namespace
}  // namespace vorla
