#pragma once

namespace vorla {

// The display-scale flags: logical pixels per inch / 96 at least 1.12, 1.35 and 1.62.
struct DisplayScale {
  bool scale112 = false;
  bool scale135 = false;
  bool scale162 = false;

  friend bool operator==(const DisplayScale&, const DisplayScale&) = default;
};

// The flags for a logical DPI (96 is 100 %). Compared in whole numbers, so no DPI lands on
// the wrong side of a threshold through rounding.
constexpr DisplayScale DisplayScaleForDpi(int logicalDpi) {
  const long long scaled = logicalDpi * 100LL;
  return {scaled >= 112 * 96, scaled >= 135 * 96, scaled >= 162 * 96};
}

// Screen metrics as the desktop client measures them.
struct DisplayMetrics {
  int screenWidth = 0;
  int screenHeight = 0;
  int captionHeight = 0;
  DisplayScale scale;
};

}  // namespace vorla
