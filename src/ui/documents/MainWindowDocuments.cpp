#include "ui/documents/MainWindowDocuments.h"

#include <filesystem>

#include "common/CodePages.h"
#include "common/Windows1252.h"
#include "documents/files/FileMessages.h"
#include "translation/DocumentFormat.h"
#include "ui/documents/DocumentFileDialogs.h"
#include "ui/documents/OperWaitDlg.h"
#include "ui/documents/PaneSaveDialog.h"
#include "ui/panes/RichTextImport.h"
#include "ui/panes/TextPane.h"

namespace vorla {

namespace {

constexpr std::string_view kOpenFilterValue = "curfilter";
constexpr std::string_view kTranslateFilterValue = "curfiletrfilter";

std::string WithoutFolder(std::string_view path) {
  return std::filesystem::path(path).filename().string();
}

// The converter's profile lasts in the program's data folder, so that only the first
// conversion of a run pays for making it.
SofficeConverter::Options ConverterOptions(const Config& config) {
  SofficeConverter::Options options;
  options.profileFolder = config.Dirs().appData / "soffice-profile";
  return options;
}

}  // namespace

MainWindowDocuments::MainWindowDocuments(QWidget& window, RefPtr<Config> config,
                                         RefPtr<CWindowsTranslator> translator, TextPane& source,
                                         TextPane& translation,
                                         std::function<void(std::string_view)> showStatus)
    : window_(&window),
      config_(std::move(config)),
      translator_(std::move(translator)),
      source_(source),
      translation_(translation),
      showStatus_(std::move(showStatus)),
      converter_(ConverterOptions(*config_)) {
  const bool available = converter_.IsAvailable();
  word_ = {.available = available, .canSave = available};
}

QtFileCommandHost MainWindowDocuments::Host() const {
  return QtFileCommandHost(window_, Language(), showStatus_);
}

bool MainWindowDocuments::OpenFile() {
  const std::optional<ChosenFile> chosen = ChooseFileToOpen(
      window_, DialogFilters(FileDialogKind::OpenIntoPane, word_, Language()), openFilter_);
  if (!chosen) return false;
  openFilter_ = chosen->filterIndex;
  config_->settings().WriteInteger(kOpenFilterValue, openFilter_);
  return LoadIntoPane(chosen->path, source_);
}

bool MainWindowDocuments::LoadDropped(std::string_view path, TextPane& pane) {
  return LoadIntoPane(path, pane);
}

bool MainWindowDocuments::LoadIntoPane(std::string_view path, TextPane& pane) {
  QtFileCommandHost host = Host();
  std::optional<LoadedDocument> document = LoadDocumentFile(path, LoadMode::Open, host, Language());
  if (!document) return false;
  const bool loaded = PutIntoPane(std::move(*document), pane);
  if (loaded) {
    if (&pane == &source_) translation_.clear();
    pane.setFocus();
    pane.ScrollToFirstVisibleLine(0);
  }
  ShowSourceLength();
  return loaded;
}

bool MainWindowDocuments::PutIntoPane(LoadedDocument document, TextPane& pane) {
  switch (PaneLoadOf(document.type, word_.available)) {
    case PaneLoad::Rtf:
      if (document.content.size() > kRtfPleaseWaitSize) {
        // Reading a large document takes long: the window shows that it waits meanwhile.
        RichDocument read;
        const std::string name = WithoutFolder(document.path);
        ShowOperWait(window_, kLoadingFileTitle.In(Language()),
                     FormatMessage(kLoadingFile, Language(), name), [&read, &document] {
                       read = ReadPaneRtf(document.content, kCodePageWindows1252);
                     });
        pane.SetRichDocument(std::move(read));
      } else {
        pane.StreamInRtf(document.content, kCodePageWindows1252);
      }
      if (translator_->Preferences().autoRemoveFormatting) pane.RemoveFormatting();
      return true;
    case PaneLoad::Text:
      pane.SetText(PaneTextOf(std::move(document.content)).utf8, kCodePageUtf8);
      return true;
    case PaneLoad::Word:
      return PutWordDocumentIntoPane(document, pane);
    case PaneLoad::OfferTranslation: {
      QtFileCommandHost host = Host();
      if (host.Ask(OfferTranslationQuestion(document.type, Language())))
        StartFileTranslation(std::move(document), 0);
      return false;
    }
  }
  return false;
}

bool MainWindowDocuments::PutWordDocumentIntoPane(const LoadedDocument& document, TextPane& pane) {
  const bool plain = translator_->Preferences().autoRemoveFormatting;
  std::optional<std::string> converted;
  ShowOperWait(window_, kLoadingFileTitle.In(Language()),
               FormatMessage(kLoadingFile, Language(), WithoutFolder(document.path)), [&] {
                 converted =
                     converter_.ConvertFromWord(document.content, document.type,
                                                plain ? WordResult::kUtf16Text : WordResult::kRtf);
               });
  if (!converted) {
    Host().ShowMessage(CannotDisplayMessage(Language()));
    return false;
  }
  if (plain) {
    pane.SetText(*converted, kCodePageUtf16Le);
  } else {
    pane.StreamInRtf(*converted, kCodePageWindows1252);
  }
  return true;
}

void MainWindowDocuments::TranslateFile() {
  const std::optional<ChosenFile> chosen = ChooseFileToOpen(
      window_, DialogFilters(FileDialogKind::TranslateFile, word_, Language()), translateFilter_);
  if (!chosen) return;
  translateFilter_ = chosen->filterIndex;
  config_->settings().WriteInteger(kTranslateFilterValue, translateFilter_);
  QtFileCommandHost host = Host();
  std::optional<LoadedDocument> document =
      LoadDocumentFile(chosen->path, LoadMode::Translate, host, Language());
  if (!document) return;
  ShowSourceLength();
  if (document->type != kFormatTxt) return StartFileTranslation(std::move(*document), 0);
  TextFileSource text = TextFileSourceOf(std::move(document->content));
  if (translator_->State().IsFurtherPair()) {
    // The further-language families translate a text file as the source pane's text.
    source_.SetText(text.encoding > 0 ? text.bytes : Cp1252ToUtf8(text.bytes), kCodePageUtf8);
    TranslationOrder order;
    order.encoding = text.encoding;
    translator_->StartTranslation(std::move(order));
    return;
  }
  document->content = std::move(text.bytes);
  StartFileTranslation(std::move(*document), text.encoding);
}

void MainWindowDocuments::StartFileTranslation(LoadedDocument document, int encoding) {
  TranslationOrder order;
  order.text = std::move(document.content);
  order.format = document.type;
  order.encoding = encoding;
  order.fileName = std::move(document.path);
  translator_->StartTranslation(std::move(order));
}

void MainWindowDocuments::SavePane(const TextPane& pane) {
  QtFileCommandHost host = Host();
  SavePaneWithDialog(window_, pane, &converter_, host, Language());
}

void MainWindowDocuments::ShowSourceLength() {
  showStatus_(SourceLengthStatus(translator_->State().GetAccountType(), source_.CharacterCount(),
                                 Language()));
}

}  // namespace vorla
