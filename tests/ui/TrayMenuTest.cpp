#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MnemonicChecks.h"
#include "config/ConfigFixture.h"
#include "ui/Mnemonics.h"
#include "ui/tray/TrayMenu.h"

namespace vorla {
namespace {

class RecordingTrayActions final : public TrayActions {
 public:
  void TranslateClipboard() override { calls.push_back("translate"); }
  bool AutoTranslate() const override { return autoTranslate; }
  void ToggleAutoTranslate() override { autoTranslate = !autoTranslate; }
  void ShowAbout() override { calls.push_back("about"); }
  void CloseApplication() override { calls.push_back("close"); }
  void RestoreMainWindow() override { calls.push_back("restore"); }

  bool autoTranslate = false;
  std::vector<std::string> calls;
};

QStringList Texts(QMenu& menu) {
  QStringList texts;
  for (const QAction* action : menu.actions())
    texts << WithoutMnemonic(action->text());
  return texts;
}

TEST(TrayMenuTest, ItemsInBothLanguagesAndTheirActions) {
  RefPtr<Config> config = test::MakeHomeConfig();
  RecordingTrayActions actions;
  TrayMenu tray(config, actions, QIcon());

  config->SetUiLanguage(UiLanguage::English);
  EXPECT_EQ(Texts(tray.Menu()), (QStringList{"Translate clipboard", "Auto-Translate clipboard", "",
                                             "About Vorla Tool", "", "Close Vorla Tool"}));
  EXPECT_TRUE(test::HasDistinctMnemonics(tray.Menu()));
  config->SetUiLanguage(UiLanguage::Finnish);
  EXPECT_EQ(Texts(tray.Menu()),
            (QStringList{"Käännä leikepöydän sisältö", "Käännä leikepöytä automaattisesti", "",
                         "Tietoja Vorla Toolista", "", "Sulje Vorla Tool"}));
  EXPECT_TRUE(test::HasDistinctMnemonics(tray.Menu()));

  const QList<QAction*> items = tray.Menu().actions();
  EXPECT_FALSE(items[1]->isChecked());
  items[1]->trigger();
  EXPECT_TRUE(actions.autoTranslate);
  EXPECT_TRUE(tray.Menu().actions()[1]->isChecked());
  actions.autoTranslate = false;
  EXPECT_FALSE(tray.Menu().actions()[1]->isChecked()) << "the check mark follows the setting";

  items[0]->trigger();
  items[3]->trigger();
  items[5]->trigger();
  EXPECT_EQ(actions.calls, (std::vector<std::string>{"translate", "about", "close"}));
}

}  // namespace
}  // namespace vorla
