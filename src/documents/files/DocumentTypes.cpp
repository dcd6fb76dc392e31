#include "documents/files/DocumentTypes.h"

#include <span>

#include "translation/DocumentFormat.h"

namespace vorla {

namespace {

struct FileTypeRow {
  int row;
  BilingualText name;
  std::string_view pattern;
};

// Rows 1 to 15 are the formats of the same number; 100 to 102 join an Office format's two
// generations.
constexpr int kAllFiles = 0;
constexpr int kWordDocuments = 100;
constexpr int kPowerPointDocuments = 101;
constexpr int kExcelDocuments = 102;

constexpr FileTypeRow kFileTypes[] = {
    {kAllFiles, {"All files", "Kaikki tiedostot"}, "*.*"},
    {kFormatTxt, {"Text file", "Tekstitiedosto"}, "*.txt"},
    {kFormatRtf, {"RTF", "RTF"}, "*.rtf"},
    {kFormatHtml, {"HTML", "HTML"}, "*.html;*.htm"},
    {kFormatDoc, {"Word 97-2003 document", "Word 97-2003 -asiakirja"}, "*.doc"},
    {kFormatPdf, {"PDF", "PDF"}, "*.pdf"},
    {kFormatCsv, {"CSV", "CSV"}, "*.csv"},
    {kFormatOdt, {"OpenDocument text", "OpenDocument-teksti"}, "*.odt"},
    {kFormatXml, {"XML", "XML"}, "*.xml"},
    {kFormatPpt, {"PowerPoint 97-2003", "PowerPoint 97-2003 -esitys"}, "*.ppt"},
    {kFormatOdp, {"OpenDocument presentation", "OpenDocument-esitys"}, "*.odp"},
    {kFormatXls, {"Excel 97-2003", "Excel 97-2003 -laskentataulukko"}, "*.xls"},
    {kFormatOds, {"OpenDocument spreadsheet", "OpenDocument-laskentataulukko"}, "*.ods"},
    {kFormatDocx, {"Word document", "Word-asiakirja"}, "*.docx"},
    {kFormatPptx, {"PowerPoint", "PowerPoint-esitys"}, "*.pptx"},
    {kFormatXlsx, {"Excel", "Excel-laskentataulukko"}, "*.xlsx"},
    {kWordDocuments, {"Word document", "Word-asiakirja"}, "*.doc;*.docx"},
    {kPowerPointDocuments, {"PowerPoint", "PowerPoint-esitys"}, "*.ppt;*.pptx"},
    {kExcelDocuments, {"Excel", "Excel-laskentataulukko"}, "*.xls;*.xlsx"},
};

constexpr int kTranslateRows[] = {
    kAllFiles,  kFormatTxt, kFormatRtf, kWordDocuments, kPowerPointDocuments, kExcelDocuments,
    kFormatOdt, kFormatOdp, kFormatOds, kFormatCsv,     kFormatHtml,          kFormatPdf};

constexpr int kOpenRows[] = {kAllFiles, kFormatTxt, kFormatRtf};
constexpr int kSavePaneTextRows[] = {kFormatTxt, kFormatRtf};
constexpr int kSavePaneWordRows[] = {kFormatDocx, kFormatDoc};

void AddRow(std::vector<FileFilter>& filters, int row, UiLanguage language) {
  for (const FileTypeRow& type : kFileTypes) {
    if (type.row == row) {
      filters.push_back({std::string(type.name.In(language)), std::string(type.pattern)});
      return;
    }
  }
}

void AddRows(std::vector<FileFilter>& filters, std::span<const int> rows, UiLanguage language) {
  for (const int row : rows)
    AddRow(filters, row, language);
}

}  // namespace

bool IsTranslatableFormat(int format) {
  return format >= kFormatTxt && format <= kFormatXlsx;
}

std::string FileFilter::DisplayText() const {
  return name + " (" + pattern + ")";
}

std::vector<FileFilter> DialogFilters(FileDialogKind kind, const WordSupport& word,
                                      UiLanguage language) {
  std::vector<FileFilter> filters;
  switch (kind) {
    case FileDialogKind::OpenIntoPane:
      AddRows(filters, kOpenRows, language);
      if (word.available) AddRow(filters, kWordDocuments, language);
      break;
    case FileDialogKind::TranslateFile:
      AddRows(filters, kTranslateRows, language);
      break;
    case FileDialogKind::SavePane:
      AddRows(filters, kSavePaneTextRows, language);
      if (word.canSave) AddRows(filters, kSavePaneWordRows, language);
      AddRow(filters, kAllFiles, language);
      break;
  }
  return filters;
}

std::vector<FileFilter> ResultFilters(int format, UiLanguage language) {
  std::vector<FileFilter> filters;
  if (IsTranslatableFormat(format)) AddRow(filters, format, language);
  return filters;
}

}  // namespace vorla
