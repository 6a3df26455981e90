#include "base/ErrorFrame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A resource whose release step writes into the log.
struct Held {
    Held(std::vector<std::string>& log, std::string name) : log(log), name(std::move(name)) {}
    ~Held() { log.push_back("release " + name); }
    std::vector<std::string>& log;
    std::string name;
};

TEST(ErrorFrameTest, ARaiseReleasesInnermostFirstThenReachesTheOuterClaim)
{
    std::vector<std::string> log;
    try {
        Held outer(log, "outer");
        try {
            Held middle(log, "middle");
            try {
                Held inner(log, "inner");
                raiseError(errorFileTooShort);
            } catch (...) {
                log.push_back("inner passes on");
                raiseError(errorNone);
            }
        } catch (...) {
            log.push_back("middle passes on");
            raiseError(errorNone);
        }
    } catch (...) {
        log.push_back(catchError(errorFileTooShort) ? "outer claims -4" : "outer sees something else");
    }
    EXPECT_EQ(log, (std::vector<std::string>{"release inner", "inner passes on", "release middle", "middle passes on",
                                             "release outer", "outer claims -4"}));
}

TEST(ErrorFrameTest, ARecoveryCanTranslateTheCode)
{
    int32_t seen = 0;
    try {
        try {
            raiseError(systemError(systemFileNotFound));
        } catch (...) {
            if (catchError(systemError(systemFileNotFound)))
                raiseError(errorQuiet);
        }
    } catch (...) {
        seen = currentError();
    }
    EXPECT_EQ(seen, errorQuiet);
}

TEST(ErrorFrameTest, AClaimedErrorLeavesNothingPending)
{
    bool outerRecovered = false;
    try {
        try {
            raiseError(errorReadFailed);
        } catch (...) {
            EXPECT_TRUE(catchError(errorNone));
            EXPECT_FALSE(catchError(errorWriteFailed));
        }
        EXPECT_EQ(currentError(), errorNone);
    } catch (...) {
        outerRecovered = true;
    }
    EXPECT_FALSE(outerRecovered);
}

TEST(ErrorFrameTest, StandardLibraryAllocationFailuresCountAsOutOfMemory)
{
    int32_t seen = 0;
    try {
        throw std::bad_alloc();
    } catch (...) {
        seen = currentError();
    }
    EXPECT_EQ(seen, errorOutOfMemory);
    EXPECT_THROW(checkAllocated(static_cast<int*>(nullptr)), RaisedError);
}

TEST(ErrorFrameTest, RaisingAgainWithNothingPendingIsAQuietAbort)
{
    try {
        raiseError(errorNone);
    } catch (...) {
        EXPECT_EQ(currentError(), errorQuiet);
    }
}

TEST(ErrorFrameTest, AnErrorEndsSilentlyAtTheCallbackEdgeInALevelOfItsOwn)
{
    int depthInside = 0;
    EXPECT_FALSE(guardCallback([&] {
        depthInside = ErrorContext::depth();
        raiseError(errorDiskFull);
    }));
    EXPECT_EQ(depthInside, 2);
    EXPECT_EQ(ErrorContext::depth(), 1);
    EXPECT_TRUE(guardCallback([] {}));
    EXPECT_FALSE(guardCallback([] { throw std::bad_alloc(); }));
}

} // namespace
