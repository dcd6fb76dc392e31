#pragma once

#include <memory>

#include "common/RefPtr.h"
#include "config/Config.h"
#include "translation/QuotaNotice.h"
#include "ui/dialogs/WindowThreadQuestions.h"

namespace vorla {

// The desktop client's quota notice: the "Translation Quota Info" dialog, modal over the
// window that owns the job's questions (`QuestionOwnerScope`, else the main window) and
// shown on the window thread; nothing while the program closes.
class QtQuotaNotice final : public QuotaNotice {
 public:
  QtQuotaNotice(std::shared_ptr<WindowThreadQuestions> questions, RefPtr<Config> config)
      : questions_(std::move(questions)), config_(std::move(config)) {}

  void Show(const QuotaShortfall& shortfall) override;

 private:
  std::shared_ptr<WindowThreadQuestions> questions_;
  RefPtr<Config> config_;
};

}  // namespace vorla
