#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorla::sim {

struct FormField {
  std::string name;
  std::string value;

  friend bool operator==(const FormField&, const FormField&) = default;
};

struct DecodedForm {
  std::vector<FormField> fields;  // in the order of the body
  std::string error;              // what was wrong; empty when the body is well formed

  bool ok() const { return error.empty(); }
};

// Decodes a form body as the service does, strictly: pairs joined by "&", each "name=value";
// "+" is a space and an escape is "%" with two lower-case hexadecimal digits. A byte that
// every client escaper escapes ("?", a second "=", a zero byte, a blank) must not appear raw.
// Written on its own, apart from the client's escapers, so that a mistake in them cannot be
// cancelled out by the same mistake here.
DecodedForm DecodeForm(std::string_view body);

}  // namespace vorla::sim
