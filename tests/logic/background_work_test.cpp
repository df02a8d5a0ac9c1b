#include "common/background_work.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <thread>

namespace vask {
namespace {

void waitFor(const std::atomic<bool>& flag) {
    while (!flag) std::this_thread::yield();
}

// A job waiting behind a running one is replaced by a newer one, and
// cancelAndWait() drops it: only the running job and the newest may run.
TEST(BackgroundWork, TheNewestWaitingJobReplacesOlderOnesAndCancellingDropsIt) {
    std::atomic<int> ended = 0;
    std::string ran;  // written by the worker, read once it is idle
    BackgroundWork work([&] { ++ended; });
    std::atomic<bool> started = false, released = false;
    work.post([&] {
        started = true;
        waitFor(released);
        ran += "a";
    });
    waitFor(started);
    work.post([&] { ran += "b"; });
    work.post([&] { ran += "c"; });
    released = true;
    work.cancelAndWait();
    const std::string afterCancel = ran;
    EXPECT_TRUE(afterCancel == "a" || afterCancel == "ac") << afterCancel;

    const int before = ended;
    work.post([] { throw std::runtime_error("a job's failure ends nothing"); });
    while (ended == before) std::this_thread::yield();
    std::atomic<bool> last = false;
    work.post([&] { last = true; });
    waitFor(last);
    work.cancelAndWait();
    EXPECT_EQ(ran.find('b'), std::string::npos) << ran;
    EXPECT_GE(ended.load(), 2);
}

}  // namespace
}  // namespace vask
