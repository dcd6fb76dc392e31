#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "common/ApplicationClosing.h"

class QDialog;
class QThread;

namespace vorla {

// Names the window over which the calling thread's message boxes and quota notice open
// while it lives (a web job's worker names the web dialog); without one they open over the
// main window. When that window closes, the question closes with it.
class QuestionOwnerScope {
 public:
  // Made on the asking thread, from a pointer taken on the window thread.
  explicit QuestionOwnerScope(QPointer<QWidget> owner);
  ~QuestionOwnerScope();
  QuestionOwnerScope(const QuestionOwnerScope&) = delete;
  QuestionOwnerScope& operator=(const QuestionOwnerScope&) = delete;

  // The calling thread's owner; null when none is named or it has closed.
  static QPointer<QWidget> Current();

 private:
  QPointer<QWidget> previous_;
};

// Where a worker asks the user something: the question runs on the window thread while the
// worker waits for the answer. Asked on the window thread itself, it just runs. While the
// program closes every question answers "cancelled" at once, and a worker already waiting
// when closing begins is released with "cancelled" too; the dialog it waited for closes.
//
// Created on the window thread and shared by the question implementations (login, price,
// notice, message box); it may be released on any thread.
class WindowThreadQuestions {
 public:
  WindowThreadQuestions();
  ~WindowThreadQuestions();
  WindowThreadQuestions(const WindowThreadQuestions&) = delete;
  WindowThreadQuestions& operator=(const WindowThreadQuestions&) = delete;

  // The answer of the question, or `cancelled` when the program closes first. A question
  // gets everything it needs by value: once released, the worker no longer waits for it.
  template <class Answer>
  Answer Ask(std::function<Answer()> question, Answer cancelled) {
    auto answer = std::make_shared<std::optional<Answer>>();
    const bool answered = Run([answer, question = std::move(question)] { *answer = question(); });
    return answered && *answer ? std::move(**answer) : std::move(cancelled);
  }

  // ---- On the window thread only.
  // The owner of questions that have no other: the main window, once it exists.
  void SetMainWindow(QWidget* window);
  QWidget* MainWindow() const;
  // The named owner while it is open, else the main window.
  QWidget* OwnerOr(const QPointer<QWidget>& named) const;
  // Runs a question's modal dialog; it is rejected when the program starts closing. The
  // dialog may be deleted meanwhile (with its owner): hold it by QPointer.
  int Exec(QDialog& dialog);

 private:
  class Desk;
  struct Pending;

  // Whether the question ran to its end with a worker still waiting for it.
  bool Run(std::function<void()> question);
  void CancelAll();

  QThread* windowThread_;
  // Lives on the window thread; a worker's questions are queued to it.
  Desk* desk_;
  std::mutex mutex_;
  std::vector<std::shared_ptr<Pending>> pending_;
  // Last: it is removed first, before anything it uses goes.
  std::unique_ptr<ClosingListener> closingListener_;
};

}  // namespace vorla
