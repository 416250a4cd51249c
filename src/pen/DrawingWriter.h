// Encodes and writes the pen's pictures on a thread of its own, so that the pen answers
// while a screen's worth of PNG is made, and tells the window how each write went.
// Closing the program right after a save loses nothing: the writer finishes every job
// handed to it before it is gone.
#pragma once
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace pen {

// A picture as its PNG file holds it, shared between the window's thread and the writer's.
using EncodedPicture = std::shared_ptr<const std::vector<std::uint8_t>>;

// How one write went: the note that tells where the picture went, or the message that
// tells why it did not.
struct WriteOutcome {
    bool written = false;
    std::wstring text;
    // A keep the folder did not take: the drawing is held for the rest of the run.
    bool held = false;
};

class DrawingWriter {
public:
    // `told` runs on the writer's thread after each job, with its outcome waiting in
    // TakeOutcomes: it wakes the window's thread.
    explicit DrawingWriter(std::function<void()> told) : told_(std::move(told)) {}
    ~DrawingWriter();
    DrawingWriter(const DrawingWriter&) = delete;
    DrawingWriter& operator=(const DrawingWriter&) = delete;

    // Returns once every job handed over so far is done and told. Called before copying a picture
    // for the next job, it keeps at most one copy held besides the surface.
    void Wait();
    // The thread starts with the first job; jobs run one after the other, in order.
    void Hand(std::function<WriteOutcome()> job);
    // The outcomes of the jobs done since the last call, oldest first.
    std::vector<WriteOutcome> TakeOutcomes();

private:
    void Run();

    std::function<void()> told_;
    std::mutex mutex_;
    std::condition_variable handed_;
    std::condition_variable idle_;
    std::deque<std::function<WriteOutcome()>> waiting_;
    std::vector<WriteOutcome> outcomes_;
    bool running_ = false;  // a job taken from `waiting_` is running
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace pen
