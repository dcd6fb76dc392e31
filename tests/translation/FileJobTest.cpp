#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "TranslatorFixture.h"
#include "support/FileBytes.h"
#include "support/RecordingFileCommandHost.h"
#include "support/TempHome.h"
#include "translation/ResultSaving.h"

namespace vorla {
namespace {

namespace fs = std::filesystem;
using test::TranslatorFixture;

const std::string kPage =
    "<html><a href=\"doc.html\">top</a>\r\n<IMG width=10 src=\"a.png\"><a "
    "href=\"doc.html#p2\">two</a></html>";
const std::string kPackage = test::LengthPrefixed("doc.html") + test::LittleEndian32(3) +
                             test::LengthPrefixed("a.png") + test::LengthPrefixed("PNG") +
                             test::LengthPrefixed("../up.png") + test::LengthPrefixed("X") +
                             test::LengthPrefixed("b.png") + test::LengthPrefixed("PNG2");

// The file job's progress dialog: records what the job shows in it.
class RecordingDialogs final : public ProgressDialogs {
 public:
  JobDisplay CreateProgressDialog(const RefPtr<WindowsTranslationInstance>& job) override {
    jobs.push_back(job);
    return {progress, nullptr};
  }
  RefPtr<test::RecordingProgress> progress = MakeRef<test::RecordingProgress>();
  std::vector<RefPtr<WindowsTranslationInstance>> jobs;
};

struct FileJobFixture : TranslatorFixture {
  FileJobFixture() {
    CWindowsTranslator::Hooks hooks = FakeHooks();
    hooks.progressDialogs = dialogs;
    translator_->SetHooks(hooks);
    sim_.Register("tr", [](const sim::SimRequest& request, sim::SimContext&) {
      if ((std::stoul(*request.Field("trflags")) & kTrPdfToHtml) == 0) {
        return test::TranslationFixture::Answer(test::TranslationAnswer("translated"));
      }
      return test::TranslationFixture::Answer(
          test::TranslationAnswer(kPage) +
          sim::Int32s({static_cast<std::int32_t>(kPackage.size())}) + kPackage);
    });
  }

  RefPtr<WindowsTranslationInstance> TranslateFile(std::string content, int format,
                                                   std::string name) {
    TranslationOrder order;
    order.text = std::move(content);
    order.format = format;
    order.fileName = std::move(name);
    return translator_->StartTranslation(std::move(order));
  }

  std::shared_ptr<RecordingDialogs> dialogs = std::make_shared<RecordingDialogs>();
};

TEST(FileJob, ReportsToItsProgressDialogAloneAndOpensItsResult) {
  FileJobFixture fixture;
  const RefPtr<WindowsTranslationInstance> job =
      fixture.TranslateFile("plain text", kFormatTxt, "/somewhere/notes.txt");
  ASSERT_TRUE(job);
  EXPECT_EQ(job->WaitForResult(), 0);
  fixture.translator_->Shutdown();

  ASSERT_EQ(fixture.dialogs->jobs.size(), 1u);
  EXPECT_EQ(fixture.dialogs->jobs[0], job);
  EXPECT_FALSE(job->Flags().mainWindowJob);
  const std::vector<std::string> dialogLines = fixture.dialogs->progress->Lines();
  EXPECT_NE(std::ranges::count(dialogLines, "status: Translation completed [hide]"), 0);
  // The main window keeps its pane, its command and its last result.
  EXPECT_TRUE(fixture.progress_->Lines().empty());
  EXPECT_TRUE(fixture.delivery_->Delivered().empty());
  EXPECT_EQ(std::ranges::count(fixture.window_->Calls(), "cancel on"), 0);
  EXPECT_EQ(fixture.translator_->LastResult(), -1);
  EXPECT_FALSE(fixture.translator_->CancelCurrentJob());
  // Even a text result goes to a file, which is opened.
  ASSERT_EQ(fixture.opener_->opened.size(), 1u);
  const fs::path opened = fixture.opener_->opened[0];
  EXPECT_TRUE(opened.filename().string().starts_with("notes translation~")) << opened;
  EXPECT_EQ(opened.extension(), ".txt");
  EXPECT_EQ(test::ReadFileBytes(opened), "translated");
}

TEST(FileJob, PdfPageWithPicturesOpenedAndSavedElsewhere) {
  FileJobFixture fixture;
  fixture.translator_->SetPdfResultFormat(1);
  const RefPtr<WindowsTranslationInstance> job =
      fixture.TranslateFile("%PDF-1.4", kFormatPdf, "/somewhere/Report.PDF");
  ASSERT_TRUE(job);
  EXPECT_EQ(job->WaitForResult(), 0);
  fixture.translator_->Shutdown();
  ASSERT_EQ(fixture.opener_->opened.size(), 1u);
  const fs::path opened = fixture.opener_->opened[0];
  const std::string name = opened.filename().string();
  EXPECT_EQ(opened.extension(), ".html");
  const std::string encoded = std::string(name).replace(name.find(' '), 1, "%20");
  EXPECT_EQ(test::ReadFileBytes(opened),
            "<html><a href=\"" + encoded + "\">top</a>\r\n<IMG width=10 src=\"a.png\"><a href=\"" +
                encoded + "#p2\">two</a></html>");
  EXPECT_EQ(test::ReadFileBytes(opened.parent_path() / "a.png"), "PNG");
  EXPECT_EQ(test::ReadFileBytes(opened.parent_path() / "b.png"), "PNG2");
  EXPECT_FALSE(fs::exists(opened.parent_path().parent_path() / "up.png"));

  test::TempDir dir;
  test::RecordingHost host;
  const std::string chosen = (dir.path() / "saved").string();
  EXPECT_EQ(SaveResultAs(job->Job(), chosen, host, UiLanguage::English), SaveOutcome::Saved);
  EXPECT_EQ(test::ReadFileBytes(chosen + ".html"),
            "<html><a href=\"saved.html\">top</a>\r\n<a href=\"saved.html#p2\">two</a></html>");
  EXPECT_FALSE(fs::exists(dir.path() / "a.png"));
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace vorla
