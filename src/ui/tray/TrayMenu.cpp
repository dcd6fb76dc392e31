#include "ui/tray/TrayMenu.h"

#include "ui/UiText.h"

namespace vorla {

namespace {

constexpr BilingualText kTranslateClipboard{"Translate clipboard", "Käännä leikepöydän sisältö"};
constexpr BilingualText kAutoTranslateClipboard{"Auto-Translate clipboard",
                                                "Käännä leikepöytä automaattisesti"};
constexpr BilingualText kAbout{"About Vorla Tool", "Tietoja Vorla Toolista"};
constexpr BilingualText kClose{"Close Vorla Tool", "Sulje Vorla Tool"};

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
  translate_->setText(UiText(kTranslateClipboard, language));
  autoTranslate_->setText(UiText(kAutoTranslateClipboard, language));
  autoTranslate_->setChecked(actions_.AutoTranslate());
  about_->setText(UiText(kAbout, language));
  close_->setText(UiText(kClose, language));
}

}  // namespace vorla
