#pragma once

namespace vorla {

class Settings;

// The translator's preferences, as stored in the settings.
struct UserPreferences {
  bool resultWindow = false;            // "UsrPref1": every text translation in the result window
  bool autoTranslateClipboard = false;  // "UsrPref2": "Auto-Translate clipboard"
  int pdfResultFormat = 4;              // "PDFTrFormat"
  int pdfZoom = 100;                    // "PDFTrZoom"
  bool autoRemoveFormatting = false;    // "AutoRemoveFormatting": `trflagsext` 0x8000
  int sentenceAlignmentDisplay = 0;     // "ShowSentAlignmentType": 1 highlights aligned pairs
  bool synchronisedScrolling = false;   // "SynchEditWndScrolling"

  // Missing values take the defaults above.
  static UserPreferences Read(const Settings& settings);
};

// The names of the stored values.
inline constexpr const char* kResultWindowValue = "UsrPref1";
inline constexpr const char* kAutoTranslateClipboardValue = "UsrPref2";
inline constexpr const char* kPdfResultFormatValue = "PDFTrFormat";
inline constexpr const char* kPdfZoomValue = "PDFTrZoom";
inline constexpr const char* kAutoRemoveFormattingValue = "AutoRemoveFormatting";
inline constexpr const char* kSentenceAlignmentValue = "ShowSentAlignmentType";
inline constexpr const char* kSynchronisedScrollingValue = "SynchEditWndScrolling";

}  // namespace vorla
