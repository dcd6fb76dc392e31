#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/CodePages.h"
#include "common/RefPtr.h"
#include "common/StringBuffer.h"
#include "translation/DocumentFormat.h"
#include "translation/LanguageFamily.h"
#include "translation/LanguagePairs.h"

namespace vorla {

class ActiveDictionaryView;
class LanguageView;
struct TranslationPreferences;

// One translation request and its outcome. A request flow fills it, the service client
// turns it into a request and writes the answer back into it, and the flow reads the result.
struct TranslationJob {
  static constexpr int kMaxActiveDictionaries = 10;

  // Source bytes: text, RTF or a whole file. The request layer may replace them by their
  // packed form.
  std::string srctxt;
  // The length of `srctxt`; batch translation sets -1 before the file is read.
  int srclen = 0;
  int sentype = 10;
  int srcformat = kFormatTxt;
  int srclan = kLanguageEnglish;
  int enc = kEncodingWindows1252;
  std::string srcurl;  // a web page or online document to translate
  int srcurllen = 0;
  int srcwords = 0;  // written by the price query
  // The result once it has been detached from `resbuf`.
  std::string rescopy;
  int resunpacked = 0;
  int tgtformat = kFormatTxt;
  int tgtlan = kLanguageFinnish;
  int tgtenc = kEncodingWindows1252;
  RefPtr<IStringBuffer> resbuf;
  // The second part of the answer: alignment table, term list or the pictures of a PDF page.
  RefPtr<IStringBuffer> auxbuf;
  int pid = 0;
  std::array<int, 2> actcount{};
  // Active dictionaries by `DictionaryDirection`; Initialise leaves them as they are.
  std::array<std::array<int, kMaxActiveDictionaries>, 2> actfields{};
  std::string frmurls;  // the frames of a web page
  int frmurlscount = 0;
  int formating = 0;
  std::uint32_t trflags = 0;
  std::uint32_t trflagsext = 0;
  int actsent = -1;
  int shortfall = 0;  // reported with result code 19
  int relogin = 1;    // while 1, code 15 leads to one silent login and one repeat
  int obsvalue = 0;
  int error = 0;
  int zoom = 0;
  // The pair and switch FillLanguages last copied, before they were fitted to one family.
  LanguagePair filledFrom;

  // Sets every field to its initial value except `actfields`.
  void Initialise();

  // Takes the source bytes and sets `srclen`; false, and nothing changed, when they are too
  // long for `srclen`.
  bool SetSource(std::string bytes);
  // The first `srclen` bytes of `srctxt`; empty while `srclen` is -1.
  std::string_view Source() const;
  // The result bytes: those of `resbuf` while it is held, else those of `rescopy`.
  std::string_view Result() const;

  // Copies the current language pair and the automatic-direction switch, keeping the pair
  // within one language family.
  void FillLanguages(const LanguageView& languages);
  // Sets the preference bits of the flags and the active dictionaries of both directions.
  void FillSettings(const TranslationPreferences& preferences,
                    const ActiveDictionaryView& dictionaries);
};

}  // namespace vorla
