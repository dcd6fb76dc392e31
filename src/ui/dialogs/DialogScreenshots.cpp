#include "ui/dialogs/DialogScreenshots.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLayout>
#include <QPixmap>
#include <QTemporaryDir>

#include "config/Config.h"
#include "config/MemorySettingsStore.h"
#include "documents/files/FileMessages.h"
#include "platform/QtStandardFolders.h"
#include "service/ProgressTexts.h"
#include "translation/CWindowsTranslator.h"
#include "translation/ProgressFigures.h"
#include "translation/TranslatorState.h"
#include "ui/QtTranslations.h"
#include "ui/dialogs/LanguagePairDialog.h"
#include "ui/dialogs/LoginDialog.h"
#include "ui/dialogs/SpeechSettingsDialog.h"
#include "ui/dialogs/WebDialog.h"
#include "ui/documents/DocumentFileDialogs.h"
#include "ui/documents/OperWaitDlg.h"
#include "ui/documents/PaneSaveDialog.h"
#include "ui/documents/ProgressDialog.h"

namespace vorla {

namespace {

struct ShotLanguage {
  const char* defuilan;
  const char* suffix;
};
constexpr ShotLanguage kShotLanguages[] = {{"0", "en"}, {"1", "fi"}};

// English to German for an account of the first further-language list.
RefPtr<Config> ShotConfig(const QTemporaryDir& home, const char* defuilan) {
  auto store = std::make_shared<MemorySettingsStore>();
  for (const auto& [name, value] : {std::pair{"defuilan", defuilan},
                                    {"AccInf1", "3"},
                                    {"LanInf1", "108"},
                                    {"LanInf2", "112"},
                                    {"LanInf3", "false"}})
    store->WriteValue(name, value);
  Environment environment;
  environment.home = home.path().toStdString();
  return MakeRef<Config>(std::move(store), QtStandardFolders(), std::move(environment));
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

// An address typed over a history of two.
bool SaveWebDialogPng(const RefPtr<Config>& config, const QString& path) {
  const auto translator = MakeRef<CWindowsTranslator>(config, 1);
  for (const char* address : {"https://example.com/report.pdf", "example.com/news"})
    translator->WebHistory().Remember(address);
  WebDialog dialog(nullptr, *translator);
  dialog.AddressBox().setEditText("https://example.com/products.html");
  return SaveDialogPng(dialog, path);
}

// A document job a quarter through its download.
bool SaveProgressDialogPng(UiLanguage language, const QString& path) {
  ProgressDialog dialog(nullptr, language, "Annual report.docx");
  dialog.ShowStatus(GetProgressText(ProgressText::Downloading, language), ProgressBar::ShowAt, 25);
  dialog.ShowDetail(ProgressDetail(2048, 8192));
  return SaveDialogPng(dialog, path);
}

// "Save translation..." with the Word filters, in a folder holding two documents, "summary"
// typed; Qt's own texts follow the language.
bool SavePaneSaveDialogPng(UiLanguage language, const QString& folder, const QString& path) {
  for (const char* name : {"notes.txt", "report.rtf"}) {
    QFile file(folder + "/" + name);
    if (!file.open(QIODevice::WriteOnly)) return false;
  }
  UseQtTranslations(language);
  const std::unique_ptr<QFileDialog> dialog = MakeFileDialog(
      nullptr,
      DialogFilters(FileDialogKind::SavePane, {.available = true, .canSave = true}, language),
      FileDialogUse::Save, kFirstPaneSaveFilter, "summary");
  dialog->setDirectory(folder);
  // The folder's listing is read in the background.
  QElapsedTimer listing;
  listing.start();
  while (listing.elapsed() < 500)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  const bool saved = SaveDialogPng(*dialog, path);
  UseQtTranslations(UiLanguage::English);
  return saved;
}

// Saving a pane as a Word document.
bool SavePleaseWaitDialogPng(UiLanguage language, const QString& path) {
  OperWaitDlg dialog(nullptr, kSavingFileTitle.In(language),
                     FormatMessage(kSavingFile, language, "summary.docx"));
  return SaveDialogPng(dialog, path);
}

// The speech settings as stored, Swedish offered.
bool SaveSpeechSettingsDialogPng(Config& config, const QString& path) {
  SpeechSettingsController controller(config.settings(), true);
  SpeechSettingsDialog dialog(nullptr, config.GetUiLanguage(), controller);
  return SaveDialogPng(dialog, path);
}

}  // namespace

bool SaveDialogPng(QWidget& dialog, const QString& path) {
  dialog.ensurePolished();
  if (QLayout* layout = dialog.layout()) layout->activate();
  dialog.adjustSize();
  return dialog.grab().save(path, "PNG");
}

bool SaveDialogScreenshots(const QString& folder) {
  const QTemporaryDir home;
  if (!home.isValid()) return false;
  for (const ShotLanguage& shot : kShotLanguages) {
    const RefPtr<Config> config = ShotConfig(home, shot.defuilan);
    TranslatorState state(config, 1);
    const QString suffix = QString::fromLatin1(shot.suffix);
    if (!SaveLoginDialogPng(config->GetUiLanguage(), folder + "/login-dialog-" + suffix + ".png") ||
        !SaveLanguagePairDialogPng(state, folder + "/language-pair-dialog-" + suffix + ".png") ||
        !SaveWebDialogPng(config, folder + "/web-dialog-" + suffix + ".png") ||
        !SaveProgressDialogPng(config->GetUiLanguage(),
                               folder + "/progress-dialog-" + suffix + ".png") ||
        !SavePaneSaveDialogPng(config->GetUiLanguage(), home.path(),
                               folder + "/save-dialog-" + suffix + ".png") ||
        !SavePleaseWaitDialogPng(config->GetUiLanguage(),
                                 folder + "/please-wait-dialog-" + suffix + ".png") ||
        !SaveSpeechSettingsDialogPng(*config,
                                     folder + "/speech-settings-dialog-" + suffix + ".png"))
      return false;
  }
  return true;
}

}  // namespace vorla
