#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "common/Clock.h"
#include "common/Opener.h"
#include "common/RefPtr.h"
#include "config/Config.h"
#include "service/HttpConnFactory.h"
#include "translation/ActiveDictionaryView.h"
#include "translation/ClipboardText.h"
#include "translation/IAuthenticationObserver.h"
#include "translation/JobDisplay.h"
#include "translation/LanguageNotice.h"
#include "translation/PriceConfirmation.h"
#include "translation/ProgressDialogs.h"
#include "translation/QuotaNotice.h"
#include "translation/ResultFiles.h"
#include "translation/ResultWindows.h"
#include "translation/SourcePane.h"
#include "translation/TranslatorState.h"
#include "translation/TranslatorWindow.h"
#include "translation/UserPreferences.h"
#include "translation/WebAddressHistory.h"
#include "translation/WebDialogSink.h"
#include "translation/WindowsTranslationInstance.h"

namespace vorla {

// What one translate command asks for: the source (given bytes, or the source pane), how
// the job reports, and where the result goes.
struct TranslationOrder {
  // A file's content or the clipboard text; nothing to take the source pane.
  std::optional<std::string> text;
  // The format of the given text, or the form the pane is streamed in: 1 text, 2 RTF.
  int format = kFormatRtf;
  // The encoding index detected in a plain-text file; 0 for none.
  int encoding = 0;
  bool clipboardMode = false;
  bool showPleaseWait = true;
  // "Translate and open result in new window".
  bool toResultWindow = false;
  // The name of the translated file (UTF-8); empty for text.
  std::string fileName;
  // For this job only, in place of "PDFTrFormat" and "PDFTrZoom".
  std::optional<int> pdfResultFormat;
  std::optional<int> pdfZoom;
  // Whether the target shows the sentence alignment (the main window does; the command line
  // does not).
  bool sentenceAlignment = true;
};

// The client's translator: turns every translate command into a job, runs it on a worker
// thread against the service and delivers the result where the command asked. It owns the
// language and account state, the preferences and the naming of result files. Reference
// counted: every worker holds a reference until it ends.
class CWindowsTranslator final : public UnknownImpl<IAuthenticationObserver> {
 public:
  // What the translator works with, set once by the program before the first command.
  struct Hooks {
    std::shared_ptr<HttpConnFactory> connections;
    std::shared_ptr<SourcePane> sourcePane;
    // The main window's status line, progress bar and translation pane.
    JobDisplay mainWindow;
    // The result windows of the jobs that show their result in one.
    std::shared_ptr<ResultWindows> resultWindows;
    // The progress dialogs of file jobs.
    std::shared_ptr<ProgressDialogs> progressDialogs;
    std::shared_ptr<TranslatorWindow> window;
    std::shared_ptr<PriceConfirmation> priceConfirmation;
    std::shared_ptr<LanguageNotice> languageNotice;
    std::shared_ptr<QuotaNotice> quotaNotice;
    std::shared_ptr<Opener> opener;
    std::shared_ptr<const Clock> clock = std::make_shared<SteadyClock>();
    // The dictionary sets' active dictionaries; none are sent without them.
    std::shared_ptr<const ActiveDictionaryView> dictionaries;
    // Whether automatic speech is on; speech sets it when it is there.
    std::function<bool()> automaticSpeech;
  };

  // Creates the language and account state from the settings (sessionNumber is this run's
  // number) and reads the preferences.
  CWindowsTranslator(RefPtr<Config> config, int sessionNumber);

  void SetHooks(Hooks hooks);
  TranslatorState& State() { return *state_; }
  Config& GetConfig() { return *config_; }

  // Starts a job for the order on a worker thread and returns it; null when there is
  // nothing to translate (an empty source pane).
  RefPtr<WindowsTranslationInstance> StartTranslation(TranslationOrder order);
  // The job of an order, filled as StartTranslation fills it but not started (the price of
  // a text is asked this way); null when there is nothing to translate.
  RefPtr<WindowsTranslationInstance> PrepareJob(TranslationOrder order);
  // Logs the user in for a job unless a login is still valid, reporting on the job's
  // display: 0, or 15 with the login's text as the job's result text.
  int EnsureLoggedIn(WindowsTranslationInstance& job);

  // The main window's current job. Registering cancels the one registered before, even when
  // it has ended, so that none of its reports still queued is shown.
  void RegisterCurrentJob(const RefPtr<WindowsTranslationInstance>& job);
  // Cancels and unregisters the current job; whether there was one.
  bool CancelCurrentJob();
  // The command "Cancel translation": cancels the current job and, when there was one,
  // greys the command, says so in the status line and empties the translation pane.
  void CancelTranslationCommand();
  // The end of a job: a job that is still the registered one is unregistered, its command
  // greyed and its result kept as the last result. A superseded job changes nothing.
  void FinishJob(const RefPtr<WindowsTranslationInstance>& job, int result);
  // The result of the last main-window translation; -1 before the first.
  int LastResult() const;
  // The languages of the last main-window translation, which speech reads it in; nothing
  // before the first.
  std::optional<LanguagePair> LastTranslationLanguages() const;

