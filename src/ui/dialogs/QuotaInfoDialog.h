#pragma once

#include <QDialog>
#include <array>

#include "common/UiLanguage.h"

class QLabel;

namespace vorla {

struct TranslationJob;

// What the "Translation Quota Info" dialog tells: how many characters the source has, what
// is left of the account's quota, and which length line to use.
struct QuotaShortfall {
  int characters = 0;  // the job's shortfall value
  int quotaLeft = 0;   // the translator state's quota left
  // "Source document length" for a job with a progress dialog that is not a web job;
  // "Source text length" otherwise.
  bool document = false;
};

// Whether a failed job opens the dialog: result 19 in a further-language family for an
// account of type 3 or 4.
bool OpensQuotaInfo(const TranslationJob& job, int accountType);

// The "Translation Quota Info" dialog after a further-language job ran out of quota. "Close",
// Escape and the close box end it.
class QuotaInfoDialog : public QDialog {
  Q_OBJECT

 public:
  QuotaInfoDialog(QWidget* owner, UiLanguage language, const QuotaShortfall& shortfall);

  // Modal over the owner (the main window), on the window thread.
  static void ShowModal(QWidget* owner, UiLanguage language, const QuotaShortfall& shortfall);

  // The length line, the quota line and the note.
  const std::array<QLabel*, 3>& Lines() const { return lines_; }

 private:
  std::array<QLabel*, 3> lines_{};
};

}  // namespace vorla
