#include "dictionaries/AttributeValues.h"

#include <span>
#include <string_view>

#include "dictionaries/AttributeCodes.h"

namespace vorla {

namespace {

using Names = std::span<const std::string_view>;

constexpr std::string_view kWordClassNames[] = {
    "NoSCat", "Abbr", "Adj",  "Adv",  "Art",  "Code", "Conj",    "Delim",
    "Noun",   "Num",  "Prep", "Pron", "Prop", "Verb", "Nominal", "HumanNom",
};
constexpr std::string_view kSubCatNames[] = {
    "NoSubCat",    "Trans",     "Trans2",    "Cogn",        "InfObj1",  "InfObj2",
    "ModAV",       "AuxV",      "Ord",       "Quant",       "InfA",     "SentA",
    "SentPrep",    "Title",     "PostAttr",  "PostTgtAttr", "PersPron", "DetPron",
    "PossPron",    "ReflPron",  "NounPron",  "RelA",        "IntAdv",   "ModAdv",
    "DiscAdv",     "CoordConj", "Year",      "Date",        "Age",      "Decimal",
    "NegativeInt", "Time",      "TelNumber", "TrPart",      "TrAcc",    "UnicodeSymbol",
};
constexpr std::string_view kCompNNames[] = {"NoCompN", "NAND", "NAGD", "NANA",
                                            "NAGA",    "PANA", "PAPA"};
constexpr std::string_view kSemActNames[] = {"Inact",   "Human",  "Animal",  "Plant",   "Machine",
                                             "Organiz", "ClAnim", "ClIntel", "ClAnyAct"};
constexpr std::string_view kSemSpatNames[] = {"Solid",  "Volume", "Plane", "Line",   "Point",
                                              "Liquid", "Gas",    "Abstr", "Cl3Dim", "ClAnySpat"};
constexpr std::string_view kNumberNames[] = {"SG", "PL"};
constexpr std::string_view kInflectionNames[] = {
    "NormInfl", "NoInfl",  "EN",   "OJA",  "ITA", "IA",   "OITA",   "DEN",     "KSEN", "EEN",
    "FORGN",    "Nor",     "Nar",  "Ner",  "Nr",  "Nn",   "N0",     "Ns",      "NoPL", "NoSG",
    "Nirreg",   "GenOnly", "AdjN", "Vade", "VDe", "Vdde", "Virreg", "AdjInfl",
};
constexpr std::string_view kGradationNames[] = {"NormGrade", "IrrGrade", "NoGrade"};
constexpr std::string_view kCaseNames[] = {
    "Nom", "Gen", "Acc",    "Part",  "In", "El",  "Ill",  "Ad",      "Abl",
    "All", "Ess", "Transl", "Instr", "Ab", "Com", "FNom", "ReflAcc", "Genom",
};

Names TableOf(int code) {
  switch (code) {
    case attr::kSCat:
      return kWordClassNames;
    case attr::kSubCat:
      return kSubCatNames;
    case attr::kCompN:
      return kCompNNames;
    case attr::kSemAct:
      return kSemActNames;
    case attr::kSemSpat:
      return kSemSpatNames;
    case attr::kNumber:
      return kNumberNames;
    case attr::kTgtInfl:
    case attr::kTgtDInfl:
      return kInflectionNames;
    case attr::kTgtGrade:
      return kGradationNames;
    case attr::kTgtGCase:
      return kCaseNames;
    default:
      return {};
  }
}

bool IsNumericAttribute(int code) {
  return code == attr::kTgtAdjAttr || code == attr::kTgtTr;
}

// The table name as both texts, for values whose display name is the engine's name.
BilingualText SameInBoth(int code, int value) {
  const std::string_view name = TableOf(code)[static_cast<std::size_t>(value)];
  return {name, name};
}

BilingualText WordClassDisplayName(int value) {
  switch (value) {
    case word_class::kAdj:
      return {"Adjective", "Adjektiivi"};
    case word_class::kAdv:
      return {"Adverb", "Adverbi"};
    case word_class::kNoun:
      return {"Noun", "Substantiivi"};
    case word_class::kProp:
      return {"Proper noun", "Erisnimi"};
    case word_class::kVerb:
      return {"Verb", "Verbi"};
    default:
      return {};
  }
}

BilingualText SubCatDisplayName(int value, int scat) {
  constexpr int kTrans2 = 2;
  constexpr int kAuxV = 7;
  constexpr int kTitle = 13;
  if (scat == word_class::kVerb) {
    if (value == 0) return {"Intransitive", "Intransitiivinen"};
    if (value >= kTrans2 && value <= kAuxV) return SameInBoth(attr::kSubCat, value);
  }
  if ((scat == word_class::kNoun || scat == word_class::kProp) && value == kTitle) {
    return {"Title", "Nimike"};
  }
  return {};
}

BilingualText SemActDisplayName(int value) {
  switch (value) {
    case 0:
      return {"Inactive", "Eloton"};
    case 2:
      return {"Animal", "Eläin"};
    case 3:
      return {"Plant", "Kasvi"};
    case 4:
      return {"Machine", "Kone"};
    case 5:
      return {"Organization", "Organisaatio"};
    default:
      if (value > 0) return {"Human", "Ihminen"};
      return {};
  }
}

}  // namespace

std::string AttributeValueName(int code, int value) {
  if (IsNumericAttribute(code)) return std::to_string(value);
  const Names table = TableOf(code);
  if (value < 0 || static_cast<std::size_t>(value) >= table.size()) return "???";
  return std::string(table[static_cast<std::size_t>(value)]);
}

std::optional<int> FindAttributeValue(int code, std::string_view name) {
  const Names table = TableOf(code);
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i] == name) return static_cast<int>(i);
  }
  return std::nullopt;
}

BilingualText AttributeDisplayName(int code, int value, int scat) {
  switch (code) {
    case attr::kSCat:
      return WordClassDisplayName(value);
    case attr::kSubCat:
      return SubCatDisplayName(value, scat);
    case attr::kSemAct:
      return SemActDisplayName(value);
    case attr::kTgtInfl:
      if (value == 1) return {"No inflection", "Ei taivutusta"};
      if (value >= 2 && value < static_cast<int>(std::size(kInflectionNames))) {
        return SameInBoth(code, value);
      }
      return {};
    case attr::kTgtGrade:
      if (value == 1) return {"Irregular", "Epäsäännöllinen"};
      if (value == 2) return {"No gradation", "Ei astevaihtelua"};
      return {};
    case attr::kNumber:
      if (value == 1) return {"Plural", "Monikko"};
      return {};
    case attr::kTgtGCase:
      if (value == 2) return {"Accusative", "Akkusatiivi"};
      if (value == 3) return {"Partitive", "Partitiivi"};
      return {};
    default:
      return {};
  }
}

}  // namespace vorla
