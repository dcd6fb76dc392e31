#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "documents/files/PicturePackage.h"
#include "documents/files/ResultLinks.h"

namespace {

using namespace vorla;

void Require(bool condition) {
  if (!condition) std::abort();
}

bool Within(std::string_view part, std::string_view whole) {
  return part.empty() ||
         (part.data() >= whole.data() && part.data() + part.size() <= whole.data() + whole.size());
}

bool IsPercentEncoded(std::string_view text) {
  for (const char c : text) {
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                       c == '-' || c == '.' || c == '_' || c == '~' || c == '%';
    if (!plain) return false;
  }
  return true;
}

}  // namespace

// The input is a page and a package: the first two bytes give the page's length
// (little-endian), and what the page leaves is the package. The page's own name is the
// package's document name, as in a service's answer.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::string_view input(reinterpret_cast<const char*>(data) + 2, size - 2);
  const std::size_t pageLength = std::min<std::size_t>(data[0] | (data[1] << 8), input.size());
  const std::string_view page = input.substr(0, pageLength);
  const std::string_view package = input.substr(pageLength);

  const PicturePackage read = ReadPicturePackage(package);
  Require(Within(read.documentName, package));
  Require(read.pictures.size() <= kMostPackagePictures);
  for (const PackagePicture& picture : read.pictures) {
    Require(Within(picture.name, package) && Within(picture.data, package));
    Require(picture.name.size() < kPictureNameLimit);
    Require(picture.data.size() <= kLargestPackagePicture);
    if (IsPlainPictureName(picture.name, "page.html")) {
      Require(picture.name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos);
      Require(picture.name != "." && picture.name != "..");
    }
  }

  const std::string newName(page.substr(0, std::min<std::size_t>(page.size(), 20)));
  Require(IsPercentEncoded(PercentEncodeFileName(newName)));
  if (const std::optional<std::string> rewritten = RewriteResultLinks(page, package, newName)) {
    // Each link replaced is at least 10 bytes long and gains at most the encoded name.
    Require(rewritten->size() <= page.size() + page.size() / 10 * 3 * newName.size());
  }
  Require(RemovePictureTags(page).size() <= page.size());
  return 0;
}
