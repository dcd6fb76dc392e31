#pragma once

#include <memory>

#include "common/RefPtr.h"
#include "config/Config.h"
#include "translation/PriceConfirmation.h"
#include "ui/dialogs/WindowThreadQuestions.h"

namespace vorla {

// The desktop client's price question: the "Translation Info" dialog over the main window,
// asked on the window thread; "Cancel" while the program closes.
class QtPriceConfirmation final : public PriceConfirmation {
 public:
  QtPriceConfirmation(std::shared_ptr<WindowThreadQuestions> questions, RefPtr<Config> config)
      : questions_(std::move(questions)), config_(std::move(config)) {}

  PriceAnswer Ask(const TranslationInfo& info, bool askConfirmation) override;

 private:
  std::shared_ptr<WindowThreadQuestions> questions_;
  RefPtr<Config> config_;
};

}  // namespace vorla
