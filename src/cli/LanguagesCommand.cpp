#include <iostream>

#include "cli/Commands.h"
#include "common/Bilingual.h"
#include "translation/FurtherLanguages.h"
#include "translation/LanguageNames.h"

namespace vorla::cli {

namespace {

constexpr BilingualText kLocalHeading{"Languages of the local pairs:", "Peruskieliparien kielet:"};
constexpr BilingualText kFirstListHeading{
    "Further languages, first list (account type 3):",
    "Lisäkielet, ensimmäinen luettelo (käyttäjätilin tyyppi 3):"};
constexpr BilingualText kSecondListHeading{"Further languages, second list (account type 4):",
                                           "Lisäkielet, toinen luettelo (käyttäjätilin tyyppi 4):"};

void PrintLanguage(std::ostream& out, int code, std::string_view name) {
  out << "  " << code << ' ' << name << '\n';
}

// Every language code with its name, the further lists in the order the language dialog
// shows them in the UI language.
void PrintLanguages(UiLanguage language, std::ostream& out) {
  out << kLocalHeading.In(language) << '\n';
  for (const int code : {kLanguageEnglish, kLanguageFinnish, kLanguageSwedish}) {
    PrintLanguage(out, code, LanguageName(code, language));
  }
  const struct {
    const BilingualText& heading;
    LanguageFamily list;
  } lists[] = {{kFirstListHeading, LanguageFamily::FirstList},
               {kSecondListHeading, LanguageFamily::SecondList}};
  for (const auto& list : lists) {
    out << '\n' << list.heading.In(language) << '\n';
    for (const FurtherLanguage* further : FurtherLanguagesInOrder(list.list, language)) {
      PrintLanguage(out, further->code, further->name.In(language));
    }
  }
}

}  // namespace

void AddLanguagesCommand(CLI::App& app, CliContext& context) {
  app.add_subcommand("languages", "List the language codes and their names")->callback([&context] {
    PrintLanguages(context.ui(), std::cout);
  });
}

}  // namespace vorla::cli
