#include "ui/tray/TrayMenu.h"

#include "ui/Mnemonics.h"
#include "ui/UiText.h"
#include "ui/main/CommandIds.h"
#include "ui/main/CommandTable.h"

namespace vorla {

namespace {

constexpr BilingualText kClose{"Close Vorla Tool", "Sulje Vorla Tool"};

// The items that are main-window commands carry their texts.
QString CommandText(int id, UiLanguage language) {
  return UiText(FindCommand(id).text, language);
}

}  // namespace

TrayMenu::TrayMenu(RefPtr<Config> config, TrayActions& actions, const QIcon& icon, QObject* parent)
    : QObject(parent), config_(std::move(config)), actions_(actions), icon_(icon) {
  translate_ = menu_.addAction(QString(), [this] { actions_.TranslateClipboard(); });
  autoTranslate_ = menu_.addAction(QString(), [this] { actions_.ToggleAutoTranslate(); });
  autoTranslate_->setCheckable(true);
  menu_.addSeparator();
  about_ = menu_.addAction(QString(), [this] { actions_.ShowAbout(); });
  menu_.addSeparator();
  close_ = menu_.addAction(QString(), [this] { actions_.CloseApplication(); });
  connect(&menu_, &QMenu::aboutToShow, this, &TrayMenu::Refresh);
  icon_.setToolTip(QString::fromUtf8(Config::kProductName.data(),
                                     static_cast<qsizetype>(Config::kProductName.size())));
  icon_.setContextMenu(&menu_);
  connect(&icon_, &QSystemTrayIcon::activated, this,
          [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::Trigger) actions_.RestoreMainWindow();
          });
  Refresh();
}

bool TrayMenu::Show() {
  if (!QSystemTrayIcon::isSystemTrayAvailable()) return false;
  icon_.show();
  return true;
}

QMenu& TrayMenu::Menu() {
  Refresh();
  return menu_;
}

void TrayMenu::Refresh() {
  const UiLanguage language = config_->GetUiLanguage();
  translate_->setText(CommandText(kCmdTranslateClipboard, language));
  autoTranslate_->setText(CommandText(kCmdAutoTranslateClipboard, language));
  autoTranslate_->setChecked(actions_.AutoTranslate());
  about_->setText(CommandText(kCmdAbout, language));
  close_->setText(UiText(kClose, language));
  AssignMnemonics(menu_);
}

}  // namespace vorla
