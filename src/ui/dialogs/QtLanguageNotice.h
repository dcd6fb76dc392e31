#pragma once

#include <functional>
#include <memory>

#include "translation/LanguageNotice.h"
#include "ui/dialogs/WindowThreadQuestions.h"

namespace vorla {

class TranslatorState;

// The desktop client's notice before a further-language translation: the modal form of the
// "Select Language Pair" dialog, asked on the window thread; "Cancel" while the program
// closes. pairChanged runs on the window thread after each choice in the dialog.
class QtLanguageNotice final : public LanguageNotice {
 public:
  // The state outlives the notice.
  QtLanguageNotice(std::shared_ptr<WindowThreadQuestions> questions, TranslatorState& state,
                   std::function<void()> pairChanged)
      : questions_(std::move(questions)), state_(state), pairChanged_(std::move(pairChanged)) {}

  bool Ask(int accountType) override;

 private:
  std::shared_ptr<WindowThreadQuestions> questions_;
  TranslatorState& state_;
  std::function<void()> pairChanged_;
};

}  // namespace vorla
