#pragma once

#include <QDialog>
#include <array>

#include "common/UiLanguage.h"
#include "translation/QuotaNotice.h"

class QLabel;

namespace vorla {

// The "Translation Quota Info" dialog after a further-language job ran out of quota. "Close",
// Escape and the close box end it.
class QuotaInfoDialog : public QDialog {
  Q_OBJECT

 public:
  QuotaInfoDialog(QWidget* owner, UiLanguage language, const QuotaShortfall& shortfall);

  // The length line, the quota line and the note.
  const std::array<QLabel*, 3>& Lines() const { return lines_; }

 private:
  std::array<QLabel*, 3> lines_{};
};

}  // namespace vorla
