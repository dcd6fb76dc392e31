#include "VorlaProcess.h"

#include <QProcess>

namespace vorla::test {

ProgramRun RunVorla(const QStringList& arguments, const QProcessEnvironment& extra,
                    const std::string& input) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove("VORLA_SERVICE_URL");
  environment.remove("VORLA_CA_FILE");
  environment.insert(extra);
  QProcess process;
  process.setProcessEnvironment(environment);
  process.start(VORLA_CLI, arguments);
  process.write(input.data(), static_cast<qint64>(input.size()));
  process.closeWriteChannel();
  ProgramRun run;
  if (!process.waitForFinished(60'000) || process.exitStatus() != QProcess::NormalExit) return run;
  run.exitCode = process.exitCode();
  run.out = process.readAllStandardOutput().toStdString();
  run.err = process.readAllStandardError().toStdString();
  return run;
}

bool HasLine(const std::string& text, const std::string& line) {
  return ("\n" + text).find("\n" + line + "\n") != std::string::npos;
}

}  // namespace vorla::test
