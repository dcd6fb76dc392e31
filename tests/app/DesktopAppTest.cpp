#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>
#include <filesystem>
#include <fstream>

#include "DesktopAppFixture.h"
#include "common/CodePages.h"
#include "support/TempHome.h"
#include "translation/ResultCodes.h"
#include "ui/DialogDriver.h"
#include "ui/Mnemonics.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/dialogs/AccountInfoPage.h"
#include "ui/dialogs/AccountWindow.h"
#include "ui/dialogs/LoginDialog.h"
#include "ui/dialogs/QuotaInfoDialog.h"
#include "ui/dialogs/WebDialog.h"
#include "ui/main/CommandIds.h"
#include "ui/main/LanguagePairBox.h"

namespace vorla {
namespace {

using namespace std::chrono_literals;
using test::DesktopAppTest;

const QString kFirstTranslation = QString::fromUtf8("Sää on mukava tänään.");
const QString kPleaseWait = QString::fromUtf8("Käännetään... odota hetki");

TEST_F(DesktopAppTest, StartsInFinnishUnlessEnglishIsStored) {
  Start();
  EXPECT_EQ(StatusText(),
            QString::fromUtf8("Ohjelman käyttöopas avautuu painamalla F8-näppäintä."));
  EXPECT_EQ(WithoutMnemonic(Frame().Command(kCmdTranslate).text()), QString::fromUtf8("Käännä"));
}

TEST_F(DesktopAppTest, StartsInEnglishWhenStored) {
  StoredSettings().WriteInteger("defuilan", 0);
  Start();
  EXPECT_EQ(StatusText(), "Press F8 to open the User Guide.");
  EXPECT_EQ(WithoutMnemonic(Frame().Command(kCmdTranslate).text()), "Translate");
}

TEST_F(DesktopAppTest, EveryWindowShowsTheProgramsIcon) {
  Start();
  const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
  for (const int side : {16, 24, 32, 48, 64, 128, 256})
    EXPECT_TRUE(sizes.contains(QSize(side, side))) << side;
  EXPECT_EQ(Frame().windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
  QDialog dialog;
  EXPECT_EQ(dialog.windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
}

TEST_F(DesktopAppTest, StartUpCountsTheSessionCleansTheWorkFolderAndPlacesTheWindow) {
  Settings settings = StoredSettings();
  settings.WriteInteger("SesInf1", 6);
  // A size that leaves 100 pixels of the screen's width, and 200 of its height.
  const QSize screen = QGuiApplication::primaryScreen()->size();
  settings.WriteInteger("mainwnd_width", screen.width() - 100);
  settings.WriteInteger("mainwnd_height", screen.height() - 200);
  const std::filesystem::path work = test::CurrentHome() / "Documents" / "Vorla Tool" / "Temporary";
  std::filesystem::create_directories(work / "folder");
  std::ofstream(work / "old translation~186a1.docx") << "x";
  std::ofstream(work / "folder" / "kept.docx") << "x";
  std::ofstream(work / "kept.bin") << "x";

  Start();
  EXPECT_EQ(settings.ReadInteger("SesInf1", 0), 7);
  EXPECT_FALSE(std::filesystem::exists(work / "old translation~186a1.docx"));
  EXPECT_TRUE(std::filesystem::exists(work / "folder" / "kept.docx"));
  EXPECT_TRUE(std::filesystem::exists(work / "kept.bin"));
  // The offscreen desktop has no notification area: the icon is left out silently.
  EXPECT_EQ(app_->TrayIcon(), nullptr);
  // Too wide for the corner at 140: 20 pixels from the right edge instead.
  EXPECT_EQ(Frame().geometry(), QRect(80, 140, screen.width() - 100, screen.height() - 200));
  EXPECT_EQ(Frame().focusWidget(), &Frame().SourcePane());
}

TEST_F(DesktopAppTest, StartsLoggedOutAndLogsInSilentlyForTheFirstTranslation) {
  Start();
  RunFor(300ms);
  EXPECT_FALSE(app_->Translator().State().IsLoggedIn());
  EXPECT_EQ(RequestsOf("chkrauth"), 0u);

  Translate("The weather is nice today. We translate this text.");
  // The status comes before the result.
  ASSERT_TRUE(RunUntil([this] { return TranslationText().startsWith(kFirstTranslation); }))
      << TranslationText().toStdString();
  EXPECT_EQ(StatusText(), QString::fromUtf8("Käännös suoritettu"));
  EXPECT_EQ(RequestsOf("chkrauth"), 1u);
  EXPECT_FALSE(Frame().Status().Bar().isVisible());
  EXPECT_FALSE(Frame().Command(kCmdCancelTranslation).isEnabled());
  EXPECT_TRUE(Frame().Alignment().IsAvailable());
  // The account's pairs came with the login.
  EXPECT_EQ(Frame().PairBox().FirstList().count(), 5);
  EXPECT_TRUE(Frame().Command(kCmdEnglishSwedish).isEnabled());
}

TEST_F(DesktopAppTest, WithoutARememberedPasswordTheFirstTranslationAsks) {
  StoredSettings().DeleteValue("UsrInf2");
  bool asked = false;
  QString prompt, userName;
  test::OnModal<LoginDialog>([&](LoginDialog& dialog) {
    asked = true;
    prompt = dialog.Prompt().text();
    userName = dialog.UserNameEdit().text();
    dialog.PasswordEdit().setText("demo");
    dialog.LogInButton().click();
  });
  Start();
  RunFor(300ms);
  EXPECT_FALSE(asked);  // not at start

  Translate("The weather is nice today.");
  ASSERT_TRUE(RunUntil([this] { return TranslationText() == kFirstTranslation; }))
      << TranslationText().toStdString();
  EXPECT_TRUE(asked);
  EXPECT_EQ(prompt, "Anna käyttäjätunnus ja salasana:");
  EXPECT_EQ(userName, "demo");
  EXPECT_EQ(RequestsOf("chkrauth"), 1u);
}

TEST_F(DesktopAppTest, AccountCommandsOpenTheLoginDialogAndTheAccountWindow) {
  Start();
  bool asked = false;
  test::OnModal<LoginDialog>([&asked](LoginDialog& dialog) {
    asked = true;
    dialog.LogInButton().click();  // with the remembered password
  });
  Frame().Command(kCmdLogIn).trigger();
  ASSERT_TRUE(RunUntil([this] { return app_->Translator().State().IsLoggedIn(); }));
  EXPECT_TRUE(asked);
  EXPECT_EQ(RequestsOf("chkrauth"), 1u);

  EXPECT_EQ(AccountWindowUserName(), "demo");
  // The login of the command still holds.
  EXPECT_EQ(RequestsOf("chkrauth"), 1u);
}

TEST_F(DesktopAppTest, TheAccountWindowLogsInWhenItOpens) {
  Start();
  EXPECT_EQ(AccountWindowUserName(), "demo");
  EXPECT_EQ(RequestsOf("chkrauth"), 1u);
}

TEST_F(DesktopAppTest, AboutBoxIsModalOverTheMainWindow) {
  Start();
  QString title;
  test::OnModal<AboutBox>([&title](AboutBox& box) {
    title = box.windowTitle();
    box.reject();
  });
  Frame().Command(kCmdAbout).trigger();
  EXPECT_EQ(title, "Vorla Tool");
}

TEST_F(DesktopAppTest, ResultKeepsTheTranslationPanesScrollPosition) {
  Start();
  std::string lines;
  for (int line = 0; line < 100; ++line)
    lines += "Good morning.\r\n";
  TextPane& source = Frame().SourcePane();
  source.SetText(lines, kCodePageWindows1252);
  source.setFocus();
  const QString result = QString::fromUtf8("Hyvä aamu.");
  for (const int firstLine : {0, 30}) {
    Frame().TranslationPane().ScrollToFirstVisibleLine(firstLine);
    // Long enough for the pane to show "please wait" at its top on its own first.
    StallNext("tr", 300ms);
    QTest::keyClick(&source, Qt::Key_F3);
    ASSERT_TRUE(RunUntil([this] {
      return TranslationText() == kPleaseWait && Frame().TranslationPane().FirstVisibleLine() == 0;
    }));
    ASSERT_TRUE(RunUntil([&] { return TranslationText().startsWith(result); }))
        << TranslationText().left(200).toStdString() << StatusText().toStdString();
    EXPECT_EQ(TranslationText().count(result), 100);
    EXPECT_EQ(Frame().TranslationPane().FirstVisibleLine(), firstLine);
  }
}

TEST_F(DesktopAppTest, SingleWordShowsItsDictionaryEntry) {
  Start();
  Translate("work");
  ASSERT_TRUE(RunUntil([this] { return TranslationText().startsWith("1."); }))
      << TranslationText().toStdString();
  EXPECT_EQ(TranslationText().split('\n').mid(0, 2),
            (QStringList{QString::fromUtf8("1. työ (subst)"),
                         QString::fromUtf8("2. työskennellä (verbi)")}));
}

TEST_F(DesktopAppTest, SecondTranslateCancelsTheFirst) {
  Start();
  StallNext("tr", 2s);
  Translate("Good morning.");
  ASSERT_TRUE(RunUntil([this] { return RequestsOf("tr") == 1; }));
  EXPECT_TRUE(Frame().Command(kCmdCancelTranslation).isEnabled());
  Translate("The weather is nice today.");
  ASSERT_TRUE(RunUntil([this] { return TranslationText() == kFirstTranslation; }))
      << TranslationText().toStdString();
  // The first job ends without showing anything.
  RunFor(2500ms);
  EXPECT_EQ(TranslationText(), kFirstTranslation);
  EXPECT_EQ(StatusText(), QString::fromUtf8("Käännös suoritettu"));
  EXPECT_FALSE(Frame().Command(kCmdCancelTranslation).isEnabled());
}

TEST_F(DesktopAppTest, CancelStopsTheTranslation) {
  Start();
  StallNext("tr", 2s);
  Translate("Good morning.");
  ASSERT_TRUE(RunUntil([this] { return RequestsOf("tr") == 1; }));
  ASSERT_TRUE(RunUntil([this] { return Frame().Command(kCmdCancelTranslation).isEnabled(); }));
  Frame().Command(kCmdCancelTranslation).trigger();
  RunFor(2500ms);
  EXPECT_EQ(StatusText(), QString::fromUtf8("Käännös keskeytetty"));
  EXPECT_EQ(TranslationText(), "");
  EXPECT_FALSE(Frame().Status().Bar().isVisible());
  EXPECT_FALSE(Frame().Command(kCmdCancelTranslation).isEnabled());
}

TEST_F(DesktopAppTest, ClosingDuringATranslationExitsWithoutTouchingTheWindow) {
  Start();
  StallNext("tr", 3s);
  Translate("Good morning.");
  ASSERT_TRUE(RunUntil([this] { return RequestsOf("tr") == 1; }));
  Frame().close();
  const QString closedWith = StatusText();
  RunFor(500ms);
  EXPECT_EQ(StatusText(), closedWith);
  EXPECT_EQ(TranslationText(), kPleaseWait);

  const std::filesystem::path work = app_->GetConfig().Dirs().documentsWork;
  std::ofstream(work / "result~186a2.pdf") << "x";
  app_->ExitInstance();
  EXPECT_EQ(app_->MainFrame(), nullptr);
  EXPECT_FALSE(std::filesystem::exists(work / "result~186a2.pdf"));
  // What the cancelled job might still report has nowhere to go.
  RunFor(500ms);
}

TEST_F(DesktopAppTest, ClosingDuringTheLoginOfATranslationExitsAtOnce) {
  StallNext("chkrauth", 5s);
  Start();
  Translate("Good morning.");
  ASSERT_TRUE(RunUntil([this] { return RequestsOf("chkrauth") == 1; }));
  Frame().close();
  app_->ExitInstance();
  EXPECT_EQ(app_->MainFrame(), nullptr);
  // The cancelled login tries no more, and the job goes no further.
  RunFor(200ms);
  EXPECT_EQ(RequestsOf("chkrauth"), 1u);
  EXPECT_EQ(RequestsOf("tr"), 0u);
}

TEST_F(DesktopAppTest, ClosingTheMainWindowEndsTheProgramThoughAClipboardWindowIsOpen) {
  Start();
  StallNext("tr", 60s);
  QGuiApplication::clipboard()->setText("The weather is nice today.");
  app_->Clipboard().TranslateClipboard(true);
  ASSERT_TRUE(RunUntil([this] { return RequestsOf("tr") == 1; }));
  const QPointer<CResultWnd> window = app_->ResultWindows().LastWindow();
  ASSERT_TRUE(window);
  const RefPtr<WindowsTranslationInstance> job = window->Job();

  const RunOutcome outcome = RunAndCloseTheMainWindow();
  EXPECT_EQ(outcome.code, 0);
  EXPECT_LT(outcome.took, 10s);
  EXPECT_EQ(app_->MainFrame(), nullptr);
  EXPECT_EQ(job->WaitForResult(), kResultInterrupted);
}

TEST_F(DesktopAppTest, ExitDoesNotWaitForTheAccountRequest) {
  Start();
  StallNext("getaccountinfo", 60s);
  Frame().Command(kCmdUserAccountInfo).trigger();
  ASSERT_TRUE(RunUntil([this] { return RequestsOf("getaccountinfo") == 1; }));

  const RunOutcome outcome = RunAndCloseTheMainWindow();
  EXPECT_EQ(outcome.code, 0);
  EXPECT_LT(outcome.took, 10s);
  EXPECT_EQ(app_->MainFrame(), nullptr);
}

TEST_F(DesktopAppTest, ASupersededJobsQueuedResultIsNeverShown) {
  Start();
  QStringList shown;
  const QMetaObject::Connection recording = QObject::connect(
      &Frame().TranslationPane(), &QTextEdit::textChanged, [&] { shown << TranslationText(); });
  // The command "Translate", run to its end while the window thread is busy: its result
  // and its two-sentence alignment wait in the window's queue.
  TypeSource("The weather is nice today. We translate this text.");
  const RefPtr<WindowsTranslationInstance> first = app_->Translator().StartTranslation({});
  ASSERT_EQ(first->WaitForResult(), 0);

  Translate("Good morning.");
  const QString second = QString::fromUtf8("Hyvä aamu.");
  ASSERT_TRUE(RunUntil([&] { return TranslationText() == second; }))
      << TranslationText().toStdString();
  RunFor(300ms);
  EXPECT_EQ(TranslationText(), second);
  for (const QString& text : shown)
    EXPECT_FALSE(text.startsWith(kFirstTranslation)) << text.toStdString();
  // One sentence: nothing to align.
  EXPECT_FALSE(Frame().Alignment().IsAvailable());
  QObject::disconnect(recording);
}

TEST_F(DesktopAppTest, CopiedTextIsTranslatedIntoAClipboardWindow) {
  Start();
  // From the main window's Action menu, as a desktop without a notification area has it.
  Frame().Command(kCmdAutoTranslateClipboard).trigger();
  ASSERT_TRUE(app_->Clipboard().AutoTranslate());
  QGuiApplication::clipboard()->setText("The weather is nice today.");
  ASSERT_TRUE(RunUntil([this] {
    const CResultWnd* window = app_->ResultWindows().LastWindow();
    return window && window->Pane().toPlainText() == kFirstTranslation;
  }));
  EXPECT_EQ(app_->ResultWindows().LastWindow()->windowTitle(),
            QString::fromUtf8("Leikepöydän käännös"));
  // The window is still open when the program exits.
}

TEST_F(DesktopAppTest, TranslateClipboardOfTheActionMenuPutsTheTranslationBack) {
  Start();
  QGuiApplication::clipboard()->setText("The weather is nice today.");
  Frame().Command(kCmdTranslateClipboard).trigger();
  ASSERT_TRUE(RunUntil([] {
    return QGuiApplication::clipboard()->text().startsWith(kFirstTranslation);
  })) << QGuiApplication::clipboard()->text().toStdString();
  EXPECT_EQ(app_->ResultWindows().LastWindow()->Pane().toPlainText().trimmed(), kFirstTranslation);
}

// What a failed job asks the user opens over the job's own window: the web dialog for a web
// job, which takes it along when it closes; the main window for the main window's job.
TEST_F(DesktopAppTest, AFailedJobsQuestionOpensOverTheWindowOfTheJob) {
  Start();
  sim_.context().translation.Queue("tr", {18});
  QWidget* mainJobsParent = nullptr;
  test::OnModal<QMessageBox>([&](QMessageBox& box) {
    mainJobsParent = box.parentWidget();
    box.reject();
  });
  Translate("Good morning.");
  ASSERT_TRUE(RunUntil([&] { return mainJobsParent != nullptr; }));
  EXPECT_EQ(mainJobsParent, &Frame());

  // Logged in now; a further-language pair, so that 19 tells about the quota.
  ASSERT_TRUE(app_->Translator().State().ChoosePair({100, 112, false}));
  struct Case {
    sim::ScriptedStatus answer;
    bool quotaInfo;
  };
  for (const auto& [answer, quotaInfo] :
       {Case{{19, 1500, 3, 200}, true}, Case{{18}, false}, Case{{27}, false}}) {
    SCOPED_TRACE(answer.status);
    sim_.context().translation.Queue("tr", answer);
    Frame().Command(kCmdTranslateWebPage).trigger();
    // The dialog the command opened.
    const QPointer<WebDialog> web = WebDialog::Show(&Frame(), app_->Translator());
    QWidget* const webWindow = web.data();
    QPointer<QDialog> question;
    QWidget* parent = nullptr;
    bool isQuotaInfo = false;
    test::OnModal<QDialog>([&](QDialog& dialog) {
      question = &dialog;
      parent = dialog.parentWidget();
      isQuotaInfo = dynamic_cast<QuotaInfoDialog*>(&dialog) != nullptr;
      EXPECT_TRUE(isQuotaInfo || dynamic_cast<QMessageBox*>(&dialog));
      web->CloseButton().click();
    });
    // An online document: the service tells the quota with its 19 (not so for a web page).
    web->AddressBox().setEditText("https://www.example.com/report.pdf");
    web->TranslateButton().click();
    ASSERT_TRUE(RunUntil([&] {
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      return parent != nullptr && web.isNull();
    }));
    EXPECT_EQ(parent, webWindow);
    EXPECT_EQ(isQuotaInfo, quotaInfo);
    // Closing the web dialog closed its question.
    EXPECT_TRUE(question.isNull());
  }
}

}  // namespace
}  // namespace vorla
