#include "dictionaries/RuleTypes.h"

#include "dictionaries/AttributeCodes.h"

namespace vorla {

namespace {

struct RuleTypeName {
  int code;
  BilingualText name;
};

// In the lookup order of the exchange formats.
constexpr RuleTypeName kRuleTypeNames[] = {
    {rule_type::kVerbObject, {"Verb/Object", "Verbi/Objekti"}},
    {rule_type::kVerbSubject, {"Verb/Subject", "Verbi/Subjekti"}},
    {rule_type::kNounAdjAttr, {"Noun/AdjAttr", "Subst/AdjAttr"}},
    {rule_type::kAdjNoun, {"Adj/Noun", "Adj/Subst"}},
    {rule_type::kContextWord, {"ContextWord", "Kontekstisana"}},
    {rule_type::kNounMatAttr, {"Noun/MatAttr", "Subst/MatAttr"}},
    {rule_type::kNounLeftNoun, {"Noun/LeftNoun", "Subst/EdeltäväSubst"}},
    {rule_type::kNounLeftVerb, {"Noun/LeftVerb", "Subst/EdeltäväVerbi"}},
    {rule_type::kNounRightNoun, {"Noun/RightNoun", "Subst/SeuraavaSubst"}},
    {rule_type::kNounRightPrep, {"Noun/RightPrep", "Subst/SeuraavaPrep"}},
    {rule_type::kVerbLeftNoun, {"Verb/LeftNoun", "Verbi/EdeltäväSubst"}},
    {rule_type::kVerbRightNoun, {"Verb/RightNoun", "Verbi/SeuraavaSubst"}},
    {rule_type::kVerbRightPrep, {"Verb/RightPrep", "Verbi/SeuraavaPrep"}},
    {rule_type::kVerbRightAdv, {"Verb/RightAdv", "Verbi/SeuraavaAdv"}},
    {rule_type::kAdjRightNoun, {"Adj/RightNoun", "Adj/SeuraavaSubst"}},
};

}  // namespace

bool IsContextRuleType(int code) {
  return (code >= rule_type::kVerbObject && code <= rule_type::kUnnamed155) ||
         code == rule_type::kNounMatAttr;
}

bool IsDisambRuleType(int code) {
  return code >= rule_type::kNounLeftNoun && code <= rule_type::kVerbLeftNoun;
}

bool IsRuleTypeOf(DictionaryKind kind, int code) {
  switch (kind) {
    case DictionaryKind::ContextRules:
      return IsContextRuleType(code);
    case DictionaryKind::Disambiguation:
      return IsDisambRuleType(code);
    case DictionaryKind::Normal:
    case DictionaryKind::Phrases:
      break;
  }
  return false;
}

BilingualText RuleTypeExchangeName(int code) {
  for (const RuleTypeName& row : kRuleTypeNames) {
    if (row.code == code) return row.name;
  }
  return {};
}

std::optional<int> FindRuleType(std::string_view name) {
  for (const RuleTypeName& row : kRuleTypeNames) {
    if (row.name.english == name || row.name.finnish == name) return row.code;
  }
  return std::nullopt;
}

int ContextRuleWordClass(int code) {
  switch (code) {
    case rule_type::kVerbObject:
    case rule_type::kVerbSubject:
      return word_class::kVerb;
    case rule_type::kNounAdjAttr:
    case rule_type::kUnnamed155:
    case rule_type::kNounMatAttr:
      return word_class::kNoun;
    case rule_type::kAdjNoun:
      return word_class::kAdj;
    default:
      return word_class::kNoSCat;
  }
}

int DisambRuleWordClass(int code) {
  switch (code) {
    case rule_type::kVerbLeftNoun:
    case rule_type::kVerbRightNoun:
    case rule_type::kVerbRightPrep:
    case rule_type::kVerbRightAdv:
      return word_class::kVerb;
    case rule_type::kAdjRightNoun:
      return word_class::kAdj;
    default:
      return word_class::kNoun;
  }
}

}  // namespace vorla
