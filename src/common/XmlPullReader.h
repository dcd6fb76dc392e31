#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorla {

// What the next step of an XML pull reader met.
enum class XmlNode {
  kStartElement,  // a start tag; a self-closing element is followed by its kEndElement at once
  kEndElement,
  kText,  // character data and CDATA up to the next tag, entities expanded, line ends
          // made LF as XML says
  kEndOfDocument,
  kError,  // not well-formed, not readable, or an external entity was asked for
};

struct XmlAttribute {
  std::string name;  // qualified, as written ("xml:lang")
  std::string value;
};

struct XmlReaderOptions {
  // Text and attribute values beyond this many bytes are cut at a character boundary and
  // flagged (TextTruncated).
  std::size_t maxTextBytes = 64 * 1024;
  // Whether text made only of white space is reported (it is dropped otherwise).
  bool keepWhiteSpace = false;
};

// A streaming reader of one XML document. Texts are UTF-8 whatever the document's encoding.
// Internal entities are expanded; every external entity and external DTD subset is refused
// without reading anything (an external entity is an error); nothing is fetched from the
// network. Once kError or kEndOfDocument is returned, every further step returns it again.
// The names, texts and attributes it hands out stay valid until the next step.
class XmlPullReader {
 public:
  virtual ~XmlPullReader() = default;

  virtual XmlNode Next() = 0;

  // The element of kStartElement and kEndElement: its qualified and its local name.
  virtual std::string_view Name() const = 0;
  virtual std::string_view LocalName() const = 0;
  // kStartElement of a self-closing element ("<a/>").
  virtual bool IsEmptyElement() const = 0;
  // The attributes of kStartElement: namespace declarations first, then the others in
  // document order.
  virtual const std::vector<XmlAttribute>& Attributes() const = 0;
  // The text of kText, all its pieces (text, CDATA, entity replacements) joined.
  virtual std::string_view Text() const = 0;
  // Whether the text or an attribute value of this node was cut at maxTextBytes.
  virtual bool TextTruncated() const = 0;

  // After kError: what went wrong (the parser's message and line) and whether it was an
  // external entity or DTD that was refused.
  virtual std::string_view ErrorMessage() const = 0;
  virtual bool RefusedExternalEntity() const = 0;

  // The value of an attribute by its qualified name, exactly as written.
  std::optional<std::string_view> Attribute(std::string_view name) const {
    for (const XmlAttribute& attribute : Attributes())
      if (attribute.name == name) return attribute.value;
    return std::nullopt;
  }
};

// Readers of a file (read as it goes) and of bytes in memory (which must outlive the reader).
// Null when the file cannot be opened.
std::unique_ptr<XmlPullReader> OpenXmlFile(const std::filesystem::path& path,
                                           const XmlReaderOptions& options = {});
std::unique_ptr<XmlPullReader> OpenXmlBytes(std::string_view bytes,
                                            const XmlReaderOptions& options = {});

}  // namespace vorla
