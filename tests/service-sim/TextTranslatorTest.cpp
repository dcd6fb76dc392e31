#include <gtest/gtest.h>

#include "DictionaryLookup.h"
#include "TextTranslator.h"
#include "common/Utf8.h"

namespace vorla::sim {
namespace {

std::string TranslatedParagraph(std::string_view text, WordMode mode) {
  TextTranslator translator(std::move(mode));
  return translator.Translate(text);
}

TEST(TextTranslator, TranslatesWordByWordKeepingCaseAndPunctuation) {
  struct Case {
    WordDirection direction;
    std::string source;
    std::string translation;
  };
  const Case cases[] = {
      {WordDirection::EnglishFinnish, "The house is big.", "Talo on iso."},
      {WordDirection::EnglishFinnish, "THE HOUSE IS BIG!", "TALO ON ISO!"},
      {WordDirection::EnglishFinnish, "Hello, my friend: it is cold (very cold)?",
       "Hei, minun ystävä: se on kylmä (erittäin kylmä)?"},
      // "I" and the days keep the list's form within a sentence, a capital at its start
      {WordDirection::EnglishFinnish, "I came on Monday and I saw a dog.",
       "Minä tuli päällä maanantai ja minä näki koira."},
      {WordDirection::EnglishFinnish, "Monday, 12 May", "Maanantai, 12 toukokuu"},
      // left-out words take the blanks before them, or after them at a sentence start
      {WordDirection::EnglishFinnish, "I want to go to the city.", "Minä haluta mennä kaupunki."},
      {WordDirection::EnglishFinnish, "Go to.  The end", "Mennä.  Loppu"},
      {WordDirection::EnglishFinnish, "(the dog)", "(koira)"},
      {WordDirection::FinnishEnglish, "Talo on iso. Minä olen täällä.", "House is big. I am here."},
      {WordDirection::FinnishEnglish, "suomi ja Suomi", "Finnish and Finland"},
      {WordDirection::EnglishSwedish, "The dog and a cat live in Sweden.",
       "Hund och en katt bo i Sverige."},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TranslatedParagraph(c.source, {.direction = c.direction}), c.translation) << c.source;
  }
}

TEST(TextTranslator, MarksUnknownWordsUnlessAskedNotTo) {
  const std::string source = "The xyzzy's cat ate plugh3 and 42 fish.";
  EXPECT_EQ(TranslatedParagraph(source, {.direction = WordDirection::EnglishFinnish}),
            "Xyzzy's? kissa söi plugh3? ja 42 kala.");
  EXPECT_EQ(TranslatedParagraph(source,
                                {.direction = WordDirection::EnglishFinnish, .markUnknown = false}),
            "Xyzzy's kissa söi plugh3 ja 42 kala.");
}

TEST(TextTranslator, KeepsTheWordsOfAnUncoveredPairBehindTheTag) {
  EXPECT_EQ(TranslatedParagraph("Привет, the house.", {.tag = "[ru] "}), "[ru] Привет, the house.");
}

// The source and translation of every sentence, cut out at the positions noted, as a pane
// with one character for each paragraph break counts them.
std::vector<std::pair<std::u16string, std::u16string>> AlignedTexts(
    const std::vector<std::string>& paragraphs, const WordMode& mode) {
  TextTranslator translator(mode);
  std::u16string source;
  std::u16string target;
  for (const std::string& paragraph : paragraphs) {
    source += Utf8ToUtf16(paragraph) + u"\n";
    target += Utf8ToUtf16(translator.Translate(paragraph)) + u"\n";
    translator.EndParagraph();
  }
  std::vector<std::pair<std::u16string, std::u16string>> texts;
  for (const AlignedSentence& s : translator.sentences()) {
    texts.emplace_back(source.substr(s.sourceStart, s.sourceEnd - s.sourceStart),
                       target.substr(s.targetStart, s.targetEnd - s.targetStart));
  }
  return texts;
}

TEST(TextTranslator, NotesWhereEachSentenceLiesOnBothSides) {
  const auto texts = AlignedTexts(
      {"The dog is here.  Is it big? Yes! 1.5 tonnes", "", "  Go to the lake... now", "😀 ok."},
      {.direction = WordDirection::EnglishFinnish});
  const std::vector<std::pair<std::u16string, std::u16string>> expected = {
      {u"The dog is here.", u"Koira on täällä."},
      {u"Is it big?", u"On se iso?"},
      {u"Yes!", u"Kyllä!"},
      {u"1.5 tonnes", u"1.5 tonnes?"},
      {u"Go to the lake...", u"Mennä järvi..."},
      {u"now", u"nyt"},
      {u"😀 ok.", u"😀 ok?."},
  };
  EXPECT_EQ(texts, expected);

  const auto tagged = AlignedTexts({"Hello world. Bye"}, {.tag = "[de] "});
  EXPECT_EQ(tagged, (std::vector<std::pair<std::u16string, std::u16string>>{
                        {u"Hello world.", u"Hello world."}, {u"Bye", u"Bye"}}));
}

TEST(TextTranslator, CountsAnObjectAsOneCharacterOfTheSentence) {
  TextTranslator translator({.direction = WordDirection::EnglishFinnish});
  EXPECT_EQ(translator.Translate("A dog "), "Koira ");
  translator.CountObject();
  EXPECT_EQ(translator.Translate(" run."), " juosta.");
  translator.EndParagraph();
  EXPECT_EQ(translator.sentences(), (std::vector<AlignedSentence>{{0, 12, 0, 15}}));
}

TEST(DictionaryLookup, ListsEveryMeaningWithItsClasses) {
  struct Case {
    std::string word;
    WordDirection direction;
    std::optional<std::string> entry;
  };
  const Case cases[] = {
      {"work", WordDirection::EnglishFinnish, "#DICT;\n1. työ (Noun)\n2. työskennellä (Verb)\n"},
      {" Saw\r\n", WordDirection::EnglishFinnish, "#DICT;\n1. näki (Verb,Past)\n2. saha (Noun)\n"},
      {"better", WordDirection::EnglishSwedish, "#DICT;\n1. bättre (Adj,Comp)\n"},
      {"kaupunki", WordDirection::FinnishEnglish, "#DICT;\n1. city (Noun)\n2. town (Noun)\n"},
      {"the", WordDirection::EnglishFinnish, std::nullopt},  // Finnish has no article
      {"xyzzy", WordDirection::EnglishFinnish, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DictionaryEntry(c.word, c.direction), c.entry) << c.word;
  }
}

}  // namespace
}  // namespace vorla::sim
