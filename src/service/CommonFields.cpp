#include "service/CommonFields.h"

namespace vorla {

std::string FormatVersion(const ProgramVersion& version) {
  std::string text = std::to_string(version[0]) + "." + std::to_string(version[1]);
  if (version[2] != 0 || version[3] != 0) text += "." + std::to_string(version[2]);
  if (version[3] != 0) text += "." + std::to_string(version[3]);
  return text;
}

int DisplayScaleStep(const DisplayScale& scale) {
  if (scale.scale162) return 3;
  if (scale.scale135) return 2;
  if (scale.scale112) return 1;
  return 0;
}

CommonFields MakeCommonFields(const Config& config) {
  CommonFields fields;
  fields.pid = config.pid();
  fields.ver = FormatVersion(config.version());
  fields.uil = config.GetUiLanguage() == UiLanguage::Finnish ? 1 : 0;
  fields.dspm = DisplayScaleStep(config.GetDisplayMetrics().scale);
  return fields;
}

}  // namespace vorla
