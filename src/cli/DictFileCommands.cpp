// `vorla dict export` and `vorla dict import`: dictionary files in XML, TMX, CSV and XLSX.
#include <iostream>
#include <map>

#include "cli/Commands.h"
#include "cli/DictSupport.h"
#include "common/Windows1252.h"
#include "dictionaries/DictionaryErrors.h"
#include "dictionaries/exchange/ExchangeFormat.h"
#include "dictionaries/exchange/ExchangeMessages.h"
#include "dictionaries/exchange/VocabularyExchange.h"

namespace vorla::cli {

namespace {

namespace m = exchange_message;

const std::map<std::string, int> kFormats = {{"xml", exchange_format::kXml},
                                             {"tmx", exchange_format::kTmx},
                                             {"csv", exchange_format::kCsv},
                                             {"xlsx", exchange_format::kXlsx}};
const std::map<std::string, UiLanguage> kHeaderLanguages = {{"en", UiLanguage::English},
                                                            {"fi", UiLanguage::Finnish}};

struct ExportOptions {
  std::string name;
  std::string format;          // empty: from the file's ending
  std::string headerLanguage;  // empty: the user-interface language
  std::string output;
};

struct ImportOptions {
  std::string file;
  std::string onConflict;  // replace, merge or new; empty: a name in use is refused
};

int RunExport(CliContext& context, const DictOptions& options, const ExportOptions& exporting) {
  const std::filesystem::path path = exporting.output;
  const std::optional<int> format =
      exporting.format.empty() ? ExchangeFormatOfPath(path) : kFormats.at(exporting.format);
  if (!format) {
    PrintError(std::string(m::kInvalidFormat.In(context.ui())));
    return kDictRefused;
  }
  DictSession session(context, options);
  if (const int login = session.LogIn(); login != 0) return login;
  int status = 0;
  const auto dictionary = session.Loaded(exporting.name, status);
  if (!dictionary) return status;
  const UiLanguage header = exporting.headerLanguage.empty()
                                ? session.ui()
                                : kHeaderLanguages.at(exporting.headerLanguage);
  const int code = ExportVocabulary(*dictionary, context.config(), path, *format, header);
  if (code == 0) std::cout << FormatMessage(m::kExported, session.ui(), path.string()) << '\n';
  return DictExitStatus(code);
}

class Importing {
 public:
  Importing(CliContext& context, DictSession& session, std::filesystem::path path, int format)
      : context_(context), session_(session), path_(std::move(path)), format_(format) {}

  // Imports into dictionary: 0 or the dictionary error.
  int Into(UserVocabulary& dictionary, bool merge, bool uniqueName, bool repeat) {
    return ImportVocabulary(dictionary, context_.config(),
                            {.path = path_,
                             .format = format_,
                             .merge = merge,
                             .availablePairs = context_.state().GetAvailablePairs(),
                             .uniqueName = uniqueName,
                             .repeat = repeat},
                            [](const std::string& note) { std::cout << note << '\n'; });
  }

  int Report(const BilingualText& message, const UserVocabulary& dictionary) {
    std::cout << FormatMessage(message, session_.ui(),
                               Cp1252ToUtf8(dictionary.vocabulary().header.name))
              << '\n';
    return 0;
  }

 private:
  CliContext& context_;
  DictSession& session_;
  std::filesystem::path path_;
  int format_;
};

int RunImport(CliContext& context, const DictOptions& options, const ImportOptions& importing) {
  const std::filesystem::path path = importing.file;
  const std::optional<int> format = ExchangeFormatOfPath(path);
  if (!format) {
    PrintError(std::string(m::kInvalidFormat.In(context.ui())));
    return kDictRefused;
  }
  DictSession session(context, options);
  if (const int login = session.LogIn(); login != 0) return login;
  Importing run(context, session, path, *format);
  const auto dictionary = session.Dictionary(path.stem().string(), DictSession::Kind::New);
  int code = run.Into(*dictionary, false, false, false);
  if (code == 0) return run.Report(m::kImported, *dictionary);
  if (code != dictionary_error::kNameInUse) return DictExitStatus(code);

  const std::string name = Cp1252ToUtf8(dictionary->vocabulary().header.name);
  if (importing.onConflict == "replace") {
    code = dictionary->Save(true, false);
    return code == 0 ? run.Report(m::kImported, *dictionary) : DictExitStatus(code);
  }
  if (importing.onConflict == "merge") {
    int status = 0;
    const auto listed = session.Loaded(name, status);
    if (!listed) return status;
    code = run.Into(*listed, true, false, true);
    return code == 0 ? run.Report(m::kMerged, *listed) : DictExitStatus(code);
  }
  if (importing.onConflict == "new") {
    const auto fresh = session.Dictionary(path.stem().string(), DictSession::Kind::New);
    code = run.Into(*fresh, false, true, true);
    return code == 0 ? run.Report(m::kImportedIntoNew, *fresh) : DictExitStatus(code);
  }
  PrintError(FormatMessage(m::kNameExists, session.ui(), name));
  return DictExitStatus(code);
}

std::vector<std::string> Keys(const auto& table) {
  std::vector<std::string> keys;
  for (const auto& [key, value] : table)
    keys.push_back(key);
  return keys;
}

}  // namespace

void AddDictFileCommands(CLI::App& dict, CliContext& context,
                         const std::shared_ptr<DictOptions>& options) {
  auto exporting = std::make_shared<ExportOptions>();
  auto* exportCommand = dict.add_subcommand("export", "Write a user dictionary to a file");
  AddDirectionOption(*exportCommand, *options);
  exportCommand->add_option("name", exporting->name, "The dictionary")->required();
  exportCommand
      ->add_option("--format", exporting->format,
                   "xml, tmx, csv or xlsx (default: the file's ending)")
      ->check(CLI::IsMember(Keys(kFormats)));
  exportCommand
      ->add_option("--header-language", exporting->headerLanguage,
                   "en or fi: the language of the CSV and XLSX column names")
      ->check(CLI::IsMember(Keys(kHeaderLanguages)));
  exportCommand->add_option("-o,--output", exporting->output, "The file")->required();
  exportCommand->callback([&context, options, exporting] {
    context.SetExitStatus(RunExport(context, *options, *exporting));
  });

  auto importing = std::make_shared<ImportOptions>();
  auto* importCommand = dict.add_subcommand(
      "import", "Import a dictionary file (.xml, .tmx, .csv, .xlsx) into a new user dictionary");
  AddDirectionOption(*importCommand, *options);
  importCommand->add_option("file", importing->file, "The file")->required();
  importCommand
      ->add_option("--on-conflict", importing->onConflict,
                   "When the name is in use: replace the dictionary, merge into it, or import "
                   "into a new one")
      ->check(CLI::IsMember({"replace", "merge", "new"}));
  importCommand->callback([&context, options, importing] {
    context.SetExitStatus(RunImport(context, *options, *importing));
  });
}

}  // namespace vorla::cli
