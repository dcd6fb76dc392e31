#pragma once

#include <QDialog>
#include <QPointer>
#include <memory>

#include "common/Opener.h"
#include "common/RefPtr.h"
#include "service/HttpConnFactory.h"
#include "service/updates/CApplUpdateInfo.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace vorla {

class CWindowsTranslator;
class WindowThreadQueue;

// What every update window works with: the translator (whose state logs in, and which the
// window keeps while its workers run), the connections, the opener of addresses and
// installers, and the main window, which closes once the installer has started.
struct UpdateWindowServices {
  RefPtr<CWindowsTranslator> translator;
  std::shared_ptr<HttpConnFactory> connections;
  std::shared_ptr<Opener> opener;
  QPointer<QWidget> mainWindow;
};

// The modeless "Product Update" window: the header picture of the scale level, the status
// and details texts, the progress bar of a download, "Close" (or "Cancel"), the start button
// and, for the silent check at start, "Don't ask again". Its behaviour is CApplUpdateInfo's;
// the workers' results reach it as calls queued to its thread. Closing it cancels the
// request under way.
class UpdateWindow final : public QDialog, UpdateWindowView {
  Q_OBJECT

 public:
  // Opens an update window over the parent (the main window when none is given): shown at
  // once unless silent, in which case it stays hidden until it finds an update. While one
  // is open, that one is returned and nothing else happens.
  static UpdateWindow* Show(QWidget* parent, const UpdateWindowServices& services,
                            UpdateWindowOptions options);
  // The window open now, or null.
  static UpdateWindow* Current();

  ~UpdateWindow() override;

  CApplUpdateInfo& Update() const { return *update_; }
  QLabel& Header() const { return *header_; }
  QLabel& StatusText() const { return *status_; }
  QLabel& DetailsText() const { return *details_; }
  QProgressBar& Progress() const { return *progress_; }
  QPushButton& CloseButton() const { return *close_; }
  QPushButton& StartButton() const { return *start_; }
  QCheckBox& DontAskAgainBox() const { return *dontAsk_; }

  void done(int result) override;

 private:
  UpdateWindow(QWidget* parent, const UpdateWindowServices& services, UpdateWindowOptions options);
  void LayOut();

  // ---- UpdateWindowView
  void SetStatusText(std::string_view text) override;
  void SetDetailsText(std::string_view text) override;
  void SetDownloadLayout(bool downloading) override;
  void SetProgress(int percent) override;
  void SetCloseButtonText(std::string_view text) override;
  void MakeCloseButtonDefault() override;
  void SetStartButtonText(std::string_view text) override;
  void ShowStartButton(bool shown) override;
  void EnableStartButton(bool enabled) override;
  void ShowDontAskAgain(bool shown, bool ticked) override;
  void ShowWindow() override;
  void DestroyWindow() override;
  void CloseParentWindow() override;

  QPointer<QWidget> parent_;
  QLabel* header_;
  QLabel* status_;
  QLabel* details_;
  QProgressBar* progress_;
  QPushButton* close_;
  QPushButton* start_;
  QCheckBox* dontAsk_;
  bool downloadLayout_ = false;
  bool closed_ = false;
  std::shared_ptr<WindowThreadQueue> queue_;
  RefPtr<CApplUpdateInfo> update_;
};

}  // namespace vorla
