#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "DialogDriver.h"
#include "RecordingMessageBox.h"
#include "translation/StateFixture.h"
#include "ui/dialogs/LanguagePairDialog.h"
#include "ui/dialogs/QtLanguageNotice.h"

namespace vorla {
namespace {

using Form = LanguagePairDialog::Form;

QStringList Items(const QComboBox& list, int count) {
  QStringList items;
  for (int i = 0; i < std::min(count, list.count()); ++i)
    items << list.itemText(i);
  return items;
}

struct PairFixture : test::StateFixture {
  explicit PairFixture(std::initializer_list<std::pair<std::string_view, std::string_view>> stored)
      : StateFixture(stored) {
    config->SetMessageBox(messages);
  }

  std::unique_ptr<LanguagePairDialog> Dialog(Form form = Form::Modeless) {
    return std::make_unique<LanguagePairDialog>(nullptr, *state, form, state->GetAccountType(),
                                                [this] { ++changes; });
  }

  std::shared_ptr<test::RecordingMessageBox> messages =
      std::make_shared<test::RecordingMessageBox>();
  int changes = 0;
};

TEST(LanguagePairDialog, ListsOfTheAccountInBothLanguages) {
  const struct {
    const char* accountType;
    const char* uiLanguage;
    int sourceCount;
    QStringList source;
    QStringList target;
  } cases[] = {
      {"3",
       "0",
       43,
       {"Auto-Selection", "English", "Finnish", "------", "Arabic", "Bulgarian"},
       {"Finnish", "English", "------", "Arabic", "Bulgarian"}},
      {"3",
       "1",
       43,
       {"Automaattinen", "englanti", "suomi", "------", "arabia", "bulgaria"},
       {"suomi", "englanti", "------", "arabia", "bulgaria"}},
      {"4",
       "1",
       68,
       {"Automaattinen", "englanti", "suomi", "------", "afrikaans", "albania"},
       {"suomi", "englanti", "------", "afrikaans", "albania"}},
      {"2", "0", 3, {"Auto-Selection", "English", "Finnish"}, {"Finnish", "English"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.accountType << "/" << c.uiLanguage);
    PairFixture f({{"AccInf1", c.accountType}, {"defuilan", c.uiLanguage}});
    const auto dialog = f.Dialog();
    EXPECT_EQ(dialog->windowTitle(), c.uiLanguage == std::string_view("0")
                                         ? "Select Language Pair"
                                         : "Valitse käännössuunta");
    EXPECT_EQ(dialog->SourceList().count(), c.sourceCount);
    EXPECT_EQ(Items(dialog->SourceList(), 6), c.source);
    EXPECT_EQ(Items(dialog->TargetList(), 5), c.target);
    // Automatic direction selects "Auto-Selection" and disables the target list.
    EXPECT_EQ(dialog->SourceList().currentIndex(), 0);
    EXPECT_FALSE(dialog->TargetList().isEnabled());
    EXPECT_EQ(dialog->Notice(), nullptr);
  }
}

TEST(LanguagePairDialog, OnlyTheAvailablePairs) {
  PairFixture f({{"LanInf4", "1"}, {"LanInf3", "false"}, {"defuilan", "0"}});
  const auto dialog = f.Dialog();
  EXPECT_EQ(Items(dialog->SourceList(), 9), QStringList{"English"});
  EXPECT_EQ(Items(dialog->TargetList(), 9), QStringList{"Finnish"});
}

TEST(LanguagePairDialog, EachChoiceIsStoredAndReported) {
  PairFixture f({{"AccInf1", "3"}, {"defuilan", "0"}});
  const auto dialog = f.Dialog();
  const int german = dialog->SourceList().findText("German");
  emit dialog->SourceList().activated(german);
  EXPECT_EQ(f.Stored("LanInf1"), "112");
  EXPECT_EQ(f.Stored("LanInf3"), "false");
  EXPECT_EQ(f.changes, 1);
  EXPECT_EQ(dialog->SourceList().currentText(), "German");
  EXPECT_EQ(dialog->TargetList().currentText(), "Finnish");
  EXPECT_TRUE(dialog->TargetList().isEnabled());
  EXPECT_FALSE(dialog->ProviderNotice().isHidden());
  EXPECT_EQ(dialog->ProviderNotice().text(), QString::fromUtf8("Microsoft® Translator"));

  emit dialog->TargetList().activated(dialog->TargetList().findText("English"));
  EXPECT_EQ(f.Stored("LanInf2"), "0");
  EXPECT_EQ(dialog->SourceList().currentText(), "German");
  EXPECT_EQ(f.changes, 2);

  emit dialog->SourceList().activated(0);  // Auto-Selection
  EXPECT_EQ(f.state->GetPair(), (LanguagePair{0, 1, true}));
  EXPECT_FALSE(dialog->TargetList().isEnabled());
  EXPECT_TRUE(dialog->ProviderNotice().isHidden());
}

TEST(LanguagePairDialog, OkRefusesTheSameLanguageOnBothSides) {
  PairFixture f({{"AccInf1", "3"},
                 {"defuilan", "0"},
                 {"LanInf1", "108"},
                 {"LanInf2", "0"},
                 {"LanInf3", "false"}});
  const auto dialog = f.Dialog();
  dialog->show();
  dialog->OkButton().click();
  ASSERT_EQ(f.messages->shown.size(), 1u);
  EXPECT_EQ(f.messages->shown[0].text, "The source and target languages cannot be the same!");
  EXPECT_TRUE(dialog->isVisible());

  emit dialog->TargetList().activated(dialog->TargetList().findText("Finnish"));
  dialog->OkButton().click();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_EQ(f.messages->shown.size(), 1u);
}

TEST(LanguagePairDialog, TheModelessDialogIsOneAndFollowsTheMenu) {
  PairFixture f({{"defuilan", "0"}});
  QWidget mainWindow;
  mainWindow.setGeometry(120, 80, 600, 400);
  mainWindow.show();
  LanguagePairDialog* dialog = LanguagePairDialog::ShowModeless(&mainWindow, *f.state, {});
  EXPECT_EQ(LanguagePairDialog::ShowModeless(&mainWindow, *f.state, {}), dialog);
  EXPECT_EQ(dialog->frameGeometry().topLeft(),
            mainWindow.frameGeometry().topLeft() + QPoint(200, 200));

  f.state->ChoosePair({1, 0, false});
  LanguagePairDialog::RefreshOpenDialog();
  EXPECT_EQ(dialog->SourceList().currentText(), "Finnish");
  EXPECT_EQ(dialog->TargetList().currentText(), "English");
  const QPointer<LanguagePairDialog> closed(dialog);
  dialog->close();
  EXPECT_TRUE(QTest::qWaitFor([&closed] { return closed.isNull(); }));
}

TEST(QtLanguageNotice, TheModalFormAsksBeforeTheTranslation) {
  PairFixture f({{"AccInf1", "4"}, {"defuilan", "1"}, {"LanInf1", "223"}, {"LanInf3", "false"}});
  auto questions = std::make_shared<WindowThreadQuestions>();
  int changes = 0;
  QtLanguageNotice notice(questions, *f.state, [&changes] { ++changes; });
  test::OnModal<LanguagePairDialog>([](LanguagePairDialog& dialog) {
    ASSERT_NE(dialog.Notice(), nullptr);
    EXPECT_TRUE(dialog.Notice()->text().startsWith(
        "Huom! Olet suorittamassa käännöstä muulle kuin suomi-englanti-suomi -kieliparille."));
    EXPECT_EQ(dialog.OkButton().text(), "Käännä");
    EXPECT_EQ(dialog.SourceList().currentText(), "saksa");
    emit dialog.TargetList().activated(dialog.TargetList().findText("ranska"));
    dialog.OkButton().click();
  });
  test::WorkerCall<bool> call([&notice] { return notice.Ask(4); });
  ASSERT_TRUE(call.WaitWithEvents());
  EXPECT_TRUE(call.Result());
  EXPECT_EQ(f.state->GetPair(), (LanguagePair{223, 220, false}));
  EXPECT_EQ(changes, 1);

  test::OnModal<LanguagePairDialog>([](LanguagePairDialog& dialog) { dialog.reject(); });
  test::WorkerCall<bool> cancelled([&notice] { return notice.Ask(4); });
  ASSERT_TRUE(cancelled.WaitWithEvents());
  EXPECT_FALSE(cancelled.Result());
}

}  // namespace
}  // namespace vorla
