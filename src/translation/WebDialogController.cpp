#include "translation/WebDialogController.h"

#include <algorithm>

#include "common/Utf8.h"
#include "common/Windows1252.h"
#include "translation/CWindowsTranslator.h"
#include "translation/ResultCodes.h"
#include "translation/WebStartFailure.h"

namespace vorla {

namespace {

constexpr std::string_view kNoBreakSpace = "\xC2\xA0";
constexpr std::string_view kAsciiBlanks = "\t\n\r ";

// The length of the blank the text begins with; 0 for none.
std::size_t LeadingBlank(std::string_view text) {
  if (text.starts_with(kNoBreakSpace)) return kNoBreakSpace.size();
  return !text.empty() && kAsciiBlanks.find(text.front()) != std::string_view::npos ? 1 : 0;
}

std::size_t TrailingBlank(std::string_view text) {
  if (text.ends_with(kNoBreakSpace)) return kNoBreakSpace.size();
  return !text.empty() && kAsciiBlanks.find(text.back()) != std::string_view::npos ? 1 : 0;
}

}  // namespace

std::string TrimWebAddressText(std::string_view text) {
  while (const std::size_t blank = LeadingBlank(text))
    text.remove_prefix(blank);
  while (const std::size_t blank = TrailingBlank(text))
    text.remove_suffix(blank);
  return std::string(text);
}

void WebDialogController::Open() {
  view_.SetStatus({});
  view_.SetHistory(translator_.WebHistory().NewestFirst());
  view_.FocusAddress();
}

void WebDialogController::Translate() {
  const std::string entered = view_.AddressText();
  if (Utf8CharacterCount(entered) >= kMaxAddressCharacters) {
    ShowFailure(
        WebStartFailureText(kResultAddressRefused, translator_.GetConfig().GetUiLanguage()));
    return;
  }
  const std::string address = TrimWebAddressText(entered);
  if (address.empty()) {
    view_.SetStatus({});
    view_.FocusAddress();
    return;
  }
  view_.SetRunning(true);
  const CWindowsTranslator::WebJobStart started =
      translator_.StartWebTranslation(Utf8ToCp1252(address), sink_);
  if (!started.job) {
    ShowFailure(WebStartFailureText(started.result, translator_.GetConfig().GetUiLanguage()));
    return;
  }
  if (translator_.WebHistory().Remember(address)) {
    view_.SetHistory(translator_.WebHistory().NewestFirst());
  }
}

void WebDialogController::Clear() {
  view_.SetStatus({});
  view_.SetAddressText({});
  view_.FocusAddress();
}

void WebDialogController::Close() {
  translator_.CancelWebJob();
}

void WebDialogController::ShowFailure(std::string_view message) {
  JobEnded();
  view_.SetStatus(message);
}

void WebDialogController::JobEnded() {
  view_.SetRunning(false);
  view_.FocusStatus();
}

}  // namespace vorla
