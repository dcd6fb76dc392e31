#include "ui/panes/FindDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextCursor>
#include <algorithm>

#include "ui/UiText.h"
#include "ui/dialogs/DialogPlacement.h"

namespace vorla {

namespace {

constexpr int kHitMargin = 30;

constexpr BilingualText kTitle = {"Find", "Etsi"};
constexpr BilingualText kFindWhat = {"Find what:", "Etsittävä teksti:"};
constexpr BilingualText kFindIn = {"Find in:", "Etsi ikkunasta:"};
constexpr BilingualText kMatchCase = {"Match case", "Sama kirjasinkoko"};
constexpr BilingualText kWholeWord = {"Match whole word", "Etsi vain kokonaiset sanat"};
constexpr BilingualText kFindNext = {"Find next", "Etsi ››"};
constexpr BilingualText kCancel = {"Cancel", "Sulje"};

BilingualText ScopeName(FindScope scope) {
  switch (scope) {
    case FindScope::SourceText:
      return {"Source text", "Käännettävä teksti"};
    case FindScope::Translation:
      return {"Translation", "Käännös"};
    case FindScope::TranslationResult:
      break;
  }
  return {"Translation result", "Käännöstulos"};
}

// The check boxes' states, kept for the rest of the run.
FindOptions& RememberedOptions() {
  static FindOptions options;
  return options;
}

QPointer<FindDialog>& OpenDialog() {
  static QPointer<FindDialog> dialog;
  return dialog;
}

}  // namespace

FindDialog* FindDialog::OpenForMainWindow(QWidget* owner, RefPtr<Config> config, TextPane& source,
                                          TextPane& translation, FindScope start) {
  return Open(owner, std::move(config),
              {{&source, FindScope::SourceText}, {&translation, FindScope::Translation}},
              start == FindScope::Translation ? 1 : 0);
}

FindDialog* FindDialog::OpenForResultWindow(QWidget* owner, RefPtr<Config> config,
                                            TextPane& result) {
  return Open(owner, std::move(config), {{&result, FindScope::TranslationResult}}, 0);
}

FindDialog* FindDialog::Open(QWidget* owner, RefPtr<Config> config, std::vector<Target> targets,
                             int start) {
  QPointer<FindDialog>& dialog = OpenDialog();
  const auto samePanes = [&] {
    return std::ranges::equal(dialog->targets_, targets,
                              [](const Target& a, const Target& b) { return a.pane == b.pane; });
  };
  if (dialog && !samePanes()) delete dialog.data();
  if (!dialog) {
    dialog = new FindDialog(owner, std::move(config), std::move(targets));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
  }
  dialog->panes_->setCurrentIndex(start);
  ShowInFront(*dialog);
  return dialog;
}

FindDialog::FindDialog(QWidget* owner, RefPtr<Config> config, std::vector<Target> targets)
    : QDialog(owner), config_(std::move(config)), targets_(std::move(targets)) {
  const UiLanguage language = config_->GetUiLanguage();
  setWindowTitle(UiText(kTitle, language));
  setModal(false);

  what_ = new QLineEdit;
  what_->setMaxLength(kMaxFindLength);
  panes_ = new QComboBox;
  for (const Target& target : targets_)
    panes_->addItem(UiText(ScopeName(target.scope), language));
  panes_->setEnabled(targets_.size() > 1);
  matchCase_ = new QCheckBox(UiText(kMatchCase, language));
  wholeWord_ = new QCheckBox(UiText(kWholeWord, language));
  matchCase_->setChecked(RememberedOptions().matchCase);
  wholeWord_->setChecked(RememberedOptions().wholeWord);
  connect(matchCase_, &QCheckBox::toggled, [](bool on) { RememberedOptions().matchCase = on; });
  connect(wholeWord_, &QCheckBox::toggled, [](bool on) { RememberedOptions().wholeWord = on; });

  auto* buttons = new QDialogButtonBox(Qt::Vertical);
  QPushButton* findNext =
      buttons->addButton(UiText(kFindNext, language), QDialogButtonBox::ActionRole);
  findNext->setDefault(true);
  QPushButton* cancel = buttons->addButton(UiText(kCancel, language), QDialogButtonBox::RejectRole);
  connect(findNext, &QPushButton::clicked, this, &FindDialog::FindNextInChosenPane);
  connect(cancel, &QPushButton::clicked, this, &QDialog::close);

  auto* layout = new QGridLayout(this);
  auto* whatLabel = new QLabel(UiText(kFindWhat, language));
  whatLabel->setBuddy(what_);
  auto* inLabel = new QLabel(UiText(kFindIn, language));
  inLabel->setBuddy(panes_);
  layout->addWidget(whatLabel, 0, 0);
  layout->addWidget(what_, 0, 1);
  layout->addWidget(inLabel, 1, 0);
  layout->addWidget(panes_, 1, 1);
  layout->addWidget(matchCase_, 2, 0, 1, 2);
  layout->addWidget(wholeWord_, 3, 0, 1, 2);
  layout->addWidget(buttons, 0, 2, 4, 1);
}

void FindDialog::FindNextInChosenPane() {
  const Target& target = targets_[static_cast<std::size_t>(std::max(panes_->currentIndex(), 0))];
  if (!target.pane) return;
  const FindOptions options{matchCase_->isChecked(), wholeWord_->isChecked()};
  if (FindNext(*target.pane, what_->text(), options, target.scope, *config_)) {
    MoveOffHit(*target.pane);
  }
}

void FindDialog::MoveOffHit(const TextPane& pane) {
  const QTextCursor selection = pane.textCursor();
  QTextCursor start = selection;
  start.setPosition(selection.selectionStart());
  QTextCursor end = selection;
  end.setPosition(selection.selectionEnd());
  const QRect hit = pane.cursorRect(start).united(pane.cursorRect(end));
  const QRect onScreen(pane.viewport()->mapToGlobal(hit.topLeft()), hit.size());
  move(PositionOffHit(frameGeometry(), onScreen, screen()->availableGeometry()));
}

QPoint PositionOffHit(const QRect& dialog, const QRect& hit, const QRect& screen) {
  const QRect near = hit.adjusted(-kHitMargin, -kHitMargin, kHitMargin, kHitMargin);
  if (!dialog.intersects(near)) return dialog.topLeft();
  const int below = hit.y() + hit.height() + kHitMargin;
  if (below + dialog.height() <= screen.y() + screen.height()) return {dialog.x(), below};
  const int above = hit.y() - kHitMargin - dialog.height();
  if (above >= screen.y()) return {dialog.x(), above};
  return dialog.topLeft();
}

}  // namespace vorla
