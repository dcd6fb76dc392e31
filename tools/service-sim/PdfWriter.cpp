#include "PdfWriter.h"

#include <algorithm>
#include <string>
#include <vector>

#include "common/Windows1252.h"

namespace vorla::sim {
namespace {

constexpr std::size_t kLinesPerPage = 50;
constexpr std::size_t kLineWidth = 90;  // characters of 11-point Helvetica on an A4 line
// The catalog, the page tree and the font come first; each page adds itself and its content.
constexpr int kFirstPageObject = 4;

std::vector<std::string> WrappedLines(std::string_view text) {
  std::vector<std::string> lines;
  while (true) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    while (line.size() > kLineWidth) {
      std::size_t cut = line.rfind(' ', kLineWidth);
      if (cut == std::string_view::npos || cut == 0) cut = kLineWidth;
      lines.emplace_back(line.substr(0, cut));
      line.remove_prefix(cut);
      if (line.starts_with(' ')) line.remove_prefix(1);
    }
    lines.emplace_back(line);
    if (end == text.size()) return lines;
    text.remove_prefix(end + 1);
  }
}

std::string PdfString(std::string_view line) {
  std::string out = "(";
  for (char c : line) {
    if (c == '(' || c == ')' || c == '\\') out += '\\';
    if (c != '\r' && c != '\f') out += c;
  }
  return out + ")";
}

std::string PageContent(const std::vector<std::string>& lines, std::size_t first) {
  std::string content = "BT /F1 11 Tf 14 TL 50 800 Td\n";
  for (std::size_t i = first; i < lines.size() && i < first + kLinesPerPage; ++i) {
    content += PdfString(Utf8ToCp1252(lines[i])) + " Tj T*\n";
  }
  return content + "ET\n";
}

class PdfObjects {
 public:
  void Add(int number, std::string_view body) {
    if (offsets_.size() < static_cast<std::size_t>(number)) offsets_.resize(number);
    offsets_[number - 1] = out_.size();
    out_ += std::to_string(number) + " 0 obj\n" + std::string(body) + "\nendobj\n";
  }
  std::string Finish() {
    const std::size_t xref = out_.size();
    out_ += "xref\n0 " + std::to_string(static_cast<int>(offsets_.size() + 1)) +
            "\n0000000000 65535 f \n";
    for (std::size_t offset : offsets_) {
      std::string digits = std::to_string(static_cast<int>(offset));
      out_ += std::string(10 - digits.size(), '0') + digits + " 00000 n \n";
    }
    out_ += "trailer\n<< /Size " + std::to_string(static_cast<int>(offsets_.size() + 1)) +
            " /Root 1 0 R >>\nstartxref\n" + std::to_string(static_cast<int>(xref)) + "\n%%EOF\n";
    return std::move(out_);
  }

 private:
  std::string out_ = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
  std::vector<std::size_t> offsets_;
};

}  // namespace

std::string TextPdf(std::string_view text) {
  std::vector<std::string> lines = WrappedLines(text);
  const std::size_t pages = (lines.size() + kLinesPerPage - 1) / kLinesPerPage;
  PdfObjects pdf;
  std::string kids;
  for (std::size_t page = 0; page < pages; ++page) {
    kids += std::to_string(kFirstPageObject + 2 * static_cast<int>(page)) + " 0 R ";
  }
  pdf.Add(1, "<< /Type /Catalog /Pages 2 0 R >>");
  pdf.Add(2, "<< /Type /Pages /Kids [" + kids + "] /Count " +
                 std::to_string(static_cast<int>(pages)) + " >>");
  pdf.Add(3, "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>");
  for (std::size_t page = 0; page < pages; ++page) {
    const int number = kFirstPageObject + 2 * static_cast<int>(page);
    pdf.Add(number,
            "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Resources << /Font "
            "<< /F1 3 0 R >> >> /Contents " +
                std::to_string(number + 1) + " 0 R >>");
    const std::string content = PageContent(lines, page * kLinesPerPage);
    pdf.Add(number + 1, "<< /Length " + std::to_string(static_cast<int>(content.size())) +
                            " >>\nstream\n" + content + "endstream");
  }
  return pdf.Finish();
}

}  // namespace vorla::sim
