#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "MainFrameFixture.h"
#include "translation/ClipboardTranslation.h"
#include "translation/FakeClipboard.h"
#include "ui/MnemonicChecks.h"
#include "ui/Mnemonics.h"
#include "ui/main/CommandIcons.h"
#include "ui/main/CommandIds.h"
#include "ui/main/ScreenScale.h"

namespace vorla {
namespace {

using test::MainFrameTest;

// The menu's items as shown, "-" for a separator.
QStringList ShownItems(const QMenu& menu) {
  QStringList items;
  for (const QAction* action : menu.actions())
    items << (action->isSeparator() ? QStringLiteral("-") : WithoutMnemonic(action->text()));
  return items;
}

class MainFrameMenusTest : public MainFrameTest {
 protected:
  // The menu bar, its menus with their submenus, and the panes' context menu.
  std::vector<const QWidget*> AllMenus() const {
    std::vector<const QWidget*> menus{frame_->menuBar()};
    for (std::size_t i = 0; i < menus.size(); ++i) {
      for (const QAction* action : menus[i]->actions()) {
        if (action->menu()) menus.push_back(action->menu());
      }
    }
    for (const QMenu* menu : frame_->findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
      menus.push_back(menu);
    return menus;
  }

  QMenu& UiLanguageMenu() const {
    for (const QAction* action : MenuTitled("Settings").actions()) {
      if (action->menu()) return *action->menu();
    }
    throw std::runtime_error("the Settings menu has no submenu");
  }
};

TEST_F(MainFrameMenusTest, EveryMenuHasDistinctMnemonicsInBothLanguages) {
  // With the Language menu's run-time items: "More languages..." and "English -> Swedish".
  translator_->State().SetAvailablePairs(7);
  for (const int accountType : {3, 2}) {
    translator_->State().SetAccount(accountType, 0);
    frame_->RefreshLanguageControls();
  }
  ASSERT_TRUE(frame_->Command(kCmdMoreLanguages).isVisible());
  ASSERT_TRUE(frame_->Command(kCmdEnglishSwedish).isVisible());
  for (const UiLanguage language : {UiLanguage::Finnish, UiLanguage::English}) {
    frame_->SwitchUiLanguage(language);
    const std::vector<const QWidget*> menus = AllMenus();
    ASSERT_GE(menus.size(), 10u);
    for (const QWidget* menu : menus) {
      EXPECT_TRUE(test::HasDistinctMnemonics(*menu))
          << ShownItems(*static_cast<const QMenu*>(menu)).join('|').toStdString();
    }
  }
}

TEST_F(MainFrameMenusTest, AltAndTheLetterOpensTheMenu) {
  QApplication::setActiveWindow(frame_.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(frame_.get()));
  for (const auto& [language, key, title] :
       {std::tuple{UiLanguage::English, Qt::Key_F, "File"},
        std::tuple{UiLanguage::Finnish, Qt::Key_T, "Tiedosto"},
        std::tuple{UiLanguage::Finnish, Qt::Key_A, "Asetukset"}}) {
    frame_->SwitchUiLanguage(language);
    QMenu& menu = MenuTitled(title);
    QTest::keyClick(frame_.get(), key, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&menu] { return menu.isVisible(); }, 2000)) << title;
    menu.close();
  }
}

TEST_F(MainFrameMenusTest, ShortcutsStayAsTheTableGivesThem) {
  frame_->SwitchUiLanguage(UiLanguage::Finnish);
  for (const CommandInfo& command : MainCommandTable()) {
    EXPECT_EQ(frame_->Command(command.id).shortcut(),
              QKeySequence(QString::fromUtf8(command.shortcut.data(), command.shortcut.size())))
        << command.id;
  }
}

TEST_F(MainFrameMenusTest, SettingsMenuSwitchesTheUiLanguageAndQtsOwnTexts) {
  QLineEdit field;
  const auto firstFieldItem = [&field] {
    const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    return menu->actions().front()->text();
  };
  QMenu& languages = UiLanguageMenu();
  EXPECT_EQ(WithoutMnemonic(languages.menuAction()->text()), "User interface language");
  EXPECT_EQ(ShownItems(languages), (QStringList{"English / englanti", "Finnish / suomi"}));
  EXPECT_TRUE(frame_->Command(kCmdUiLanguageEnglish).isChecked());
  EXPECT_TRUE(firstFieldItem().startsWith("&Undo")) << firstFieldItem().toStdString();

  languages.actions()[1]->trigger();
  EXPECT_EQ(config_->GetUiLanguage(), UiLanguage::Finnish);
  EXPECT_EQ(Stored("defuilan"), "1");
  EXPECT_EQ(frame_->Status().Text(), QString::fromUtf8("Käyttöliittymän kieli vaihdettu suomeen"));
  EXPECT_EQ(WithoutMnemonic(languages.menuAction()->text()),
            QString::fromUtf8("Käyttöliittymän kieli"));
  EXPECT_EQ(ShownItems(languages), (QStringList{"English / englanti", "Finnish / suomi"}));
  EXPECT_TRUE(frame_->Command(kCmdUiLanguageFinnish).isChecked());
  EXPECT_FALSE(frame_->Command(kCmdUiLanguageEnglish).isChecked());
  EXPECT_TRUE(firstFieldItem().startsWith("&Kumoa")) << firstFieldItem().toStdString();

  // Chosen again, and then English: Qt's texts go back to English all the same.
  languages.actions()[1]->trigger();
  languages.actions()[0]->trigger();
  EXPECT_EQ(Stored("defuilan"), "0");
  EXPECT_EQ(frame_->Status().Text(), "User interface language changed to English");
  EXPECT_TRUE(frame_->Command(kCmdUiLanguageEnglish).isChecked());
  EXPECT_TRUE(firstFieldItem().startsWith("&Undo")) << firstFieldItem().toStdString();
}

TEST_F(MainFrameMenusTest, ActionMenuCarriesTheClipboardCommands) {
  std::vector<std::string> reports;
  ClipboardTranslation clipboard(
      translator_, std::make_shared<test::FakeClipboard>(),
      [&reports](std::string_view message) { reports.emplace_back(message); });
  translator_->SetAutoTranslateClipboard(true);
  frame_->ConnectClipboardCommands(clipboard);
  EXPECT_EQ(ShownItems(MenuTitled("Action")),
            (QStringList{"Translate", "Cancel translation", "-", "Translate web page...", "-",
                         "Listen to translation", "Listen to source text", "Stop speech", "-",
                         "Translate clipboard", "Auto-Translate clipboard"}));
  EXPECT_TRUE(frame_->Command(kCmdAutoTranslateClipboard).isChecked());

  Trigger(kCmdTranslateClipboard);
  EXPECT_EQ(reports, std::vector<std::string>{"No clipboard text available!"});
  Trigger(kCmdAutoTranslateClipboard);
  EXPECT_FALSE(clipboard.AutoTranslate());
  EXPECT_EQ(Stored("UsrPref2"), "false");
  EXPECT_FALSE(frame_->Command(kCmdAutoTranslateClipboard).isChecked());
  Trigger(kCmdAutoTranslateClipboard);
  EXPECT_TRUE(clipboard.AutoTranslate());
  EXPECT_EQ(Stored("UsrPref2"), "true");

  frame_->SwitchUiLanguage(UiLanguage::Finnish);
  EXPECT_EQ(ShownItems(MenuTitled("Toiminnot")),
            (QStringList{QString::fromUtf8("Käännä"), QString::fromUtf8("Keskeytä kääntäminen"),
                         "-", QString::fromUtf8("Käännä nettisivu..."), "-",
                         QString::fromUtf8("Kuuntele käännös"),
                         QString::fromUtf8("Kuuntele käännettävä teksti"),
                         QString::fromUtf8("Keskeytä kuuntelu"), "-",
                         QString::fromUtf8("Käännä leikepöydän sisältö"),
                         QString::fromUtf8("Käännä leikepöytä automaattisesti")}));
}

// A theme folder with one picture of one colour for each name.
class IconTheme {
 public:
  explicit IconTheme(const QStringList& names) {
    QFile index(dir_.filePath("look-test/index.theme"));
    QDir(dir_.path()).mkpath("look-test/16x16/actions");
    index.open(QIODevice::WriteOnly);
    index.write(
        "[Icon Theme]\nName=look-test\nDirectories=16x16/actions\n\n"
        "[16x16/actions]\nSize=16\nType=Fixed\n");
    index.close();
    for (const QString& name : names) {
      QImage picture(16, 16, QImage::Format_ARGB32);
      picture.fill(kColour);
      picture.save(dir_.filePath("look-test/16x16/actions/" + name + ".png"));
    }
    previousPaths_ = QIcon::themeSearchPaths();
    previousName_ = QIcon::themeName();
    QIcon::setThemeSearchPaths({dir_.path()});
    QIcon::setThemeName("look-test");
  }
  ~IconTheme() {
    QIcon::setThemeSearchPaths(previousPaths_);
    QIcon::setThemeName(previousName_);
  }

