#pragma once

#include <QWidget>

#include "common/UiLanguage.h"

class QComboBox;
class QLabel;

namespace vorla {

class TranslatorState;

// The language controls in the main window's top right corner: "Language Pair:" with the
// list of directions, or for accounts with further languages a source and a target list.
// A choice is stored at once.
class LanguagePairBox : public QWidget {
  Q_OBJECT

 public:
  LanguagePairBox(TranslatorState& state, QWidget* parent = nullptr);

  // Fills the lists again for the account and the pair, in the language.
  void Rebuild(UiLanguage language);

  QComboBox& FirstList() const { return *first_; }
  QComboBox& TargetList() const { return *target_; }

 signals:
  // The user chose a line; the state holds the new pair.
  void PairChosen();

 private:
  void Choose(bool target, int index);
  // As wide as the widest line plus room for the arrow; never narrower than before.
  static void FitWidth(QComboBox& list);

  TranslatorState& state_;
  UiLanguage language_ = UiLanguage::Finnish;
  QLabel* label_;
  QComboBox* first_;
  QComboBox* target_;
  bool filling_ = false;  // filling the lists chooses nothing
};

}  // namespace vorla
