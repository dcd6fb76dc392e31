// CWindowsTranslator::StartTranslation: a translate command becomes a job on a worker.
#include "translation/CWindowsTranslator.h"
#include "translation/FurtherLanguages.h"
#include "translation/JobTexts.h"
#include "translation/PaneSource.h"
#include "translation/PdfResultOptions.h"
#include "translation/TranslationFlags.h"
#include "translation/TranslationPreferences.h"

namespace vorla {

namespace {

constexpr std::string_view kShowDictionaryResultsValue = "EnFiTrPref5";
// Sources longer than this are sent packed.
constexpr int kCompressAbove = 1024;

// Without dictionary sets nothing is active.
class NoActiveDictionaries final : public ActiveDictionaryView {
 public:
  std::optional<SessionDictionaryInfo> GetSessionDictionary(DictionaryDirection) const override {
    return std::nullopt;
  }
  std::vector<int> GetActiveDictionaryIds(DictionaryDirection) const override { return {}; }
};

bool IsLocalJob(const TranslationJob& job) {
  return IsLocalPair(job.srclan, job.tgtlan);
}

}  // namespace

RefPtr<WindowsTranslationInstance> CWindowsTranslator::PrepareJob(TranslationOrder order) {
  const Hooks hooks = GetHooks();
  if (!order.text && (!hooks.sourcePane || hooks.sourcePane->IsEmpty())) return nullptr;
  auto job = MakeRef<WindowsTranslationInstance>(config_, hooks.mainWindow, hooks.clock);
  job->Flags().showPleaseWait = order.showPleaseWait;
  job->SetFileName(order.fileName);
  job->Job().FillLanguages(*state_);
  if (!TakeSource(*job, order, hooks)) return nullptr;
  FillJob(*job, order, hooks);
  job->Client().Initialise(config_, *state_, hooks.connections);
  return job;
}

RefPtr<WindowsTranslationInstance> CWindowsTranslator::StartTranslation(TranslationOrder order) {
  // "UsrPref1" moves the result of the source pane out of the main window.
  const bool emptyMainPane = !order.clipboardMode && !order.toResultWindow;
  RefPtr<WindowsTranslationInstance> job = PrepareJob(std::move(order));
  if (!job) return nullptr;
  // The worker clears it when the job ends.
  job->Client().SetTranslationObserver(job);
  const std::shared_ptr<ProgressDialogs> progressDialogs = GetHooks().progressDialogs;
  if (!job->FileName().empty() && progressDialogs) {
    // A file job reports to its dialog alone; the main window keeps its own job and result.
    job->Flags().progressDialog = true;
    job->SetDisplay(progressDialogs->CreateProgressDialog(job));
  } else if (!job->Flags().toResultWindow) {
    job->Flags().mainWindowJob = true;
    RegisterCurrentJob(job);
    job->ShowInTargetPane(
        job->Flags().showPleaseWait ? kTranslatingPleaseWait.In(config_->GetUiLanguage()) : "");
  } else {
    OpenResultWindow(job, emptyMainPane);
  }
  StartWorker(job);
  return job;
}

void CWindowsTranslator::OpenResultWindow(const RefPtr<WindowsTranslationInstance>& job,
                                          bool emptyMainPane) {
  const Hooks hooks = GetHooks();
  if (hooks.resultWindows) job->SetDisplay(hooks.resultWindows->CreateResultWindow(job));
  if (emptyMainPane && job->Job().srcformat != kFormatPdf && hooks.mainWindow.progress) {
    hooks.mainWindow.progress->ShowInTargetPane(job->Identity(), {});
  }
}

bool CWindowsTranslator::TakeSource(WindowsTranslationInstance& job, TranslationOrder& order,
                                    const Hooks& hooks) {
  TranslationJob& request = job.Job();
  JobFlags& flags = job.Flags();
  const bool lookup =
      IsLocalJob(request) && config_->settings().ReadBoolean(kShowDictionaryResultsValue, true);
  std::string bytes;
  int format = order.format;
  if (!order.text) {
    // The further-language families send UTF-8.
    if (!IsLocalJob(request)) request.enc = kEncodingUtf8;
    const StreamEncoding encoding =
        request.enc == kEncodingUtf8 ? StreamEncoding::Utf8 : StreamEncoding::Windows1252;
    PaneSource source = TakePaneSource(*hooks.sourcePane, format, encoding, lookup);
    bytes = std::move(source.bytes);
    format = source.format;
    flags.selectionOnly = source.selection;
    flags.dictionaryLookup = source.dictionaryLookup;
  } else {
    std::optional<std::string> word;
    if (order.clipboardMode && lookup) word = ClipboardLookupWord(*order.text, format);
    flags.dictionaryLookup = word.has_value();
    if (word) {
      bytes = std::move(*word);
      format = kFormatTxt;
    } else {
      bytes = std::move(*order.text);
      if (!order.clipboardMode && format == kFormatTxt && order.encoding > 0) {
        request.enc = request.tgtenc = order.encoding;
      }
    }
  }
  if (bytes.empty() || !request.SetSource(std::move(bytes))) return false;
  request.srcformat = format;
  if (flags.dictionaryLookup) request.trflags |= kTrDictionaryLookup;
  return true;
}

void CWindowsTranslator::FillJob(WindowsTranslationInstance& job, const TranslationOrder& order,
                                 const Hooks& hooks) {
  TranslationJob& request = job.Job();
  JobFlags& flags = job.Flags();
  const UserPreferences preferences = Preferences();
  if (request.srclen > kCompressAbove) {
    request.trflags |= kTrCompress;
    job.KeepSourceCopy();
  }
  request.trflags |= kTrFromClient;
  request.tgtformat = request.srcformat;
  ApplyPdfResultOptions(request, order.pdfResultFormat.value_or(preferences.pdfResultFormat),
                        order.pdfZoom.value_or(preferences.pdfZoom));
  if (preferences.autoRemoveFormatting) request.trflagsext |= kTrExtRemoveFormatting;
  const NoActiveDictionaries none;
  request.FillSettings(TranslationPreferences::Read(config_->settings()),
                       hooks.dictionaries ? *hooks.dictionaries : none);
  request.pid = config_->pid();
  if (request.tgtenc == kEncodingWindows1252) {
    if (const int encoding = ResultEncodingOf(request.tgtlan); encoding > 0) {
      request.tgtenc = encoding;
    }
  }

  flags.clipboardMode = order.clipboardMode;
  flags.rtfResult = request.tgtformat == kFormatRtf;
  flags.toResultWindow = order.clipboardMode || preferences.resultWindow || order.toResultWindow;
  if (!order.text && order.sentenceAlignment && !flags.selectionOnly && !flags.dictionaryLookup &&
      !flags.toResultWindow && IsLocalJob(request)) {
    request.trflags |= kTrSentenceAlignment;
  }
}

}  // namespace vorla
