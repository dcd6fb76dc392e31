#include "ui/main/PaneArea.h"

#include <QLabel>
#include <QSplitter>
#include <QStackedLayout>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/UiText.h"

namespace vorla {

namespace {

constexpr BilingualText kSourceCaption{"Source text", "Käännettävä teksti"};
constexpr BilingualText kTranslationCaption{"Translation", "Käännös"};
constexpr int kSourceTab = 0;
constexpr int kTranslationTab = 1;
// Equal shares: the splitter scales them to its size.
constexpr int kHalf = 1000;

}  // namespace

PaneLayout PaneLayoutOf(int stored) {
  switch (stored) {
    case static_cast<int>(PaneLayout::Stacked):
      return PaneLayout::Stacked;
    case static_cast<int>(PaneLayout::Tabbed):
      return PaneLayout::Tabbed;
    case static_cast<int>(PaneLayout::ResultWindow):
      return PaneLayout::ResultWindow;
    default:
      return PaneLayout::SideBySide;
  }
}

PaneArea::PaneArea(QWidget* parent)
    : QWidget(parent),
      source_(new TextPane),
      translation_(new TextPane),
      sourceBox_(MakeBox(source_)),
      translationBox_(MakeBox(translation_)),
      splitter_(new QSplitter),
      tabs_(new QTabWidget),
      stack_(new QStackedLayout(this)) {
  splitter_->setChildrenCollapsible(false);
  tabs_->setDocumentMode(true);
  stack_->addWidget(splitter_);
  stack_->addWidget(tabs_);
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
    if (layout_ == PaneLayout::Tabbed && index >= 0) chosenTab_ = index;
  });
  PutInSplitter(Qt::Horizontal);
}

PaneArea::Box PaneArea::MakeBox(TextPane* pane) {
  auto* widget = new QWidget;
  auto* caption = new QLabel(widget);
  auto* layout = new QVBoxLayout(widget);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(2);
  layout->addWidget(caption);
  layout->addWidget(pane);
  return {widget, caption};
}

void PaneArea::SetLayout(PaneLayout layout) {
  layout_ = layout;
  if (layout == PaneLayout::Tabbed) {
    PutOnTabs();
  } else {
    PutInSplitter(layout == PaneLayout::Stacked ? Qt::Vertical : Qt::Horizontal);
  }
  if (layout == PaneLayout::ResultWindow) translationBox_.widget->hide();
}

void PaneArea::PutOnTabs() {
  sourceBox_.caption->hide();
  translationBox_.caption->hide();
  const int chosen = chosenTab_;
  tabs_->addTab(sourceBox_.widget, sourceBox_.caption->text());
  tabs_->addTab(translationBox_.widget, translationBox_.caption->text());
  tabs_->setCurrentIndex(chosen);
  stack_->setCurrentWidget(tabs_);
}

void PaneArea::PutInSplitter(Qt::Orientation orientation) {
  tabs_->clear();
  splitter_->setOrientation(orientation);
  for (const Box& box : {sourceBox_, translationBox_}) {
    splitter_->addWidget(box.widget);
    box.caption->show();
    box.widget->show();
  }
  splitter_->setSizes({kHalf, kHalf});
  stack_->setCurrentWidget(splitter_);
}

void PaneArea::ShowTranslationTab() {
  if (layout_ == PaneLayout::Tabbed) tabs_->setCurrentIndex(kTranslationTab);
}

void PaneArea::ShowSourceTab() {
  if (layout_ == PaneLayout::Tabbed) tabs_->setCurrentIndex(kSourceTab);
}

void PaneArea::Retranslate(UiLanguage language) {
  sourceBox_.caption->setText(UiText(kSourceCaption, language));
  translationBox_.caption->setText(UiText(kTranslationCaption, language));
  // The tabs, when they are there, read as the captions.
  for (int tab = 0; tab < tabs_->count(); ++tab)
    tabs_->setTabText(
        tab, tab == kTranslationTab ? translationBox_.caption->text() : sourceBox_.caption->text());
}

}  // namespace vorla
