#pragma once

#include <QDialog>

#include "speech/SpeechSettingsController.h"

class QCheckBox;
class QComboBox;
class QSlider;

namespace vorla {

// The "Speech Settings" dialog: the volume, speed and pitch track bars (pitch disabled), the
// speech language and "Speak translation automatically". Its logic is the controller's.
class SpeechSettingsDialog : public QDialog {
  Q_OBJECT

 public:
  SpeechSettingsDialog(QWidget* owner, UiLanguage language, SpeechSettingsController& controller);

  // Runs the dialog; the settings stored by OK, nothing after Cancel.
  static std::optional<SpeechSettings> ShowModal(QWidget* owner, UiLanguage language,
                                                 Settings& settings, bool englishSwedish);

  QSlider& Volume() const { return *volume_; }
  QSlider& Rate() const { return *rate_; }
  QSlider& Pitch() const { return *pitch_; }
  QComboBox& Languages() const { return *languages_; }
  QCheckBox& Automatic() const { return *automatic_; }
  // "Reset to defaults".
  void Reset();

 private:
  void ShowValues();

  SpeechSettingsController& controller_;
  QSlider* volume_;
  QSlider* rate_;
  QSlider* pitch_;
  QComboBox* languages_;
  QCheckBox* automatic_;
};

}  // namespace vorla
