#include "ui/dialogs/SpeechSettingsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "ui/UiText.h"

namespace vorla {

namespace {

constexpr BilingualText kTitle{"Speech Settings", "Puheasetukset"};
constexpr BilingualText kVolume{"Volume:", "Voimakkuus:"};
constexpr BilingualText kSpeed{"Speed:", "Nopeus:"};
constexpr BilingualText kPitch{"Pitch:", "Korkeus:"};
constexpr BilingualText kLanguage{"Speech language:", "Puheen kieli:"};
constexpr BilingualText kAutomatic{"Speak translation automatically",
                                   "Kuuntele käännös automaattisesti"};
constexpr BilingualText kReset{"Reset to defaults", "Palauta oletusarvot"};
constexpr BilingualText kOk{"OK", "OK"};
constexpr BilingualText kCancel{"Cancel", "Peruuta"};

QSlider* TrackBar(QWidget* parent) {
  auto* bar = new QSlider(Qt::Vertical, parent);
  bar->setRange(0, SpeechSettingsController::kTrackBarRange);
  bar->setInvertedAppearance(true);  // position 0 at the top
  bar->setTickPosition(QSlider::TicksRight);
  bar->setTickInterval(100);
  bar->setMinimumHeight(120);
  return bar;
}

}  // namespace

SpeechSettingsDialog::SpeechSettingsDialog(QWidget* owner, UiLanguage language,
                                           SpeechSettingsController& controller)
    : QDialog(owner),
      controller_(controller),
      volume_(TrackBar(this)),
      rate_(TrackBar(this)),
      pitch_(TrackBar(this)),
      languages_(new QComboBox(this)),
      automatic_(new QCheckBox(UiText(kAutomatic, language), this)) {
  setWindowTitle(UiText(kTitle, language));
  auto* bars = new QGridLayout;
  int column = 0;
  for (const auto& [bar, text] : {std::pair{volume_, kVolume}, {rate_, kSpeed}, {pitch_, kPitch}}) {
    bars->addWidget(new QLabel(UiText(text, language), this), 0, column, Qt::AlignHCenter);
    bars->addWidget(bar, 1, column, Qt::AlignHCenter);
    ++column;
  }
  pitch_->setEnabled(SpeechSettingsController::kPitchEnabled);
  for (const SpeechLanguageEntry& entry : controller_.Languages()) {
    languages_->addItem(UiText(entry.text, language));
  }
  auto* languageRow = new QHBoxLayout;
  languageRow->addWidget(new QLabel(UiText(kLanguage, language), this));
  languageRow->addWidget(languages_, 1);

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(UiText(kOk, language), QDialogButtonBox::AcceptRole);
  buttons->addButton(UiText(kCancel, language), QDialogButtonBox::RejectRole);
  QPushButton* reset = buttons->addButton(UiText(kReset, language), QDialogButtonBox::ResetRole);
  connect(reset, &QPushButton::clicked, this, [this] { Reset(); });
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bars);
  layout->addLayout(languageRow);
  layout->addWidget(automatic_);
  layout->addWidget(buttons);
  ShowValues();

  connect(volume_, &QSlider::valueChanged, this,
          [this](int position) { controller_.SetVolumePosition(position); });
  connect(rate_, &QSlider::valueChanged, this,
          [this](int position) { controller_.SetRatePosition(position); });
  connect(pitch_, &QSlider::valueChanged, this,
          [this](int position) { controller_.SetPitchPosition(position); });
  connect(languages_, &QComboBox::currentIndexChanged, this,
          [this](int index) { controller_.SetLanguageIndex(index); });
  connect(automatic_, &QCheckBox::toggled, this, [this](bool on) { controller_.SetAutomatic(on); });
}

void SpeechSettingsDialog::ShowValues() {
  volume_->setValue(controller_.VolumePosition());
  rate_->setValue(controller_.RatePosition());
  pitch_->setValue(controller_.PitchPosition());
  languages_->setCurrentIndex(controller_.LanguageIndex());
  automatic_->setChecked(controller_.Automatic());
}

void SpeechSettingsDialog::Reset() {
  controller_.ResetToDefaults();
  ShowValues();
}

std::optional<SpeechSettings> SpeechSettingsDialog::ShowModal(QWidget* owner, UiLanguage language,
                                                              Settings& settings,
                                                              bool englishSwedish) {
  SpeechSettingsController controller(settings, englishSwedish);
  SpeechSettingsDialog dialog(owner, language, controller);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return controller.Accept();
}

}  // namespace vorla
