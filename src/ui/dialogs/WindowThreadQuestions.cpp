#include "ui/dialogs/WindowThreadQuestions.h"

#include <QDialog>
#include <QThread>
#include <algorithm>
#include <condition_variable>

namespace vorla {

namespace {

thread_local QPointer<QWidget> questionOwner;

}  // namespace

QuestionOwnerScope::QuestionOwnerScope(QPointer<QWidget> owner) : previous_(questionOwner) {
  questionOwner = std::move(owner);
}

QuestionOwnerScope::~QuestionOwnerScope() {
  questionOwner = previous_;
}

QPointer<QWidget> QuestionOwnerScope::Current() {
  return questionOwner;
}

// The window thread's side: runs the queued questions and knows their dialogs.
class WindowThreadQuestions::Desk final : public QObject {
 public:
  QPointer<QWidget> mainWindow;
  std::vector<QPointer<QDialog>> dialogs;

  void RejectDialogs() {
    for (const QPointer<QDialog>& dialog : dialogs) {
      if (dialog) dialog->reject();
    }
  }
};

// One worker's question on its way: queued, running, answered or released.
struct WindowThreadQuestions::Pending {
  enum class Stage { Queued, Running, Answered, Cancelled };

  std::mutex mutex;
  std::condition_variable changed;
  Stage stage = Stage::Queued;

  // False when the worker was released before the question's turn came.
  bool Begin() {
    std::lock_guard lock(mutex);
    if (stage == Stage::Cancelled) return false;
    stage = Stage::Running;
    return true;
  }
  void End(Stage end) {
    {
      std::lock_guard lock(mutex);
      if (stage == Stage::Answered || stage == Stage::Cancelled) return;
      stage = end;
    }
    changed.notify_all();
  }
  bool WaitForAnswer() {
    std::unique_lock lock(mutex);
    changed.wait(lock, [this] { return stage == Stage::Answered || stage == Stage::Cancelled; });
    return stage == Stage::Answered;
  }
};

WindowThreadQuestions::WindowThreadQuestions()
    : windowThread_(QThread::currentThread()), desk_(new Desk) {
  closingListener_ = std::make_unique<ClosingListener>([this] {
    CancelAll();
    // The dialogs close on their own thread, after the flag's setter has returned.
    QMetaObject::invokeMethod(
        desk_, [desk = desk_] { desk->RejectDialogs(); }, Qt::QueuedConnection);
  });
}

WindowThreadQuestions::~WindowThreadQuestions() {
  closingListener_.reset();
  if (QThread::currentThread() == windowThread_) {
    delete desk_;
  } else {
    desk_->deleteLater();
  }
}

void WindowThreadQuestions::SetMainWindow(QWidget* window) {
  desk_->mainWindow = window;
}

QWidget* WindowThreadQuestions::MainWindow() const {
  return desk_->mainWindow;
}

QWidget* WindowThreadQuestions::OwnerOr(const QPointer<QWidget>& named) const {
  return named ? named.data() : MainWindow();
}

int WindowThreadQuestions::Exec(QDialog& dialog) {
  std::erase_if(desk_->dialogs, [](const QPointer<QDialog>& d) { return d.isNull(); });
  const QPointer<QDialog> guard(&dialog);
  desk_->dialogs.push_back(guard);
  // Closing may have begun on this very thread, before the dialog was known.
  if (IsApplicationClosing())
    QMetaObject::invokeMethod(&dialog, &QDialog::reject, Qt::QueuedConnection);
  const int result = dialog.exec();
  // Null once the dialog went with its owner: then every null entry goes.
  std::erase(desk_->dialogs, guard);
  return result;
}

bool WindowThreadQuestions::Run(std::function<void()> question) {
  if (IsApplicationClosing()) return false;
  if (QThread::currentThread() == windowThread_) {
    question();
    return true;
  }
  auto pending = std::make_shared<Pending>();
  {
    // Checked again under the lock that CancelAll takes: either the listener sees this
    // question, or this sees the flag.
    std::lock_guard lock(mutex_);
    if (IsApplicationClosing()) return false;
    pending_.push_back(pending);
  }
  QMetaObject::invokeMethod(
      desk_,
      [pending, question = std::move(question)] {
        if (!pending->Begin()) return;
        question();
        pending->End(Pending::Stage::Answered);
      },
      Qt::QueuedConnection);
  const bool answered = pending->WaitForAnswer();
  std::lock_guard lock(mutex_);
  std::erase(pending_, pending);
  return answered;
}

void WindowThreadQuestions::CancelAll() {
  std::lock_guard lock(mutex_);
  for (const std::shared_ptr<Pending>& pending : pending_)
    pending->End(Pending::Stage::Cancelled);
}

}  // namespace vorla
