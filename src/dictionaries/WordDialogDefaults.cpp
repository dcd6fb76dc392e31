#include "dictionaries/WordDialogDefaults.h"

#include "dictionaries/AttributeCodes.h"

namespace vorla {

namespace {

constexpr int kTransitive = 1;

}  // namespace

void ApplyWordDialogDefaults(VocabularyEntry& term) {
  if (term.scat == word_class::kVerb) {
    term.srcattr.Set(attr::kSubCat, kTransitive);
  } else {
    term.srcattr.Remove(attr::kSubCat);
  }
  term.srcattr.Remove(attr::kNumber);
  term.srcattr.Remove(attr::kSemAct);
  term.tgtattr.Remove(attr::kTgtInfl);
  term.tgtattr.Remove(attr::kTgtGrade);
  term.tgtattr.Set(attr::kTgtTr, 1);
}

}  // namespace vorla