  static constexpr QRgb kColour = 0xff00ff00;

 private:
  QTemporaryDir dir_;
  QStringList previousPaths_;
  QString previousName_;
};

QRgb CentreOf(const QIcon& icon) {
  return icon.pixmap(16, 16).toImage().pixel(8, 8);
}

TEST_F(MainFrameMenusTest, CommandIconsComeFromTheThemeElseFromTheProgram) {
  for (const CommandIcon& icon : CommandIcons()) {
    const QIcon shown = frame_->Command(icon.id).icon();
    EXPECT_FALSE(shown.isNull()) << icon.name;
    EXPECT_NE(CentreOf(shown), IconTheme::kColour) << icon.name;
    // Sharp at twice the size too.
    EXPECT_GE(shown.actualSize(QSize(32, 32)).width(), 32) << icon.name;
  }
  {
    const IconTheme theme({"edit-find", "edit-copy"});
    MakeFrame();
    EXPECT_EQ(CentreOf(frame_->Command(kCmdFind).icon()), IconTheme::kColour);
    EXPECT_EQ(CentreOf(frame_->Command(kCmdCopy).icon()), IconTheme::kColour);
    EXPECT_FALSE(frame_->Command(kCmdPaste).icon().isNull()) << "the theme lacks it";
    EXPECT_NE(CentreOf(frame_->Command(kCmdPaste).icon()), IconTheme::kColour);
  }
}

TEST(ScreenScale, TheRealScaleCountsTheDevicePixels) {
  const struct {
    double logicalDpi;
    double devicePixelRatio;
    int step;
  } cases[] = {{96, 1, 0}, {108, 1, 1}, {96, 1.25, 1}, {96, 1.5, 2}, {96, 2, 3}, {144, 1, 2}};
  for (const auto& c : cases) {
    const DisplayScale scale = ScreenDisplayScale(c.logicalDpi, c.devicePixelRatio);
    EXPECT_EQ(scale.scale112 + scale.scale135 + scale.scale162, c.step)
        << c.logicalDpi << " x " << c.devicePixelRatio;
  }
}

}  // namespace
}  // namespace vorla
