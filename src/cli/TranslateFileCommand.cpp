#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "cli/CliFileHost.h"
#include "cli/CliJobDisplay.h"
#include "cli/Commands.h"
#include "cli/TerminalQuestions.h"
#include "common/CodePages.h"
#include "documents/files/DocumentLoading.h"
#include "documents/files/DocumentTypes.h"
#include "documents/files/SaveNames.h"
#include "translation/LanguageFamily.h"
#include "translation/PdfHtmlResult.h"
#include "translation/PdfResultOptions.h"

namespace vorla::cli {

namespace {

struct TranslateFileOptions {
  std::string file;
  std::optional<std::string> out;
  std::optional<int> pdfResult;
  std::optional<int> zoom;
  bool yes = false;
};

// The values of "PDFTrFormat" by their names here.
const std::map<std::string, int> kPdfResultNames = {
    {"pdf", 4}, {"html", 1}, {"html-no-images", 2}, {"rtf", 0}, {"text", 3}};

// A file job's progress goes to the standard error as a text job's does; its result is
// written by the command once the job has ended.
class CliProgressDialogs final : public ProgressDialogs {
 public:
  explicit CliProgressDialogs(RefPtr<IProgressSink> progress) : progress_(std::move(progress)) {}
  JobDisplay CreateProgressDialog(const RefPtr<WindowsTranslationInstance>&) override {
    return {progress_, nullptr};
  }

 private:
  RefPtr<IProgressSink> progress_;
};

std::string FilterHelp() {
  std::string help = "Files that can be translated:";
  for (const FileFilter& filter :
       DialogFilters(FileDialogKind::TranslateFile, {}, UiLanguage::English)) {
    help += "\n  " + filter.DisplayText();
  }
  return help;
}

// The order of a loaded file. A text file goes in the encoding it was found in; the
// further-language families take UTF-8 only.
TranslationOrder OrderOf(LoadedDocument document, const TranslatorState& state,
                         const TranslateFileOptions& options) {
  TranslationOrder order;
  order.format = document.type;
  if (document.type == kFormatTxt) {
    TextFileSource source = TextFileSourceOf(std::move(document.content));
    const LanguagePair pair = state.GetPair();
    if (source.encoding == kEncodingNone && !IsLocalPair(pair.source, pair.target)) {
      source = {CodePageToUtf8(kCodePageWindows1252, source.bytes).value_or(""), kEncodingUtf8};
    }
    order.text = std::move(source.bytes);
    order.encoding = source.encoding;
  } else {
    order.text = std::move(document.content);
  }
  order.showPleaseWait = false;
  order.sentenceAlignment = false;
  order.fileName = std::move(document.path);
  order.pdfResultFormat = options.pdfResult;
  order.pdfZoom = options.zoom;
  return order;
}

int RunTranslateFile(CliContext& context, const TranslateFileOptions& options) {
  CWindowsTranslator& translator = context.translator();
  const UiLanguage language = context.ui();
  CliFileHost host(context.statusLine(), options.yes);
  std::optional<LoadedDocument> document =
      LoadDocumentFile(options.file, LoadMode::Translate, host, language);
  if (!document) return 1;

  CWindowsTranslator::Hooks hooks = context.TranslatorHooks();
  hooks.progressDialogs =
      std::make_shared<CliProgressDialogs>(MakeRef<CliProgress>(context.statusLine()));
  hooks.priceConfirmation = std::make_shared<TerminalPriceConfirmation>(options.yes, language);
  hooks.languageNotice = std::make_shared<TerminalLanguageNotice>(options.yes, language);
  translator.SetHooks(hooks);

  const RefPtr<WindowsTranslationInstance> job =
      translator.StartTranslation(OrderOf(std::move(*document), translator.State(), options));
  if (!job) return 1;
  const int result = job->WaitForResult();
  translator.Shutdown();
  if (result != 0) return result;

  const TranslationJob& translated = job->Job();
  const std::filesystem::path out =
      options.out ? std::filesystem::path(*options.out)
                  : std::filesystem::current_path() /
                        SuggestedResultName(options.file, translated.tgtformat, language);
  if (!WriteResultDocument(translated, out)) {
    std::cerr << "vorla: cannot write " << out.string() << '\n';
    return 1;
  }
  std::cout << out.string() << '\n';
  return 0;
}

}  // namespace

void AddTranslateFileCommand(CLI::App& app, CliContext& context) {
  auto* command = app.add_subcommand(
      "translate-file",
      "Translate a document on the service and write the translated document (to OUT, else "
      "into the current folder under its suggested name); progress goes to the standard error");
  auto options = std::make_shared<TranslateFileOptions>();
  command->add_option("file", options->file, "The document to translate")->required();
  command->add_option("-o,--out", options->out, "Where the translated document goes");
  command
      ->add_option("--pdf-result", options->pdfResult,
                   "What a PDF becomes, for this run only (else the setting \"PDFTrFormat\")")
      ->transform(CLI::CheckedTransformer(kPdfResultNames));
  command
      ->add_option("--zoom", options->zoom,
                   "The zoom of a PDF's RTF or HTML result in per cent, for this run only")
      ->check(CLI::IsMember(std::vector<int>(kPdfZoomChoices.begin(), kPdfZoomChoices.end())));
  command->add_flag("--yes", options->yes,
                    "Answer \"Translate\" to the questions before a translation");
  command->footer(FilterHelp());
  command->callback(
      [&context, options] { context.SetExitStatus(RunTranslateFile(context, *options)); });
}

}  // namespace vorla::cli
