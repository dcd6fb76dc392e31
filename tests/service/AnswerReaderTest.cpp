#include <gtest/gtest.h>

#include <array>
#include <limits>

#include "ServiceFixture.h"
#include "common/DataBuffer.h"
#include "service/AnswerReader.h"
#include "service/Compression.h"

namespace vorla {
namespace {

using Refuse = LengthLimit::Refuse;

TEST(LengthLimit, EachCommandKeepsItsOwnBoundary) {
  struct Case {
    LengthLimit limit;
    std::int64_t length;
    bool allowed;
  };
  const Case cases[] = {
      {{4095, Refuse::Above}, 4095, true},
      {{4095, Refuse::Above}, 4096, false},
      {{10000, Refuse::AtOrAbove}, 9999, true},
      {{10000, Refuse::AtOrAbove}, 10000, false},
      {{-1, Refuse::AtOrAbove}, kUnlimitedCeiling, true},
      {{-1, Refuse::AtOrAbove}, kUnlimitedCeiling + 1, false},
      {{std::numeric_limits<std::int32_t>::max(), Refuse::AtOrAbove}, kUnlimitedCeiling + 1, false},
      {{100, Refuse::Above}, -1, false},
      {{-1, Refuse::Above}, -1, false},
      {{100, Refuse::AtOrAbove}, 0, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.limit.Allows(c.length), c.allowed)
        << c.limit.maximum << (c.limit.refuse == Refuse::Above ? " above " : " at ") << c.length;
  }
}

class AnswerReaderTest : public test::ServiceFixture, public testing::Test {
 protected:
  struct Outcome {
    bool headerRead = false;
    PayloadStatus status = PayloadStatus::Lost;
    RefPtr<IDataBuffer> payload = MakeRef<DataBuffer>();
  };

  // Sends a command whose answer is exactly `answer` and reads it as status, length and
  // payload.
  Outcome Read(const std::string& answer, const LengthLimit& limit) {
    sim::Faults faults;
    faults.rawAnswer = answer;
    sim_.SetFaults("blob", faults);
    ServiceClient client;
    Initialise(client);
    auto conn = client.OpenConnection({}, 0, true, kNeverRepeat);
    Outcome outcome;
    EXPECT_EQ(client.Send(*conn, client.ServiceUrl(), "cmd=blob", 10'000, false), Transport::Ok);
    AnswerReader reader(*conn);
    std::array<std::int32_t, 2> header{};
    outcome.headerRead = reader.ReadIntegers(header);
    if (outcome.headerRead) outcome.status = reader.ReadPayload(header[1], limit, *outcome.payload);
    return outcome;
  }
};

TEST_F(AnswerReaderTest, PayloadOfTheAnnouncedLength) {
  const Outcome outcome = Read(sim::Int32s({0, 5}) + "abcde", {100, Refuse::AtOrAbove});
  ASSERT_TRUE(outcome.headerRead);
  EXPECT_EQ(outcome.status, PayloadStatus::Ok);
  EXPECT_EQ(ViewOf(*outcome.payload), "abcde");
}

TEST_F(AnswerReaderTest, ShortPayloadIsALostConnection) {
  const Outcome outcome =
      Read(sim::Int32s({0, 100}) + std::string(60, 'x'), {1000, Refuse::AtOrAbove});
  EXPECT_EQ(outcome.status, PayloadStatus::Lost);
}

TEST_F(AnswerReaderTest, ShortHeaderIsALostConnection) {
  EXPECT_FALSE(Read(sim::Int32s({0}) + "ab", {100, Refuse::AtOrAbove}).headerRead);
}

TEST_F(AnswerReaderTest, ImpossibleLengthsAreRefusedBeforeAnythingIsAllocated) {
  for (const std::int32_t announced : {-1, 0x7FFFFFFF, 1000}) {
    SCOPED_TRACE(announced);
    const Outcome outcome =
        Read(sim::Int32s({0, announced}) + std::string(1000, 'x'), {1000, Refuse::AtOrAbove});
    EXPECT_EQ(outcome.status, PayloadStatus::Refused);
    EXPECT_EQ(outcome.payload->GetData(), nullptr);
  }
}

}  // namespace
}  // namespace vorla
