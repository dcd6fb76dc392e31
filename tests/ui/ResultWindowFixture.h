#pragma once

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMimeData>
#include <memory>

#include "../translation/TranslatorFixture.h"
#include "RecordingMessageBox.h"
#include "TranslationCommands.h"
#include "TranslationRequest.h"
#include "translation/ClipboardTranslation.h"
#include "ui/clipboard/QtClipboard.h"
#include "ui/panes/TextPane.h"
#include "ui/result/DesktopResultWindows.h"

namespace vorla::test {

// The translator on the simulator's word-by-word translation, with the desktop's result
// windows, clipboard translation on the offscreen platform's clipboard, and message boxes
// recorded.
class ResultWindowFixture : public TranslatorFixture {
 protected:
  ResultWindowFixture() {
    sim::RegisterTranslationCommands(sim_);
    config_->SetMessageBox(messages_);
    windows_ = std::make_shared<DesktopResultWindows>(config_, translator_->State(), clipboard_);
    CWindowsTranslator::Hooks hooks = FakeHooks();
    hooks.resultWindows = windows_;
    translator_->SetHooks(hooks);
    translation_ = std::make_unique<ClipboardTranslation>(translator_, clipboard_);
    WatchClipboard(&listener_, [this] { translation_->OnClipboardChanged(); });
    QGuiApplication::clipboard()->clear();
  }

  ~ResultWindowFixture() {
    for (QWidget* window : QApplication::topLevelWidgets())
      window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  // Lets the job end and the window show what it reported; the job's result.
  static int Finish(const RefPtr<WindowsTranslationInstance>& job) {
    const int result = job->WaitForResult();
    QCoreApplication::processEvents();
    return result;
  }

  // The window of the last job; fails the test when none is open.
  CResultWnd& Window() const {
    CResultWnd* window = windows_->LastWindow();
    if (!window) throw std::runtime_error("no result window is open");
    return *window;
  }

  static void CopyRtf(const std::string& rtf, const QString& text) {
    auto* data = new QMimeData();
    data->setData(kRtfMimeType, QByteArray::fromStdString(rtf));
    data->setText(text);
    QGuiApplication::clipboard()->setMimeData(data);
  }

  sim::TranslationRequest Sent(std::size_t index = 0) const {
    return sim::DecodeTranslationRequest(Requests("tr").at(index));
  }

  std::shared_ptr<RecordingMessageBox> messages_ = std::make_shared<RecordingMessageBox>();
  std::shared_ptr<QtClipboard> clipboard_ = std::make_shared<QtClipboard>();
  std::shared_ptr<DesktopResultWindows> windows_;
  std::unique_ptr<ClipboardTranslation> translation_;
  QObject listener_;
};

}  // namespace vorla::test
