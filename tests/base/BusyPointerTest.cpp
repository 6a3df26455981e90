#include "base/BusyPointer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class RecordingPointer : public BusyPointerService {
public:
    RecordingPointer() { installBusyPointerService(this); }
    ~RecordingPointer() { installBusyPointerService(nullptr); }
    void showWait() override { calls.push_back("wait"); }
    void restore() override { calls.push_back("restore"); }
    void discardInput() override { calls.push_back("discard"); }
    std::vector<std::string> calls;
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

} // namespace
