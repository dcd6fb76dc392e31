#include "ui/main/CommandTable.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "translation/LanguageNames.h"
#include "ui/SpeechCommandTexts.h"
#include "ui/UiLanguageChoices.h"
#include "ui/main/CommandIds.h"

namespace vorla {

namespace {

// The direction items carry the names the rest of the client gives the pairs.
BilingualText DirectionText(const LanguagePair& pair) {
  return {DirectionName(pair, UiLanguage::English), DirectionName(pair, UiLanguage::Finnish)};
}

constexpr UiLanguageCommand kUiLanguageCommands[] = {
    {kCmdUiLanguageEnglish, UiLanguage::English},
    {kCmdUiLanguageFinnish, UiLanguage::Finnish},
};

BilingualText UiLanguageText(UiLanguage language) {
  return std::ranges::find(kUiLanguageChoices, language, &UiLanguageChoice::language)->text;
}

std::vector<CommandInfo> BuildCommandTable() {
  return {
      {kCmdOpenFile, {"Open file...", "Avaa tiedosto..."}, "F1"},
      {kCmdTranslateFile, {"Translate file...", "Käännä tiedosto..."}, "F2"},
      {kCmdSaveTranslation, {"Save translation...", "Tallenna käännös..."}, "Ctrl+S"},
      {kCmdSaveSourceText, {"Save source text...", "Tallenna käännettävä teksti..."}, ""},
      {kCmdPrintTranslation, {"Print translation", "Tulosta käännös"}, "Ctrl+P"},
      {kCmdPrintSourceText, {"Print source text", "Tulosta käännettävä teksti"}, ""},
      {kCmdClose, {"Close", "Sulje"}, ""},
      {kCmdUndo, {"Undo", "Kumoa"}, ""},
      {kCmdCut, {"Cut", "Leikkaa"}, ""},
      {kCmdCopy, {"Copy", "Kopioi"}, ""},
      {kCmdPaste, {"Paste", "Liitä"}, ""},
      {kCmdSelectAll, {"Select all", "Valitse kaikki"}, "Ctrl+A"},
      {kCmdDelete, {"Delete", "Poista"}, "Del"},
      {kCmdFormatSelectedText, {"Format selected text...", "Muotoile valittu teksti..."}, "Ctrl+G"},
      {kCmdRemoveFormatting, {"Remove all text formatting", "Poista tekstin muotoilut"}, "Ctrl+K"},
      {kCmdRemoveFormattingAutomatically,
       {"Remove formatting automatically", "Poista muotoilut automaattisesti"},
       "",
       true},
      {kCmdClear, {"Clear", "Tyhjennä"}, ""},
      {kCmdFind, {"Find...", "Etsi..."}, "Ctrl+F"},
      {kCmdTranslate, {"Translate", "Käännä"}, "F3"},
      {kCmdTranslateIntoNewWindow,
       {"Translate and open result in new window", "Käännä ja avaa tulos uudessa ikkunassa"},
       ""},
      {kCmdCancelTranslation, {"Cancel translation", "Keskeytä kääntäminen"}, ""},
      {kCmdTranslateWebPage, {"Translate web page...", "Käännä nettisivu..."}, "F4"},
      {kCmdListenToTranslation, kListenToTranslationText, ""},
      {kCmdListenToSourceText, {"Listen to source text", "Kuuntele käännettävä teksti"}, ""},
      {kCmdStopSpeech, kStopSpeechText, ""},
      {kCmdToolbarListen, kListenToTranslationText, ""},
      {kCmdToolbarStopSpeech, kStopSpeechText, ""},
      {kCmdTranslateClipboard, {"Translate clipboard", "Käännä leikepöydän sisältö"}, ""},
      {kCmdAutoTranslateClipboard,
       {"Auto-Translate clipboard", "Käännä leikepöytä automaattisesti"},
       "",
       true},
      {kCmdAutoSelection, DirectionText({0, 1, true}), "", true},
      {kCmdEnglishFinnish, DirectionText({0, 1, false}), "", true},
      {kCmdFinnishEnglish, DirectionText({1, 0, false}), "", true},
      {kCmdSpeechSettings, {"Speech settings...", "Puheasetukset..."}, ""},
      {kCmdLogIn, {"Log in...", "Sisäänkirjautuminen..."}, ""},
      {kCmdUserAccountInfo, {"User account info", "Käyttäjätilin tiedot"}, ""},
      {kCmdUiLanguageEnglish, UiLanguageText(UiLanguage::English), "", true},
      {kCmdUiLanguageFinnish, UiLanguageText(UiLanguage::Finnish), "", true},
      {kCmdLayoutSideBySide, {"Align horizontally", "Käännösikkunat rinnakkain"}, "", true},
      {kCmdLayoutStacked, {"Align vertically", "Käännösikkunat allekkain"}, "", true},
      {kCmdLayoutTabbed, {"Tabbed windows", "Käännösikkunat välilehdissä"}, "", true},
      {kCmdLayoutResultWindow,
       {"Open translation result in new window", "Avaa uusi ikkuna käännöstulokselle"},
       "",
       true},
      {kCmdAlwaysOnTop,
       {"Keep Vorla Tool always on top", "Pidä Vorla Tool aina päällimmäisenä"},
       "",
       true},
      {kCmdUserGuide, {"User Guide", "Käyttöopas"}, "F8"},
      {kCmdProductSupport, {"Product support", "Tuotetuki"}, ""},
      {kCmdSendFeedback, {"Send feedback", "Anna palautetta"}, ""},
      {kCmdCheckForUpdates, {"Check for updates", "Hae päivityksiä"}, ""},
      {kCmdAbout, {"About Vorla Tool", "Tietoja Vorla Toolista"}, ""},
      {kCmdShowSentenceAlignment,
       {"Show sentence alignment", "Näytä virkekohdistus"},
       "Ctrl+Q",
       true},
      {kCmdSynchronisedScrolling,
       {"Synchronized window scrolling", "Synkronoitu ikkunoiden vieritys"},
       "",
       true},
  };
}

constexpr int kSep = kMenuSeparator;

}  // namespace

std::span<const CommandInfo> MainCommandTable() {
  static const std::vector<CommandInfo> table = BuildCommandTable();
  return table;
}

std::span<const MenuInfo> MainMenuTable() {
  static const std::vector<MenuInfo> menus = {
      {{"File", "Tiedosto"},
       {kCmdOpenFile, kCmdTranslateFile, kSep, kCmdSaveTranslation, kCmdPrintTranslation, kSep,
        kCmdSaveSourceText, kCmdPrintSourceText, kSep, kCmdClose}},
      {{"Edit", "Muokkaa"},
       {kCmdUndo, kSep, kCmdCut, kCmdCopy, kCmdPaste, kCmdSelectAll, kCmdDelete, kSep,
        kCmdFormatSelectedText, kCmdRemoveFormatting, kCmdRemoveFormattingAutomatically, kSep,
        kCmdClear, kSep, kCmdFind}},
      {{"Action", "Toiminnot"},
       {kCmdTranslate, kCmdCancelTranslation, kSep, kCmdTranslateWebPage, kSep,
        kCmdListenToTranslation, kCmdListenToSourceText, kCmdStopSpeech, kSep,
        kCmdTranslateClipboard, kCmdAutoTranslateClipboard}},
      {{"Language", "Kieli"}, {kCmdAutoSelection, kCmdEnglishFinnish, kCmdFinnishEnglish}},
      {{"Settings", "Asetukset"},
       {kCmdSpeechSettings, kSep, kCmdLogIn, kCmdUserAccountInfo, kSep, kMenuUiLanguage}},
      {{"Window", "Ikkuna"},
       {kCmdLayoutSideBySide, kCmdLayoutStacked, kCmdLayoutTabbed, kCmdLayoutResultWindow, kSep,
        kCmdAlwaysOnTop}},
      {{"Help", "Ohjeet"},
       {kCmdUserGuide, kCmdProductSupport, kCmdSendFeedback, kSep, kCmdCheckForUpdates, kSep,
        kCmdAbout}},
  };
  return menus;
}

std::span<const MenuInfo> SubmenuTable() {
  static const std::vector<MenuInfo> submenus = {
      {kUiLanguageTitle, {kCmdUiLanguageEnglish, kCmdUiLanguageFinnish}, kMenuUiLanguage},
  };
  return submenus;
}

std::span<const UiLanguageCommand> UiLanguageCommands() {
  return kUiLanguageCommands;
}

const CommandInfo& FindCommand(int id) {
  const std::span<const CommandInfo> table = MainCommandTable();
  const auto found = std::ranges::find(table, id, &CommandInfo::id);
  if (found == table.end()) throw std::out_of_range("no main window command " + std::to_string(id));
  return *found;
}

std::span<const int> PaneContextMenuCommands() {
  static constexpr int kCommands[] = {kCmdTranslate,
                                      kCmdTranslateIntoNewWindow,
                                      kSep,
                                      kCmdTranslateFile,
                                      kSep,
                                      kCmdListenToTranslation,
                                      kSep,
                                      kCmdShowSentenceAlignment,
                                      kCmdSynchronisedScrolling,
                                      kSep,
                                      kCmdRemoveFormatting,
                                      kSep,
                                      kCmdCopy,
                                      kCmdPaste,
                                      kSep,
                                      kCmdFind};
  return kCommands;
}

CommandInfo EnglishSwedishCommand() {
  return {kCmdEnglishSwedish, DirectionText({0, 2, false}), "", true};
}

CommandInfo MoreLanguagesCommand() {
  return {kCmdMoreLanguages, {"More languages...", "Muut kieliparit..."}, ""};
}

}  // namespace vorla
