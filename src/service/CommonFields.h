#pragma once

#include <string>

#include "config/Config.h"

namespace vorla {

// The values of the fields that several commands send, computed the same way for all.
struct CommonFields {
  int pid = 0;      // product identifier
  std::string ver;  // program version
  int uil = 0;      // user-interface language: 1 Finnish, 0 English
  int plt = 0;      // platform number
  int osmav = 0;    // operating-system major version: 0, this is not the NT family
  int osmiv = 0;    // operating-system minor version
  int ost = 0;      // 1 for a server edition; 0 here
  int dspm = 0;     // display scaling step, 0 to 3
};

// "3.1.2.4" with a revision, else "3.1.2" with a build, else "3.1".
std::string FormatVersion(const ProgramVersion& version);

// The scaling step of the screen the desktop client reported: 3 from 1.62 times 96 dots per
// inch, 2 from 1.35, 1 from 1.12; 0 without a screen (the command line).
int DisplayScaleStep(const DisplayScale& scale);

CommonFields MakeCommonFields(const Config& config);

}  // namespace vorla
