#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorla {

// Whether XML 1.0 can carry the character.
constexpr bool IsXmlCharacter(char32_t c) {
  if (c < 0x20) return c == '\t' || c == '\n' || c == '\r';
  return !(c >= 0xD800 && c <= 0xDFFF) && c != 0xFFFE && c != 0xFFFF && c <= 0x10FFFF;
}

// Writes an XML document as text into a string. Texts are UTF-8; the writer escapes the
// five markup characters and keeps the document well-formed whatever it is given: a
// character XML 1.0 cannot carry (control characters, U+FFFE, U+FFFF) is written as the
// visible text of its reference ("&amp;#1;"), and bytes that are not UTF-8 as U+FFFD.
// Layout (line ends, indentation) is the caller's, written with Raw.
class XmlTextWriter {
 public:
  explicit XmlTextWriter(std::string& out) : out_(out) {}

  // <?xml version="1.0" encoding="..."?> (the caller adds the line end).
  void Declaration(std::string_view encoding);
  // Opens a start tag; attributes may follow until the next content or end tag.
  void Start(std::string_view name);
  void Attribute(std::string_view name, std::string_view value);
  // Closes the innermost element: "/>" when nothing came after its start tag.
  void End();
  void Text(std::string_view text);
  // Markup or white space written as it is.
  void Raw(std::string_view markup);
  // <name>text</name>
  void Element(std::string_view name, std::string_view text);

  // Appends text escaped for XML content and attribute values, as Text does.
  static void AppendEscaped(std::string& out, std::string_view text);

 private:
  void CloseStartTag();

  std::string& out_;
  std::vector<std::string> open_;
  bool startTagOpen_ = false;
};

}  // namespace vorla
