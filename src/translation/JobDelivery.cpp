// CWindowsTranslator::Deliver: the result of a successful job goes where it was asked.
#include "translation/CWindowsTranslator.h"
#include "translation/JobTexts.h"
#include "translation/TranslationFlags.h"

namespace vorla {

namespace {

// Results in these formats are written to a file and opened by the program registered for
// them; text, RTF and XML are shown.
bool IsOpenedAsFile(int format) {
  return (format >= kFormatHtml && format <= kFormatOdt) ||
         (format >= kFormatPpt && format <= kFormatXlsx);
}

std::optional<BilingualText> OpenedFileText(int format) {
  switch (format) {
    case kFormatCsv:
      return kOpenedInCsvViewer;
    case kFormatPdf:
      return kOpenedInPdfViewer;
    case kFormatHtml:
    case kFormatDoc:
    case kFormatOdt:
      return kOpenedInViewer;
    default:
      return std::nullopt;
  }
}

// Encoding indexes outside 1 to 33 show as Windows-1252.
int CodePageOfResult(int encoding) {
  return encoding >= kEncodingUtf8 && encoding <= kEncodingLast ? CodePageOfEncoding(encoding)
                                                                : kCodePageWindows1252;
}

}  // namespace

void CWindowsTranslator::Deliver(WindowsTranslationInstance& job, const Hooks& hooks) {
  if (job.Flags().webJob) {
    DeliverWebResult(job);
    return;
  }
  TranslationJob& request = job.Job();
  const JobFlags& flags = job.Flags();
  const UiLanguage language = config_->GetUiLanguage();
  if (flags.mainWindowJob) {
    std::lock_guard lock(mutex_);
    lastLanguages_ = LanguagePair{request.srclan, request.tgtlan, false};
  }
  job.ShowStatus(kTranslationCompleted.In(language), ProgressBar::Hide);
  if (flags.progressDialog || IsOpenedAsFile(request.tgtformat)) {
    DeliverFile(job);
    return;
  }

  TranslationDelivery delivery;
  delivery.result = std::string(request.Result());
  request.resbuf.reset();
  request.rescopy.clear();
  delivery.rtf = request.tgtformat == kFormatRtf;
  delivery.codePage = CodePageOfResult(request.tgtenc);
  delivery.dictionaryLookup = flags.dictionaryLookup;
  delivery.copyToClipboard =
      flags.clipboardMode && !Preferences().autoTranslateClipboard && !flags.dictionaryLookup;
  delivery.toResultWindow = flags.toResultWindow;
  if ((request.trflags & kTrSentenceAlignment) && request.auxbuf) {
    delivery.alignment =
        SentenceAlignment::Parse(ViewOf(*request.auxbuf)).value_or(SentenceAlignment());
  }
  delivery.sourceLanguage = request.srclan;
  delivery.targetLanguage = request.tgtlan;
  if (job.MayShow() && job.Display().delivery) {
    job.Display().delivery->Deliver(job.Identity(), std::move(delivery));
  }

  if (flags.mainWindowJob && hooks.window && hooks.automaticSpeech && hooks.automaticSpeech() &&
      job.MayShow()) {
    hooks.window->SpeakTranslation();
  }
}

void CWindowsTranslator::DeliverFile(WindowsTranslationInstance& job) {
  const UiLanguage language = config_->GetUiLanguage();
  if (!OpenResultFile(job)) {
    job.SetResultText(std::string(kResultFileFailed.In(language)));
    job.ShowFailure(0);
    return;
  }
  const std::optional<BilingualText> text = OpenedFileText(job.Job().tgtformat);
  job.ShowInTargetPane(text ? text->In(language) : std::string_view());
  // The progress dialog learns that its result is there, to offer saving it.
  if (job.Flags().progressDialog && job.MayShow() && job.Display().delivery) {
    job.Display().delivery->Deliver(job.Identity(), {});
  }
}

}  // namespace vorla
