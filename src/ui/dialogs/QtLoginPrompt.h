#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

#include "common/Opener.h"
#include "common/RefPtr.h"
#include "config/Config.h"
#include "translation/LoginPrompt.h"
#include "ui/dialogs/WindowThreadQuestions.h"

namespace vorla {

class TranslatorState;

// Names the window the login dialog opens beside while the calling thread logs in (the
// account window's worker names its window). Without one the dialog opens over the main
// window.
class LoginParentScope {
 public:
  // Made on the thread that logs in, from a pointer taken on the window thread.
  explicit LoginParentScope(QPointer<QWidget> parent);
  ~LoginParentScope();
  LoginParentScope(const LoginParentScope&) = delete;
  LoginParentScope& operator=(const LoginParentScope&) = delete;

 private:
  QPointer<QWidget> previous_;
};

// The desktop client's login prompt: the "Log In" dialog, asked on the window thread. While
// the program closes it answers "cancelled" and takes nothing from the dialog.
class QtLoginPrompt final : public LoginPrompt {
 public:
  // The state and the opener serve the dialog's links; the state outlives the prompt.
  QtLoginPrompt(std::shared_ptr<WindowThreadQuestions> questions, RefPtr<Config> config,
                const TranslatorState& state, std::shared_ptr<Opener> opener);

  // Called on the window thread with the login dialog once it shows, when the last attempt
  // was refused because the client is too old (15). Set before the first login.
  void SetClientTooOldHandler(std::function<void(QWidget* dialog)> handler);

  bool Ask(LoginDialogParameters& parameters) override;

 private:
  std::function<void(QWidget*)> clientTooOld_;
  std::shared_ptr<WindowThreadQuestions> questions_;
  RefPtr<Config> config_;
  const TranslatorState& state_;
  std::shared_ptr<Opener> opener_;
};

}  // namespace vorla
