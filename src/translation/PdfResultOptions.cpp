#include "translation/PdfResultOptions.h"

#include "translation/TranslationFlags.h"
#include "translation/TranslationJob.h"

namespace vorla {

namespace {

constexpr int kAsRtf = 0;
constexpr int kAsHtml = 1;
constexpr int kAsHtmlWithoutImages = 2;
constexpr int kAsTextOnly = 3;

// The service's `formating` values for an HTML page made from a PDF.
constexpr int kFormattingTextOnly = 1;
constexpr int kFormattingNoImages = 5;

}  // namespace

PdfResultOptions PdfResultOptionsOf(int resultFormat, int zoom) {
  switch (resultFormat) {
    case kAsRtf:
      return {kFormatRtf, 0, 0, zoom};
    case kAsHtml:
      return {kFormatHtml, kTrPdfToHtml, 0, zoom};
    case kAsHtmlWithoutImages:
      return {kFormatHtml, kTrPdfToHtml, kFormattingNoImages, zoom};
    case kAsTextOnly:
      return {kFormatHtml, kTrPdfToHtml, kFormattingTextOnly, 0};
    default:
      return {kFormatPdf, 0, 0, 0};
  }
}

void ApplyPdfResultOptions(TranslationJob& job, int resultFormat, int zoom) {
  if (job.srcformat != kFormatPdf) return;
  const PdfResultOptions options = PdfResultOptionsOf(resultFormat, zoom);
  job.tgtformat = options.tgtformat;
  job.trflags |= options.trflags;
  job.formating = options.formating;
  job.zoom = options.zoom;
}

}  // namespace vorla
