#pragma once

namespace vorla {

// What a job takes from the translator's language state: the current pair, the
// automatic-direction switch and the pairs the account may use.
class LanguageView {
 public:
  virtual ~LanguageView() = default;

  virtual int GetSourceLanguage() const = 0;
  virtual int GetTargetLanguage() const = 0;
  virtual bool GetAutoDirection() const = 0;
  // Whether the account has the local pair: (0, 1), (1, 0) or (0, 2).
  virtual bool IsPairAvailable(int source, int target) const = 0;
};

}  // namespace vorla
