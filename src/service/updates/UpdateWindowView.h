#pragma once

#include <string_view>

namespace vorla {

// What the update window's logic sets in its window; called on the window thread only.
// Texts are UTF-8.
class UpdateWindowView {
 public:
  virtual ~UpdateWindowView() = default;

  virtual void SetStatusText(std::string_view text) = 0;
  virtual void SetDetailsText(std::string_view text) = 0;
  // While downloading the status text is lower and the progress bar shows below it.
  virtual void SetDownloadLayout(bool downloading) = 0;
  // 0 to 100.
  virtual void SetProgress(int percent) = 0;
  // The button that closes the window ("Close" or "Cancel").
  virtual void SetCloseButtonText(std::string_view text) = 0;
  virtual void MakeCloseButtonDefault() = 0;
  // The button that starts the next step ("Install Update", "Install").
  virtual void SetStartButtonText(std::string_view text) = 0;
  virtual void ShowStartButton(bool shown) = 0;
  virtual void EnableStartButton(bool enabled) = 0;
  virtual void ShowDontAskAgain(bool shown, bool ticked) = 0;
  // Shows a hidden window and brings it to the front.
  virtual void ShowWindow() = 0;
  // Closes the window (a silent check that found nothing).
  virtual void DestroyWindow() = 0;
  // Closes the window the update window belongs to (the program, for the main window).
  virtual void CloseParentWindow() = 0;
};

}  // namespace vorla
