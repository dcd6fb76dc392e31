#include "dictionaries/EntryMessages.h"

namespace vorla {

namespace {

using Key = EntryMessageKey;
constexpr auto kWarning = MessageIcon::Warning;
constexpr auto kInformation = MessageIcon::Information;

// Dialog sets of a table row.
enum Dialogs : unsigned {
  kWord = 1u << static_cast<unsigned>(EntryDialog::Word),
  kPhrase = 1u << static_cast<unsigned>(EntryDialog::Phrase),
  kContextRule = 1u << static_cast<unsigned>(EntryDialog::ContextRule),
  kDisamb = 1u << static_cast<unsigned>(EntryDialog::Disambiguation),
  kRules = kContextRule | kDisamb,
  kAll = kWord | kPhrase | kRules,
};

struct Row {
  Key key;
  unsigned dialogs;
  MessageVariant variant;
  BilingualText text;
  MessageIcon icon;
};

constexpr auto kDefault = MessageVariant::Default;
constexpr auto kAlternative = MessageVariant::Alternative;

constexpr BilingualText kIllegalSourceChar = {"Source word contains an illegal character: @1",
                                              "Lähtökielen sana sisältää kielletyn merkin: @1"};
constexpr BilingualText kIllegalRuleChar = {"Source word contains an illegal character: @1",
                                            "Kohdesana sisältää kielletyn merkin: @1"};
constexpr BilingualText kGenitive = {
    "The source word is in the genitive case. It should be entered in the base form.",
    "Annettu englannin sana on genetiivimuodossa. Sana tulee antaa perusmuodossa."};

constexpr Row kRows[] = {
    {Key::E1,
     kWord,
     kDefault,
     {"The source word contains an illegal character: @1",
      "Lähtökielen sana sisältää kielletyn merkin: @1"},
     kWarning},
    {Key::E1,
     kRules,
     kDefault,
     {"The source word contains an illegal character: @1",
      "Kohdesana sisältää kielletyn merkin: @1"},
     kWarning},
    {Key::E1,
     kPhrase,
     kDefault,
     {"The source phrase contains an illegal character: @1",
      "Lähtökielen fraasi sisältää kielletyn merkin: @1"},
     kWarning},
    {Key::E2,
     kPhrase,
     kDefault,
     {"Source phrase contains illegal characters.",
      "Lähtökielen fraasi sisältää kiellettyjä merkkejä."},
     kWarning},
    {Key::E2,
     kWord | kRules,
     kDefault,
     {"Source word contains illegal characters.",
      "Lähtökielen sana sisältää kiellettyjä merkkejä."},
     kWarning},
    {Key::E2,
     kRules,
     kAlternative,
     {"Source word contains illegal characters.", "Kohdesana sisältää kiellettyjä merkkejä."},
     kWarning},
    {Key::E3, kWord | kPhrase, kDefault, kIllegalSourceChar, kWarning},
    {Key::E3, kRules, kDefault, kIllegalRuleChar, kWarning},
    {Key::E4,
     kAll,
     kDefault,
     {"Source word starts with an illegal character: @1",
      "Lähtökielen sana alkaa kielletyllä merkillä: @1"},
     kWarning},
    {Key::E5,
     kDisamb,
     kDefault,
     {"Source word cannot be a fixed phrase in a disambiguation rule!",
      "Kohdesana ei voi olla sanaliitto disambiguointisäännössä!"},
     kWarning},
    {Key::E5,
     kWord | kPhrase | kContextRule,
     kDefault,
     {"Source word cannot be a fixed phrase in Finnish-English dictionaries!",
      "Lähtökielen sana ei voi olla sanaliitto suomi-englanti-sanastoissa!"},
     kWarning},
    {Key::E6,
     kPhrase,
     kDefault,
     {"The source phrase is too long. Max 400 characters allowed.",
      "Lähtökielen fraasi on liian pitkä. Se voi olla enintään 400 merkkiä pitkä."},
     kWarning},
    {Key::E6,
     kWord | kRules,
     kDefault,
     {"The source word is too long. Max 200 characters allowed.",
      "Lähtökielen sana on liian pitkä. Se voi olla enintään 200 merkkiä pitkä."},
     kWarning},
    {Key::E7,
     kPhrase,
     kDefault,
     {"Please enter the source phrase!", "Anna lähtökielen fraasi!"},
     kInformation},
    {Key::E7,
     kWord,
     kDefault,
     {"Please enter the source word!", "Anna lähtökielen sana!"},
     kInformation},
    {Key::E7, kRules, kDefault, {"Please enter the source word!", "Anna kohdesana!"}, kWarning},
    {Key::E8,
     kPhrase,
     kDefault,
     {"The source phrase is not valid!", "Lähtökielen fraasi ei ole kelvollinen!"},
     kWarning},
    {Key::E8,
     kWord,
     kDefault,
     {"The source word is not valid!", "Lähtökielen sana ei ole kelvollinen!"},
     kWarning},
    {Key::E8,
     kRules,
     kDefault,
     {"The source word is not valid!", "Kohdesana ei ole kelvollinen!"},
     kWarning},
    {Key::E9, kAll, kDefault, kGenitive, kWarning},
    {Key::E10, kWord | kPhrase, kDefault, kIllegalSourceChar, kWarning},
    {Key::E10, kRules, kDefault, kIllegalRuleChar, kWarning},
    {Key::E11,
     kAll,
     kDefault,
     {"Word '@1' is not allowed in user dictionaries!",
      "Sanaa '@1' ei voi käyttää käyttäjän omissa sanastoissa!"},
     kWarning},
    {Key::E12,
     kAll,
     kDefault,
     {"Enter the English verb without preceding 'to'.",
      "Anna englannin kielen verbi ilman edeltävää 'to'-sanaa."},
     kWarning},
    {Key::E13,
     kAll,
     kDefault,
     {"It is recommended to enter the source word without an article.",
      "On suositeltavaa, että englannin sana annetaan ilman artikkelia."},
     kInformation},
    {Key::E14,
     kAll,
     kDefault,
     {"The translation contains an illegal character: @1", "Käännös sisältää kielletyn merkin: @1"},
     kWarning},
    {Key::E15,
     kAll,
     kDefault,
     {"Translation contains an illegal character: @1", "Käännös sisältää kielletyn merkin: @1"},
     kWarning},
    {Key::E16,
     kAll,
     kDefault,
     {"Translation starts with an illegal character: @1", "Käännös alkaa kielletyllä merkillä: @1"},
     kWarning},
    {Key::E17,
     kAll,
     kDefault,
     {"Translation contains illegal characters.", "Käännös sisältää kiellettyjä merkkejä."},
     kWarning},
    {Key::E18,
     kPhrase,
     kDefault,
     {"The translation is too long. Max 400 characters allowed.",
      "Käännös on liian pitkä. Se voi olla enintään 400 merkkiä pitkä."},
     kWarning},
    {Key::E18,
     kWord | kRules,
     kDefault,
     {"The translation is too long. Max 200 characters allowed.",
      "Käännös on liian pitkä. Se voi olla enintään 200 merkkiä pitkä."},
     kWarning},
    {Key::E19, kAll, kDefault, {"Please enter the translation!", "Anna käännös!"}, kInformation},
    {Key::E19,
     kAll,
     kAlternative,
     {"The translation is not valid!", "Käännös ei ole kelvollinen!"},
     kWarning},
    {Key::E20,
     kAll,
     kDefault,
     {"The context words string is too long. Max 400 characters allowed.",
      "Kontekstisanojen merkkijono on liian pitkä. Se voi olla enintään 400 merkkiä pitkä."},
     kWarning},
    {Key::E21,
     kAll,
     kDefault,
     {"Please enter at least one context word!", "Anna vähintään yksi kontekstisana!"},
     kWarning},
    {Key::E22,
     kAll,
     kDefault,
     {"The string for context word translations is too long. Max 400 characters allowed.",
      "Kontekstisanojen käännöksien merkkijono on liian pitkä. Se voi olla enintään 400 merkkiä "
      "pitkä."},
     kWarning},
    {Key::E23,
     kAll,
     kDefault,
     {"Word '@1' already exists in this dictionary!", "Sana '@1' on jo tässä sanastossa!"},
     kInformation},
    {Key::E24,
     kAll,
     kDefault,
     {"The source word is possibly in plural form. It is recommended to use singular form.",
      "Annettu englannin sana on mahdollisesti monikkomuodossa. Sana tulee antaa "
      "yksikkömuodossa."},
     kInformation},
    {Key::E25,
     kAll,
     kDefault,
     {"The source word (verb) is possibly in the 3rd person. It should be entered in the base "
      "form.",
      "Annettu englannin verbi on mahdollisesti 3. persoonassa. Sana tulee antaa perusmuodossa."},
     kInformation},
    {Key::E26, kAll, kDefault, kGenitive, kInformation},
    {Key::E27, kWord | kPhrase, kDefault, kIllegalSourceChar, kWarning},
    {Key::E27, kRules, kDefault, kIllegalRuleChar, kWarning},
    {Key::E28,
     kAll,
     kDefault,
     {"Note! There is a possibly incorrect character in the context words: @1",
      "Huom! Kontekstisana sisältää mahdollisesti virheellisen merkin: @1"},
     kInformation},
    {Key::E29,
     kAll,
     kDefault,
     {"Note! There is a possibly incorrect parameter assignment in the context word "
      "translations.",
      "Huom! Kontekstisanan käännös sisältää mahdollisesti virheellisen "
      "parametriasetuksen/sulkumerkin."},
     kWarning},
};

const Row* FindRow(EntryMessageKey key, EntryDialog dialog, MessageVariant variant) {
  const unsigned bit = 1u << static_cast<unsigned>(dialog);
  for (const Row& row : kRows) {
    if (row.key == key && (row.dialogs & bit) != 0 && row.variant == variant) return &row;
  }
  return nullptr;
}

}  // namespace

EntryMessage MakeEntryMessage(EntryMessageKey key, EntryDialog dialog, MessageVariant variant) {
  const Row* row = FindRow(key, dialog, variant);
  // A variant that the dialog does not tell apart has the key's default text.
  if (!row) row = FindRow(key, dialog, MessageVariant::Default);
  return {key, row->text, row->icon, false, {}};
}

}  // namespace vorla
