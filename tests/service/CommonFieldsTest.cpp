#include <gtest/gtest.h>

#include "config/ConfigFixture.h"
#include "service/CommonFields.h"

namespace vorla {
namespace {

TEST(CommonFields, VersionLeavesOutTrailingZeroParts) {
  struct Case {
    ProgramVersion version;
    const char* text;
  };
  const Case cases[] = {
      {{3, 0, 0, 1}, "3.0.0.1"},
      {{3, 1, 0, 0}, "3.1"},
      {{3, 0, 2, 0}, "3.0.2"},
      {{3, 1, 2, 0}, "3.1.2"},
      {{255, 255, 255, 255}, "255.255.255.255"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FormatVersion(c.version), c.text);
}

TEST(CommonFields, DisplayStepFollowsTheLogicalDpi) {
  struct Case {
    int dpi;
    int step;
  };
  for (const Case c : {Case{96, 0}, Case{107, 0}, Case{108, 1}, Case{120, 1}, Case{130, 2},
                       Case{144, 2}, Case{156, 3}, Case{192, 3}}) {
    EXPECT_EQ(DisplayScaleStep(DisplayScaleForDpi(c.dpi)), c.step) << c.dpi;
  }
}

TEST(CommonFields, ValuesComeFromTheConfiguration) {
  RefPtr<Config> config = test::MakeHomeConfig();
  config->SetUiLanguage(UiLanguage::English);
  CommonFields fields = MakeCommonFields(*config);
  EXPECT_EQ(fields.pid, 4);
  EXPECT_EQ(fields.ver, "3.1.2");
  EXPECT_EQ(fields.uil, 0);
  EXPECT_EQ(fields.plt, 0);
  EXPECT_EQ(fields.osmav, 0);
  EXPECT_EQ(fields.osmiv, 0);
  EXPECT_EQ(fields.ost, 0);
  EXPECT_EQ(fields.dspm, 0);  // no screen reported

  config->SetUiLanguage(UiLanguage::Finnish);
  DisplayMetrics metrics;
  metrics.scale = DisplayScaleForDpi(144);
  config->SetDisplayMetrics(metrics);
  fields = MakeCommonFields(*config);
  EXPECT_EQ(fields.uil, 1);
  EXPECT_EQ(fields.dspm, 2);
}

}  // namespace
}  // namespace vorla
