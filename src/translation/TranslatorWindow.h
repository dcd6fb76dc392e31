#pragma once

namespace vorla {

// What the translator asks of the main window besides the progress and the results of its
// jobs. Called from worker threads too: the window queues each call to its own thread.
class TranslatorWindow {
 public:
  virtual ~TranslatorWindow() = default;

  // The command "Cancel translation": enabled while a main-window job is registered.
  virtual void EnableCancelCommand(bool enabled) = 0;
  // After a login or a logout: the language controls follow the pairs of the account, and
  // after a login the window also renews what depends on the login.
  virtual void RefreshLanguageControls(bool afterLogin) = 0;
  // Speaks the translation pane (command 32949), after a translation when automatic speech
  // is on.
  virtual void SpeakTranslation() = 0;
};

}  // namespace vorla
