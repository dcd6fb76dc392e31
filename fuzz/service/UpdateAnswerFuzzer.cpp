#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "service/updates/UpdateAnswer.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

std::string Lower(std::string text) {
  for (char& c : text)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

// Whatever the answer holds, an accepted one keeps every field in its bounds: the text is an
// http or https address or one plain file name, and a download has a size and a digest
// prefix to check it with.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorla;
  const auto answer = ParseUpdateAnswer(std::span(data, size));
  if (!answer) return 0;
  const std::string& text = answer->text;
  Require(text.size() >= 9 && text.size() <= 510);
  Require(std::ranges::none_of(text, [](char c) { return static_cast<unsigned char>(c) < 0x20; }));
  if (answer->offer == UpdateOffer::WebAddress) {
    const std::string lower = Lower(text);
    Require(lower.starts_with("http://") || lower.starts_with("https://"));
    Require(answer->fileSize == 0 && answer->digestPrefix.empty());
    return 0;
  }
  Require(answer->offer == UpdateOffer::Installer || answer->offer == UpdateOffer::File);
  Require(text.front() != '.' && text.find_first_of("/\\:") == std::string::npos);
  Require(answer->fileSize >= 1 && answer->fileSize <= 24'000'000);
  const std::string& digest = answer->digestPrefix;
  Require(!digest.empty() && digest.size() <= 32);
  Require(digest.find_first_not_of("0123456789abcdef") == std::string::npos);
  return 0;
}
