#pragma once

#include <QDialog>
#include <array>

#include "common/UiLanguage.h"
#include "translation/PriceConfirmation.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace vorla {

// The "Translation Info" dialog before a priced translation: the length of the source, the
// price, the balance and what "Translate" does, or that the balance is insufficient (then
// without the check box "Don't ask confirmation before translation").
class TranslationInfoDialog : public QDialog {
  Q_OBJECT

 public:
  TranslationInfoDialog(QWidget* owner, UiLanguage language, const TranslationInfo& info,
                        bool askConfirmation);

  // "Translate" only while the balance suffices; the check box unticked asks next time.
  PriceAnswer Answer() const;

  // The four lines, top to bottom.
  const std::array<QLabel*, 4>& Lines() const { return lines_; }
  QCheckBox& DontAskBox() const { return *dontAsk_; }
  QPushButton& TranslateButton() const { return *translate_; }
  QPushButton& CancelButton() const { return *cancel_; }

 private:
  bool balanceSuffices_;
  std::array<QLabel*, 4> lines_{};
  QCheckBox* dontAsk_;
  QPushButton* translate_;
  QPushButton* cancel_;
};

}  // namespace vorla
