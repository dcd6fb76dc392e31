#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QThread>
#include <atomic>
#include <memory>

#include "DialogDriver.h"
#include "common/ApplicationClosing.h"
#include "translation/StateFixture.h"
#include "ui/dialogs/QtLanguageNotice.h"
#include "ui/dialogs/QtLoginPrompt.h"
#include "ui/dialogs/QtMessageBox.h"
#include "ui/dialogs/QtPriceConfirmation.h"
#include "ui/dialogs/QtQuotaNotice.h"
#include "ui/dialogs/WindowThreadQuestions.h"

namespace vorla {
namespace {

using test::WorkerCall;

constexpr int kCancelled = -1;

struct QuestionFixture {
  std::shared_ptr<WindowThreadQuestions> questions = std::make_shared<WindowThreadQuestions>();
  std::atomic<int> asked{0};
  std::atomic<QThread*> askedOn{nullptr};

  // A question that notes where it ran and answers 42.
  std::function<int()> Question() {
    return [this] {
      ++asked;
      askedOn = QThread::currentThread();
      return 42;
    };
  }
  WorkerCall<int> AskFromWorker() {
    return WorkerCall<int>([this] { return questions->Ask<int>(Question(), kCancelled); });
  }
};

TEST(WindowThreadQuestions, AWorkersQuestionRunsOnTheWindowThread) {
  QuestionFixture f;
  auto call = f.AskFromWorker();
  ASSERT_TRUE(call.WaitWithEvents());
  EXPECT_EQ(call.Result(), 42);
  EXPECT_EQ(f.asked, 1);
  EXPECT_EQ(f.askedOn, QApplication::instance()->thread());
}

TEST(WindowThreadQuestions, AskedOnTheWindowThreadItRunsAtOnce) {
  QuestionFixture f;
  EXPECT_EQ(f.questions->Ask<int>(f.Question(), kCancelled), 42);
  EXPECT_EQ(f.askedOn, QThread::currentThread());
}

TEST(WindowThreadQuestions, WhileClosingEveryQuestionAnswersCancelledAtOnce) {
  QuestionFixture f;
  SetApplicationClosing();
  auto call = f.AskFromWorker();
  call.JoinWithoutEvents();
  EXPECT_EQ(call.Result(), kCancelled);
  EXPECT_EQ(f.questions->Ask<int>(f.Question(), kCancelled), kCancelled);
  QCoreApplication::processEvents();
  EXPECT_EQ(f.asked, 0);
}

TEST(WindowThreadQuestions, AWaitingWorkerIsReleasedWhenClosingBegins) {
  QuestionFixture f;
  auto call = f.AskFromWorker();
  // The window thread runs no events here, so the worker can only be waiting.
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_FALSE(call.Done());
  SetApplicationClosing();
  call.JoinWithoutEvents();
  EXPECT_EQ(call.Result(), kCancelled);
  // Its question, still queued, is dropped.
  QCoreApplication::processEvents();
  EXPECT_EQ(f.asked, 0);
}

TEST(WindowThreadQuestions, AnOpenQuestionDialogClosesWhenClosingBegins) {
  QuestionFixture f;
  WorkerCall<int> call([&f] {
    return f.questions->Ask<int>(
        [&f] {
          QDialog dialog;
          f.questions->Exec(dialog);
          return 42;
        },
        kCancelled);
  });
  test::OnModal<QDialog>([](QDialog&) { SetApplicationClosing(); });
  ASSERT_TRUE(call.WaitWithEvents());
  EXPECT_EQ(call.Result(), kCancelled);
  EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }));
}

TEST(WindowThreadQuestions, TheClientsQuestionsAnswerCancelledWhileClosing) {
  test::StateFixture f;
  auto questions = std::make_shared<WindowThreadQuestions>();
  QtPriceConfirmation price(questions, f.config);
  QtLanguageNotice notice(questions, *f.state, {});
  QtLoginPrompt login(questions, f.config, *f.state, nullptr);
  QtMessageBox messageBox(questions);
  SetApplicationClosing();

  struct Answers {
    PriceAnswer price;
    bool notice = true;
    bool logIn = true;
    LoginDialogParameters parameters;
    MessageAnswer yesNoCancel = MessageAnswer::Yes;
    MessageAnswer ok = MessageAnswer::Retry;
  };
  WorkerCall<Answers> call([&] {
    Answers answers;
    answers.price = price.Ask({}, false);
    answers.notice = notice.Ask(3);
    answers.parameters.userName = "demo";
    answers.parameters.remember = false;
    answers.logIn = login.Ask(answers.parameters);
    answers.yesNoCancel =
        messageBox.Show("?", {}, {MessageButtons::YesNoCancel}, UiLanguage::English);
    answers.ok = messageBox.Show("!", {}, {}, UiLanguage::English);
    return answers;
  });
  call.JoinWithoutEvents();
  const Answers& answers = call.Result();
  EXPECT_FALSE(answers.price.translate);
  EXPECT_FALSE(answers.price.askConfirmation);  // as the user left it
  EXPECT_FALSE(answers.notice);
  EXPECT_FALSE(answers.logIn);
  EXPECT_EQ(answers.parameters.userName, "demo");
  EXPECT_FALSE(answers.parameters.remember);
  EXPECT_EQ(answers.yesNoCancel, MessageAnswer::Cancel);
  EXPECT_EQ(answers.ok, MessageAnswer::Ok);
  QCoreApplication::processEvents();
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// A worker that names an owner for its questions gets its message box and its quota notice
// over that window, whatever window is in front; when the owner goes away under the open
// question, the question goes with it and the worker carries on.
TEST(WindowThreadQuestions, AWorkersQuestionsOpenOverTheOwnerItNamesAndGoWithIt) {
  test::StateFixture f;
  auto questions = std::make_shared<WindowThreadQuestions>();
  QWidget mainWindow;
  mainWindow.show();
  questions->SetMainWindow(&mainWindow);
  QtMessageBox messageBox(questions);
  QtQuotaNotice quotaNotice(questions, f.config);
  const std::function<void()> asks[] = {
      [&messageBox] {
        EXPECT_EQ(messageBox.Show("?", {}, {MessageButtons::YesNoCancel}, UiLanguage::English),
                  MessageAnswer::Cancel);
      },
      [&quotaNotice] {
        quotaNotice.Show({1500, 200, false});
      },
  };
  for (const std::function<void()>& ask : asks) {
    auto* owner = new QWidget;
    owner->show();
    QApplication::setActiveWindow(&mainWindow);
    WorkerCall<bool> call([ask, named = QPointer<QWidget>(owner)] {
      const QuestionOwnerScope scope(named);
      ask();
      return true;
    });
    QWidget* parent = nullptr;
    QPointer<QDialog> question;
    test::OnModal<QDialog>([&](QDialog& dialog) {
      parent = dialog.parentWidget();
      question = &dialog;
      delete owner;
    });
    ASSERT_TRUE(call.WaitWithEvents());
    EXPECT_EQ(parent, owner);
    EXPECT_TRUE(question.isNull());
  }

  // Without a named owner the quota notice opens over the main window.
  QWidget* parent = nullptr;
  test::OnModal<QDialog>([&](QDialog& dialog) {
    parent = dialog.parentWidget();
    dialog.reject();
  });
  WorkerCall<bool> call([&quotaNotice] {
    quotaNotice.Show({1500, 200, false});
    return true;
  });
  ASSERT_TRUE(call.WaitWithEvents());
  EXPECT_EQ(parent, &mainWindow);
}

}  // namespace
}  // namespace vorla
