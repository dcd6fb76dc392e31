#pragma once

#include <QProcessEnvironment>
#include <QStringList>
#include <string>

#include "AccountCommands.h"
#include "ServiceSimulator.h"
#include "SimAccounts.h"
#include "VorlaProcess.h"

namespace vorla::test {

// The command line against a simulator with the demo account.
struct SimulatedService {
  SimulatedService() {
    sim::RegisterAccountCommands(sim);
    sim.context().accounts.Add(sim::DemoAccount());
    environment.insert("VORLA_SERVICE_URL", QString::fromStdString(sim.url()));
  }

  // "further" (password "demo"), an account of type 4, which has the further languages.
  void AddFurtherLanguageAccount() {
    sim::SimAccount further = sim::DemoAccount();
    further.name = "further";
    further.accountType = 4;
    sim.context().accounts.Add(further);
  }

  // In English unless the arguments say otherwise.
  ProgramRun Run(QStringList arguments, const std::string& input = {}) const {
    if (!arguments.contains("--ui")) arguments = QStringList{"--ui", "en"} + arguments;
    return RunVorla(arguments, environment, input);
  }

  sim::ServiceSimulator sim{{}};
  QProcessEnvironment environment;
};

}  // namespace vorla::test
