#include "PdfHtmlAnswer.h"

#include <vector>

#include "PngWriter.h"

namespace vorla::sim {
namespace {

constexpr std::uint32_t kPictureSide = 4;
// A colour per picture, so that each picture file differs from the others.
constexpr std::uint32_t kPictureColours[] = {0x3366CC, 0xCC6633, 0x33CC66};

void AppendLittleEndian(std::string& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8)
    out += static_cast<char>((value >> shift) & 0xFF);
}

void AppendSized(std::string& out, std::string_view bytes) {
  AppendLittleEndian(out, static_cast<std::uint32_t>(bytes.size()));
  out += bytes;
}

std::string Escaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else if (c == '&')
      out += "&amp;";
    else
      out += c;
  }
  return out;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t end; (end = text.find(separator)) != std::string_view::npos;) {
    parts.push_back(text.substr(0, end));
    text.remove_prefix(end + 1);
  }
  parts.push_back(text);
  return parts;
}

std::string PictureName(std::size_t page) {
  return "document" + std::to_string(page + 1) + ".png";
}

}  // namespace

PdfHtmlAnswer PdfAsHtml(std::string_view text, bool withPictures, TextTranslator& translator) {
  const std::string self(kPdfHtmlDocumentName);
  std::vector<std::string_view> pages = Split(text, '\f');
  if (pages.size() > 1 && pages.back().empty()) pages.pop_back();

  std::string page =
      "<HTML><HEAD><META http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">"
      "<TITLE>document</TITLE></HEAD><BODY>\r\n<a href=\"" +
      self + "\">document</a>";
  std::string pictures;
  for (std::size_t at = 0; at < pages.size(); ++at) {
    const std::string number = std::to_string(at + 1);
    page += "\r\n<A name=\"page" + number + "\"></A>";
    if (withPictures) {
      page += "\r\n<IMG width=\"" + std::to_string(kPictureSide) + "\" height=\"" +
              std::to_string(kPictureSide) + "\" src=\"" + PictureName(at) + "\">";
      AppendSized(pictures, PictureName(at));
      AppendSized(pictures, SolidPng(kPictureSide, kPictureSide,
                                     kPictureColours[at % std::size(kPictureColours)]));
    }
    for (std::string_view line : Split(pages[at], '\n')) {
      if (line.empty()) continue;
      page += "\r\n<P>" + Escaped(translator.Translate(line)) + "</P>";
      translator.EndParagraph();
    }
    if (at + 1 < pages.size()) {
      page += "\r\n<a href=\"" + self + "#page" + std::to_string(at + 2) + "\">&gt;&gt;</a>";
    }
  }
  page += "\r\n</BODY></HTML>\r\n";

  std::string package;
  AppendSized(package, self);
  AppendLittleEndian(package, withPictures ? static_cast<std::uint32_t>(pages.size()) : 0);
  package += pictures;
  return {std::move(page), std::move(package)};
}

}  // namespace vorla::sim
