#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "translation/DictionaryEntryRtf.h"

namespace vorla {
namespace {

constexpr std::string_view kHead =
    R"({\rtf1\ansi\ansicpg1252\deff0\deflang1035{\fonttbl{\f0\fnil\fcharset0 Calibri;}})"
    R"({\colortbl ;\red90\green90\blue90;}\viewkind4\pard\uc1\fs22 )";

std::string Entry(std::string_view body) {
  return std::string(kHead) + std::string(body) + "\\par";
}

TEST(DictionaryEntryRtf, MeaningsAsRtf) {
  const struct {
    std::string text;
    UiLanguage language;
    std::optional<std::string> rtf;
  } cases[] = {
      {"not a lookup", UiLanguage::English, std::nullopt},
      {"#DICT;", UiLanguage::English, std::nullopt},
      {"#DICT;\r\n1. a (Noun)\r\n", UiLanguage::English, std::nullopt},
      // One meaning of one word: no number and no word class.
      {"#DICT;\n1. koira (Noun)\n", UiLanguage::English, Entry("koira")},
      {"#DICT;\n1. koira, hurtta (Noun,PL)\n", UiLanguage::English,
       Entry(R"(koira, hurtta\cf1\i  (noun, pl)\cf0\i0\par)")},
      {"#DICT;\n1. koira, hurtta (Noun,PL)\n", UiLanguage::Finnish,
       Entry(R"(koira, hurtta\cf1\i  (subst, mon)\cf0\i0\par)")},
      // Without a line feed no line is counted, and the class is shown.
      {"#DICT;\n1. dog (Noun)", UiLanguage::English, Entry(R"(dog\cf1\i  (noun)\cf0\i0\par)")},
      {"#DICT;\n1. run (Verb,Past)\n\r\n2.   running (Noun)\n", UiLanguage::English,
       Entry(R"(\b 1.\b0  run\cf1\i  (verb, past)\cf0\i0\par)"
             R"(\b 2.\b0  running\cf1\i  (noun)\cf0\i0\par)")},
      {"#DICT;\n1. juosta (Verb,Past)\n2. juoksu (Delim)\n", UiLanguage::Finnish,
       Entry(R"(\b 1.\b0  juosta\cf1\i  (verbi, impf)\cf0\i0\par)"
             R"(\b 2.\b0  juoksu\cf1\i  (v\'e4limerkki)\cf0\i0\par)")},
      // Service text escaped, bytes above 0x7F as \'hh.
      {"#DICT;\n1. p\xe4\xe4 {x} \\y (Prop)\n2. b (Abbr)\n", UiLanguage::Finnish,
       Entry(R"(\b 1.\b0  p\'e4\'e4 \{x\} \\y\cf1\i  (erisn)\cf0\i0\par)"
             R"(\b 2.\b0  b\cf1\i  (lyh)\cf0\i0\par)")},
      // The line ends the ". " search: the next line's number is not taken.
      {"#DICT;\nfoo\n2. bar (Noun)\n", UiLanguage::English, Entry("")},
      // A line without " (" ends the entry after its number.
      {"#DICT;\n1. word\n2. x (Noun)\n", UiLanguage::English, Entry(R"(\b 1.\b0  )")},
      // The line ends the ")" search too.
      {"#DICT;\n1. a, b (Noun\n2. c (Verb)\n", UiLanguage::English,
       Entry(R"(\b 1.\b0  a, b\cf1\i  ()")},
      {"#DICT;\n1.   \n", UiLanguage::English, Entry("")},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RenderDictionaryEntry(c.text, c.language, "Calibri", 22), c.rtf) << c.text;
  }
}

TEST(DictionaryEntryRtf, WordClassesAndForms) {
  const struct {
    std::string attributes;
    std::string english;
    std::string finnish;
  } cases[] = {
      {"Adj,Comp", "adj, comp", "adj, komp"},
      {"Adv,Sup", "adv, sup", "adv, superl"},
      {"Adj,Superl", "adj", "adj"},  // ",Sup" counts only as a whole item
      {"Noun,Comp", "noun", "subst"},
      {"Verb,PL,Past", "verb, pl, past", "verbi, mon, impf"},
      {"Verb,Partic2", "verb, past partic", "verbi, 2. partis"},
      {"Verb,Partic", "verb, pres partic", "verbi, 1. partis"},
      // The first ",Partic" is the start of ",Partic2": only that one counts.
      {"Verb,Partic2,Partic", "verb, past partic", "verbi, 2. partis"},
      {"Noun,PLX", "noun, pl", "subst, mon"},  // ",PL" anywhere
      {"Code", "code", "koodi"},
      {"Num,SG", "num", "lukus"},
      {"NoSCat,PL", ", pl", ", mon"},
      {"verb,Past", "", ""},            // exact comparison
      {"Nominal,PL", ", pl", ", mon"},  // no display name beyond the table
      {"HumanNom", "", ""},
      {",PL", ", pl", ", mon"},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    const std::string text = "#DICT;\n1. a, b (" + c.attributes + ")\n";
    EXPECT_EQ(RenderDictionaryEntry(text, UiLanguage::English, "Calibri", 22),
              Entry("a, b\\cf1\\i  (" + c.english + ")\\cf0\\i0\\par"))
        << c.attributes;
    EXPECT_EQ(RenderDictionaryEntry(text, UiLanguage::Finnish, "Calibri", 22),
              Entry("a, b\\cf1\\i  (" + c.finnish + ")\\cf0\\i0\\par"))
        << c.attributes;
  }
}

TEST(DictionaryEntryRtf, AttributeListOfAtLeast256BytesEndsTheEntry) {
  const std::string longest = "Noun," + std::string(250, 'x');  // 255 bytes
  EXPECT_EQ(RenderDictionaryEntry("#DICT;\n1. a, b (" + longest + ")\n", UiLanguage::English,
                                  "Calibri", 22),
            Entry(R"(a, b\cf1\i  (noun)\cf0\i0\par)"));
  EXPECT_EQ(RenderDictionaryEntry("#DICT;\n1. a, b (" + longest + "x)\n", UiLanguage::English,
                                  "Calibri", 22),
            Entry(R"(a, b\cf1\i  ()"));
}

TEST(DictionaryEntryRtf, FontNameAndSize) {
  const struct {
    std::string_view name;
    int size;
    std::string_view head;
  } cases[] = {
      {"Calibri", 22, R"(\f0\fnil\fcharset0 Calibri;}}{\colortbl)"},
      {"", 23, R"(\f0\fnil\fcharset0 Arial;}}{\colortbl)"},
      {"Fo;nt{\\}\xe9;", 22, R"(\f0\fnil\fcharset0 Font\{\\\}\'e9;}}{\colortbl)"},
  };
  for (const auto& c : cases) {
    const std::string rtf = *RenderDictionaryEntry("#DICT;\n", UiLanguage::English, c.name, c.size);
    EXPECT_NE(rtf.find(c.head), std::string::npos) << rtf;
    EXPECT_TRUE(rtf.ends_with("\\fs" + std::to_string(c.size) + " \\par")) << rtf;
  }
  for (const int size : {0, -4}) {
    EXPECT_TRUE(RenderDictionaryEntry("#DICT;\n", UiLanguage::English, "Calibri", size)
                    ->ends_with("\\fs20 \\par"));
  }
}

}  // namespace
}  // namespace vorla
