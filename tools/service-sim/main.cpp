// vorla-service-sim: the local stand-in for the translation service, for trying the client
// without the real one. Serves until interrupted.
#include <CLI/CLI.hpp>
#include <csignal>
#include <fstream>
#include <iostream>
#include <iterator>

#include "AccountCommands.h"
#include "DictionaryCommands.h"
#include "FaultsFile.h"
#include "ServiceSimulator.h"
#include "TranslationCommands.h"

namespace {

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app("Local stand-in for the translation service", "vorla-service-sim");
  int port = 8080;
  std::string certificateFile, keyFile, usersFile, minimumVersion, faultsFile;
  app.add_option("--port", port, "Port on 127.0.0.1 (0: any free port)")
      ->check(CLI::Range(0, 65535));
  auto* certificate = app.add_option("--tls-cert", certificateFile, "PEM certificate: serve HTTPS");
  auto* key = app.add_option("--tls-key", keyFile, "PEM private key of the certificate");
  certificate->needs(key);
  key->needs(certificate);
  app.add_option("--users", usersFile,
                 "Accounts besides demo/demo and price1 to price4 (password price), one a line: "
                 "name, MD5 digest of the password, then "
                 "type=, quota=, pairs=, exempt=, status=, maxlen=, maxcount=, maxsize=, "
                 "trtimeout=, filetimeout=, first=, last=, company= as needed");
  app.add_option("--min-version", minimumVersion,
                 "Oldest client version a login with a version check accepts (3.1.2)");
  app.add_option(
      "--faults", faultsFile,
      "INI file of fault knobs, a section per command ([tr], [chkrauth], [getvoc], ...); "
      "the README shows them");
  CLI11_PARSE(app, argc, argv);

  // Blocked before the server's threads start, so that only sigwait below receives them.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

  try {
    vorla::sim::FaultsFile faults;
    if (!faultsFile.empty()) {
      faults = vorla::sim::ReadFaultsFile(faultsFile);
      if (!faults.ok()) throw std::runtime_error(faultsFile + ": " + faults.error);
    }
    vorla::sim::ServiceSimulator::Options options;
    options.port = static_cast<std::uint16_t>(port);
    if (!certificateFile.empty()) {
      options.tlsCertificatePem = ReadWholeFile(certificateFile);
      options.tlsKeyPem = ReadWholeFile(keyFile);
    }
    vorla::sim::ServiceSimulator simulator(options);
    vorla::sim::RegisterAccountCommands(simulator);
    vorla::sim::RegisterDictionaryCommands(simulator);
    vorla::sim::RegisterTranslationCommands(simulator);
    vorla::sim::SimContext& context = simulator.context();
    context.accounts.Add(vorla::sim::DemoAccount());
    for (vorla::sim::SimAccount& account : vorla::sim::PriceTestAccounts()) {
      context.accounts.Add(std::move(account));
    }
    context.minimumVersion = minimumVersion;
    vorla::sim::ApplyFaultsFile(faults, simulator);
    if (!usersFile.empty() && !context.accounts.Load(usersFile)) {
      throw std::runtime_error("cannot read the users in " + usersFile);
    }
    std::cout << simulator.url() << std::endl;
    int received = 0;
    sigwait(&stopSignals, &received);
  } catch (const std::exception& error) {
    std::cerr << "vorla-service-sim: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
