#pragma once

#include <QWidget>

#include "common/UiLanguage.h"
#include "ui/panes/TextPane.h"

class QLabel;
class QSplitter;
class QStackedLayout;
class QTabWidget;

namespace vorla {

// The pane layouts of the Window menu, as "textarealayout" stores them.
// ResultWindow shows the source pane alone: every result opens a result window.
enum class PaneLayout : int { SideBySide = 1, Stacked = 2, Tabbed = 3, ResultWindow = 4 };

// The layout a stored value names; any other value is taken as side by side.
PaneLayout PaneLayoutOf(int stored);

// The source pane and the translation pane with their captions ("Source text",
// "Translation"), side by side, one above the other, or one at a time on tabs.
class PaneArea : public QWidget {
  Q_OBJECT

 public:
  explicit PaneArea(QWidget* parent = nullptr);

  TextPane& Source() const { return *source_; }
  TextPane& Translation() const { return *translation_; }

  // Lays the panes out anew; the split between them returns to one half. In the tabbed
  // layout the tab chosen earlier in this run is shown.
  void SetLayout(PaneLayout layout);
  PaneLayout Layout() const { return layout_; }
  // In the tabbed layout, brings the translation to the front.
  void ShowTranslationTab();
  // In the tabbed layout, brings the source to the front.
  void ShowSourceTab();

  void Retranslate(UiLanguage language);

  QSplitter& Splitter() const { return *splitter_; }
  QTabWidget& Tabs() const { return *tabs_; }

 private:
  struct Box {
    QWidget* widget;
    QLabel* caption;
  };
  Box MakeBox(TextPane* pane);
  void PutOnTabs();
  void PutInSplitter(Qt::Orientation orientation);

  TextPane* source_;
  TextPane* translation_;
  Box sourceBox_;
  Box translationBox_;
  QSplitter* splitter_;
  QTabWidget* tabs_;
  QStackedLayout* stack_;
  PaneLayout layout_ = PaneLayout::SideBySide;
  int chosenTab_ = 0;
};

}  // namespace vorla
