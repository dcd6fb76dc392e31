#pragma once

#include <QString>

#include "translation/ProgressSink.h"

class QLabel;
class QProgressBar;
class QStatusBar;

namespace vorla {

// The main window's status line: a text and, at its right, the progress bar of the running
// job (hidden while none reports progress).
class StatusLine {
 public:
  explicit StatusLine(QStatusBar& bar);

  void ShowText(const QString& text);
  // What the bar does along with a status text: shown at, set to, or hidden.
  void ShowProgress(ProgressBar action, int percent);

  QString Text() const;
  const QProgressBar& Bar() const { return *bar_; }

 private:
  QLabel* text_;
  QProgressBar* bar_;
};

}  // namespace vorla
