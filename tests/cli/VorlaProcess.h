#pragma once

#include <QProcessEnvironment>
#include <QStringList>
#include <string>

namespace vorla::test {

struct ProgramRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// Runs the vorla program with the test's VORLA_HOME, the given extra variables and the given
// standard input (closed after it).
ProgramRun RunVorla(const QStringList& arguments, const QProcessEnvironment& extra = {},
                    const std::string& input = {});

// Whether the text holds the line as a whole line.
bool HasLine(const std::string& text, const std::string& line);

}  // namespace vorla::test
