#include <gtest/gtest.h>

#include <fstream>

#include "documents/files/DocumentTypes.h"
#include "documents/files/PaneSaving.h"
#include "documents/files/RecordingFileHost.h"
#include "documents/files/SaveNames.h"
#include "support/FileBytes.h"
#include "support/TempHome.h"
#include "translation/DocumentFormat.h"

namespace vorla {
namespace {

TEST(SaveNames, SuggestedResultNames) {
  struct Case {
    std::string source;
    int target;
    UiLanguage language;
    std::string suggested;
  };
  const Case cases[] = {
      {"Report.PDF", kFormatHtml, UiLanguage::English, "Report translation.html"},
      {"/home/u/notes.txt", kFormatTxt, UiLanguage::English, "notes translation.txt"},
      {"notes.TXT", kFormatTxt, UiLanguage::Finnish, "notes käännös.TXT"},
      {"README", kFormatTxt, UiLanguage::English, "README translation"},
      {"dir.v2/README", kFormatTxt, UiLanguage::English, "README translation"},
      {std::string(244, 'a'), kFormatTxt, UiLanguage::English, std::string(244, 'a')},
      {std::string(239, 'a') + ".txt", kFormatTxt, UiLanguage::English,
       std::string(239, 'a') + " translation.txt"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SuggestedResultName(c.source, c.target, c.language), c.suggested) << c.source;
  }
}

TEST(SaveNames, PaneSaveCompletion) {
  struct Case {
    std::string path;
    int filter;
    bool word;
    std::string completed;
  };
  const Case cases[] = {
      {"summary", 1, false, "summary.txt"},      {"summary.rtf", 1, false, "summary.rtf.txt"},
      {"summary.TXT", 1, false, "summary.TXT"},  {"summary", 2, false, "summary.rtf"},
      {"page.html", 3, false, "page.html"},      {"letter", 3, true, "letter.docx"},
      {"letter.docx", 3, true, "letter.docx"},   {"letter", 4, true, "letter.doc"},
      {"dir.v2/notes", 5, true, "dir.v2/notes"}, {"dir.rtf/notes", 2, false, "dir.rtf/notes.rtf"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CompletePaneSavePath(c.path, c.filter, c.word), c.completed) << c.path;
  }
  EXPECT_EQ(CompleteResultSavePath("out", kFormatHtml), "out.html");
  EXPECT_EQ(CompleteResultSavePath("out.HTM", kFormatHtml), "out.HTM");
  EXPECT_EQ(CompleteResultSavePath("dir.pdf/out", kFormatPdf), "dir.pdf/out.pdf");
}

TEST(DocumentTypes, FilterLists) {
  const auto displayed = [](FileDialogKind kind, WordSupport word) {
    std::vector<std::string> texts;
    for (const FileFilter& filter : DialogFilters(kind, word, UiLanguage::English)) {
      texts.push_back(filter.DisplayText());
    }
    return texts;
  };
  EXPECT_EQ(displayed(FileDialogKind::OpenIntoPane, {}),
            (std::vector<std::string>{"All files (*.*)", "Text file (*.txt)", "RTF (*.rtf)"}));
  EXPECT_EQ(displayed(FileDialogKind::OpenIntoPane, {true, false}).back(),
            "Word document (*.doc;*.docx)");
  EXPECT_EQ(displayed(FileDialogKind::SavePane, {true, true}),
            (std::vector<std::string>{"Text file (*.txt)", "RTF (*.rtf)", "Word document (*.docx)",
                                      "Word 97-2003 document (*.doc)", "All files (*.*)"}));
  EXPECT_EQ(displayed(FileDialogKind::SavePane, {true, false}).size(), 3u);
  const std::vector<std::string> translate = displayed(FileDialogKind::TranslateFile, {});
  ASSERT_EQ(translate.size(), 12u);
  EXPECT_EQ(translate[5], "Excel (*.xls;*.xlsx)");
  EXPECT_EQ(translate[11], "PDF (*.pdf)");
  EXPECT_EQ(ResultFilters(kFormatOds, UiLanguage::Finnish)[0].DisplayText(),
            "OpenDocument-laskentataulukko (*.ods)");
  EXPECT_TRUE(ResultFilters(kFormatTmx, UiLanguage::English).empty());
  EXPECT_FALSE(IsTranslatableFormat(0));
  EXPECT_TRUE(IsTranslatableFormat(15));
  EXPECT_FALSE(IsTranslatableFormat(16));
}

class TextPane final : public SavedPane {
 public:
  std::string PlainRtf() override { return "{\\rtf1 text}"; }
  std::string PlainText() override { return "text\r\n"; }
  std::optional<std::string> ConvertToWord(std::string_view, int format) override {
    if (!converts) return std::nullopt;
    return "word " + std::to_string(format);
  }
  bool converts = true;
};

TEST(PaneSaving, WritesTheFormOfTheFinalType) {
  struct Case {
    std::string name;
    int filter;
    WordSupport word;
    bool converts;
    std::string written;  // "" when nothing is written
    std::string message;
  };
  const Case cases[] = {
      {"summary", 1, {}, true, "text\r\n", ""},
      {"summary.rtf", 3, {}, true, "{\\rtf1 text}", ""},
      {"page.html", 3, {}, true, "", "Cannot save as a .html file."},
      {"letter.docx", 3, {}, true, "", "Cannot save as a .docx file."},
      {"letter", 3, {true, true}, true, "word 13", ""},
      {"letter", 4, {true, true}, false, "{\\rtf1 text}", ""},
      {"notes", 3, {}, true, "text\r\n", ""},
  };
  for (const Case& c : cases) {
    test::TempDir dir;
    TextPane pane;
    pane.converts = c.converts;
    test::RecordingFileHost host;
    const std::string chosen = (dir.path() / c.name).string();
    const SaveOutcome outcome =
        SavePaneToFile(chosen, c.filter, c.word, pane, host, UiLanguage::English);
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
      files.push_back(test::ReadFileBytes(entry.path()));
    }
    if (c.written.empty()) {
      EXPECT_EQ(outcome, SaveOutcome::Refused) << c.name;
      EXPECT_TRUE(files.empty()) << c.name;
      EXPECT_EQ(host.messages, std::vector<std::string>{c.message}) << c.name;
    } else {
      EXPECT_EQ(outcome, SaveOutcome::Saved) << c.name;
      EXPECT_EQ(files, std::vector<std::string>{c.written}) << c.name;
    }
    EXPECT_EQ(host.statuses.back(), "") << c.name;
  }
}

TEST(PaneSaving, AsksBeforeACompletedNameReplacesAFile) {
  test::TempDir dir;
  std::ofstream(dir.path() / "summary.txt") << "old";
  TextPane pane;
  test::RecordingFileHost host;
  host.answer = false;
  const std::string chosen = (dir.path() / "summary").string();
  EXPECT_EQ(SavePaneToFile(chosen, 1, {}, pane, host, UiLanguage::English), SaveOutcome::Declined);
  EXPECT_EQ(test::ReadFileBytes(dir.path() / "summary.txt"), "old");
  EXPECT_EQ(host.questions,
            std::vector<std::string>{"\"summary.txt\" already exists. Do you want to replace it?"});
  host.answer = true;
  EXPECT_EQ(SavePaneToFile(chosen, 1, {}, pane, host, UiLanguage::English), SaveOutcome::Saved);
  EXPECT_EQ(test::ReadFileBytes(dir.path() / "summary.txt"), "text\r\n");
}

TEST(PaneSaving, FailureIsReportedAndKeepsTheDialog) {
  test::TempDir dir;
  TextPane pane;
  test::RecordingFileHost host;
  const std::string chosen = (dir.path() / "missing" / "summary.txt").string();
  EXPECT_EQ(SavePaneToFile(chosen, 1, {}, pane, host, UiLanguage::Finnish), SaveOutcome::Failed);
  EXPECT_EQ(host.messages,
            std::vector<std::string>{"Kohdetiedosto on mahdollisesti toisen ohjelman käytössä."});
}

}  // namespace
}  // namespace vorla
