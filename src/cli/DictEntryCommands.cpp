// `vorla dict add` and `vorla dict remove-entry`: one load, one change and one save each.
#include <iostream>
#include <map>
#include <memory>
#include <string>

#include "cli/DictSupport.h"
#include "common/Bilingual.h"
#include "common/Utf8.h"
#include "dictionaries/AttributeCodes.h"
#include "dictionaries/EntryAcceptance.h"
#include "dictionaries/TypedText.h"
#include "dictionaries/WordDialogDefaults.h"

namespace vorla::cli {

namespace {

constexpr BilingualText kRuleDictionary{
    "Entries of context-rule and disambiguation dictionaries are added in the dictionary "
    "editor; the command line adds to Terms and Phrases dictionaries.",
    "Kontekstisääntö- ja disambiguointisanastoihin lisätään sääntöjä sanastoeditorissa; "
    "komentoriviltä voi lisätä sanoja ja fraaseja."};
constexpr BilingualText kNounsOnly{"Finnish-to-English terms are nouns only.",
                                   "Suomi-englanti-sanastossa sanat ovat substantiiveja."};
constexpr BilingualText kAdded{"Added to '@1'.", "Lisätty sanastoon '@1'."};
constexpr BilingualText kRemoved{"Removed from '@1'.", "Poistettu sanastosta '@1'."};
constexpr BilingualText kNoEntry{"The dictionary has no entry '@1'.",
                                 "Sanastossa ei ole sanaa '@1'."};

const std::map<std::string, int> kWordClasses = {{"noun", word_class::kNoun},
                                                 {"proper-noun", word_class::kProp},
                                                 {"verb", word_class::kVerb},
                                                 {"adjective", word_class::kAdj},
                                                 {"adverb", word_class::kAdv}};

struct AddOptions {
  std::string name;
  std::string source;
  std::string translation;
  std::string wordClass = "noun";
};

// The dialog's messages in order: notes on the standard output, a blocking one on the error.
bool ShowMessages(const EntryAcceptance& accepted, UiLanguage language) {
  for (const EntryMessage& message : accepted.messages) {
    if (message.blocks) {
      PrintError(message.Format(language));
    } else {
      std::cout << message.Format(language) << '\n';
    }
  }
  return accepted.Accepted();
}

int RunAdd(CliContext& context, const DictOptions& options, const AddOptions& add) {
  DictSession session(context, options);
  if (const int login = session.LogIn(); login != 0) return login;
  const UiLanguage language = session.ui();
  int status = 0;
  const auto dictionary = session.Loaded(add.name, status);
  if (!dictionary) return status;
  Vocabulary& vocabulary = dictionary->vocabulary();
  const DictionaryKind kind = vocabulary.header.vocsubtype;
  if (kind != DictionaryKind::Normal && kind != DictionaryKind::Phrases) {
    PrintError(kRuleDictionary.In(language));
    return kDictRefused;
  }
  EntryForm form;
  form.source = add.source;
  form.translation = add.translation;
  form.wordClass = kWordClasses.at(add.wordClass);
  if (kind == DictionaryKind::Normal &&
      session.direction() == DictionaryDirection::FinnishEnglish &&
      form.wordClass != word_class::kNoun) {
    PrintError(kNounsOnly.In(language));
    return kDictRefused;
  }
  const EntryAcceptance accepted = AcceptEntry(vocabulary, form, -1);
  if (!ShowMessages(accepted, language)) return kDictRefused;
  if (kind == DictionaryKind::Normal) ApplyWordDialogDefaults(vocabulary.At(accepted.position));
  dictionary->MarkModified();
  const int code = dictionary->Save(false, false);
  if (code == 0) std::cout << FormatMessage(kAdded, language, add.name) << '\n';
  return DictExitStatus(code);
}

int RunRemoveEntry(CliContext& context, const DictOptions& options, const std::string& name,
                   const std::string& source) {
  DictSession session(context, options);
  if (const int login = session.LogIn(); login != 0) return login;
  const UiLanguage language = session.ui();
  const TypedText typed = ConvertTypedText(source, TextSide::Source);
  if (typed.result == TypedTextResult::IllegalChar) {
    EntryMessage message = MakeEntryMessage(EntryMessageKey::E1, EntryDialog::Word);
    AppendUtf8(message.argument, typed.offending);
    PrintError(message.Format(language));
    return kDictRefused;
  }
  int status = 0;
  const auto dictionary = session.Loaded(name, status);
  if (!dictionary) return status;
  Vocabulary& vocabulary = dictionary->vocabulary();
  bool removed = false;
  for (int i = vocabulary.count() - 1; i >= 0; --i) {
    if (vocabulary.At(i).source == typed.bytes) removed = vocabulary.RemoveAt(i) || removed;
  }
  if (!removed) {
    PrintError(FormatMessage(kNoEntry, language, source));
    return kDictRefused;
  }
  dictionary->MarkModified();
  const int code = dictionary->Save(false, false);
  if (code == 0) std::cout << FormatMessage(kRemoved, language, name) << '\n';
  return DictExitStatus(code);
}

}  // namespace

void AddDictEntryCommands(CLI::App& dict, CliContext& context,
                          const std::shared_ptr<DictOptions>& options) {
  auto add = std::make_shared<AddOptions>();
  auto* adding = dict.add_subcommand(
      "add", "Add a term or a phrase to a Terms or Phrases dictionary, as the word dialog does");
  AddDirectionOption(*adding, *options);
  adding->add_option("name", add->name, "The dictionary")->required();
  adding->add_option("source", add->source, "The source word, term or phrase")->required();
  adding->add_option("translation", add->translation, "Its translation")->required();
  std::vector<std::string> classes;
  for (const auto& [word, value] : kWordClasses)
    classes.push_back(word);
  adding
      ->add_option("--class", add->wordClass,
                   "noun, proper-noun, verb, adjective or adverb (terms; default noun)")
      ->check(CLI::IsMember(classes));
  adding->callback(
      [&context, options, add] { context.SetExitStatus(RunAdd(context, *options, *add)); });

  auto name = std::make_shared<std::string>();
  auto source = std::make_shared<std::string>();
  auto* removing = dict.add_subcommand("remove-entry", "Remove the entries of a source");
  AddDirectionOption(*removing, *options);
  removing->add_option("name", *name, "The dictionary")->required();
  removing->add_option("source", *source, "The source of the entries to remove")->required();
  removing->callback([&context, options, name, source] {
    context.SetExitStatus(RunRemoveEntry(context, *options, *name, *source));
  });
}

}  // namespace vorla::cli
