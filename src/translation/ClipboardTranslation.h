#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "common/RefPtr.h"
#include "translation/CWindowsTranslator.h"
#include "translation/Clipboard.h"
#include "translation/ClipboardText.h"

namespace vorla {

// Translation of the clipboard text, on command ("Translate clipboard", 1034) and at every
// change of the clipboard while "Auto-Translate clipboard" ("UsrPref2", 158) is on. Each
// translation opens a clipboard result window; its result goes back to the clipboard unless
// automatic translation is on. Runs on the window thread.
class ClipboardTranslation {
 public:
  // Shows "No clipboard text available!" (UTF-8) for the command.
  using NoTextReport = std::function<void(std::string_view message)>;

  // Without a report the message goes through the configuration's message box.
  ClipboardTranslation(RefPtr<CWindowsTranslator> translator, std::shared_ptr<Clipboard> clipboard,
                       NoTextReport report = {});

  // The clipboard text as the current language pair and "AutoRemoveFormatting" take it.
  std::optional<ClipboardText> GetClipboardText();

  // Starts a clipboard translation of the clipboard text; the job, or null when there is no
  // text (reported when asked).
  RefPtr<WindowsTranslationInstance> TranslateClipboard(bool reportEmpty);

  // A change of the clipboard: with automatic translation on, text that differs from the
  // text seen last is translated; no text empties the saved text. Listening starts without a
  // change, so what the clipboard holds then is not translated.
  void OnClipboardChanged();

  bool AutoTranslate() const;
  // The menu item "Auto-Translate clipboard": switches "UsrPref2".
  void ToggleAutoTranslate();

 private:
  RefPtr<WindowsTranslationInstance> Translate(ClipboardText text);

  RefPtr<CWindowsTranslator> translator_;
  std::shared_ptr<Clipboard> clipboard_;
  NoTextReport report_;
};

}  // namespace vorla
