#include <iostream>
#include <string>

#include "cli/Commands.h"

namespace vorla::cli {

namespace {

std::string Utf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

void PrintInfo(CliContext& context, std::ostream& out) {
  const Config& config = context.config();
  const ProgramVersion version = config.version();
  out << "Product: " << Config::kProductName << '\n'
      << "Maker: " << Config::kMakerName << '\n'
      << "Version: " << int{version[0]} << '.' << int{version[1]} << '.' << int{version[2]} << '.'
      << int{version[3]} << '\n'
      << "Product id: " << config.pid() << '\n'
      << "UI language: " << UiLanguageCode(config.GetUiLanguage()) << '\n'
      << "Automatic update check: " << (config.UpdateCheckEnabled() ? "on" : "off") << '\n';

  const Directories& dirs = config.Dirs();
  out << "Application data: " << Utf8(dirs.appData) << '\n'
      << "User dictionaries: " << Utf8(dirs.userVocabularies) << '\n'
      << "Temporary files: " << Utf8(dirs.temporary) << '\n'
      << "Documents work folder: " << Utf8(dirs.documentsWork) << '\n'
      << "Settings file: " << context.settingsStore().Location() << '\n'
      << "Service URL: " << config.ServiceUrl() << '\n';
  if (!config.ExtraCaFile().empty()) out << "Extra CA file: " << Utf8(config.ExtraCaFile()) << '\n';

  const ServiceLimits& limits = config.limits;
  const struct {
    const char* name;
    const std::atomic<int>& value;
    const char* unit;
  } limitLines[] = {
      {"max_translation_len", limits.max_translation_len, ""},
      {"max_lex_info_len", limits.max_lex_info_len, ""},
      {"max_length", limits.max_length, ""},
      {"max_size", limits.max_size, ""},
      {"max_count", limits.max_count, ""},
      {"request_timeout", limits.request_timeout, " ms"},
      {"tr_request_timeout", limits.tr_request_timeout, " ms"},
      {"filetr_request_timeout", limits.filetr_request_timeout, " ms"},
      {"voc_request_timeout", limits.voc_request_timeout, " ms"},
      {"voc_update_request_timeout", limits.voc_update_request_timeout, " ms"},
  };
  for (const auto& line : limitLines) {
    out << line.name << ": " << line.value.load() << line.unit << '\n';
  }
}

}  // namespace

void AddInfoCommand(CLI::App& app, CliContext& context) {
  app.add_subcommand("info",
                     "Show the product, version, UI language, directories, settings file, "
                     "service address, limits and time-outs")
      ->callback([&context] { PrintInfo(context, std::cout); });
}

}  // namespace vorla::cli
