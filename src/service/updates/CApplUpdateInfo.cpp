#include "service/updates/CApplUpdateInfo.h"

#include <thread>
#include <vector>

#include "service/LoginResults.h"
#include "service/LoginTexts.h"
#include "service/updates/InstallerFile.h"
#include "service/updates/UpdateTexts.h"
#include "service/updates/UpdateVersion.h"
#include "translation/TranslatorState.h"

namespace vorla {

namespace {

// Besides kLoginNoConnection, the login result that means the service could not be reached.
constexpr int kLoginServiceUnavailable = 25;

// "co" and "plt", which this client leaves at 0.
constexpr int kUnusedNumber = 0;

std::string UpdateBody(std::string_view command, const TranslatorState& state,
                       UiLanguage language) {
  return "cmd=" + std::string(command) + "&pid=" + std::to_string(Config::kProductId) +
         "&l=" + std::to_string(state.SessionNumber()) +
         "&lan=" + std::to_string(static_cast<int>(language)) +
         "&co=" + std::to_string(kUnusedNumber) + "&plt=" + std::to_string(kUnusedNumber);
}

}  // namespace

CApplUpdateInfo::CApplUpdateInfo(TranslatorState& state, UpdateHooks hooks,
                                 UpdateWindowOptions options)
    : state_(state),
      hooks_(std::move(hooks)),
      options_(options),
      language_(state.GetConfig().GetUiLanguage()),
      versionCheck_(options.versionCheck) {}

std::string CApplUpdateInfo::Text(int message, std::string_view value) const {
  return UpdateMessageText(message, language_, value);
}

void CApplUpdateInfo::Post(std::function<void(CApplUpdateInfo&)> call) {
  if (closed_ || !hooks_.post) return;
  hooks_.post([self = RefPtr(this), call = std::move(call)] {
    if (!self->closed_ && self->view_) call(*self);
  });
}

void CApplUpdateInfo::PostStatus(std::string_view text) {
  Post([text = std::string(text)](CApplUpdateInfo& self) { self.view_->SetStatusText(text); });
}

void CApplUpdateInfo::RunOnWorker(int (CApplUpdateInfo::*work)(),
                                  void (CApplUpdateInfo::*handler)(int)) {
  const auto post = [handler](CApplUpdateInfo& self, int result) {
    self.Post([handler, result](CApplUpdateInfo& update) { (update.*handler)(result); });
  };
  if (busy_.exchange(true)) {
    post(*this, kUpdateNoConnection);
    return;
  }
  std::thread([self = RefPtr(this), work, post] {
    const int result = ((*self).*work)();
    self->busy_ = false;
    post(*self, result);
  }).detach();
}

int CApplUpdateInfo::RunUpdateCheck() {
  if (busy_.exchange(true)) return kUpdateNoConnection;
  const int result = Check();
  busy_ = false;
  return result;
}

int CApplUpdateInfo::RunUpdateDownload() {
  if (busy_.exchange(true)) return kUpdateNoConnection;
  const int result = Download();
  busy_ = false;
  return result;
}

bool CApplUpdateInfo::PrepareClient() {
  client_.Initialise(RefPtr<Config>(&state_.GetConfig()), state_, hooks_.connections);
  // Initialising forgets a cancel: a Close that came before is seen here instead.
  return !closed_;
}

// ---- The window thread.

void CApplUpdateInfo::Open(UpdateWindowView& view) {
  view_ = &view;
  view.SetStatusText(Text(static_cast<int>(UpdateMessage::Checking)));
  view.SetDetailsText({});
  view.SetCloseButtonText(kUpdateCloseText.In(language_));
  view.ShowStartButton(false);
  view.ShowDontAskAgain(options_.silent, !state_.GetConfig().UpdateCheckEnabled());
  phase_ = UpdateState::Checking;
  RunOnWorker(&CApplUpdateInfo::Check, &CApplUpdateInfo::OnCheckResult);
}

bool CApplUpdateInfo::OffersNewerVersion() const {
  return answer_ && IsNewerVersion(answer_->version, state_.GetConfig().version());
}

void CApplUpdateInfo::OnCheckResult(int result) {
  UpdateWindowView& view = *view_;
  if (result == kUpdateOk && OffersNewerVersion()) {
    view.SetStatusText(Text(static_cast<int>(UpdateMessage::NewVersion), Config::kProductName));
    view.SetDetailsText(OfferDetailsText(
        state_.GetConfig().version(), answer_->version,
        answer_->offer == UpdateOffer::WebAddress ? 0 : answer_->fileSize, language_));
    view.SetStartButtonText(kUpdateInstallUpdateText.In(language_));
    view.ShowStartButton(true);
    view.EnableStartButton(true);
    view.ShowWindow();
    phase_ = UpdateState::Available;
    return;
  }
  phase_ = result == kUpdateOk ? UpdateState::UpToDate : UpdateState::Failed;
  if (options_.silent) {
    view.DestroyWindow();
    return;
  }
  UpdateMessage message = UpdateMessage::UpToDate;
  if (result == kUpdateNotLoggedIn) {
    message = UpdateMessage::LogInFirst;
  } else if (result == kUpdateNoConnection) {
    message = UpdateMessage::CannotConnect;
  } else if (result != kUpdateOk) {
    message = UpdateMessage::NoUpdates;
  }
  view.SetStatusText(Text(static_cast<int>(message)));
  view.SetCloseButtonText(kUpdateCloseText.In(language_));
}

void CApplUpdateInfo::Start() {
  UpdateWindowView& view = *view_;
  if (phase_ == UpdateState::Available && answer_->offer == UpdateOffer::WebAddress) {
    view.SetDetailsText(Text(static_cast<int>(UpdateMessage::StartingInstallation)));
    view.EnableStartButton(false);
    if (hooks_.opener) hooks_.opener->Open(answer_->text);
    view.CloseParentWindow();
  } else if (phase_ == UpdateState::Available) {
    view.SetDownloadLayout(true);
    view.SetStatusText(Text(static_cast<int>(UpdateMessage::Downloading)));
    view.SetCloseButtonText(kUpdateCancelText.In(language_));
    view.ShowDontAskAgain(false, false);
    view.EnableStartButton(false);
    ShowProgress(0);
    view.MakeCloseButtonDefault();
    lastPercent_ = -1;
    phase_ = UpdateState::Downloading;
    RunOnWorker(&CApplUpdateInfo::Download, &CApplUpdateInfo::OnDownloadResult);
  } else if (phase_ == UpdateState::Downloaded) {
    InstallUpdate();
  }
}

void CApplUpdateInfo::ShowProgress(std::int64_t bytesSoFar) {
  const std::int64_t total = answer_ ? answer_->fileSize : 0;
  if (total < 1) return;
  const int percent = DownloadPercent(bytesSoFar, total);
  if (percent == lastPercent_) return;
  view_->SetDetailsText(
      DownloadProgressText(std::min(bytesSoFar, total), total, percent, language_));
  view_->SetProgress(percent);
  lastPercent_ = percent;
}

void CApplUpdateInfo::OnProgress(std::int64_t bytesSoFar) {
  if (phase_ == UpdateState::Downloading) ShowProgress(bytesSoFar);
}

void CApplUpdateInfo::OnDownloadResult(int result) {
  UpdateWindowView& view = *view_;
  view.SetDownloadLayout(false);
  if (result != kUpdateOk) {
    view.SetCloseButtonText(kUpdateCloseText.In(language_));
    view.ShowStartButton(false);
    view.SetStatusText(Text(static_cast<int>(result == kUpdateNoConnection
                                                 ? UpdateMessage::DownloadConnectionFailed
                                                 : UpdateMessage::DownloadFailed)));
    view.SetDetailsText({});
    phase_ = UpdateState::DownloadFailed;
    return;
  }
  phase_ = UpdateState::Downloaded;
  view.SetStatusText(Text(static_cast<int>(UpdateMessage::Downloaded)));
  view.SetDetailsText(Text(static_cast<int>(UpdateMessage::WillBeClosed), Config::kProductName));
  view.SetStartButtonText(kUpdateInstallText.In(language_));
  view.EnableStartButton(true);
}

std::optional<std::filesystem::path> CApplUpdateInfo::StoreDownload(
    const std::filesystem::path& folder) const {
  if (!answer_ || answer_->offer != UpdateOffer::Installer || !download_) return std::nullopt;
  return StoreInstaller(folder, answer_->text, ViewOf(*download_), answer_->fileSize,
                        answer_->digestPrefix);
}

bool CApplUpdateInfo::StoreInUpdateFolder() {
  if (!answer_ || answer_->offer != UpdateOffer::Installer || !download_) return false;
  const auto folder = CreateUpdateFolder(state_.GetConfig().Dirs().appData);
  if (!folder) return false;
  installerPath_ = StoreDownload(*folder);
  if (!installerPath_) {
    std::error_code ignored;
    std::filesystem::remove(*folder, ignored);
  }
  return installerPath_.has_value();
}

bool CApplUpdateInfo::InstallUpdate() {
  const bool stored = StoreInUpdateFolder();
  if (view_) view_->SetCloseButtonText(kUpdateCloseText.In(language_));
  if (!stored) {
    phase_ = UpdateState::Failed;
    if (view_) {
      view_->ShowStartButton(false);
      view_->SetStatusText(Text(static_cast<int>(UpdateMessage::InstallFailed)));
      view_->SetDetailsText({});
    }
    return false;
  }
  phase_ = UpdateState::InstallerStarted;
  if (view_) {
    view_->EnableStartButton(false);
    view_->SetStatusText(Text(static_cast<int>(UpdateMessage::InstallerStarted)));
    view_->SetDetailsText({});
  }
  // Handed over as a file: the desktop decides how it opens, nothing here runs it.
  if (hooks_.opener) hooks_.opener->Open(installerPath_->string());
  if (hooks_.observer) hooks_.observer->OnInstallerStarted(*this);
  return true;
}

void CApplUpdateInfo::DontAskAgain(bool ticked) {
  state_.GetConfig().SetUpdateCheckEnabled(!ticked);
}

void CApplUpdateInfo::Close() {
  if (closed_.exchange(true)) return;
  view_ = nullptr;
  client_.Cancel();
  if (hooks_.observer) hooks_.observer->OnUpdateWindowClosed(*this);
}

// ---- The workers.

int CApplUpdateInfo::EnsureLogin() {
  if (state_.HasValidLogin()) return kUpdateOk;
  state_.SetLoggedIn(false);
  if (options_.silent && options_.attempts > 1) {
    Post([](CApplUpdateInfo& self) { self.view_->ShowWindow(); });
  }
  PostStatus(Text(static_cast<int>(UpdateMessage::Checking)));
  const std::shared_ptr<void> loginParent = hooks_.loginParent ? hooks_.loginParent() : nullptr;
  TranslatorState::LoginOptions login;
  login.attempts = options_.attempts;
  login.statusBarMode = 0;
  login.promptFree = options_.attempts == 1;
  login.versionCheck = versionCheck_;
  int result = state_.Login(login);
  if (result == kLoginClientTooOld && !versionCheck_ && options_.attempts == 1) {
    // An old client may still log in to ask for its update.
    versionCheck_ = true;
    login.versionCheck = true;
    result = state_.Login(login);
  }
  if (options_.attempts > 1) {
    Post([](CApplUpdateInfo& self) { self.view_->MakeCloseButtonDefault(); });
  }
  if (result != kLoginOk) {
    if (const auto text = LoginStatusText(result)) PostStatus(text->In(language_));
    return result == kLoginNoConnection || result == kLoginServiceUnavailable ? kUpdateNoConnection
                                                                              : kUpdateNotLoggedIn;
  }
  // A login that was only let in for the version check is no login for other requests.
  if (versionCheck_) state_.SetLoggedIn(false);
  return kUpdateOk;
}

int CApplUpdateInfo::Check() {
  if (closed_) return kUpdateNoConnection;
  const int login = EnsureLogin();
  int result = login;
  if (login == kUpdateOk) {
    PostStatus(Text(static_cast<int>(UpdateMessage::Checking)));
    result = kUpdateNoConnection;
    if (PrepareClient()) {
      const ServiceClient::ConnectionLease conn =
          client_.OpenConnection(nullptr, 0, true, kNeverRepeat);
      const std::string body = UpdateBody("getupdinf", state_, language_);
      if (conn && client_.Send(*conn, client_.ServiceUrl(), body,
                               state_.GetConfig().limits.request_timeout, false) == Transport::Ok) {
        std::vector<unsigned char> bytes(kLongestUpdateAnswer);
        std::size_t held = 0;
        std::int32_t n = 0;
        while (held < bytes.size() &&
               (n = conn->Read(reinterpret_cast<char*>(bytes.data() + held),
                               static_cast<std::int32_t>(bytes.size() - held))) > 0) {
          held += static_cast<std::size_t>(n);
        }
        if (n >= 0) {
          answer_ = ParseUpdateAnswer(std::span(bytes).first(held));
          if (answer_) result = kUpdateOk;
        }
      }
    }
  }
  return result;
}

int CApplUpdateInfo::Download() {
  if (!answer_ || answer_->offer == UpdateOffer::WebAddress) return kUpdateNoConnection;
  int result = kUpdateNoConnection;
  if (PrepareClient()) {
    const ServiceClient::ConnectionLease conn =
        client_.OpenConnection(RefPtr<IHttpConnObserver>(this), 0, true, kNeverRepeat);
    const std::string body = UpdateBody("dlupd", state_, language_);
    if (conn &&
        client_.Send(*conn, client_.ServiceUrl(), body,
                     state_.GetConfig().limits.tr_request_timeout, false) == Transport::Ok &&
        !closed_) {
      RefPtr<IDataBuffer> buffer;
      if (conn->ReadToNewBuffer(buffer, answer_->fileSize, 0) == http::kOk &&
          buffer->GetLength() == answer_->fileSize) {
        result = HasDigestPrefix(ViewOf(*buffer), answer_->digestPrefix) ? kUpdateOk
                                                                         : kUpdateDigestMismatch;
        if (result == kUpdateOk) download_ = std::move(buffer);
      }
    }
  }
  return result;
}

std::int32_t CApplUpdateInfo::OnDownloadProgress(std::int32_t soFar, std::int32_t, std::int32_t) {
  Post([soFar](CApplUpdateInfo& self) { self.OnProgress(soFar); });
  return 0;
}

}  // namespace vorla
