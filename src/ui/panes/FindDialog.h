#pragma once

#include <QDialog>
#include <QPointer>
#include <vector>

#include "common/RefPtr.h"
#include "config/Config.h"
#include "ui/panes/PaneFind.h"
#include "ui/panes/TextPane.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace vorla {

// The modeless "Find" dialog. At most one is open at a time; asking again brings it forward.
// Its check boxes keep their states for the rest of the run.
class FindDialog : public QDialog {
  Q_OBJECT

 public:
  // The main window's dialog over its two panes, starting at the pane the command came from.
  static FindDialog* OpenForMainWindow(QWidget* owner, RefPtr<Config> config, TextPane& source,
                                       TextPane& translation, FindScope start);
  // A result window's dialog over its one pane.
  static FindDialog* OpenForResultWindow(QWidget* owner, RefPtr<Config> config, TextPane& result);

  // "Find next" on the chosen pane; moves the dialog off the hit.
  void FindNextInChosenPane();

  QLineEdit& WhatEdit() const { return *what_; }
  QComboBox& PaneList() const { return *panes_; }
  QCheckBox& MatchCaseBox() const { return *matchCase_; }
  QCheckBox& WholeWordBox() const { return *wholeWord_; }

 private:
  struct Target {
    QPointer<TextPane> pane;
    FindScope scope;
  };

  FindDialog(QWidget* owner, RefPtr<Config> config, std::vector<Target> targets);
  static FindDialog* Open(QWidget* owner, RefPtr<Config> config, std::vector<Target> targets,
                          int start);
  void MoveOffHit(const TextPane& pane);

  RefPtr<Config> config_;
  std::vector<Target> targets_;
  QLineEdit* what_;
  QComboBox* panes_;
  QCheckBox* matchCase_;
  QCheckBox* wholeWord_;
};

// Where a dialog goes so as not to cover a hit (screen coordinates): when it lies within 30
// pixels of the hit, below the hit if it stays on the screen there, else above it if it
// stays on the screen there, else where it is.
QPoint PositionOffHit(const QRect& dialog, const QRect& hit, const QRect& screen);

}  // namespace vorla
