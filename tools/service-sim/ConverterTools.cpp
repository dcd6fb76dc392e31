#include "ConverterTools.h"

#include <fstream>
#include <iterator>

#include "ServiceCodes.h"
#include "platform/ChildProcess.h"
#include "platform/SofficeConverter.h"
#include "platform/TemporaryFolder.h"

namespace vorla::sim {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Legacy format, its OOXML twin's extension and the export filters both ways.
struct LegacyPair {
  std::int32_t format;
  std::string_view legacy;
  std::string_view ooxml;
  std::string_view toOoxml;
  std::string_view toLegacy;
};

constexpr LegacyPair kLegacyPairs[] = {
    {format::kDoc, "doc", "docx", "docx:MS Word 2007 XML", "doc:MS Word 97"},
    {format::kPpt, "ppt", "pptx", "pptx:Impress MS PowerPoint 2007 XML", "ppt:MS PowerPoint 97"},
    {format::kXls, "xls", "xlsx", "xlsx:Calc MS Excel 2007 XML", "xls:MS Excel 97"},
};

const LegacyPair* FindPair(std::int32_t format) {
  for (const LegacyPair& pair : kLegacyPairs) {
    if (pair.format == format) return &pair;
  }
  return nullptr;
}

// One profile for the simulator's process, removed when it ends.
SofficeConverter& Soffice() {
  static const TemporaryFolder profile(fs::temp_directory_path());
  static SofficeConverter converter({.profileFolder = profile.path() / "profile"});
  return converter;
}

}  // namespace

std::optional<std::string> PdfText(std::string_view pdf) {
  const TemporaryFolder work(fs::temp_directory_path());
  if (work.path().empty()) return std::nullopt;
  const fs::path source = work.path() / "in.pdf";
  const fs::path text = work.path() / "out.txt";
  std::ofstream(source, std::ios::binary).write(pdf.data(), std::streamsize(pdf.size()));
  if (!RunProgram("/usr/bin/pdftotext", {"-enc", "UTF-8", source.string(), text.string()}, 60s)
           .Succeeded()) {
    return std::nullopt;
  }
  std::ifstream in(text, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::optional<std::string> LegacyToOoxml(std::string_view document, std::int32_t format) {
  const LegacyPair* pair = FindPair(format);
  if (!pair) return std::nullopt;
  return Soffice().Convert(document, {pair->legacy, pair->toOoxml, pair->ooxml});
}

std::optional<std::string> OoxmlToLegacy(std::string_view document, std::int32_t format) {
  const LegacyPair* pair = FindPair(format);
  if (!pair) return std::nullopt;
  return Soffice().Convert(document, {pair->ooxml, pair->toLegacy, pair->legacy});
}

}  // namespace vorla::sim
