#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "SimulatedService.h"
#include "TranslationAnswer.h"
#include "support/FileBytes.h"
#include "support/TempHome.h"

namespace vorla {
namespace {

namespace fs = std::filesystem;
using test::HasLine;
using test::ProgramRun;

// The page a PDF becomes, linking to itself as "doc.html", and its one picture.
const std::string kPdfPage =
    "<html><a href=\"doc.html#p2\">two</a>\r\n<IMG width=10 src=\"a.png\"></html>";
const std::string kPicturePackage = test::LengthPrefixed("doc.html") + test::LittleEndian32(2) +
                                    test::LengthPrefixed("a.png") + test::LengthPrefixed("PNG") +
                                    test::LengthPrefixed("../up.png") + test::LengthPrefixed("X");

// A service whose `tr` answers text in brackets, and a PDF as the page and its pictures when
// asked for HTML.
struct DocumentService : test::SimulatedService {
  DocumentService() {
    sim.Register("tr", [](const sim::SimRequest& request, sim::SimContext&) {
      sim::SimAnswer answer;
      const bool pdfToHtml = (std::stoul(*request.Field("trflags")) & 0x8000000) != 0;
      if (pdfToHtml) {
        answer.body = sim::TranslationResult(0, 1, kPdfPage, kPicturePackage);
      } else {
        answer.body = sim::TranslationResult(0, 1, "[" + *request.Field("srctxt") + "]", {});
      }
      return answer;
    });
    const ProgramRun login = Run({"login", "--user", "demo", "--password-stdin"}, "demo\n");
    EXPECT_EQ(login.exitCode, 0) << login.err;
  }

  sim::SimRequest LastTranslation() const {
    std::optional<sim::SimRequest> last;
    for (const sim::SimRequest& request : sim.Requests()) {
      if (*request.Field("cmd") == "tr") last = request;
    }
    EXPECT_TRUE(last);
    return last.value_or(sim::SimRequest{});
  }
};

// A field the client leaves out at its default value reads as that value.
std::string FieldOr(const sim::SimRequest& request, std::string_view name,
                    std::string_view fallback) {
  const std::string* value = request.Field(name);
  return value ? *value : std::string(fallback);
}

fs::path WriteFile(const fs::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

TEST(TranslateFileCommand, TextFilesGoInTheEncodingTheyAreFoundIn) {
  struct Case {
    std::string bytes;
    std::string sent;
    std::string enc;
  };
  const Case cases[] = {
      {"K\xC3\xA4si\r\n", "K\xC3\xA4si\r\n", "1"},      // UTF-8 without a mark
      {"\xEF\xBB\xBFK\xC3\xA4si", "K\xC3\xA4si", "1"},  // with a mark
      {"K\xE4si", "K\xE4si", "2"},                      // undeclared 8-bit text
  };
  DocumentService service;
  test::TempDir dir;
  for (const Case& c : cases) {
    const fs::path source = WriteFile(dir.path() / "notes.txt", c.bytes);
    const fs::path out = dir.path() / "out.txt";
    const ProgramRun run = service.Run({"translate-file", QString::fromStdString(source.string()),
                                        "-o", QString::fromStdString(out.string())});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const sim::SimRequest request = service.LastTranslation();
    EXPECT_EQ(*request.Field("srctxt"), c.sent);
    EXPECT_EQ(*request.Field("srcformat"), "1");
    EXPECT_EQ(FieldOr(request, "enc", "2"), c.enc);
    EXPECT_EQ(test::ReadFileBytes(out), "[" + c.sent + "]");
    EXPECT_TRUE(HasLine(run.out, out.string())) << run.out;
  }
}

TEST(TranslateFileCommand, UndeclaredTextGoesAsUtf8ForAFurtherLanguagePair) {
  DocumentService service;
  service.AddFurtherLanguageAccount();
  ASSERT_EQ(service.Run({"login", "--user", "further", "--password-stdin"}, "demo\n").exitCode, 0);
  ASSERT_EQ(service.Run({"pair", "223", "219"}).exitCode, 0);  // German to English

  test::TempDir dir;
  const fs::path source = WriteFile(dir.path() / "gruss.txt",
                                    "Gr\xFC\xDF"
                                    "e");  // Windows-1252
  const fs::path out = dir.path() / "out.txt";
  const ProgramRun run = service.Run({"translate-file", QString::fromStdString(source.string()),
                                      "-o", QString::fromStdString(out.string()), "--yes"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const sim::SimRequest request = service.LastTranslation();
  EXPECT_EQ(*request.Field("srclan"), "223");
  EXPECT_EQ(*request.Field("srcformat"), "1");
  EXPECT_EQ(*request.Field("srctxt"),
            "Gr\xC3\xBC\xC3\x9F"
            "e");
  EXPECT_EQ(FieldOr(request, "enc", "2"), "1");
}

TEST(TranslateFileCommand, PdfToHtmlWithPicturesBesideTheResult) {
  DocumentService service;
  test::TempDir dir;
  const fs::path source = WriteFile(dir.path() / "Report.PDF", "%PDF-1.4 tiny");
  const fs::path out = dir.path() / "result page.html";
  const ProgramRun run =
      service.Run({"translate-file", QString::fromStdString(source.string()), "--pdf-result",
                   "html", "--zoom", "150", "-o", QString::fromStdString(out.string())});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const sim::SimRequest request = service.LastTranslation();
  EXPECT_EQ(*request.Field("srcformat"), "5");
  EXPECT_EQ(*request.Field("tgtformat"), "3");
  EXPECT_EQ(*request.Field("zoom"), "150");
  EXPECT_EQ(test::ReadFileBytes(out),
            "<html><a href=\"result%20page.html#p2\">two</a>\r\n<IMG width=10 "
            "src=\"a.png\"></html>");
  EXPECT_EQ(test::ReadFileBytes(dir.path() / "a.png"), "PNG");
  EXPECT_FALSE(fs::exists(dir.path().parent_path() / "up.png"));
}

TEST(TranslateFileCommand, SuggestedNameInTheCurrentFolderAndRefusals) {
  DocumentService service;
  test::TempDir dir;
  fs::current_path(dir.path());
  WriteFile(dir.path() / "Report.pdf", "%PDF-1.4 tiny");
  const ProgramRun run = service.Run({"translate-file", "Report.pdf", "--pdf-result", "pdf"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(test::ReadFileBytes(dir.path() / "Report translation.pdf"), "[%PDF-1.4 tiny]");
  EXPECT_EQ(*service.LastTranslation().Field("tgtformat"), "5");

  WriteFile(dir.path() / "data.tmx", "<tmx/>");
  const ProgramRun refused = service.Run({"translate-file", "data.tmx"});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_TRUE(
      HasLine(refused.err, "File cannot be translated because its format (.tmx) is not supported."))
      << refused.err;
}

}  // namespace
}  // namespace vorla