  // Result files: created in the documents work folder, and opened.
  std::optional<ResultFile> MakeResultPath(std::string_view sourceName, int targetFormat);
  // Writes the job's result to a new file named after its file and opens it (an HTML page
  // made from a PDF with its pictures beside it, `WriteResultDocument`); false when the file
  // cannot be named or written.
  bool OpenResultFile(WindowsTranslationInstance& job);

  // ---- Web pages and online documents
  // Cancels the web job before it and starts one for the address (Windows-1252) that reports
  // to the web dialog: 0, 7 (the address is refused) or 16 (a file type that is not translated)
  // (none is started then).
  struct WebJobStart {
    int result = 0;
    // The job started; null when none was.
    RefPtr<WindowsTranslationInstance> job;
  };
  WebJobStart StartWebTranslation(std::string_view address, RefPtr<IWebDialogSink> dialog);
  // Cancels and releases the current web job; whether there was one.
  bool CancelWebJob();
  // The addresses translated in this run; used on the window thread only.
  WebAddressHistory& WebHistory() { return webHistory_; }

  // ---- Preferences: each setter stores the value and writes it at once.
  UserPreferences Preferences() const;
  void SetResultWindow(bool on);
  void SetAutoTranslateClipboard(bool on);
  void SetPdfResultFormat(int format);
  void SetPdfZoom(int zoom);
  void SetAutoRemoveFormatting(bool on);
  void SetSentenceAlignmentDisplay(int type);
  void SetSynchronisedScrolling(bool on);

  // The clipboard text that automatic translation last saw; emptied whenever "UsrPref2" is
  // set.
  ClipboardText SavedClipboardText() const;
  void SetSavedClipboardText(ClipboardText text);

  // At exit: sets the closing flag, cancels every running job and login and waits for the
  // workers and the login threads at most the given time; whether every one has ended. A
  // worker still running then ends on its own, holding the translator; a login thread still
  // running is joined when the translator goes.
  bool Shutdown(std::chrono::milliseconds wait = std::chrono::milliseconds(3000));

  // ---- IAuthenticationObserver
  void OnLoginPrompt(int reserved) override;
  void OnLoginFinished(std::string_view userName, int result) override;
  void OnStateChanged(std::string_view userName, int result) override;
  void OnLoginRetry(ServiceClient& client, IHttpConnObserver* jobObserver) override;

  ~CWindowsTranslator() override;

 private:
  Hooks GetHooks() const;
  // Cancels and unregisters the job registered in the slot (under the lock); whether there
  // was one.
  bool CancelRegistered(RefPtr<WindowsTranslationInstance>& registered);
  // The steps of StartTranslation.
  bool TakeSource(WindowsTranslationInstance& job, TranslationOrder& order, const Hooks& hooks);
  void FillJob(WindowsTranslationInstance& job, const TranslationOrder& order, const Hooks& hooks);
  // Opens the job's result window; a job of "UsrPref1" also empties the translation pane.
  void OpenResultWindow(const RefPtr<WindowsTranslationInstance>& job, bool emptyMainPane);
  void StartWorker(RefPtr<WindowsTranslationInstance> job);
  // The worker: login, request length, price check, notice, translation, delivery.
  void RunJob(const RefPtr<WindowsTranslationInstance>& job);
  int RunJobSteps(WindowsTranslationInstance& job, const Hooks& hooks);
  // The "Translation Quota Info" dialog after a further-language job ran out of quota.
  void ShowQuotaInfo(WindowsTranslationInstance& job, const Hooks& hooks);
  int CheckPrice(WindowsTranslationInstance& job, const Hooks& hooks,
                 std::optional<PriceRecord>& price);
  int ShowLanguageNotice(WindowsTranslationInstance& job, const Hooks& hooks);
  // After a successful request: the service's pick of languages (when the pair is still the
  // one `sent`) and the quota.
  void AfterTranslation(WindowsTranslationInstance& job, const LanguagePair& sent,
                        const std::optional<PriceRecord>& price);
  void Deliver(WindowsTranslationInstance& job, const Hooks& hooks);
  void DeliverFile(WindowsTranslationInstance& job);
  // A web job's result: the browser on the stored result, or the document opened.
  void DeliverWebResult(WindowsTranslationInstance& job);
  template <class T>
  void StorePreference(T UserPreferences::*field, const char* name, T value);

  RefPtr<Config> config_;
  std::unique_ptr<TranslatorState> state_;
  ResultFiles resultFiles_;

  // The hooks, the preferences, the saved clipboard text, the current job, the last result
  // and the web job.
  mutable std::mutex mutex_;
  Hooks hooks_;
  UserPreferences preferences_;
  ClipboardText savedClipboardText_;
  RefPtr<WindowsTranslationInstance> currentJob_;
  // The job registered last, kept after it ended until the next one supersedes it.
  RefPtr<WindowsTranslationInstance> lastMainWindowJob_;
  int lastResult_ = -1;
  std::optional<LanguagePair> lastLanguages_;
  RefPtr<WindowsTranslationInstance> webJob_;
  WebAddressHistory webHistory_;

  struct Worker {
    RefPtr<WindowsTranslationInstance> job;
    std::shared_ptr<std::atomic<bool>> done;
    std::jthread thread;
  };
  std::mutex workersMutex_;
  std::condition_variable workerEnded_;
  std::vector<Worker> workers_;
};

}  // namespace vorla
