#include "translation/WebAddress.h"

#include <algorithm>
#include <array>

#include "common/Windows1252.h"
#include "translation/DocumentFormat.h"

namespace vorla {

namespace {

constexpr std::string_view kHttp = "http://";
constexpr std::string_view kHttps = "https://";
constexpr std::size_t kMaxFileNameLength = 260;
constexpr int kLastDocumentFormat = kFormatXlsx;

// Downloads, pictures, archives, programs and media that the service does not translate.
constexpr std::array<std::string_view, 27> kExcludedExtensions = {
    "jpg", "jpeg", "gif",  "png",  "bmp", "tif", "tiff", "zip", "tar",
    "rar", "jar",  "gzip", "exe",  "bin", "dll", "lib",  "dat", "obj",
    "avi", "mov",  "mpg",  "mpeg", "wmv", "wmf", "mp3",  "swf", "asf"};

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         Cp1252CompareNoCase(text.substr(0, prefix.size()), prefix) == 0;
}

bool IsSlash(char c) {
  return c == '/' || c == '\\';
}

bool IsAsciiAlphanumeric(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// "http:/x" and "https:\x" get their second slash; an address without any scheme gets
// "https://". Empty when the result would be too long.
std::string CompleteScheme(std::string_view text) {
  for (const std::string_view scheme : {std::string_view("http:"), std::string_view("https:")}) {
    if (StartsWithNoCase(text, scheme) && text.size() > scheme.size() &&
        IsSlash(text[scheme.size()]) &&
        (text.size() == scheme.size() + 1 || !IsSlash(text[scheme.size() + 1]))) {
      return std::string(text.substr(0, scheme.size())) + "//" +
             std::string(text.substr(scheme.size() + 1));
    }
  }
  if (text.find(":/") != std::string_view::npos || text.find(":\\") != std::string_view::npos) {
    return std::string(text);
  }
  return std::string(kHttps) + std::string(text);
}

// The extension after the last "." of a name; empty without one.
std::string_view ExtensionOf(std::string_view name) {
  const std::size_t dot = name.find_last_of('.');
  return dot == std::string_view::npos ? std::string_view() : name.substr(dot + 1);
}

bool IsExcludedExtension(std::string_view extension) {
  if (extension.size() < 2 || extension.size() > 4) return false;
  // "gz" counts only in one case throughout ("a.Gz" is translated).
  if (extension == "gz" || extension == "GZ") return true;
  return std::ranges::any_of(kExcludedExtensions, [extension](std::string_view excluded) {
    return Cp1252CompareNoCase(extension, excluded) == 0;
  });
}

bool IsLocalAddress(std::string_view address) {
  if (address.size() >= 3 && IsAsciiLetter(address[0]) && address[1] == ':' && address[2] == '/') {
    return true;
  }
  if (StartsWithNoCase(address, "file:/")) return true;
  for (const std::string_view scheme : {kHttp, kHttps}) {
    if (!StartsWithNoCase(address, scheme)) continue;
    const std::string_view host = address.substr(scheme.size());
    if (StartsWithNoCase(host, "127.")) return true;
    if (StartsWithNoCase(host, "localhost") &&
        (host.size() == 9 || host[9] == '/' || host[9] == ':')) {
      return true;
    }
  }
  return false;
}

bool IsServiceAddress(std::string_view address, std::string_view serviceUrl) {
  if (serviceUrl.empty() || !StartsWithNoCase(address, serviceUrl)) return false;
  // The service's own address, alone or with a path or query; "…/tr2" is another page.
  return address.size() == serviceUrl.size() || !IsAsciiAlphanumeric(address[serviceUrl.size()]);
}

// The format decided by the last path component, or by the host when there is no path.
WebAddressCheck CheckFileType(std::string_view afterScheme, WebAddress& out) {
  const std::size_t slash = afterScheme.find('/', 1);
  if (slash == std::string_view::npos) {
    const std::string_view extension = ExtensionOf(afterScheme);
    if (FormatOfExtension(extension) != kFormatUnknown || IsExcludedExtension(extension)) {
      return WebAddressCheck::Invalid;
    }
    return WebAddressCheck::Accepted;
  }
  const std::string_view component = afterScheme.substr(afterScheme.find_last_of('/') + 1);
  const std::string_view extension = ExtensionOf(component);
  const int format = FormatOfExtension(extension);
  if (format > kLastDocumentFormat || IsExcludedExtension(extension)) {
    return WebAddressCheck::UntranslatedType;
  }
  if (format != kFormatUnknown) {
    out.format = format;
    if (component.size() < kMaxFileNameLength) out.fileName = std::string(component);
  }
  return WebAddressCheck::Accepted;
}

}  // namespace

bool IsSecureWebAddress(std::string_view address) {
  return StartsWithNoCase(address, kHttps);
}

WebAddress NormaliseWebAddress(std::string_view text, std::string_view serviceUrl) {
  WebAddress out;
  if (text.empty() || text.size() >= kMaxWebAddressLength) return out;
  std::string address = CompleteScheme(text);
  if (address.size() >= kMaxWebAddressLength) return out;

  // Query and fragment take no part in the checks.
  std::size_t cut = address.find('#');
  if (cut == 0 || cut == std::string::npos) cut = address.size();
  if (const std::size_t query = address.find('?'); query != 0 && query < cut) cut = query;
  std::string checked = address.substr(0, cut);
  std::ranges::replace(checked, '\\', '/');
  if (checked.find('"') != std::string::npos) return out;

  if (IsLocalAddress(checked)) {
    out.check = WebAddressCheck::Local;
    return out;
  }
  std::string_view afterScheme;
  for (const std::string_view scheme : {kHttp, kHttps}) {
    if (StartsWithNoCase(checked, scheme))
      afterScheme = std::string_view(checked).substr(scheme.size());
  }
  const std::size_t dot = afterScheme.find('.');
  if (afterScheme.empty() || dot == std::string_view::npos || afterScheme.find('/') < dot) {
    return out;
  }
  const std::string normalised = checked + address.substr(cut);
  if (IsServiceAddress(normalised, serviceUrl)) {
    out.check = WebAddressCheck::ServiceItself;
    return out;
  }
  out.check = CheckFileType(afterScheme, out);
  if (out.check != WebAddressCheck::Accepted) {
    out.format = kFormatHtml;
    out.fileName.clear();
    return out;
  }
  out.address = normalised;
  return out;
}

}  // namespace vorla
