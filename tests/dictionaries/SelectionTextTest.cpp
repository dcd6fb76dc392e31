#include <gtest/gtest.h>

#include "dictionaries/RuleTypes.h"
#include "dictionaries/SelectionText.h"

namespace vorla {
namespace {

TEST(PrepareSelectionText, ByRuleType) {
  struct Case {
    int ruleType;
    std::string_view selected;
    std::string_view source;
    std::string_view context;
  };
  const Case cases[] = {
      {rule_type::kNone, "to\tgo\r\n", "go ", ""},
      {rule_type::kNone, "To be", "be", ""},
      {rule_type::kNone, "to", "to", ""},
      {rule_type::kNone, "the house", "house", ""},
      {rule_type::kNone, "The x", "x", ""},
      {rule_type::kNone, "the ", "the ", ""},  // "the " needs 5 characters
      {rule_type::kNone, "An owl", "owl", ""},
      {rule_type::kNone, "AN owl", "AN owl", ""},  // the second letter stays lower case
      {rule_type::kNone,
       "a\xA0"
       "big\xAD dog",
       "big dog", ""},
      {rule_type::kNone, "Their house", "house", ""},
      {rule_type::kNone, "his ", "his ", ""},  // nothing would remain
      {rule_type::kNone, "the my car", "car", ""},
      {rule_type::kVerbSubject, "to run fast", "run fast", "to"},  // "to " only for verbs
      {rule_type::kVerbObject, "to eat an apple", "eat", "apple"},
      {rule_type::kVerbObject, "read the book a day", "read the book", "day"},
      {rule_type::kVerbObject, "give up smoking", "give", "up smoking"},
      {rule_type::kVerbObject, "eat", "eat", ""},
      {rule_type::kVerbObject, "take their car", "take", "car"},
      {rule_type::kVerbSubject, "dog barks loudly", "barks loudly", "dog"},
      {rule_type::kVerbSubject, "An dog barks", "barks", "dog"},
      {rule_type::kVerbSubject, "barks", "barks", ""},
      {rule_type::kNounAdjAttr, "red car", "car", "red"},
      {rule_type::kNounAdjAttr, "a very red car", "red car", "very"},
      {rule_type::kAdjNoun, "heavy rain fall", "heavy", "rain fall"},
      {rule_type::kNounMatAttr, "table of an oak", "table", "oak"},
      {rule_type::kNounMatAttr, "bag for the shopping", "bag", "shopping"},
      {rule_type::kNounMatAttr, "bag For shopping", "bag For shopping", ""},
      {rule_type::kContextWord, "river bank", "river bank", ""},
  };
  for (const Case& c : cases) {
    std::string source(c.selected);
    std::string translation = " joki\t\xA0ranta\r";
    std::string context = "stale";
    PrepareSelectionText(source, translation, context, c.ruleType);
    EXPECT_EQ(source, c.source) << c.selected << " / " << c.ruleType;
    EXPECT_EQ(context, c.context) << c.selected << " / " << c.ruleType;
    EXPECT_EQ(translation, " joki ranta");
  }
}

}  // namespace
}  // namespace vorla
