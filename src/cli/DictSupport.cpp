#include "cli/DictSupport.h"

#include <iostream>

#include "common/Bilingual.h"
#include "common/Windows1252.h"
#include "dictionaries/TransferProgress.h"
#include "dictionaries/VocabularySets.h"
#include "service/LoginResults.h"
#include "service/LoginTexts.h"
#include "translation/LanguageFamily.h"

namespace vorla::cli {

namespace {

constexpr std::string_view kEnglishFinnish = "en-fi";
constexpr std::string_view kFinnishEnglish = "fi-en";

constexpr BilingualText kUnknownDictionary{"No user dictionary is named '@1'.",
                                           "Omaa sanastoa nimeltä '@1' ei ole."};

DictionaryDirection ChosenDirection(CliContext& context, const DictOptions& options) {
  if (options.direction == kFinnishEnglish) return DictionaryDirection::FinnishEnglish;
  if (options.direction == kEnglishFinnish) return DictionaryDirection::EnglishFinnish;
  const LanguagePair pair = context.state().GetPair();
  return IsFinnish(pair.source) && IsEnglish(pair.target) ? DictionaryDirection::FinnishEnglish
                                                          : DictionaryDirection::EnglishFinnish;
}

}  // namespace

void AddDirectionOption(CLI::App& command, DictOptions& options) {
  command
      .add_option("--direction", options.direction,
                  "en-fi or fi-en (default: the direction of the current pair, else en-fi)")
      ->check(CLI::IsMember({std::string(kEnglishFinnish), std::string(kFinnishEnglish)}));
}

void PrintError(std::string_view text) {
  std::string lines(text);
  for (std::size_t at = lines.find("\r\n"); at != std::string::npos; at = lines.find("\r\n", at))
    lines.erase(at, 1);
  std::cerr << lines << '\n';
}

DictSession::DictSession(CliContext& context, const DictOptions& options)
    : context_(context), direction_(ChosenDirection(context, options)) {}

int DictSession::LogIn() {
  TranslatorState::LoginOptions options;
  options.statusBarMode = 1;
  const int result = context_.state().Login(options);
  if (result == kLoginCancelled) std::cerr << LoginStatusText(result)->In(ui()) << '\n';
  return result;
}

VocabularySet& DictSession::set() {
  return context_.dictionaries()->Of(direction_);
}

std::unique_ptr<UserVocabulary> DictSession::Dictionary(std::optional<std::string_view> utf8Name) {
  const std::string name = utf8Name ? Utf8ToCp1252Strict(*utf8Name).value_or("") : "";
  auto dictionary = std::make_unique<UserVocabulary>(
      VocabularyServices{RefPtr<Config>(&context_.config()), &context_.state(),
                         context_.connections(), context_.dictionaries()});
  dictionary->SetErrorSink([](const DictionaryErrorReport& report) { PrintError(report.message); });
  dictionary->client().SetDictionaryObserver(
      MakeRef<TransferProgress>(context_.statusLine(), std::string(utf8Name.value_or("")), ui()));
  dictionary->Open(set().srclan(), set().tgtlan(), std::nullopt);
  if (!utf8Name) return dictionary;
  const auto row = set().RowById(set().IdByName(name));
  if (!row || row->voctype != kLexiconUser) {
    PrintError(FormatMessage(kUnknownDictionary, ui(), *utf8Name));
    return nullptr;
  }
  dictionary->Open(set().srclan(), set().tgtlan(), name);
  return dictionary;
}

std::unique_ptr<UserVocabulary> DictSession::Loaded(std::string_view utf8Name, int& status) {
  auto dictionary = Dictionary(utf8Name);
  if (!dictionary) {
    status = kDictRefused;
    return nullptr;
  }
  const int code = dictionary->Load(false);
  status = DictExitStatus(code);
  if (code != 0) return nullptr;
  return dictionary;
}

}  // namespace vorla::cli
