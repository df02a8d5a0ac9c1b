#pragma once
// Work done on a thread of its own, one job at a time, so that it never
// holds up the window thread: a newer job waiting replaces an older one
// (each job does all that the one before it would have). The thread is
// started with the first job and joined when the object goes.
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace vask {

class BackgroundWork {
public:
    // `ended` runs on the worker after each job, to tell the window thread.
    explicit BackgroundWork(std::function<void()> ended = {}) : ended_(std::move(ended)) {}
    ~BackgroundWork();  // lets the running job end and drops a waiting one
    BackgroundWork(const BackgroundWork&) = delete;
    BackgroundWork& operator=(const BackgroundWork&) = delete;

    void post(std::function<void()> job);
    // Drops a waiting job and waits until the running one has ended: nothing
    // posted before runs afterwards.
    void cancelAndWait();

private:
    void run();

    const std::function<void()> ended_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::function<void()> waiting_;
    bool running_ = false;  // a job runs now
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace vask
