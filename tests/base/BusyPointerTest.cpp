#include "base/BusyPointer.h"
#include "base/ScopedService.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class RecordingPointer : public BusyPointerService {
public:
    void showWait() override { calls.push_back("wait"); }
    void restore() override { calls.push_back("restore"); }
    void discardInput() override { calls.push_back("discard"); }
    std::vector<std::string> calls;

private:
    ScopedService<installBusyPointerService> m_installed{this};
};

TEST(BusyPointerTest, OnlyTheOutermostPairShowsAndRestoresThePointer)
{
    RecordingPointer pointer;
    {
        BusyScope outer;
        {
            BusyScope inner;
            EXPECT_EQ(busyDepth(), 2);
        }
        EXPECT_EQ(pointer.calls, std::vector<std::string>{"wait"});
    }
    EXPECT_EQ(pointer.calls, (std::vector<std::string>{"wait", "restore", "discard"}));
    EXPECT_EQ(busyDepth(), 0);

    endBusy(); // an unmatched end neither goes below zero nor touches the pointer
    EXPECT_EQ(busyDepth(), 0);
    EXPECT_EQ(pointer.calls.size(), 3u);
}

TEST(BusyPointerTest, AFailingOperationStillRestoresThePointer)
{
    RecordingPointer pointer;
    try {
        BusyScope busy;
        throw 1;
    } catch (int) {
    }
    EXPECT_EQ(busyDepth(), 0);
    EXPECT_EQ(pointer.calls.back(), "discard");
}

// Scripted services nest: each one ending gives the slot back to the one it replaced, not to none.
TEST(BusyPointerTest, ANestedServiceGivesTheSlotBackToTheOneItReplaced)
{
    RecordingPointer outer;
    {
        RecordingPointer inner;
        BusyScope busy;
        EXPECT_EQ(inner.calls, std::vector<std::string>{"wait"});
    }
    BusyScope busy;
    EXPECT_EQ(outer.calls, std::vector<std::string>{"wait"});
}

} // namespace
