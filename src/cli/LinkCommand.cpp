#include <iostream>
#include <memory>
#include <string>

#include "cli/Commands.h"
#include "cli/PrintingOpener.h"
#include "service/RedirectLinks.h"

namespace vorla::cli {

namespace {

int RunLink(CliContext& context, const std::string& page) {
  PrintingOpener opener;
  const RedirectLinks links(context.state(), opener);
  if (page == "guide") {
    links.OpenRedirectLink(kPageUserGuide);
  } else if (page == "support") {
    links.OpenUserRedirectLink(kPageSupport);
  } else if (page == "feedback") {
    links.OpenUserRedirectLink(kPageFeedback);
  } else if (page == "password") {
    links.OpenLoginRedirectLink(kPagePassword);
  } else {
    links.OpenLoginRedirectLink(kPageSupport);
  }
  return 0;
}

}  // namespace

void AddLinkCommand(CLI::App& app, CliContext& context) {
  auto* command = app.add_subcommand(
      "link",
      "Print the address of a page on the service: the user guide, product support, feedback, "
      "the forgotten-password page or the contact page");
  auto page = std::make_shared<std::string>();
  command->add_option("page", *page, "guide | support | feedback | password | contact")
      ->required()
      ->check(CLI::IsMember({"guide", "support", "feedback", "password", "contact"}));
  command->callback([&context, page] { context.SetExitStatus(RunLink(context, *page)); });
}

}  // namespace vorla::cli
