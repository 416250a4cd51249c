#include "pen/SecondThread.h"

#include <condition_variable>
#include <cstdint>
#include <exception>
#include <mutex>
#include <thread>

namespace pen {
namespace {

// Runs one half, handing back what it threw instead of throwing it.
std::exception_ptr RunHalf(const std::function<void(int)>& half, int which) {
    try {
        half(which);
    } catch (...) {
        return std::current_exception();
    }
    return nullptr;
}

class SecondThread {
public:
    SecondThread() = default;
    ~SecondThread() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        handed_.notify_one();
        if (thread_.joinable()) thread_.join();
    }
    SecondThread(const SecondThread&) = delete;
    SecondThread& operator=(const SecondThread&) = delete;

    void Run(const std::function<void(int)>& half) {
        std::lock_guard caller(callerMutex_);  // one caller's halves at a time
        {
            std::lock_guard lock(mutex_);
            if (!thread_.joinable()) thread_ = std::thread([this] { Loop(); });
            job_ = &half;
            error_ = nullptr;
            ++handedCount_;
        }
        handed_.notify_one();
        const std::exception_ptr here = RunHalf(half, 0);
        std::unique_lock lock(mutex_);
        finished_.wait(lock, [this] { return doneCount_ == handedCount_; });
        job_ = nullptr;
        if (here) std::rethrow_exception(here);
        if (error_) std::rethrow_exception(error_);
    }

private:
    void Loop() {
        std::unique_lock lock(mutex_);
        for (;;) {
            handed_.wait(lock, [this] { return stopping_ || doneCount_ != handedCount_; });
            if (stopping_) return;
            const std::function<void(int)>& half = *job_;
            lock.unlock();
            const std::exception_ptr there = RunHalf(half, 1);
            lock.lock();
            error_ = there;
            doneCount_ = handedCount_;
            finished_.notify_one();
        }
    }

    std::mutex callerMutex_;
    std::mutex mutex_;
    std::condition_variable handed_;
    std::condition_variable finished_;
    const std::function<void(int)>* job_ = nullptr;
    std::exception_ptr error_;
    std::uint64_t handedCount_ = 0;
    std::uint64_t doneCount_ = 0;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace

void InTwoHalves(const std::function<void(int)>& half) {
    if (std::thread::hardware_concurrency() < 2) {
        half(0);
        half(1);
        return;
    }
    static SecondThread second;
    second.Run(half);
}

}  // namespace pen
