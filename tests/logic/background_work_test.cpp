#include "common/background_work.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <stdexcept>
#include <string>
#include <thread>

namespace vask {
namespace {

// A job waiting behind a running one is replaced by a newer one, and
// cancelAndWait() drops it: only the running job and the newest run.
TEST(BackgroundWork, TheNewestWaitingJobReplacesOlderOnesAndCancellingDropsIt) {
    std::atomic<int> ended = 0;
    std::string ran;  // written by the worker, read once it is idle
    BackgroundWork work([&] { ++ended; });
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::promise<void> started;
    work.post([&, released] {
        started.set_value();
        released.wait();
        ran += "a";
    });
    started.get_future().wait();
    work.post([&] { ran += "b"; });
    work.post([&] { ran += "c"; });
    release.set_value();
    work.cancelAndWait();
    const std::string afterCancel = ran;
    EXPECT_TRUE(afterCancel == "a" || afterCancel == "ac") << afterCancel;

    work.post([&] { ran += "e"; });
    work.cancelAndWait();  // "e" may or may not have started: it has ended either way
    const int before = ended;
    work.post([] { throw std::runtime_error("a job's failure ends nothing"); });
    while (ended == before) std::this_thread::yield();
    std::promise<void> last;
    work.post([&] { last.set_value(); });
    last.get_future().wait();
    work.cancelAndWait();
    EXPECT_EQ(ran.find('b'), std::string::npos) << ran;
    EXPECT_GE(ended.load(), 2);
}

}  // namespace
}  // namespace vask
