#include "FormDecoder.h"

#include <algorithm>

namespace vorla::sim {

namespace {

int LowerHexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Decodes one name or value; returns the error, empty when fine.
std::string DecodePart(std::string_view text, std::string_view fieldName, std::string& out) {
  const std::string where = " in field '" + std::string(fieldName) + "'";
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '+') {
      out.push_back(' ');
    } else if (c == '%') {
      if (i + 2 >= text.size()) return "incomplete escape" + where;
      const int high = LowerHexValue(text[i + 1]);
      const int low = LowerHexValue(text[i + 2]);
      if (high < 0 || low < 0)
        return "escape not made of two lower-case hexadecimal digits" + where;
      out.push_back(static_cast<char>(high * 16 + low));
      i += 2;
    } else if (c == '=') {
      return "unescaped '='" + where;
    } else if (c == '?') {
      return "unescaped '?'" + where;
    } else if (c == '\0') {
      return "unescaped zero byte" + where;
    } else if (c == ' ') {
      return "unescaped blank" + where;
    } else {
      out.push_back(c);
    }
  }
  return {};
}

}  // namespace

DecodedForm DecodeForm(std::string_view body) {
  DecodedForm form;
  if (body.empty()) {
    form.error = "empty body";
    return form;
  }
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = std::min(body.find('&', start), body.size());
    const std::string_view pair = body.substr(start, end - start);
    const std::string at = " at byte " + std::to_string(start);
    if (pair.empty()) {
      form.error = "empty field" + at;
      return form;
    }
    const std::size_t equals = pair.find('=');
    if (equals == std::string_view::npos) {
      form.error = "field without '='" + at;
      return form;
    }
    if (equals == 0) {
      form.error = "field without a name" + at;
      return form;
    }
    FormField field;
    form.error = DecodePart(pair.substr(0, equals), pair.substr(0, equals), field.name);
    if (form.error.empty())
      form.error = DecodePart(pair.substr(equals + 1), field.name, field.value);
    if (!form.error.empty()) return form;
    form.fields.push_back(std::move(field));
    if (end == body.size()) return form;
    start = end + 1;
  }
}

}  // namespace vorla::sim
