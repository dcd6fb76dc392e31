#include "ui/dialogs/QtLoginPrompt.h"

#include <QTimer>

#include "service/LoginResults.h"
#include "service/RedirectLinks.h"
#include "ui/dialogs/DialogPlacement.h"
#include "ui/dialogs/LoginDialog.h"

namespace vorla {

namespace {

thread_local QPointer<QWidget> loginParent;

struct LoginReply {
  bool logIn = false;
  LoginDialogParameters parameters;
};

}  // namespace

LoginParentScope::LoginParentScope(QPointer<QWidget> parent) : previous_(loginParent) {
  loginParent = std::move(parent);
}

LoginParentScope::~LoginParentScope() {
  loginParent = previous_;
}

QtLoginPrompt::QtLoginPrompt(std::shared_ptr<WindowThreadQuestions> questions,
                             RefPtr<Config> config, const TranslatorState& state,
                             std::shared_ptr<Opener> opener)
    : questions_(std::move(questions)),
      config_(std::move(config)),
      state_(state),
      opener_(std::move(opener)) {}

void QtLoginPrompt::SetClientTooOldHandler(std::function<void(QWidget* dialog)> handler) {
  clientTooOld_ = std::move(handler);
}

bool QtLoginPrompt::Ask(LoginDialogParameters& parameters) {
  auto ask = [questions = questions_, config = config_, &state = state_, opener = opener_,
              parent = loginParent, parameters, clientTooOld = clientTooOld_] {
    QWidget* mainWindow = questions->MainWindow();
    QWidget* owner = parent ? parent.data() : mainWindow;
    LoginDialog dialog(owner, config->GetUiLanguage(), parameters, [&state, opener](int page) {
      if (opener) RedirectLinks(state, *opener).OpenLoginRedirectLink(page);
    });
    dialog.adjustSize();
    dialog.move(LoginDialogPosition(WindowFrame(owner), owner == mainWindow, dialog.width()));
    if (clientTooOld && parameters.lastResult == kLoginClientTooOld) {
      QTimer::singleShot(0, &dialog, [&dialog, clientTooOld] { clientTooOld(&dialog); });
    }
    LoginReply reply{questions->Exec(dialog) == QDialog::Accepted, parameters};
    dialog.TakeAnswers(reply.parameters);
    return std::optional<LoginReply>(std::move(reply));
  };
  const std::optional<LoginReply> reply =
      questions_->Ask<std::optional<LoginReply>>(std::move(ask), std::nullopt);
  if (!reply) return false;
  parameters = reply->parameters;
  return reply->logIn;
}

}  // namespace vorla
