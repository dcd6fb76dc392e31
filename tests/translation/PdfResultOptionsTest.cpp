#include <gtest/gtest.h>

#include "translation/PdfResultOptions.h"
#include "translation/TranslationFlags.h"
#include "translation/TranslationJob.h"

namespace vorla {
namespace {

TEST(PdfResultOptions, ByStoredValue) {
  struct Case {
    int value;
    int tgtformat;
    bool pdfToHtml;
    int formating;
    int zoom;
  };
  const Case cases[] = {
      {0, kFormatRtf, false, 0, 125}, {1, kFormatHtml, true, 0, 125},
      {2, kFormatHtml, true, 5, 125}, {3, kFormatHtml, true, 1, 0},
      {4, kFormatPdf, false, 0, 0},   {7, kFormatPdf, false, 0, 0},
      {-1, kFormatPdf, false, 0, 0},
  };
  for (const Case& c : cases) {
    TranslationJob job;
    job.srcformat = job.tgtformat = kFormatPdf;
    job.trflags = kTrFromClient;
    ApplyPdfResultOptions(job, c.value, 125);
    EXPECT_EQ(job.tgtformat, c.tgtformat) << c.value;
    EXPECT_EQ((job.trflags & kTrPdfToHtml) != 0, c.pdfToHtml) << c.value;
    EXPECT_NE(job.trflags & kTrFromClient, 0u) << c.value;
    EXPECT_EQ(job.formating, c.formating) << c.value;
    EXPECT_EQ(job.zoom, c.zoom) << c.value;
  }
}

TEST(PdfResultOptions, OtherSourcesStayAsTheyAre) {
  TranslationJob job;
  job.srcformat = job.tgtformat = kFormatDocx;
  ApplyPdfResultOptions(job, 1, 150);
  EXPECT_EQ(job.tgtformat, kFormatDocx);
  EXPECT_EQ(job.trflags & kTrPdfToHtml, 0u);
  EXPECT_EQ(job.zoom, 0);
}

TEST(PdfResultOptions, SettingsChoicesStoreTheirValues) {
  std::vector<int> values;
  for (const PdfResultChoice& choice : kPdfResultChoices)
    values.push_back(choice.value);
  EXPECT_EQ(values, (std::vector<int>{4, 1, 2, 0, 3}));
  EXPECT_EQ(kPdfResultChoices[2].text.finnish, "HTML (ei kuvia)");
}

}  // namespace
}  // namespace vorla
