// `vorla dict`: the user dictionaries of the service and the active selection.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "cli/DictSupport.h"
#include "common/Bilingual.h"
#include "common/Windows1252.h"
#include "dictionaries/AttributeCodes.h"
#include "dictionaries/AttributeValues.h"
#include "dictionaries/TypedText.h"

namespace vorla::cli {

namespace {

constexpr BilingualText kActiveLabel{"Active dictionaries:", "Aktiiviset sanastot:"};
constexpr BilingualText kDomainLabel{"Domain lexicon", "Erikoisalasanasto"};
constexpr BilingualText kNone{"(none selected)", "(ei valittu)"};
constexpr BilingualText kNameLabel{"Name:", "Nimi:"};
constexpr BilingualText kKindLabel{"Type:", "Tyyppi:"};
constexpr BilingualText kDescriptionLabel{"Description:", "Kuvaus:"};
constexpr BilingualText kEntriesLabel{"Entries:", "Sanoja:"};
constexpr BilingualText kCreated{"Dictionary '@1' created.", "Sanasto '@1' luotu."};
constexpr BilingualText kDeleted{"Dictionary '@1' removed.", "Sanasto '@1' poistettu."};
constexpr BilingualText kUnknownName{"Unknown dictionary: @1", "Tuntematon sanasto: @1"};

// The --kind values in the order of `DictionaryKind`.
const std::vector<std::string> kKindNames = {"terms", "phrases", "context-rules", "disambiguation"};

std::string Utf8(std::string_view bytes) {
  return Cp1252ToUtf8(bytes);
}

// "Active dictionaries:" and the active names, or "(none selected)".
void PrintActive(const VocabularySet& set, UiLanguage language) {
  const std::string names = set.ActiveNames();
  std::cout << kActiveLabel.In(language) << ' '
            << (names.empty() ? std::string(kNone.In(language)) : Utf8(names)) << '\n';
}

int RunList(CliContext& context, const DictOptions& options) {
  DictSession session(context, options);
  if (const int login = session.LogIn(); login != 0) return login;
  VocabularySet& set = session.set();
  const UiLanguage language = session.ui();
  const std::vector<int> active = set.ActiveIds();
  for (const LexiconRow& row : set.Rows()) {
    if (row.voctype == kLexiconSession) continue;
    const bool selected = std::ranges::find(active, row.vocid) != active.end();
    const BilingualText kind = row.voctype == kLexiconDomain
                                   ? kDomainLabel
                                   : KindDisplayName(static_cast<DictionaryKind>(row.vocsubtype));
    std::cout << (selected ? "* " : "  ") << row.vocid << '\t' << Utf8(set.DisplayName(row.name))
              << '\t' << kind.In(language) << '\n';
  }
  PrintActive(set, language);
  return 0;
}

int RunShow(CliContext& context, const DictOptions& options, const std::string& name) {
  DictSession session(context, options);
  if (const int login = session.LogIn(); login != 0) return login;
  int status = 0;
  const auto dictionary = session.Loaded(name, status);
  if (!dictionary) return status;
  const UiLanguage language = session.ui();
  const Vocabulary& vocabulary = dictionary->vocabulary();
  const VocabularyHeader& header = vocabulary.header;
  std::cout << kNameLabel.In(language) << ' ' << Utf8(header.name) << '\n'
            << kKindLabel.In(language) << ' ' << KindDisplayName(header.vocsubtype).In(language)
            << '\n'
            << kDescriptionLabel.In(language) << ' ' << Utf8(header.description) << '\n'
            << kEntriesLabel.In(language) << ' ' << vocabulary.count() << '\n';
  for (int i = 0; i < vocabulary.count(); ++i) {
    const VocabularyEntry& entry = vocabulary.At(i);
    std::cout << ConvertStoredText(entry.source) << " -> " << ConvertStoredText(entry.target);
    if (header.vocsubtype != DictionaryKind::Phrases) {
      std::cout << " (" << AttributeDisplayName(attr::kSCat, entry.scat, entry.scat).In(language)
                << ')';
    }
    std::cout << '\n';
  }
  return 0;
}

struct CreateOptions {
  std::string name;
  std::string kind;
  std::optional<std::string> description;
};

int RunCreate(CliContext& context, const DictOptions& options, const CreateOptions& create) {
  DictSession session(context, options);
  if (const int login = session.LogIn(); login != 0) return login;
  const auto dictionary = session.Dictionary(create.name, DictSession::Kind::New);
  const auto kind = std::ranges::find(kKindNames, create.kind) - kKindNames.begin();
  dictionary->vocabulary().header.vocsubtype = static_cast<DictionaryKind>(kind);
  const auto name = Utf8ToCp1252Strict(create.name);
  int code = name ? dictionary->SetName(*name, true) : dictionary_error::kInvalidName;
  if (code == 0 && create.description) {
    const auto description = Utf8ToCp1252Strict(*create.description);
    if (!description || !dictionary->SetDescription(*description)) code = dictionary_error::kFormat;
  }
  if (code != 0) {
    dictionary->ReportError(DictionaryOperation::Create, code,
                            name ? std::optional<std::string_view>(*name) : std::nullopt, false);
    return DictExitStatus(code);
  }
  code = dictionary->Save(false, false);
  if (code == 0) std::cout << FormatMessage(kCreated, session.ui(), create.name) << '\n';
  return DictExitStatus(code);
}

int RunDelete(CliContext& context, const DictOptions& options, const std::string& name) {
  DictSession session(context, options);
  if (const int login = session.LogIn(); login != 0) return login;
  const auto dictionary = session.Dictionary(name, DictSession::Kind::Listed);
  if (!dictionary) return kDictRefused;
  const int code = dictionary->Remove(false);
  if (code == 0) std::cout << FormatMessage(kDeleted, session.ui(), name) << '\n';
  return DictExitStatus(code);
}

int RunSelect(CliContext& context, const DictOptions& options,
              const std::vector<std::string>& names, bool remember) {
  DictSession session(context, options);
  if (const int login = session.LogIn(); login != 0) return login;
  std::vector<std::string> chosen;
  for (const std::string& name : names)
    chosen.push_back(Utf8ToCp1252Strict(name).value_or(""));
  VocabularySet& set = session.set();
  const std::vector<std::string> unknown = set.ConfirmSelection(chosen, remember);
  for (const std::string& name : unknown)
    PrintError(FormatMessage(kUnknownName, session.ui(), Utf8(name)));
  PrintActive(set, session.ui());
  return unknown.empty() ? 0 : kDictRefused;
}

}  // namespace

void AddDictCommand(CLI::App& app, CliContext& context) {
  auto* dict = app.add_subcommand("dict", "User dictionaries on the service and their selection");
  dict->require_subcommand(1);
  auto options = std::make_shared<DictOptions>();

  auto* list = dict->add_subcommand("list",
                                    "List the dictionaries of a direction; * marks the "
                                    "active ones");
  AddDirectionOption(*list, *options);
  list->callback([&context, options] { context.SetExitStatus(RunList(context, *options)); });

  auto name = std::make_shared<std::string>();
  auto* show = dict->add_subcommand("show", "Show a user dictionary and its entries");
  AddDirectionOption(*show, *options);
  show->add_option("name", *name, "The dictionary")->required();
  show->callback(
      [&context, options, name] { context.SetExitStatus(RunShow(context, *options, *name)); });

  auto create = std::make_shared<CreateOptions>();
  auto* creating = dict->add_subcommand("create", "Create a user dictionary on the service");
  AddDirectionOption(*creating, *options);
  creating->add_option("name", create->name, "The new dictionary's name")->required();
  creating->add_option("--kind", create->kind, "terms, phrases, context-rules or disambiguation")
      ->required()
      ->check(CLI::IsMember(kKindNames));
  creating->add_option("--description", create->description, "A description of the dictionary");
  creating->callback([&context, options, create] {
    context.SetExitStatus(RunCreate(context, *options, *create));
  });

  auto* deleting = dict->add_subcommand("delete", "Remove a user dictionary from the service");
  AddDirectionOption(*deleting, *options);
  deleting->add_option("name", *name, "The dictionary")->required();
  deleting->callback(
      [&context, options, name] { context.SetExitStatus(RunDelete(context, *options, *name)); });

  auto names = std::make_shared<std::vector<std::string>>();
  auto noRemember = std::make_shared<bool>(false);
  auto* select = dict->add_subcommand(
      "select", "Make these dictionaries (at most 10, in order) the ones every translation uses");
  AddDirectionOption(*select, *options);
  select->add_option("names", *names, "Dictionary names")->required();
  select->add_flag("--no-remember", *noRemember, "Keep the selection for this run only");
  select->callback([&context, options, names, noRemember] {
    context.SetExitStatus(RunSelect(context, *options, *names, !*noRemember));
  });

  AddDictEntryCommands(*dict, context, options);
  AddDictFileCommands(*dict, context, options);
}

}  // namespace vorla::cli
