#pragma once

#include <QDialog>
#include <memory>

#include "common/Opener.h"

class QLabel;
class QPushButton;

namespace vorla {

class TranslatorState;

// The About box: the version line, who provides the translations, the speech and website
// sentences with their links, and "Product Support".
class AboutBox : public QDialog {
  Q_OBJECT

 public:
  // The state names the account and serves the links; the opener opens them.
  AboutBox(QWidget* owner, const TranslatorState& state, std::shared_ptr<Opener> opener);

  // Modal over the owner (the main window), on the window thread.
  static void ShowModal(QWidget* owner, const TranslatorState& state,
                        std::shared_ptr<Opener> opener);

  QLabel& VersionLine() const { return *version_; }
  QLabel& Providers() const { return *providers_; }
  QLabel& Links() const { return *links_; }
  QPushButton& SupportButton() const { return *support_; }

 private:
  QLabel* version_;
  QLabel* providers_;
  QLabel* links_;
  QPushButton* support_;
};

}  // namespace vorla
