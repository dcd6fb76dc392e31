#include "documents/rtf/RtfWriter.h"

#include <map>
#include <string_view>
#include <utility>
#include <vector>

#include "documents/rtf/FieldInstruction.h"
#include "documents/rtf/RtfTextEscaper.h"

namespace vorla {

namespace {

// The fonts and colours the runs use, numbered in order of first use.
class FormatTables {
 public:
  explicit FormatTables(const RichDocument& document) {
    for (const Paragraph& paragraph : document.paragraphs) {
      for (const InlineItem& item : paragraph.items) {
        if (const auto* run = std::get_if<TextRun>(&item)) Add(run->format);
      }
    }
  }

  int FontNumber(const SharedText& family) const { return fontNumbers_.at(family.str()); }
  int ColorIndex(const RgbColor& color) const { return colorIndexes_.at(Key(color)); }

  void Append(std::string& out, StreamEncoding encoding) const {
    if (!fonts_.empty()) {
      out += "{\\fonttbl";
      for (std::size_t i = 0; i < fonts_.size(); ++i) {
        out += "{\\f" + std::to_string(i) + "\\fnil";
        // In the UTF-8 form the fonts take the document's code page.
        if (encoding == StreamEncoding::Windows1252) out += "\\fcharset0";
        out.push_back(' ');
        AppendRtfText(out, NameWithoutSemicolons(*fonts_[i]), encoding);
        out += ";}";
      }
      out += "}\r\n";
    }
    if (!colors_.empty()) {
      out += "{\\colortbl ;";
      for (const RgbColor& color : colors_) {
        out += "\\red" + std::to_string(color.red) + "\\green" + std::to_string(color.green) +
               "\\blue" + std::to_string(color.blue) + ";";
      }
      out += "}\r\n";
    }
  }

 private:
  static std::uint32_t Key(const RgbColor& c) { return (c.red << 16) | (c.green << 8) | c.blue; }

  static std::string NameWithoutSemicolons(std::string name) {
    std::erase(name, ';');
    return name;
  }

  void Add(const CharacterFormat& format) {
    if (!format.fontFamily.empty()) {
      const auto [at, added] =
          fontNumbers_.try_emplace(format.fontFamily.str(), static_cast<int>(fonts_.size()));
      if (added) fonts_.push_back(&at->first);
    }
    if (format.color) {
      const auto [at, added] =
          colorIndexes_.try_emplace(Key(*format.color), static_cast<int>(colors_.size() + 1));
      if (added) colors_.push_back(*format.color);
    }
  }

  std::map<std::string, int> fontNumbers_;
  std::vector<const std::string*> fonts_;
  std::map<std::uint32_t, int> colorIndexes_;
  std::vector<RgbColor> colors_;  // index 0 of the table is the automatic colour
};

class DocumentWriter {
 public:
  DocumentWriter(const RichDocument& document, const RtfWriteOptions& options)
      : document_(document), options_(options), tables_(document) {}

  std::string Write() {
    out_ = "{\\rtf1\\ansi\\ansicpg";
    out_ += options_.encoding == StreamEncoding::Utf8 ? "65001" : "1252";
    out_ += "\\uc1\r\n";
    tables_.Append(out_, options_.encoding);
    for (std::size_t i = 0; i < document_.paragraphs.size(); ++i) {
      WriteParagraph(document_.paragraphs[i]);
      // The last paragraph has no mark of its own, so that reading gives as many back.
      if (i + 1 < document_.paragraphs.size()) out_ += "\\par\r\n";
    }
    out_ += "}";
    return std::move(out_);
  }

 private:
  void WriteParagraph(const Paragraph& paragraph) {
    const ParagraphFormat& format = paragraph.format;
    out_ += "\\pard";
    static constexpr std::string_view kAlignments[] = {"", "\\qr", "\\qc", "\\qj"};
    out_ += kAlignments[static_cast<std::size_t>(format.alignment)];
    const std::pair<std::string_view, int> distances[] = {
        {"\\li", format.leftIndent},      {"\\ri", format.rightIndent},
        {"\\fi", format.firstLineIndent}, {"\\sb", format.spaceBefore},
        {"\\sa", format.spaceAfter},
    };
    for (const auto& [word, value] : distances) {
      if (value != 0) AppendWord(word, value);
    }
    out_.push_back(' ');
    std::string_view openLink;
    for (const InlineItem& item : paragraph.items) {
      const auto* run = std::get_if<TextRun>(&item);
      const std::string_view link = run ? std::string_view(run->format.linkTarget.str()) : "";
      if (link != openLink) {
        if (!openLink.empty()) out_ += "}}}";
        if (!link.empty()) OpenLink(link);
        openLink = link;
      }
      if (run) {
        WriteRun(*run);
      } else if (options_.withObjects) {
        out_ += std::get<EmbeddedObject>(item).rtf;
      }
    }
    if (!openLink.empty()) out_ += "}}}";
  }

  void OpenLink(std::string_view target) {
    out_ += "{\\field{\\*\\fldinst{";
    AppendRtfText(out_, HyperlinkInstruction(target), options_.encoding);
    out_ += "}}{\\fldrslt{";
  }

  void WriteRun(const TextRun& run) {
    const CharacterFormat& format = run.format;
    out_ += "{";
    const std::size_t wordsStart = out_.size();
    if (!format.fontFamily.empty()) AppendWord("\\f", tables_.FontNumber(format.fontFamily));
    if (format.fontSizeHalfPoints > 0) AppendWord("\\fs", format.fontSizeHalfPoints);
    if (format.bold) out_ += "\\b";
    if (format.italic) out_ += "\\i";
    if (format.underline) out_ += "\\ul";
    if (format.strikeOut) out_ += "\\strike";
    if (format.color) AppendWord("\\cf", tables_.ColorIndex(*format.color));
    if (format.verticalPosition == VerticalPosition::Superscript) out_ += "\\super";
    if (format.verticalPosition == VerticalPosition::Subscript) out_ += "\\sub";
    if (out_.size() > wordsStart) out_.push_back(' ');  // the delimiter of the last word
    AppendRtfText(out_, run.text, options_.encoding);
    out_ += "}";
  }

  void AppendWord(std::string_view word, int value) {
    out_ += word;
    out_ += std::to_string(value);
  }

  const RichDocument& document_;
  const RtfWriteOptions& options_;
  FormatTables tables_;
  std::string out_;
};

}  // namespace

std::string RtfWriter::Write(const RichDocument& document) const {
  return DocumentWriter(document, options_).Write();
}

}  // namespace vorla
