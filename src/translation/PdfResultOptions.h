#pragma once

#include <array>
#include <cstdint>

#include "common/Bilingual.h"

namespace vorla {

struct TranslationJob;

// How the result of a PDF source is asked for, by "PDFTrFormat" (0 RTF, 1 HTML, 2 HTML
// without images, 3 text only, any other value PDF) and "PDFTrZoom".
struct PdfResultOptions {
  int tgtformat = 0;
  std::uint32_t trflags = 0;  // added to the job's
  int formating = 0;
  int zoom = 0;  // 0: not sent
};

PdfResultOptions PdfResultOptionsOf(int resultFormat, int zoom);
// Applies the options to a job whose source is a PDF; other jobs stay as they are.
void ApplyPdfResultOptions(TranslationJob& job, int resultFormat, int zoom);

// The choices of the settings page, in the order listed, with the value each stores.
struct PdfResultChoice {
  BilingualText text;
  int value;
};
inline constexpr std::array<PdfResultChoice, 5> kPdfResultChoices{{
    {{"PDF", "PDF"}, 4},
    {{"HTML", "HTML"}, 1},
    {{"HTML (no images)", "HTML (ei kuvia)"}, 2},
    {{"RTF", "RTF"}, 0},
    {{"Text only", "Teksti"}, 3},
}};
// The zoom values offered, in per cent; an unknown stored value shows as the default.
inline constexpr std::array<int, 6> kPdfZoomChoices{70, 85, 100, 125, 150, 200};
inline constexpr int kDefaultPdfZoom = 100;

}  // namespace vorla
