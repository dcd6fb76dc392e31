#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "SimRequest.h"

namespace vorla::sim {

// Reads a request's fields against the order in which the client writes them. The first
// protocol break found (an unknown, repeated or misplaced field, a missing or malformed
// number) is kept as the reason for refusing the request.
class FieldReader {
 public:
  FieldReader(const SimRequest& request, std::span<const std::string_view> order);

  // A decimal number as "%d" writes it; nothing when the field is absent.
  std::optional<std::int32_t> Number(std::string_view name);
  // As Number; a missing field is a protocol break (and gives 0).
  std::int32_t Required(std::string_view name);
  // As Required, and any other value than the one the client always sends is a break.
  void RequiredValue(std::string_view name, std::int32_t value);
  const std::string* Text(std::string_view name) const { return request_.Field(name); }
  // The text of a field; a missing field is a protocol break (and gives an empty text).
  std::string RequiredText(std::string_view name);

  // Notes a protocol break unless one was found before.
  void Refuse(std::string reason);
  const std::string& refusal() const { return refusal_; }
  bool ok() const { return refusal_.empty(); }

 private:
  const SimRequest& request_;
  std::string refusal_;
};

}  // namespace vorla::sim
