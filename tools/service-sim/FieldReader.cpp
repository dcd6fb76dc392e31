#include "FieldReader.h"

#include <algorithm>
#include <charconv>

namespace vorla::sim {

FieldReader::FieldReader(const SimRequest& request, std::span<const std::string_view> order)
    : request_(request) {
  std::size_t next = 0;
  for (const FormField& field : request.fields) {
    const auto at = std::ranges::find(order, field.name);
    if (at == order.end()) {
      Refuse("unknown field '" + field.name + "'");
      return;
    }
    const auto index = static_cast<std::size_t>(at - order.begin());
    if (index < next) {
      Refuse("field '" + field.name + "' repeated or out of order");
      return;
    }
    next = index + 1;
  }
}

std::optional<std::int32_t> FieldReader::Number(std::string_view name) {
  const std::string* text = Text(name);
  if (!text) return std::nullopt;
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
  // Exactly as "%d" prints: no sign but "-", no leading zeros.
  if (error != std::errc() || end != text->data() + text->size() ||
      std::to_string(value) != *text) {
    Refuse("field '" + std::string(name) + "' is not a decimal number: '" + *text + "'");
    return 0;
  }
  return value;
}

std::int32_t FieldReader::Required(std::string_view name) {
  const auto value = Number(name);
  if (!value) Refuse("field '" + std::string(name) + "' missing");
  return value.value_or(0);
}

void FieldReader::RequiredValue(std::string_view name, std::int32_t value) {
  if (Required(name) != value) Refuse(std::string(name) + " is not " + std::to_string(value));
}

std::string FieldReader::RequiredText(std::string_view name) {
  const std::string* text = Text(name);
  if (!text) Refuse("field '" + std::string(name) + "' missing");
  return text ? *text : std::string();
}

void FieldReader::Refuse(std::string reason) {
  if (refusal_.empty()) refusal_ = std::move(reason);
}

}  // namespace vorla::sim
