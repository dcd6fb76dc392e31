#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "common/DataBuffer.h"
#include "common/Opener.h"
#include "common/RefPtr.h"
#include "service/HttpConn.h"
#include "service/HttpConnFactory.h"
#include "service/ServiceClient.h"
#include "service/updates/IUpdateObserver.h"
#include "service/updates/UpdateAnswer.h"
#include "service/updates/UpdateWindowView.h"

namespace vorla {

class TranslatorState;

// The states of an update window.
enum class UpdateState : int {
  Created = 0,
  Checking = 1,
  UpToDate = 2,
  Available = 3,
  Downloading = 4,
  Downloaded = 5,
  DownloadFailed = 6,
  InstallerStarted = 7,
  Failed = 8,
};

// Results of the check and the download.
inline constexpr int kUpdateOk = 0;
inline constexpr int kUpdateNoConnection = 2;  // no answer, an invalid one, or one in progress
inline constexpr int kUpdateNotLoggedIn = 15;
inline constexpr int kUpdateDigestMismatch = 17;

// How a window was opened: hidden until it has something to say (the check at start), how
// many login attempts the check may make, and whether its login asks for a version check.
struct UpdateWindowOptions {
  bool silent = false;
  int attempts = 4;
  bool versionCheck = false;
};

// What an update window works with.
struct UpdateHooks {
  std::shared_ptr<HttpConnFactory> connections;
  // Opens the offered web address and hands the installer to the desktop.
  std::shared_ptr<Opener> opener;
  RefPtr<IUpdateObserver> observer;
  // Held until the object goes: the owner of the translator state, which workers still
  // running after the window closed use.
  RefPtr<IUnknown> stateOwner;
  // Brings a call from a worker to the window thread; calls arriving after the window has
  // gone are dropped there.
  std::function<void(std::function<void()>)> post;
  // Made on a worker before it logs in and held during the login: names the update window
  // as the one the login prompt opens beside.
  std::function<std::shared_ptr<void>()> loginParent;
};

// The product update behind one update window: the check (`getupdinf`), the download
// (`dlupd`) into memory with its digest check, and the installation. The window's handlers
// run on the window thread; the check and the download run on workers of their own, each
// holding a reference, and bring every result to the window thread through the post hook.
// Closing the window cancels the request in progress; a worker that ends later posts
// nothing.
class CApplUpdateInfo final : public UnknownImpl<IHttpConnObserver> {
 public:
  CApplUpdateInfo(TranslatorState& state, UpdateHooks hooks, UpdateWindowOptions options);
  ~CApplUpdateInfo() override = default;

  // ---- The window thread.
  // The window has been made: its first texts, then the check starts on a worker.
  void Open(UpdateWindowView& view);
  // The start button: the web address, the download or the installation by state.
  void Start();
  // "Don't ask again" clicked: "UpdInf1" is written as the box is not.
  void DontAskAgain(bool ticked);
  // The window has been closed: the request in progress is cancelled and the observer told.
  void Close();
  // Where the results arrive.
  void OnCheckResult(int result);
  void OnDownloadResult(int result);
  void OnProgress(std::int64_t bytesSoFar);

  // ---- The work itself, also for the command line (which runs it on its own thread).
  // Logs in when needed and asks for the offer: 0, 2 or 15.
  int RunUpdateCheck();
  // Downloads the offered file into memory: 0, 2 (no answer, a short one, or cancelled) or
  // 17 (its digest does not match).
  int RunUpdateDownload();
  // Stores the downloaded installer as a new file of the folder (StoreInstaller); nothing
  // for a file offer, or when it cannot be written or does not read back whole and matching.
  std::optional<std::filesystem::path> StoreDownload(const std::filesystem::path& folder) const;
  // Stores the installer in a new folder of the application data and hands it to the
  // desktop's opener as a file, then tells the observer.
  bool InstallUpdate();

  UpdateState State() const { return phase_; }
  bool IsClosed() const { return closed_; }
  // Whether a check or a download is under way on a worker.
  bool IsBusy() const { return busy_; }
  const std::optional<UpdateAnswer>& Answer() const { return answer_; }
  // Whether the offer is newer than the running program.
  bool OffersNewerVersion() const;
  const std::optional<std::filesystem::path>& InstallerPath() const { return installerPath_; }

  // ---- IHttpConnObserver: the download's progress goes to the window.
  std::int32_t OnConnecting(std::int32_t) override { return 0; }
  std::int32_t OnReconnecting(std::int32_t, std::int32_t) override { return 0; }
  std::int32_t OnRequestSent(std::int32_t, std::int32_t) override { return 0; }
  std::int32_t OnDownloadBegin(std::int32_t, std::int32_t) override { return 0; }
  std::int32_t OnDownloadProgress(std::int32_t soFar, std::int32_t total,
                                  std::int32_t value) override;
  std::int32_t OnDownloadEnd(std::int32_t, std::int32_t, std::int32_t) override { return 0; }
  std::int32_t OnUploadBegin(std::int32_t, std::int32_t) override { return 0; }
  std::int32_t OnUploadProgress(std::int32_t, std::int32_t, std::int32_t) override { return 0; }
  std::int32_t OnUploadEnd(std::int32_t, std::int32_t, std::int32_t) override { return 0; }

 private:
  // The check and the download; the caller holds the busy flag.
  int Check();
  int Download();
  // Runs the work on a worker holding a reference and the busy flag (a second one is
  // refused with 2); its result goes to the handler on the
  // window thread unless the window has closed.
  void RunOnWorker(int (CApplUpdateInfo::*work)(), void (CApplUpdateInfo::*handler)(int));
  // Brings a call to the window thread, where it runs while the window is open.
  void Post(std::function<void(CApplUpdateInfo&)> call);
  void PostStatus(std::string_view text);
  // Login when needed: 0, or the check's result.
  int EnsureLogin();
  // Makes the client ready for the next exchange; false once the window has closed.
  bool PrepareClient();
  void ShowProgress(std::int64_t bytesSoFar);
  bool StoreInUpdateFolder();
  std::string Text(int message, std::string_view value = {}) const;

  TranslatorState& state_;
  UpdateHooks hooks_;
  const UpdateWindowOptions options_;
  const UiLanguage language_;
  bool versionCheck_;
  std::atomic<bool> closed_{false};
  // A second request while one runs is refused rather than waited for.
  std::atomic<bool> busy_{false};
  ServiceClient client_;

  // The window thread's; the workers write the answer and the download before they post.
  UpdateWindowView* view_ = nullptr;
  UpdateState phase_ = UpdateState::Created;
  int lastPercent_ = -1;
  std::optional<UpdateAnswer> answer_;
  RefPtr<IDataBuffer> download_;
  std::optional<std::filesystem::path> installerPath_;
};

}  // namespace vorla
