#include <gtest/gtest.h>

#include "common/DataBuffer.h"
#include "common/RefPtr.h"
#include "common/StringBuffer.h"
#include "common/StringList.h"

namespace vorla {
namespace {

TEST(InterfaceId, ParsesTheRegistryForm) {
  constexpr InterfaceId id = MakeInterfaceId("04CD5C50-076B-4BA1-BA60-BCBD82027581");
  EXPECT_EQ(id.bytes[0], 0x04);
  EXPECT_EQ(id.bytes[3], 0x50);
  EXPECT_EQ(id.bytes[15], 0x81);
  EXPECT_FALSE(id == IStringBuffer::kIid);
}

TEST(RefPtr, CreatorHoldsTheOnlyReferenceAndCopiesShareIt) {
  RefPtr<DataBuffer> buffer = MakeRef<DataBuffer>();
  EXPECT_EQ(buffer->AddRef(), 2);
  EXPECT_EQ(buffer->Release(), 1);
  {
    RefPtr<IDataBuffer> copy = buffer;
    EXPECT_EQ(buffer->AddRef(), 3);
    buffer->Release();
  }
  EXPECT_EQ(buffer->AddRef(), 2);
  buffer->Release();
}

TEST(QueryInterface, AnswersTheInterfacesOfEachObject) {
  struct Case {
    const char* name;
    RefPtr<IUnknown> object;
    bool unknown, dataBuffer, stringBuffer, stringList;
  };
  const Case cases[] = {
      {"DataBuffer", RefPtr<IUnknown>(MakeRef<DataBuffer>()), true, true, false, false},
      {"StringBuffer", RefPtr<IUnknown>(MakeRef<StringBuffer>()), true, true, true, false},
      {"StringList", RefPtr<IUnknown>(MakeRef<StringList>()), true, false, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(bool(QueryInterface<IUnknown>(c.object.get())), c.unknown);
    EXPECT_EQ(bool(QueryInterface<IDataBuffer>(c.object.get())), c.dataBuffer);
    EXPECT_EQ(bool(QueryInterface<IStringBuffer>(c.object.get())), c.stringBuffer);
    EXPECT_EQ(bool(QueryInterface<IStringList>(c.object.get())), c.stringList);
  }
}

TEST(QueryInterface, AnUnknownIdentifierGivesNullAndOne) {
  RefPtr<StringBuffer> buffer = MakeRef<StringBuffer>();
  void* out = reinterpret_cast<void*>(1);
  EXPECT_EQ(buffer->QueryInterface(IStringList::kIid, &out), kNoInterface);
  EXPECT_EQ(out, nullptr);
  // A successful answer adds a reference that the caller owns.
  EXPECT_EQ(buffer->QueryInterface(IDataBuffer::kIid, &out), kInterfaceOk);
  EXPECT_EQ(out, static_cast<IDataBuffer*>(buffer.get()));
  EXPECT_EQ(buffer->Release(), 1);
}

}  // namespace
}  // namespace vorla
