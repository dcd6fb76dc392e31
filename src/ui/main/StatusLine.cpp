#include "ui/main/StatusLine.h"

#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>

namespace vorla {

namespace {

constexpr int kBarWidth = 160;

}  // namespace

StatusLine::StatusLine(QStatusBar& bar) : text_(new QLabel(&bar)), bar_(new QProgressBar(&bar)) {
  bar_->setRange(0, 100);
  bar_->setFixedWidth(kBarWidth);
  bar_->setTextVisible(false);
  bar_->hide();
  bar.addWidget(text_, 1);
  bar.addPermanentWidget(bar_);
}

void StatusLine::ShowText(const QString& text) {
  text_->setText(text);
}

void StatusLine::ShowProgress(ProgressBar action, int percent) {
  switch (action) {
    case ProgressBar::ShowAt:
      bar_->setValue(percent);
      bar_->show();
      break;
    case ProgressBar::SetTo:
      bar_->setValue(percent);
      break;
    case ProgressBar::Hide:
      bar_->hide();
      break;
  }
}

QString StatusLine::Text() const {
  return text_->text();
}

}  // namespace vorla
