#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QThread>
#include <atomic>
#include <memory>

#include "DialogDriver.h"
#include "common/ApplicationClosing.h"
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

}  // namespace
}  // namespace vorla
