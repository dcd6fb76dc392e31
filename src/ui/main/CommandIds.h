#pragma once

namespace vorla {

// The identifiers of the main window's commands, as its menus have always numbered them.
enum CommandId : int {
  kCmdAbout = 104,
  kCmdClose = 105,
  kCmdAutoTranslateClipboard = 158,
  kCmdSynchronisedScrolling = 1002,
  kCmdClear = 1003,
  kCmdTranslate = 1004,
  kCmdTranslateClipboard = 1034,
  kCmdLayoutSideBySide = 32772,
  kCmdLayoutStacked = 32773,
  kCmdLayoutTabbed = 32774,
  kCmdLayoutResultWindow = 32775,
  kCmdTranslateIntoNewWindow = 32783,
  kCmdTranslateWebPage = 32807,
  kCmdShowSentenceAlignment = 32794,
  kCmdLogIn = 32798,
  kCmdUserGuide = 32813,
  kCmdCheckForUpdates = 32814,
  kCmdUndo = 32824,
  kCmdCopy = 32825,
  kCmdCut = 32826,
  kCmdPaste = 32827,
  kCmdDelete = 32828,
  kCmdRemoveFormattingAutomatically = 32838,
  kCmdCancelTranslation = 32842,
  kCmdUserAccountInfo = 32850,
  kCmdEnglishFinnish = 32863,
  kCmdFinnishEnglish = 32864,
  kCmdEnglishSwedish = 32865,
  kCmdAutoSelection = 32867,
  kCmdMoreLanguages = 32868,
  kCmdSendFeedback = 32870,
  kCmdProductSupport = 32873,
  kCmdSelectAll = 32886,
  kCmdFind = 32891,
  kCmdOpenFile = 32901,
  kCmdSaveSourceText = 32902,
  kCmdSaveTranslation = 32905,
  kCmdPrintSourceText = 32906,
  kCmdPrintTranslation = 32907,
  kCmdFormatSelectedText = 32918,
  kCmdAlwaysOnTop = 32932,
  kCmdTranslateFile = 32937,
  kCmdRemoveFormatting = 32956,
  kCmdListenToSourceText = 32786,
  kCmdToolbarListen = 32948,
  kCmdListenToTranslation = 32949,
  kCmdStopSpeech = 32950,
  kCmdSpeechSettings = 32952,
  kCmdToolbarStopSpeech = 32954,
  // Numbers of our own, past the inherited ones.
  kCmdUiLanguageEnglish = 33001,
  kCmdUiLanguageFinnish = 33002,
};

// The submenus, placed in a menu's list of commands like a command.
enum SubmenuId : int {
  kMenuUiLanguage = 34001,
};

// Separates groups in the menu tables.
inline constexpr int kMenuSeparator = 0;

}  // namespace vorla
