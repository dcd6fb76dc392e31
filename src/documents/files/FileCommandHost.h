#pragma once

#include <string_view>

namespace vorla {

// What the file commands need from the window (or the command line) that runs them. Called
// on that window's thread; texts are UTF-8.
class FileCommandHost {
 public:
  virtual ~FileCommandHost() = default;

  // The status line; an empty text empties it.
  virtual void ShowStatus(std::string_view text) = 0;
  // A message box with the information icon.
  virtual void ShowMessage(std::string_view text) = 0;
  // A Yes/No question with the question icon; true for Yes.
  virtual bool Ask(std::string_view question) = 0;
};

}  // namespace vorla
