#pragma once

#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <memory>
#include <string>

#include "config/ConfigFixture.h"
#include "config/MemorySettingsStore.h"
#include "translation/CWindowsTranslator.h"
#include "ui/Mnemonics.h"
#include "ui/RecordingMessageBox.h"
#include "ui/main/CMainFrame.h"

namespace vorla::test {

// A main window in English over settings in memory, with the translator it works for (no
// service behind it) and the messages it shows recorded.
class MainFrameTest : public testing::Test {
 protected:
  MainFrameTest() { MakeFrame(); }

  // The window as the program makes it, from the settings as they are now.
  void MakeFrame() {
    frame_.reset();
    config_ = MakeHomeConfig(store_);
    config_->SetUiLanguage(UiLanguage::English);
    config_->SetMessageBox(messages_);
    translator_ = MakeRef<CWindowsTranslator>(config_, 1);
    frame_ = std::make_unique<CMainFrame>(config_, translator_, nullptr);
    translator_->SetHooks(frame_->TranslatorHooks());
    frame_->resize(800, 600);
    frame_->show();
  }

  std::string Stored(std::string_view name) const { return store_->ReadValue(name).value_or("-"); }
  void Trigger(int command) const { frame_->Command(command).trigger(); }

  QMenu& MenuTitled(const QString& title) const {
    for (QAction* action : frame_->menuBar()->actions()) {
      if (WithoutMnemonic(action->text()) == title) return *action->menu();
    }
    throw std::runtime_error("no menu " + title.toStdString());
  }

  std::shared_ptr<MemorySettingsStore> store_ = std::make_shared<MemorySettingsStore>();
  std::shared_ptr<RecordingMessageBox> messages_ = std::make_shared<RecordingMessageBox>();
  RefPtr<Config> config_;
  RefPtr<CWindowsTranslator> translator_;
  std::unique_ptr<CMainFrame> frame_;
};

}  // namespace vorla::test
