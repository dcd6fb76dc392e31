#include "documents/files/ResultLinks.h"

#include "documents/files/PicturePackage.h"

namespace vorla {

namespace {

constexpr std::string_view kLinkStart = "<a href=\"";
constexpr std::string_view kPictureTag = "\r\n<IMG width=";
constexpr std::string_view kLineBreak = "\r\n";

bool IsUnreserved(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_' || c == '~';
}

}  // namespace

std::string PercentEncodeFileName(std::string_view name) {
  constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  for (const char c : name) {
    if (IsUnreserved(c)) {
      encoded += c;
      continue;
    }
    const auto byte = static_cast<unsigned char>(c);
    encoded += '%';
    encoded += kHex[byte >> 4];
    encoded += kHex[byte & 0xF];
  }
  return encoded;
}

std::optional<std::string> RewriteResultLinks(std::string_view page, std::string_view auxiliary,
                                              std::string_view newFileName) {
  const std::string_view documentName = PackageDocumentName(auxiliary).value_or("");
  if (documentName.empty() || documentName.size() >= kPictureNameLimit) return std::nullopt;
  const std::string search = std::string(kLinkStart) + std::string(documentName);
  const std::string replacement = PercentEncodeFileName(newFileName);
  std::string rewritten;
  bool found = false;
  std::size_t copied = 0;
  for (std::size_t hit = page.find(search); hit != std::string_view::npos;) {
    found = true;
    const std::size_t nameStart = hit + kLinkStart.size();
    const std::size_t after = nameStart + documentName.size();
    if (after < page.size() && (page[after] == '"' || page[after] == '#')) {
      rewritten.append(page.substr(copied, nameStart - copied));
      rewritten += replacement;
      copied = after;
      hit = page.find(search, after);
    } else {
      hit = page.find(search, nameStart);
    }
  }
  if (!found) return std::nullopt;
  rewritten.append(page.substr(copied));
  return rewritten;
}

std::string RemovePictureTags(std::string_view page) {
  std::string kept;
  kept.reserve(page.size());
  std::size_t copied = 0;
  for (std::size_t tag = page.find(kPictureTag); tag != std::string_view::npos;
       tag = page.find(kPictureTag, copied)) {
    const std::size_t tagStart = tag + kLineBreak.size();
    const std::size_t close = page.find('>', tagStart);
    if (close == std::string_view::npos) break;
    kept.append(page.substr(copied, tagStart - copied));
    copied = close + 1;
  }
  kept.append(page.substr(copied));
  return kept;
}

}  // namespace vorla
