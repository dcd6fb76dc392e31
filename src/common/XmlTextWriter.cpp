#include "common/XmlTextWriter.h"

#include "common/Utf8.h"

namespace vorla {

void XmlTextWriter::AppendEscaped(std::string& out, std::string_view text) {
  Utf8Decoder decoder(text);
  while (!decoder.AtEnd()) {
    const std::size_t start = decoder.Position();
    const std::optional<char32_t> c = decoder.Next();
    if (!c) {
      AppendUtf8(out, kReplacementCharacter);
      continue;
    }
    switch (*c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&apos;";
        break;
      default:
        if (!IsXmlCharacter(*c)) {
          out += "&amp;#" + std::to_string(static_cast<std::uint32_t>(*c)) + ";";
        } else {
          out.append(text.substr(start, decoder.Position() - start));
        }
    }
  }
}

void XmlTextWriter::Declaration(std::string_view encoding) {
  out_ += "<?xml version=\"1.0\" encoding=\"";
  out_ += encoding;
  out_ += "\"?>";
}

void XmlTextWriter::Start(std::string_view name) {
  CloseStartTag();
  out_ += '<';
  out_ += name;
  open_.emplace_back(name);
  startTagOpen_ = true;
}

void XmlTextWriter::Attribute(std::string_view name, std::string_view value) {
  out_ += ' ';
  out_ += name;
  out_ += "=\"";
  AppendEscaped(out_, value);
  out_ += '"';
}

void XmlTextWriter::End() {
  if (open_.empty()) return;
  if (startTagOpen_) {
    out_ += "/>";
    startTagOpen_ = false;
  } else {
    out_ += "</";
    out_ += open_.back();
    out_ += '>';
  }
  open_.pop_back();
}

void XmlTextWriter::Text(std::string_view text) {
  CloseStartTag();
  AppendEscaped(out_, text);
}

void XmlTextWriter::Raw(std::string_view markup) {
  CloseStartTag();
  out_ += markup;
}

void XmlTextWriter::Element(std::string_view name, std::string_view text) {
  Start(name);
  CloseStartTag();
  Text(text);
  End();
}

void XmlTextWriter::CloseStartTag() {
  if (!startTagOpen_) return;
  out_ += '>';
  startTagOpen_ = false;
}

}  // namespace vorla
