#include "SimRequest.h"

#include <strings.h>

#include <cstdint>

namespace vorla::sim {

std::optional<std::string> SimRequest::Header(std::string_view name) const {
  for (const auto& [key, value] : headers) {
    if (key.size() == name.size() && strncasecmp(key.data(), name.data(), name.size()) == 0) {
      return value;
    }
  }
  return std::nullopt;
}

const std::string* SimRequest::Field(std::string_view name) const {
  for (const FormField& field : fields) {
    if (field.name == name) return &field.value;
  }
  return nullptr;
}

SimAnswer TextAnswer(int status, std::string text) {
  SimAnswer answer;
  answer.status = status;
  answer.body = std::move(text);
  answer.contentType = "text/plain; charset=utf-8";
  return answer;
}

SimAnswer MalformedRequest(std::string_view command, const std::string& reason) {
  return TextAnswer(400, "malformed " + std::string(command) + " request: " + reason);
}

void AppendInt32(std::string& out, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<char>(bits >> shift));
}

std::string Int32s(std::initializer_list<std::int32_t> values) {
  std::string out;
  for (std::int32_t value : values)
    AppendInt32(out, value);
  return out;
}

SimAnswer FramedAnswer(std::int32_t status, std::string_view payload) {
  SimAnswer answer;
  answer.body = Int32s({status, static_cast<std::int32_t>(payload.size())});
  answer.body += payload;
  answer.lengthAt = sizeof(std::int32_t);
  return answer;
}

}  // namespace vorla::sim
