#include "translation/CWindowsTranslator.h"

#include <algorithm>
#include <type_traits>

#include "common/ApplicationClosing.h"
#include "translation/JobTexts.h"
#include "translation/PdfHtmlResult.h"

namespace vorla {

CWindowsTranslator::CWindowsTranslator(RefPtr<Config> config, int sessionNumber)
    : config_(std::move(config)),
      state_(std::make_unique<TranslatorState>(config_, sessionNumber)),
      resultFiles_(config_),
      preferences_(UserPreferences::Read(config_->settings())) {}

CWindowsTranslator::~CWindowsTranslator() {
  // A login thread holds the translator while it runs: those left are at their end, or this
  // is the one that released it last.
  state_->JoinLoginThreads();
  // A worker that held the last reference ends on its own thread, which cannot join itself.
  for (Worker& worker : workers_) {
    if (worker.thread.get_id() == std::this_thread::get_id()) worker.thread.detach();
  }
}

void CWindowsTranslator::SetHooks(Hooks hooks) {
  std::lock_guard lock(mutex_);
  hooks_ = std::move(hooks);
}

CWindowsTranslator::Hooks CWindowsTranslator::GetHooks() const {
  std::lock_guard lock(mutex_);
  return hooks_;
}

// ---- The current job

void CWindowsTranslator::RegisterCurrentJob(const RefPtr<WindowsTranslationInstance>& job) {
  RefPtr<WindowsTranslationInstance> previous;
  std::shared_ptr<TranslatorWindow> window;
  {
    std::lock_guard lock(mutex_);
    currentJob_ = job;
    previous = std::exchange(lastMainWindowJob_, job);
    window = hooks_.window;
  }
  // Also a job that has ended: what it reported may still wait for the window thread.
  if (previous) previous->Cancel();
  if (window) window->EnableCancelCommand(true);
}

bool CWindowsTranslator::CancelRegistered(RefPtr<WindowsTranslationInstance>& registered) {
  RefPtr<WindowsTranslationInstance> cancelled;
  {
    std::lock_guard lock(mutex_);
    cancelled = std::exchange(registered, nullptr);
  }
  if (!cancelled) return false;
  cancelled->Cancel();
  return true;
}

bool CWindowsTranslator::CancelCurrentJob() {
  return CancelRegistered(currentJob_);
}

void CWindowsTranslator::CancelTranslationCommand() {
  if (!CancelCurrentJob()) return;
  const Hooks hooks = GetHooks();
  if (hooks.window) hooks.window->EnableCancelCommand(false);
  if (const RefPtr<IProgressSink>& progress = hooks.mainWindow.progress) {
    progress->ShowStatus({}, kTranslationCancelled.In(config_->GetUiLanguage()), ProgressBar::Hide,
                         0);
    progress->ShowInTargetPane({}, {});
  }
}

void CWindowsTranslator::FinishJob(const RefPtr<WindowsTranslationInstance>& job, int result) {
  std::shared_ptr<TranslatorWindow> window;
  {
    std::lock_guard lock(mutex_);
    if (webJob_ == job) webJob_.reset();
    // The worker of a superseded job leaves its successor alone.
    if (currentJob_ != job) return;
    currentJob_.reset();
    lastResult_ = result;
    window = hooks_.window;
  }
  if (window) window->EnableCancelCommand(false);
}

int CWindowsTranslator::LastResult() const {
  std::lock_guard lock(mutex_);
  return lastResult_;
}

std::optional<LanguagePair> CWindowsTranslator::LastTranslationLanguages() const {
  std::lock_guard lock(mutex_);
  return lastLanguages_;
}

// ---- Result files

std::optional<ResultFile> CWindowsTranslator::MakeResultPath(std::string_view sourceName,
                                                             int targetFormat) {
  return resultFiles_.Create(sourceName, targetFormat);
}

bool CWindowsTranslator::OpenResultFile(WindowsTranslationInstance& job) {
  if (job.Job().Result().empty()) return false;
  std::optional<ResultFile> file = MakeResultPath(job.FileName(), job.Job().tgtformat);
  if (!file) return false;
  // The file was created to reserve its name; it is written whole through a temporary one.
  file->file.reset();
  if (!WriteResultDocument(job.Job(), file->path)) return false;
  if (const std::shared_ptr<Opener> opener = GetHooks().opener) opener->Open(file->path.string());
  return true;
}

// ---- Preferences

UserPreferences CWindowsTranslator::Preferences() const {
  std::lock_guard lock(mutex_);
  return preferences_;
}

template <class T>
void CWindowsTranslator::StorePreference(T UserPreferences::*field, const char* name, T value) {
  std::lock_guard lock(mutex_);
  preferences_.*field = value;
  if constexpr (std::is_same_v<T, bool>) {
    config_->settings().WriteBoolean(name, value);
  } else {
    config_->settings().WriteInteger(name, value);
  }
}

void CWindowsTranslator::SetResultWindow(bool on) {
  StorePreference(&UserPreferences::resultWindow, kResultWindowValue, on);
}

void CWindowsTranslator::SetAutoTranslateClipboard(bool on) {
  StorePreference(&UserPreferences::autoTranslateClipboard, kAutoTranslateClipboardValue, on);
  SetSavedClipboardText({});
}

void CWindowsTranslator::SetPdfResultFormat(int format) {
  StorePreference(&UserPreferences::pdfResultFormat, kPdfResultFormatValue, format);
}

void CWindowsTranslator::SetPdfZoom(int zoom) {
  StorePreference(&UserPreferences::pdfZoom, kPdfZoomValue, zoom);
}

void CWindowsTranslator::SetAutoRemoveFormatting(bool on) {
  StorePreference(&UserPreferences::autoRemoveFormatting, kAutoRemoveFormattingValue, on);
}

void CWindowsTranslator::SetSentenceAlignmentDisplay(int type) {
  StorePreference(&UserPreferences::sentenceAlignmentDisplay, kSentenceAlignmentValue, type);
}

void CWindowsTranslator::SetSynchronisedScrolling(bool on) {
  StorePreference(&UserPreferences::synchronisedScrolling, kSynchronisedScrollingValue, on);
}

ClipboardText CWindowsTranslator::SavedClipboardText() const {
  std::lock_guard lock(mutex_);
  return savedClipboardText_;
}

void CWindowsTranslator::SetSavedClipboardText(ClipboardText text) {
  std::lock_guard lock(mutex_);
  savedClipboardText_ = std::move(text);
}

// ---- Workers

void CWindowsTranslator::StartWorker(RefPtr<WindowsTranslationInstance> job) {
  std::lock_guard lock(workersMutex_);
  // Workers that have ended are joined at once; the others at shutdown.
  std::erase_if(workers_, [](const Worker& worker) { return worker.done->load(); });
  auto done = std::make_shared<std::atomic<bool>>(false);
  RefPtr<CWindowsTranslator> self(this);
  workers_.push_back({job, done, std::jthread([self, job, done] {
                        self->RunJob(job);
                        {
                          std::lock_guard ended(self->workersMutex_);
                          done->store(true);
                        }
                        self->workerEnded_.notify_all();
                      })});
}

bool CWindowsTranslator::Shutdown(std::chrono::milliseconds wait) {
  const auto deadline = std::chrono::steady_clock::now() + wait;
  // Closing also cancels every service exchange under way, logins included.
  SetApplicationClosing();
  CancelCurrentJob();
  CancelWebJob();
  std::unique_lock lock(workersMutex_);
  for (Worker& worker : workers_)
    worker.job->Cancel();
  const bool workersEnded = workerEnded_.wait_until(lock, deadline, [this] {
    return std::ranges::all_of(workers_, [](const Worker& worker) { return worker.done->load(); });
  });
  for (Worker& worker : workers_) {
    if (!worker.done->load()) worker.thread.detach();
  }
  workers_.clear();
  lock.unlock();
  const bool loginsEnded = state_->WaitForLoginThreads(deadline);
  return workersEnded && loginsEnded;
}

// ---- IAuthenticationObserver

void CWindowsTranslator::OnLoginPrompt(int) {}

void CWindowsTranslator::OnLoginFinished(std::string_view, int) {
  if (const auto window = GetHooks().window; window && !IsApplicationClosing()) {
    window->RefreshLanguageControls(true);
  }
}

void CWindowsTranslator::OnStateChanged(std::string_view, int) {
  if (const auto window = GetHooks().window; window && !IsApplicationClosing()) {
    window->RefreshLanguageControls(false);
  }
}

void CWindowsTranslator::OnLoginRetry(ServiceClient&, IHttpConnObserver* jobObserver) {
  RefPtr<WindowsTranslationInstance> job;
  {
    std::lock_guard lock(workersMutex_);
    const auto found = std::ranges::find_if(workers_, [jobObserver](const Worker& worker) {
      return static_cast<IHttpConnObserver*>(worker.job.get()) == jobObserver;
    });
    if (found == workers_.end()) return;
    job = found->job;
  }
  job->ShowStatus(kRetryingLogin.In(config_->GetUiLanguage()), ProgressBar::Hide, 0,
                  !job->Flags().toResultWindow);
}

}  // namespace vorla
