// The XML pull reader over libxml2's xmlTextReader. libxml2 2.9 cannot refuse external
// entities while expanding internal ones, so the process-wide entity loader refuses every
// load and tells the reader that asked.
#include <libxml/parserInternals.h>
#include <libxml/xmlreader.h>

#include <climits>
#include <cstdio>
#include <mutex>

#include "common/XmlPullReader.h"

namespace vorla {
namespace {

class LibxmlPullReader;

// The reader whose step runs on this thread: the entity loader reports to it.
thread_local LibxmlPullReader* stepping = nullptr;

xmlParserInputPtr RefuseEntity(const char* url, const char* id, xmlParserCtxtPtr context);

void IgnoreGenericError(void*, const char*, ...) {}

// The refusing loader for the process; libxml2's messages outside the structured handler
// (encoding failures) kept off standard error on this thread, since the reader reports them.
void PrepareLibxml() {
  static std::once_flag once;
  std::call_once(once, [] {
    xmlInitParser();
    xmlSetExternalEntityLoader(RefuseEntity);
  });
  xmlSetGenericErrorFunc(nullptr, IgnoreGenericError);
}

// No external subset, no network; internal entities replaced by their text. libxml2's
// default limits on entity expansion, depth and text sizes stay (no XML_PARSE_HUGE). Short
// texts are kept inside their nodes (XML_PARSE_COMPACT), sparing an allocation for each.
constexpr int kParseOptions =
    XML_PARSE_NOENT | XML_PARSE_NONET | XML_PARSE_NOCDATA | XML_PARSE_COMPACT;

std::string_view View(const xmlChar* text) {
  return text ? std::string_view(reinterpret_cast<const char*>(text)) : std::string_view();
}

// The longest start of UTF-8 text of at most maxBytes bytes that ends between characters.
// (This library links nothing of the core, whose reader it is.)
std::string_view CharacterPrefix(std::string_view text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) return text;
  std::size_t end = maxBytes;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
    --end;
  return text.substr(0, end);
}

bool IsWhiteSpace(std::string_view text) {
  return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

class LibxmlPullReader final : public XmlPullReader {
 public:
  LibxmlPullReader(xmlTextReaderPtr reader, const XmlReaderOptions& options, std::FILE* file)
      : reader_(reader), options_(options), file_(file) {
    xmlTextReaderSetStructuredErrorHandler(reader_, OnError, this);
  }
  ~LibxmlPullReader() override {
    xmlFreeTextReader(reader_);
    if (file_) std::fclose(file_);
  }

  XmlNode Next() override {
    if (node_ == XmlNode::kError || node_ == XmlNode::kEndOfDocument) return node_;
    truncated_ = false;
    attributes_.clear();
    if (pendingEnd_) {
      pendingEnd_ = false;
      empty_ = false;
      return node_ = XmlNode::kEndElement;
    }
    text_.clear();
    bool inText = false;
    for (;;) {
      if (!haveCurrent_ && !Step()) return node_;
      haveCurrent_ = false;
      nodeType_ = xmlTextReaderNodeType(reader_);
      switch (nodeType_) {
        case XML_READER_TYPE_TEXT:
        case XML_READER_TYPE_CDATA:
        case XML_READER_TYPE_WHITESPACE:
        case XML_READER_TYPE_SIGNIFICANT_WHITESPACE:
          inText = true;
          AppendText(View(xmlTextReaderConstValue(reader_)));
          continue;
        case XML_READER_TYPE_ELEMENT:
        case XML_READER_TYPE_END_ELEMENT:
          if (inText && FinishText()) {
            haveCurrent_ = true;  // the tag is the next step's node
            return node_ = XmlNode::kText;
          }
          inText = false;
          return ElementNode();
        default:
          continue;  // comments, processing instructions, the document type
      }
    }
  }

  std::string_view Name() const override { return name_; }
  std::string_view LocalName() const override { return localName_; }
  bool IsEmptyElement() const override { return empty_; }
  const std::vector<XmlAttribute>& Attributes() const override { return attributes_; }
  std::string_view Text() const override { return text_; }
  bool TextTruncated() const override { return truncated_; }
  std::string_view ErrorMessage() const override { return error_; }
  bool RefusedExternalEntity() const override { return refusedEntity_; }

  void RefuseExternal(const char* url) {
    refusedEntity_ = true;
    if (error_.empty()) error_ = "external entity refused: " + std::string(url ? url : "");
  }

 private:
  static void OnError(void* self, xmlErrorPtr error) {
    auto* reader = static_cast<LibxmlPullReader*>(self);
    if (error->level < XML_ERR_ERROR || !reader->error_.empty()) return;
    reader->error_ = "line " + std::to_string(error->line) + ": " +
                     std::string(error->message ? error->message : "error");
    while (!reader->error_.empty() && reader->error_.back() == '\n')
      reader->error_.pop_back();
    reader->failed_ = true;
  }

  // One step of libxml2's reader; false when the document ended or failed (node_ says which).
  bool Step() {
    stepping = this;
    const int result = xmlTextReaderRead(reader_);
    stepping = nullptr;
    if (result < 0 || failed_ || refusedEntity_) {
      if (error_.empty()) error_ = "the document cannot be read";
      node_ = XmlNode::kError;
      return false;
    }
    if (result == 0) {
      node_ = XmlNode::kEndOfDocument;
      return false;
    }
    return true;
  }

  void AppendText(std::string_view piece) {
    if (truncated_) return;
    const std::size_t room = options_.maxTextBytes - text_.size();
    if (piece.size() > room) {
      text_.append(CharacterPrefix(piece, room));  // the text so far ends between characters
      truncated_ = true;
      return;
    }
    text_.append(piece);
  }

  // Whether the collected text is to be reported.
  bool FinishText() { return options_.keepWhiteSpace || !IsWhiteSpace(text_); }

  // The names are libxml2's interned strings, which live as long as the reader: no copies.
  XmlNode ElementNode() {
    name_ = View(xmlTextReaderConstName(reader_));
    localName_ = View(xmlTextReaderConstLocalName(reader_));
    if (nodeType_ == XML_READER_TYPE_END_ELEMENT) {
      empty_ = false;
      return node_ = XmlNode::kEndElement;
    }
    empty_ = xmlTextReaderIsEmptyElement(reader_) == 1;
    pendingEnd_ = empty_;
    ReadAttributes();
    return node_ = XmlNode::kStartElement;
  }

  void ReadAttributes() {
    if (xmlTextReaderMoveToFirstAttribute(reader_) != 1) return;
    do {
      std::string_view value = View(xmlTextReaderConstValue(reader_));
      if (value.size() > options_.maxTextBytes) {
        value = CharacterPrefix(value, options_.maxTextBytes);
        truncated_ = true;
      }
      XmlAttribute& attribute = attributes_.emplace_back();
      attribute.name.assign(View(xmlTextReaderConstName(reader_)));
      attribute.value.assign(value);
    } while (xmlTextReaderMoveToNextAttribute(reader_) == 1);
    xmlTextReaderMoveToElement(reader_);
  }

  xmlTextReaderPtr reader_;
  XmlReaderOptions options_;
  std::FILE* file_;
  XmlNode node_ = XmlNode::kStartElement;
  bool haveCurrent_ = false;  // libxml2's reader stands on a node not yet reported
  bool pendingEnd_ = false;   // the end of a self-closing element is still to be reported
  bool empty_ = false;
  bool truncated_ = false;
  bool failed_ = false;
  bool refusedEntity_ = false;
  int nodeType_ = 0;  // of the node libxml2's reader stands on
  std::string_view name_;
  std::string_view localName_;
  std::string text_;
  std::vector<XmlAttribute> attributes_;
  std::string error_;
};

xmlParserInputPtr RefuseEntity(const char* url, const char*, xmlParserCtxtPtr) {
  if (stepping) stepping->RefuseExternal(url);
  return nullptr;
}

int ReadFromFile(void* file, char* buffer, int length) {
  const std::size_t read =
      std::fread(buffer, 1, static_cast<std::size_t>(length), static_cast<std::FILE*>(file));
  return std::ferror(static_cast<std::FILE*>(file)) ? -1 : static_cast<int>(read);
}

}  // namespace

std::unique_ptr<XmlPullReader> OpenXmlFile(const std::filesystem::path& path,
                                           const XmlReaderOptions& options) {
  PrepareLibxml();
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return nullptr;
  xmlTextReaderPtr reader =
      xmlReaderForIO(ReadFromFile, nullptr, file, nullptr, nullptr, kParseOptions);
  if (!reader) {
    std::fclose(file);
    return nullptr;
  }
  return std::make_unique<LibxmlPullReader>(reader, options, file);
}

std::unique_ptr<XmlPullReader> OpenXmlBytes(std::string_view bytes,
                                            const XmlReaderOptions& options) {
  PrepareLibxml();
  if (bytes.size() > static_cast<std::size_t>(INT_MAX)) return nullptr;
  xmlTextReaderPtr reader = xmlReaderForMemory(bytes.data(), static_cast<int>(bytes.size()),
                                               nullptr, nullptr, kParseOptions);
  if (!reader) return nullptr;
  return std::make_unique<LibxmlPullReader>(reader, options, nullptr);
}

}  // namespace vorla
