#include "ui/dialogs/DialogScreenshots.h"

#include <QLayout>
#include <QPixmap>

#include "translation/TranslatorState.h"
#include "ui/dialogs/LanguagePairDialog.h"
#include "ui/dialogs/LoginDialog.h"

namespace vorla {

bool SaveDialogPng(QWidget& dialog, const QString& path) {
  dialog.ensurePolished();
  if (QLayout* layout = dialog.layout()) layout->activate();
  dialog.adjustSize();
  return dialog.grab().save(path, "PNG");
}

bool SaveLoginDialogPng(UiLanguage language, const QString& path) {
  LoginDialogParameters parameters;
  parameters.userName = "demo";
  parameters.password = PasswordPlaceholder(0);
  parameters.useStoredDigest = true;
  LoginDialog dialog(nullptr, language, parameters, [](int) {});
  return SaveDialogPng(dialog, path);
}

bool SaveLanguagePairDialogPng(TranslatorState& state, const QString& path) {
  LanguagePairDialog dialog(nullptr, state, LanguagePairDialog::Form::Modeless,
                            state.GetAccountType(), {});
  return SaveDialogPng(dialog, path);
}

}  // namespace vorla
