#include <gtest/gtest.h>

#include "ui/documents/ProgressDialogController.h"

namespace vorla {
namespace {

struct Recorded {
  int cancels = 0;
  int closes = 0;
  int saves = 0;
  bool saveChoosesName = false;
};

ProgressDialogController::Actions RecordingActions(Recorded& recorded) {
  return {
      .cancelJob = [&recorded] { ++recorded.cancels; },
      .saveResultAs =
          [&recorded] {
            ++recorded.saves;
            return recorded.saveChoosesName;
          },
  };
}

// A controller whose dialog closing is recorded too.
struct RecordedController {
  Recorded recorded;
  ProgressDialogController controller{[this] { ++recorded.closes; }};
  RecordedController() { controller.SetActions(RecordingActions(recorded)); }
};

TEST(ProgressDialogController, StatusEventsSetTheTextAndTheBarAndEmptyTheDetail) {
  RecordedController under;
  ProgressDialogController& controller = under.controller;
  controller.ShowDetail("2KB / 8KB  (25%)");
  controller.ShowStatus("Sending translation request to the server...", ProgressBar::ShowAt, 0);
  EXPECT_EQ(controller.View().status, "Sending translation request to the server...");
  EXPECT_EQ(controller.View().detail, "");
  EXPECT_TRUE(controller.View().barVisible);
  controller.ShowStatus("Translating document... please wait", ProgressBar::Hide, 0);
  EXPECT_FALSE(controller.View().barVisible);
  controller.ShowStatus("Downloading translation result...", ProgressBar::SetTo, 25);
  EXPECT_TRUE(controller.View().barVisible);
  EXPECT_EQ(controller.View().percent, 25);
  controller.ShowDetail("2KB / 8KB  (25%)");
  EXPECT_EQ(controller.View().detail, "2KB / 8KB  (25%)");
  // Running: the button cancels and saving waits for the result.
  EXPECT_FALSE(controller.View().closeButton);
  EXPECT_TRUE(controller.View().saveVisible);
  EXPECT_FALSE(controller.View().saveEnabled);
}

TEST(ProgressDialogController, AFinalMessageHidesTheBarAndSavingAndDoublesABrokenStatus) {
  const struct {
    const char* message;
    bool tall;
  } cases[] = {
      {"Translation failed - timeout", false},
      {"Translation failed\r\nPlease convert the Word document", true},
      {"\nbreak before any text", false},
      {"A\nbreak after the first character", true},
  };
  for (const auto& c : cases) {
    RecordedController under;
    Recorded& recorded = under.recorded;
    ProgressDialogController& controller = under.controller;
    controller.ShowStatus("Downloading translation result...", ProgressBar::ShowAt, 0);
    controller.ShowDetail("1KB / 2KB  (50%)");
    controller.ShowFinalMessage(c.message);
    const ProgressDialogView& view = controller.View();
    EXPECT_EQ(view.status, c.message);
    EXPECT_EQ(view.detail, "") << c.message;
    EXPECT_FALSE(view.barVisible) << c.message;
    EXPECT_FALSE(view.saveVisible) << c.message;
    EXPECT_TRUE(view.closeButton) << c.message;
    EXPECT_EQ(view.tallStatus, c.tall) << c.message;
    EXPECT_EQ(recorded.cancels + recorded.closes, 0) << "the dialog stays until closed";
  }
}

TEST(ProgressDialogController, TheResultEnablesSaving) {
  RecordedController under;
  Recorded& recorded = under.recorded;
  ProgressDialogController& controller = under.controller;
  controller.Save();
  EXPECT_EQ(recorded.saves, 0) << "nothing to save before the result";
  controller.ResultArrived();
  EXPECT_TRUE(controller.View().saveEnabled);
  EXPECT_TRUE(controller.View().closeButton);
}

TEST(ProgressDialogController, AChosenSaveNameClosesTheDialogAndACancelledOneKeepsIt) {
  for (const bool chosen : {false, true}) {
    RecordedController under;
    Recorded& recorded = under.recorded;
    recorded.saveChoosesName = chosen;
    ProgressDialogController& controller = under.controller;
    controller.ResultArrived();
    controller.Save();
    EXPECT_EQ(recorded.saves, 1);
    EXPECT_EQ(recorded.closes, chosen ? 1 : 0);
    EXPECT_EQ(recorded.cancels, chosen ? 1 : 0);
  }
}

TEST(ProgressDialogController, CancelEndsTheJobAndClosesOnlyOnce) {
  RecordedController under;
  Recorded& recorded = under.recorded;
  ProgressDialogController& controller = under.controller;
  controller.Cancel();
  controller.Cancel();
  controller.ResultArrived();
  controller.Save();
  EXPECT_EQ(recorded.cancels, 1);
  EXPECT_EQ(recorded.closes, 1);
  EXPECT_EQ(recorded.saves, 0);
}

}  // namespace
}  // namespace vorla
