#include "dictionaries/exchange/ImportNoteMessages.h"

#include "common/Bilingual.h"
#include "dictionaries/VocabularyEntry.h"
#include "dictionaries/exchange/ExchangeFormat.h"
#include "dictionaries/exchange/ImportNotes.h"

namespace vorla {
namespace {

namespace n = import_note;

constexpr int kDescriptionLimit = 512;

std::string Text(BilingualText text, UiLanguage language) {
  return std::string(text.In(language));
}

std::string WithNumber(BilingualText text, int number, UiLanguage language) {
  std::string out = Text(text, language);
  out.replace(out.find("%d"), 2, std::to_string(number));
  return out;
}

std::string Note(std::uint32_t bit, int format, DictionaryKind kind, int srclan,
                 UiLanguage language) {
  const bool terms = kind == DictionaryKind::Normal;
  switch (bit) {
    case n::kInvalidEntry:
      return Text({"Note! The imported file contains invalid entries. These entries are not "
                   "imported.",
                   terms ? "Huom! Ladattava tiedosto sisältää virheellisesti merkittyjä sanoja. "
                           "Näitä ei tuoda sanastoon."
                         : "Huom! Ladattava tiedosto sisältää virheellisesti merkittyjä fraaseja. "
                           "Nämä hypätään yli."},
                  language);
    case n::kTooLong:
      if (terms && format != exchange_format::kTmx) {
        return Text({"Note! The imported file contains words that are too long. These words are "
                     "not imported.",
                     "Huom! Ladattava tiedosto sisältää joitakin liian pitkiä sanoja. Näitä ei "
                     "tuoda sanastoon."},
                    language);
      }
      return WithNumber(
          {"Note! The imported file contains phrases that are too long. These phrases are not "
           "imported. The maximum allowed phrase length is %d characters.",
           "Huom! Ladattava tiedosto sisältää joitakin liian pitkiä fraaseja. Nämä hypätään yli. "
           "Suurin sallittu fraasin pituus on %d merkkiä."},
          static_cast<int>(entry_limit::kField + 1), language);
    case n::kFixedPhrase:
      return Text({"Note! The imported file contains fixed phrases which cannot be used in "
                   "Finnish-English user dictionaries. These entries are not imported.",
                   "Huom! Ladattava tiedosto sisältää sanaliittoja, joita ei voida käyttää "
                   "suomi-englanti-käyttäjäsanastoissa. Näitä ei tuoda sanastoon."},
                  language);
    case n::kWordClass: {
      std::string text = Text({"Note! The imported file contains word classes that are not "
                               "supported.",
                               "Huom! Ladattavassa tiedostossa on sanaluokkia, joita ei tueta."},
                              language);
      if (srclan == language::kEnglish) {
        text += Text({" English-Finnish user dictionaries can contain only nouns, proper nouns, "
                      "adjectives, adverbs and verbs. Other word classes are not imported.",
                      " Englanti-suomi-käyttäjäsanastoissa voi olla vain substantiiveja, "
                      "erisnimiä, adjektiiveja, adverbeja ja verbejä. Muiden sanaluokkien sanoja "
                      "ei tuoda sanastoon."},
                     language);
      } else if (srclan == language::kFinnish) {
        text += Text({" Finnish-English user dictionaries can contain only nouns. Other word "
                      "classes are not imported.",
                      " Suomi-englanti-käyttäjäsanastoissa voi olla vain substantiiveja. Muiden "
                      "sanaluokkien sanoja ei tuoda sanastoon."},
                     language);
      }
      return text;
    }
    case n::kDescriptionCut:
      return WithNumber({"Note! The description text of the imported dictionary was truncated "
                         "to %d characters.",
                         "Huom! Ladatun sanaston kuvausteksti katkaistiin %d merkin rajaan."},
                        kDescriptionLimit, language);
    case n::kRuleType:
      return Text({"Note! The imported file contains rules that have an invalid rule type. These "
                   "rules are not imported.",
                   "Huom! Ladattava tiedosto sisältää sääntöjä, joissa on virheellinen "
                   "sääntötyyppi. Nämä säännöt hypätään yli."},
                  language);
    case n::kContextWords:
      return Text({"Note! The imported file contains rules that have invalid context words.",
                   "Huom! Ladattava tiedosto sisältää sääntöjä, joissa on virheellisesti "
                   "merkittyjä kontekstisanoja."},
                  language);
    case n::kNoContextWords:
      return Text({"Note! The imported file contains rules that have no context words.",
                   "Huom! Ladattava tiedosto sisältää sääntöjä, joissa kontekstisanoja ei ole "
                   "annettu."},
                  language);
    case n::kContextTooLong:
      return Text({"Note! The imported file contains rules with too long context word strings. "
                   "These strings are truncated.",
                   "Huom! Ladattava tiedosto sisältää sääntöjä, joissa kontekstisanojen "
                   "merkkijono on liian pitkä. Nämä merkkijonot katkaistaan."},
                  language);
    case n::kContextParameters:
      return Text({"Note! The imported file contains rules that have invalid parameters in "
                   "context word translations.",
                   "Huom! Ladattava tiedosto sisältää sääntöjä, joissa on virheellisesti "
                   "merkittyjä parametreja kontekstisanojen käännöksissä."},
                  language);
    default:
      return {};
  }
}

// The order of the notes for a format; a pair stands for "the first, or else the rest".
std::vector<std::uint32_t> Order(std::uint32_t notes, int format) {
  const bool context = notes & n::kContextWords;
  std::vector<std::uint32_t> order;
  const auto contextNotes = [&] {
    if (context) {
      order.push_back(n::kContextWords);
    } else {
      order.push_back(n::kContextParameters);
      order.push_back(n::kContextTooLong);
    }
  };
  switch (format) {
    case exchange_format::kTmx:
      order = {n::kInvalidEntry, n::kTooLong, n::kDescriptionCut};
      break;
    case exchange_format::kXml:
      order = {n::kInvalidEntry, n::kTooLong, n::kRuleType};
      contextNotes();
      order.insert(order.end(), {n::kNoContextWords, n::kFixedPhrase, n::kDescriptionCut});
      break;
    default:  // CSV and XLSX
      order.push_back((notes & n::kInvalidEntry) ? n::kInvalidEntry : n::kTooLong);
      order.push_back(n::kRuleType);
      contextNotes();
      order.insert(order.end(), {n::kNoContextWords, n::kFixedPhrase, n::kWordClass});
      break;
  }
  return order;
}

}  // namespace

std::vector<std::string> ImportNoteMessages(std::uint32_t notes, int format, DictionaryKind kind,
                                            int srclan, UiLanguage language) {
  std::vector<std::string> messages;
  for (std::uint32_t bit : Order(notes, format))
    if (notes & bit) messages.push_back(Note(bit, format, kind, srclan, language));
  return messages;
}

std::string TruncatedImportMessage(DictionaryKind kind, int limit, UiLanguage language) {
  if (language == UiLanguage::English) {
    return "The imported file contains more entries than the maximum allowed number " +
           std::to_string(limit) + ". The dictionary was truncated.";
  }
  return std::string("Tuotu tiedosto sisältää enemmän ") +
         (kind == DictionaryKind::Normal ? "sanoja" : "fraaseja") + " kuin suurin sallittu määrä " +
         std::to_string(limit) + ". Sanasto katkaistiin vastaamaan suurinta sallittua kokoa.";
}

}  // namespace vorla
