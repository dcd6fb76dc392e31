#include "ui/main/LanguagePairBox.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScopedValueRollback>
#include <algorithm>

#include "ui/UiText.h"
#include "ui/main/PairBoxLists.h"

namespace vorla {

namespace {

constexpr BilingualText kLanguagePairLabel{"Language Pair:", "Käännössuunta:"};
// Room for the list's arrow beside its widest text.
constexpr int kArrowRoom = 30;

void Fill(QComboBox& list, const std::vector<PairBoxLine>& lines,
          std::optional<std::size_t> selected) {
  list.clear();
  for (const PairBoxLine& line : lines)
    list.addItem(Utf8Text(line.text));
  list.setCurrentIndex(selected ? static_cast<int>(*selected) : -1);
}

}  // namespace

LanguagePairBox::LanguagePairBox(TranslatorState& state, QWidget* parent)
    : QWidget(parent), state_(state) {
  label_ = new QLabel(this);
  first_ = new QComboBox(this);
  target_ = new QComboBox(this);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(label_);
  layout->addWidget(first_);
  layout->addWidget(target_);
  connect(first_, &QComboBox::activated, this, [this](int index) { Choose(false, index); });
  connect(target_, &QComboBox::activated, this, [this](int index) { Choose(true, index); });
}

void LanguagePairBox::Rebuild(UiLanguage language) {
  const QScopedValueRollback filling(filling_, true);
  language_ = language;
  label_->setText(UiText(kLanguagePairLabel, language));
  const PairBoxLists lists(state_, language);
  Fill(*first_, lists.FirstList(), lists.SelectedFirst());
  const std::vector<PairBoxLine> targets = lists.TargetList();
  Fill(*target_, targets, lists.SelectedTarget());
  target_->setVisible(!targets.empty());
  target_->setEnabled(lists.TargetEnabled());
  FitWidth(*first_);
  FitWidth(*target_);
}

void LanguagePairBox::Choose(bool target, int index) {
  if (filling_ || index < 0) return;
  PairBoxLists lists(state_, language_);
  const auto line = static_cast<std::size_t>(index);
  if (target) {
    lists.ChooseTarget(line);
  } else {
    lists.ChooseFirst(line);
  }
  Rebuild(language_);
  emit PairChosen();
}

void LanguagePairBox::FitWidth(QComboBox& list) {
  int widest = 0;
  for (int i = 0; i < list.count(); ++i)
    widest = std::max(widest, list.fontMetrics().horizontalAdvance(list.itemText(i)));
  list.setFixedWidth(std::max(list.minimumWidth(), widest + kArrowRoom));
}

}  // namespace vorla
