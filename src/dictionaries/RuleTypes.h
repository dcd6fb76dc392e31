#pragma once

#include <optional>
#include <string_view>

#include "common/Bilingual.h"
#include "dictionaries/DictionaryKind.h"

namespace vorla {

// Rule types (`ruletype`): context rules 150 to 157, disambiguation rules 167 to 175.
namespace rule_type {
inline constexpr int kNone = 0;
inline constexpr int kVerbObject = 150;
inline constexpr int kVerbSubject = 151;
inline constexpr int kNounAdjAttr = 152;
inline constexpr int kAdjNoun = 153;
inline constexpr int kContextWord = 154;
inline constexpr int kUnnamed155 = 155;  // stored by older rules, shown like Noun/MatAttr
inline constexpr int kNounMatAttr = 157;
inline constexpr int kNounLeftNoun = 167;
inline constexpr int kNounLeftVerb = 168;
inline constexpr int kNounRightNoun = 169;
inline constexpr int kVerbRightNoun = 170;
inline constexpr int kNounRightPrep = 171;
inline constexpr int kVerbRightPrep = 172;
inline constexpr int kVerbRightAdv = 173;
inline constexpr int kAdjRightNoun = 174;
inline constexpr int kVerbLeftNoun = 175;
}  // namespace rule_type

// Whether a context-rule record may carry the type (150 to 155 and 157).
bool IsContextRuleType(int code);
// Whether a disambiguation record may carry the type (167 to 175).
bool IsDisambRuleType(int code);
// Whether a rule of the dictionary kind may carry the type; false for the kinds without rules.
bool IsRuleTypeOf(DictionaryKind kind, int code);

// The exchange name of a rule type (XML ruletype, CSV "[Type]"); empty texts for a code
// without one (155 included).
BilingualText RuleTypeExchangeName(int code);
// The type whose English or Finnish exchange name equals the text, in the table's order.
std::optional<int> FindRuleType(std::string_view name);

// The word class that a context rule type implies: Verb for Verb/Object and Verb/Subject,
// Noun for Noun/AdjAttr and Noun/MatAttr (155 too), Adjective for Adj/Noun; 0 for the others
// (a ContextWord rule keeps the word class it was given).
int ContextRuleWordClass(int code);
// The word class that a disambiguation rule type implies: Noun, Verb or Adjective.
int DisambRuleWordClass(int code);

}  // namespace vorla
