#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QSlider>

#include "config/MemorySettingsStore.h"
#include "ui/dialogs/SpeechSettingsDialog.h"

namespace vorla {
namespace {

struct SpeechSettingsDialogTest : testing::Test {
  std::shared_ptr<MemorySettingsStore> store = std::make_shared<MemorySettingsStore>();
  Settings settings{store};
};

TEST_F(SpeechSettingsDialogTest, ShowsTheStoredValuesWithTheTopAsTheLargest) {
  WriteSpeechSettings(settings,
                      {.language = 2, .volume = 250, .rate = 0, .pitch = 999, .automatic = true});
  for (const bool englishSwedish : {true, false}) {
    SCOPED_TRACE(englishSwedish);
    SpeechSettingsController controller(settings, englishSwedish);
    SpeechSettingsDialog dialog(nullptr, UiLanguage::Finnish, controller);
    EXPECT_EQ(dialog.windowTitle(), "Puheasetukset");
    EXPECT_EQ(dialog.Volume().value(), 750);
    EXPECT_EQ(dialog.Rate().value(), 1000);
    EXPECT_EQ(dialog.Pitch().value(), 1);
    EXPECT_TRUE(dialog.Volume().isEnabled());
    EXPECT_FALSE(dialog.Pitch().isEnabled());
    EXPECT_TRUE(dialog.Automatic().isChecked());
    QStringList languages;
    for (int i = 0; i < dialog.Languages().count(); ++i)
      languages << dialog.Languages().itemText(i);
    if (englishSwedish) {
      EXPECT_EQ(languages, (QStringList{"Automaattinen", "englanti", "suomi", "ruotsi"}));
      EXPECT_EQ(dialog.Languages().currentText(), "ruotsi");
    } else {
      // Swedish is not offered without its pair: the choice shows as automatic.
      EXPECT_EQ(languages, (QStringList{"Automaattinen", "englanti", "suomi"}));
      EXPECT_EQ(dialog.Languages().currentIndex(), 0);
    }
  }
}

TEST_F(SpeechSettingsDialogTest, OkStoresTheControlsAndResetStoresTheDefaultsAtOnce) {
  SpeechSettingsController controller(settings, false);
  SpeechSettingsDialog dialog(nullptr, UiLanguage::English, controller);
  dialog.Volume().setValue(1000);  // the bottom: the lowest volume stored is 1
  dialog.Rate().setValue(100);
  dialog.Languages().setCurrentIndex(2);
  dialog.Automatic().setChecked(true);
  EXPECT_EQ(store->ReadValue("SpeechVolume"), std::nullopt);  // nothing before OK
  EXPECT_EQ(
      controller.Accept(),
      (SpeechSettings{.language = 1, .volume = 1, .rate = 900, .pitch = 400, .automatic = true}));
  EXPECT_EQ(ReadSpeechSettings(settings).rate, 900);

  dialog.Reset();
  EXPECT_EQ(ReadSpeechSettings(settings), SpeechSettings{});
  EXPECT_EQ(store->ReadValue("SpeechLan"), "-1");
  EXPECT_EQ(dialog.Volume().value(), 0);
  EXPECT_EQ(dialog.Rate().value(), 600);
  EXPECT_EQ(dialog.Languages().currentIndex(), 0);
  EXPECT_FALSE(dialog.Automatic().isChecked());
}

}  // namespace
}  // namespace vorla
