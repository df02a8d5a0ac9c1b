#include "common/background_work.h"

#include <utility>

namespace vask {

BackgroundWork::~BackgroundWork() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        waiting_ = nullptr;
    }
    changed_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void BackgroundWork::post(std::function<void()> job) {
    {
        const std::lock_guard lock(mutex_);
        waiting_ = std::move(job);
        if (!thread_.joinable()) thread_ = std::thread([this] { run(); });
    }
    changed_.notify_all();
}

void BackgroundWork::cancelAndWait() {
    std::unique_lock lock(mutex_);
    waiting_ = nullptr;
    changed_.wait(lock, [this] { return !running_; });
}

void BackgroundWork::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stopping_ || waiting_; });
        if (stopping_) return;
        const std::function<void()> job = std::exchange(waiting_, nullptr);
        running_ = true;
        lock.unlock();
        try {
            job();
        } catch (...) {
            // A job reports its own failures; nothing may end the thread.
        }
        if (ended_) ended_();
        lock.lock();
        running_ = false;
        changed_.notify_all();
    }
}

}  // namespace vask
