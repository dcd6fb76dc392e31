#include "platform/ResponseHeaders.h"

#include <charconv>

#include "common/Windows1252.h"

namespace vorla {

namespace {

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

bool EqualNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && Cp1252CompareNoCase(a, b) == 0;
}

int ParseStatusCode(std::string_view statusLine) {
  // "HTTP/1.1 200 OK"
  const auto space = statusLine.find(' ');
  if (space == std::string_view::npos) return 0;
  const std::string_view rest = statusLine.substr(space + 1);
  int code = 0;
  const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), code);
  return error == std::errc() && end - rest.data() == 3 ? code : 0;
}

}  // namespace

bool ResponseHeaders::AddLine(std::string_view line) {
  if (line.starts_with("HTTP/")) {
    fields_.clear();
    statusCode_ = ParseStatusCode(Trim(line));
    return false;
  }
  const std::string_view content = Trim(line);
  if (content.empty()) return true;
  if ((line.front() == ' ' || line.front() == '\t') && !fields_.empty()) {
    fields_.back().second += ' ';
    fields_.back().second += content;
    return false;
  }
  const auto colon = content.find(':');
  if (colon == std::string_view::npos) return false;
  fields_.emplace_back(std::string(Trim(content.substr(0, colon))),
                       std::string(Trim(content.substr(colon + 1))));
  return false;
}

std::optional<std::string> ResponseHeaders::Find(std::string_view name, int index) const {
  for (const auto& [fieldName, value] : fields_) {
    if (EqualNoCase(fieldName, name) && index-- == 0) return value;
  }
  return std::nullopt;
}

std::string CharsetOf(std::string_view contentType) {
  constexpr std::string_view kMarker = "charset=";
  for (std::size_t at = 0; at + kMarker.size() <= contentType.size(); ++at) {
    if (!EqualNoCase(contentType.substr(at, kMarker.size()), kMarker)) continue;
    const std::string_view rest = contentType.substr(at + kMarker.size());
    return std::string(rest.substr(0, rest.find(';')));
  }
  return {};
}

}  // namespace vorla
