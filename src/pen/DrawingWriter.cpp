#include "pen/DrawingWriter.h"

#include <utility>

namespace pen {

DrawingWriter::~DrawingWriter() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    handed_.notify_one();
    if (thread_.joinable()) thread_.join();
}

void DrawingWriter::Wait() {
    std::unique_lock<std::mutex> lock(mutex_);
    idle_.wait(lock, [this] { return waiting_.empty() && !running_; });
}

void DrawingWriter::Hand(std::function<WriteOutcome()> job) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        waiting_.push_back(std::move(job));
        if (!thread_.joinable()) thread_ = std::thread([this] { Run(); });
    }
    handed_.notify_one();
}

std::vector<WriteOutcome> DrawingWriter::TakeOutcomes() {
    std::lock_guard<std::mutex> lock(mutex_);
    return std::exchange(outcomes_, {});
}

void DrawingWriter::Run() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        // Stopping still finishes what is waiting: a saved picture must reach its file.
        handed_.wait(lock, [this] { return stopping_ || !waiting_.empty(); });
        if (waiting_.empty()) return;
        std::function<WriteOutcome()> job = std::move(waiting_.front());
        waiting_.pop_front();
        running_ = true;
        lock.unlock();
        WriteOutcome outcome = job();
        job = nullptr;  // the picture it holds goes before anyone waiting is let on
        lock.lock();
        outcomes_.push_back(std::move(outcome));
        lock.unlock();
        // Told before anyone waiting is let on: after Wait, the window's message is on its way.
        if (told_) told_();
        lock.lock();
        running_ = false;
        idle_.notify_all();
    }
}

}  // namespace pen
