#pragma once
// One thread that runs the hint searches, one at a time, away from the window's thread.
// Standard C++ only, like the rules it searches.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

namespace spindora {

// A search watches `cancelled` often enough to stop within a few milliseconds of a Cancel.
// Whatever it throws ends that search alone; one that must answer catches it itself.
using Search = std::function<void(const std::atomic<bool>& cancelled)>;

class SearchWorker {
public:
    SearchWorker();
    // Cancels what runs and waits for it.
    ~SearchWorker();
    SearchWorker(const SearchWorker&) = delete;
    SearchWorker& operator=(const SearchWorker&) = delete;

    // Cancels any search still running or waiting, then queues `search`. Returns its ticket:
    // the one an answer must carry to be taken, as every later Ask or Cancel makes it stale.
    uint64_t Ask(Search search);
    // Cancels what runs or waits; afterwards no ticket handed out so far is current.
    void Cancel();
    // True while `ticket` is the newest and has not been cancelled: an answer delivered for
    // it may be used. Safe from any thread.
    bool IsCurrent(uint64_t ticket) const;
    // True while a search runs or waits.
    bool Busy() const;
    // Inside a search: the ticket it was asked under, for its answer to carry (the search
    // is made before Ask returns that ticket to its caller). 0 on any other thread.
    static uint64_t Ticket();
    // Blocks until nothing runs or waits (for tests and for shutting down).
    void WaitIdle();

private:
    void Run();

    mutable std::mutex mutex_;
    std::condition_variable wake_, idle_;
    Search queued_;
    uint64_t queuedTicket_ = 0;
    bool running_ = false, stopping_ = false;
    std::atomic<uint64_t> current_{0};
    std::atomic<bool> cancelled_{false};
    std::thread thread_;
};

}  // namespace spindora
