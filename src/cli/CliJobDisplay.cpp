#include "cli/CliJobDisplay.h"

#include <unistd.h>

#include <algorithm>
#include <iostream>

namespace vorla::cli {

namespace {

constexpr int kBarWidth = 30;

std::string Bar(int percent) {
  const int filled = std::clamp(percent, 0, 100) * kBarWidth / 100;
  return "[" + std::string(static_cast<std::size_t>(filled), '#') +
         std::string(static_cast<std::size_t>(kBarWidth - filled), '.') + "] " +
         std::to_string(percent) + "%";
}

}  // namespace

CliProgress::CliProgress(std::shared_ptr<CliStatusLine> statusLine)
    : statusLine_(std::move(statusLine)), terminal_(isatty(STDERR_FILENO) == 1) {}

void CliProgress::EndBar() {
  if (!barShown_) return;
  std::cerr << '\n';
  barShown_ = false;
}

void CliProgress::ShowStatus(const JobIdentity&, std::string_view text, ProgressBar bar,
                             int percent) {
  std::lock_guard lock(mutex_);
  if (bar == ProgressBar::SetTo) {
    // The text of a percentage ends with it; the bar says the same.
    if (!terminal_) return;
    std::cerr << '\r' << Bar(percent) << std::flush;
    barShown_ = true;
    return;
  }
  if (text.empty()) return;
  EndBar();
  statusLine_->ShowStatus(text);
}

void CliProgress::ShowFailure(const JobIdentity&, std::string_view message) {
  std::lock_guard lock(mutex_);
  EndBar();
  std::cerr << message << '\n';
}

void CliDelivery::Deliver(const JobIdentity&, TranslationDelivery delivery) {
  std::lock_guard lock(mutex_);
  delivery_ = std::move(delivery);
}

std::optional<TranslationDelivery> CliDelivery::Take() {
  std::lock_guard lock(mutex_);
  return std::exchange(delivery_, std::nullopt);
}

}  // namespace vorla::cli
