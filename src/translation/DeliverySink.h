#pragma once

#include <string>

#include "common/CodePages.h"
#include "common/Unknown.h"
#include "translation/JobIdentity.h"
#include "translation/SentenceAlignment.h"

namespace vorla {

// The result of a successful job as the window that shows it needs it.
struct TranslationDelivery {
  std::string result;  // text in `codePage`, or RTF
  bool rtf = false;
  int codePage = kCodePageWindows1252;
  // The result of a dictionary lookup, shown as a formatted dictionary entry.
  bool dictionaryLookup = false;
  // A clipboard translation whose result goes back to the clipboard.
  bool copyToClipboard = false;
  bool toResultWindow = false;
  // The sentence alignment of the translation; empty without a well-formed one.
  SentenceAlignment alignment;
  int sourceLanguage = 0;
  int targetLanguage = 0;
};

// Takes the result of a job: the main window's translation pane, the result window, the
// command line's standard output. Called on the job's worker thread, like IProgressSink.
class IDeliverySink : public IUnknown {
 public:
  using Parent = IUnknown;
  static constexpr InterfaceId kIid = MakeInterfaceId("A4F19B62-0C83-4E75-9D2A-6B1E8C3F5D27");

  virtual void Deliver(const JobIdentity& job, TranslationDelivery delivery) = 0;

 protected:
  ~IDeliverySink() override = default;
};

}  // namespace vorla
