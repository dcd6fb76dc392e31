#include "translation/UserPreferences.h"

#include "config/Settings.h"

namespace vorla {

UserPreferences UserPreferences::Read(const Settings& settings) {
  UserPreferences preferences;
  preferences.resultWindow = settings.ReadBoolean(kResultWindowValue, preferences.resultWindow);
  preferences.autoTranslateClipboard =
      settings.ReadBoolean(kAutoTranslateClipboardValue, preferences.autoTranslateClipboard);
  preferences.pdfResultFormat =
      settings.ReadInteger(kPdfResultFormatValue, preferences.pdfResultFormat);
  preferences.pdfZoom = settings.ReadInteger(kPdfZoomValue, preferences.pdfZoom);
  preferences.autoRemoveFormatting =
      settings.ReadBoolean(kAutoRemoveFormattingValue, preferences.autoRemoveFormatting);
  preferences.sentenceAlignmentDisplay =
      settings.ReadInteger(kSentenceAlignmentValue, preferences.sentenceAlignmentDisplay);
  preferences.synchronisedScrolling =
      settings.ReadBoolean(kSynchronisedScrollingValue, preferences.synchronisedScrolling);
  return preferences;
}

}  // namespace vorla
