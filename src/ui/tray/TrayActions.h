#pragma once

namespace vorla {

// What the notification-area icon and its menu do; the application carries them out on the
// window thread.
class TrayActions {
 public:
  virtual ~TrayActions() = default;

  // "Translate clipboard" (1034).
  virtual void TranslateClipboard() = 0;
  // "Auto-Translate clipboard" (158): its check mark, and choosing it.
  virtual bool AutoTranslate() const = 0;
  virtual void ToggleAutoTranslate() = 0;
  // "About Vorla Tool" (104).
  virtual void ShowAbout() = 0;
  // "Close Vorla Tool" (105).
  virtual void CloseApplication() = 0;
  // A click on the icon.
  virtual void RestoreMainWindow() = 0;
};

}  // namespace vorla
