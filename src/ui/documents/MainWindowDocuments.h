#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>
#include <string_view>

#include "common/RefPtr.h"
#include "config/Config.h"
#include "documents/files/DocumentLoading.h"
#include "documents/files/DocumentTypes.h"
#include "platform/SofficeWordConverter.h"
#include "translation/CWindowsTranslator.h"
#include "ui/documents/QtFileCommandHost.h"

namespace vorla {

class TextPane;

// The main window's document commands: "Open file...", "Translate file...", "Save
// translation..." and "Save source text...", and files dropped on the window. The rules are
// the core's (LoadDocumentFile, SavePaneToFile); this side runs the file dialogs, remembers
// their filters and puts what was loaded into the panes.
class MainWindowDocuments {
 public:
  MainWindowDocuments(QWidget& window, RefPtr<Config> config, RefPtr<CWindowsTranslator> translator,
                      TextPane& source, TextPane& translation,
                      std::function<void(std::string_view)> showStatus);

  // Whether something was loaded into the source pane.
  bool OpenFile();
  void TranslateFile();
  void SavePane(const TextPane& pane);
  // A file dropped on a pane (the source pane for a drop elsewhere on the window); whether
  // it was loaded into that pane.
  bool LoadDropped(std::string_view path, TextPane& pane);

 private:
  UiLanguage Language() const { return config_->GetUiLanguage(); }
  QtFileCommandHost Host() const;
  bool LoadIntoPane(std::string_view path, TextPane& pane);
  // Whether the pane received the document (a document no pane shows may be translated).
  bool PutIntoPane(LoadedDocument document, TextPane& pane);
  bool PutWordDocumentIntoPane(const LoadedDocument& document, TextPane& pane);
  void StartFileTranslation(LoadedDocument document, int encoding);
  void ShowSourceLength();

  QPointer<QWidget> window_;
  RefPtr<Config> config_;
  RefPtr<CWindowsTranslator> translator_;
  TextPane& source_;
  TextPane& translation_;
  std::function<void(std::string_view)> showStatus_;
  // Word documents into and out of the panes, when the converter program is there.
  SofficeWordConverter converter_;
  WordSupport word_;
  // The open filters chosen last (1-based), for this run.
  int openFilter_ = 0;
  int translateFilter_ = 0;
};

}  // namespace vorla
