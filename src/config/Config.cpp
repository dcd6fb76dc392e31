#include "config/Config.h"

#include "common/Windows1252.h"
#include "config/DocumentFiles.h"

namespace vorla {

namespace {

UiLanguage StoredUiLanguage(const Settings& settings) {
  const int stored = settings.ReadInteger("defuilan", static_cast<int>(UiLanguage::Finnish));
  return stored == static_cast<int>(UiLanguage::English) ? UiLanguage::English
                                                         : UiLanguage::Finnish;
}

}  // namespace

Config::Config(std::shared_ptr<SettingsStore> store, const StandardFolders& folders,
               Environment environment)
    : environment_(std::move(environment)),
      settings_(std::move(store)),
      uiLanguage_(StoredUiLanguage(settings_)),
      updateCheck_(settings_.ReadBoolean("UpdInf1", true)),
      dirs_(ResolveDirectories(folders, environment_,
                               Cp1252ToUtf8(settings_.ReadString("UserVocDir").value_or("")))),
      serviceUrl_(environment_.serviceUrl.value_or(std::string(kDefaultServiceUrl))),
      caFile_(environment_.caFile.value_or(std::filesystem::path())) {
  CreateDirectories(dirs_);
}

Config::~Config() = default;

std::filesystem::path Config::MakeDirectoryPath(std::string_view path,
                                                std::string_view defaultLeaf) const {
  return ResolveDirectoryPath(dirs_.appData, path, defaultLeaf);
}

void Config::CleanDocumentsWorkFolder() const {
  DeleteDocumentFiles(dirs_.documentsWork);
}

void Config::SetUpdateCheckEnabled(bool enabled) {
  updateCheck_.store(enabled);
  settings_.WriteBoolean("UpdInf1", enabled);
}

void Config::SetDisplayMetrics(const DisplayMetrics& metrics) {
  std::lock_guard lock(mutex_);
  display_ = metrics;
}

DisplayMetrics Config::GetDisplayMetrics() const {
  std::lock_guard lock(mutex_);
  return display_;
}

void Config::SetMessageBox(std::shared_ptr<MessageBox> messageBox) {
  std::lock_guard lock(mutex_);
  messageBox_ = std::move(messageBox);
}

MessageAnswer Config::ShowMessage(std::string_view text, std::string_view caption,
                                  MessageStyle style) const {
  std::shared_ptr<MessageBox> messageBox;
  {
    std::lock_guard lock(mutex_);
    messageBox = messageBox_;
  }
  if (!messageBox) {
    return style.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
  }
  // The box is shown outside the lock: it waits for the user.
  return messageBox->Show(text, caption.empty() ? kProductName : caption, style, GetUiLanguage());
}

}  // namespace vorla
