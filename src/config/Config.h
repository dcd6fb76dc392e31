#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "common/UiLanguage.h"
#include "common/Unknown.h"
#include "config/Directories.h"
#include "config/DisplayMetrics.h"
#include "config/Environment.h"
#include "config/MessageBox.h"
#include "config/Settings.h"
#include "config/StandardFolders.h"

namespace vorla {

class IConfig : public IUnknown {
 public:
  using Parent = IUnknown;
  static constexpr InterfaceId kIid = MakeInterfaceId("9BBAFF93-62E6-11D3-B4D7-002018297BCD");

 protected:
  ~IConfig() override = default;
};

// The program version sent to the service: major, minor, build, revision.
using ProgramVersion = std::array<std::uint8_t, 4>;

// Limits and time-outs. The login answer replaces some of them while other threads read
// them, so each is atomic.
struct ServiceLimits {
  std::atomic<int> max_translation_len{100'000'000};
  std::atomic<int> max_lex_info_len{10'000};
  std::atomic<int> max_length{32'000'000};  // user dictionaries: largest transfer in bytes
  std::atomic<int> max_size{100'000};       // user dictionaries: entries in one dictionary
  std::atomic<int> max_count{80};           // user dictionaries: number of dictionaries
  std::atomic<int> request_timeout{30'000};
  std::atomic<int> tr_request_timeout{120'000};
  std::atomic<int> filetr_request_timeout{300'000};
  std::atomic<int> voc_request_timeout{60'000};
  std::atomic<int> voc_update_request_timeout{120'000};
};

// The one process-wide configuration object: product identity, UI language, directories,
// limits and time-outs, the service address, the settings store and the message box.
// Created first at start-up and released last; every long-lived object holds a reference.
class Config final : public UnknownImpl<IConfig> {
 public:
  static constexpr std::string_view kMakerName = "Vorla Systems";
  static constexpr std::string_view kProductName = "Vorla Tool";
  static constexpr int kProductId = 4;
  static constexpr ProgramVersion kVersion = {3, 1, 2, 0};
  // The built-in translation service address (an HTTPS address whose path is /tr).
  static constexpr std::string_view kDefaultServiceUrl = "https://service.vorla.example/tr";

  // Reads "defuilan" (anything but 0 or 1 is Finnish) and "UpdInf1", resolves the directories
  // ("UserVocDir" is Windows-1252 in the store) and creates the missing ones.
  Config(std::shared_ptr<SettingsStore> store, const StandardFolders& folders,
         Environment environment);
  ~Config() override;

  int pid() const { return kProductId; }
  ProgramVersion version() const { return kVersion; }

  UiLanguage GetUiLanguage() const { return uiLanguage_.load(); }
  // Switches the language for every later text; the caller writes "defuilan" when the
  // user chose it.
  void SetUiLanguage(UiLanguage language) { uiLanguage_.store(language); }

  bool UpdateCheckEnabled() const { return updateCheck_.load(); }
  // The automatic update check at start ("UpdInf1"), written at once.
  void SetUpdateCheckEnabled(bool enabled);

  const Directories& Dirs() const { return dirs_; }
  // ResolveDirectoryPath against this configuration's application data; path is UTF-8.
  std::filesystem::path MakeDirectoryPath(std::string_view path,
                                          std::string_view defaultLeaf) const;
  // Deletes the document-type files of the documents work folder (extensions compared
  // without regard to case); sub-folders and other files stay.
  void CleanDocumentsWorkFolder() const;

  // The service address: VORLA_SERVICE_URL when set, else the built-in one.
  const std::string& ServiceUrl() const { return serviceUrl_; }
  // An extra trusted CA certificate (VORLA_CA_FILE), empty when none.
  const std::filesystem::path& ExtraCaFile() const { return caFile_; }
  const Environment& Env() const { return environment_; }

  ServiceLimits limits;

  Settings& settings() { return settings_; }
  const Settings& settings() const { return settings_; }

  void SetDisplayMetrics(const DisplayMetrics& metrics);
  DisplayMetrics GetDisplayMetrics() const;

  // The message box: caption defaults to the product name, the language is the UI language.
  // Without a message box installed the answer is Cancel (or Ok for an Ok-only box).
  void SetMessageBox(std::shared_ptr<MessageBox> messageBox);
  MessageAnswer ShowMessage(std::string_view text, std::string_view caption = {},
                            MessageStyle style = {}) const;

 private:
  Environment environment_;
  Settings settings_;
  std::atomic<UiLanguage> uiLanguage_{UiLanguage::Finnish};
  std::atomic<bool> updateCheck_{true};
  Directories dirs_;
  std::string serviceUrl_;
  std::filesystem::path caFile_;
  // Guarded by mutex_ (set by the window thread, read by workers).
  mutable std::mutex mutex_;
  DisplayMetrics display_;
  std::shared_ptr<MessageBox> messageBox_;
};

}  // namespace vorla
