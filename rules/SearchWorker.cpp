#include "rules/SearchWorker.h"

#include <utility>

namespace spindora {
namespace {

thread_local uint64_t runningTicket = 0;

}  // namespace

SearchWorker::SearchWorker() : thread_(&SearchWorker::Run, this) {}

SearchWorker::~SearchWorker() {
    {
        // A dropped search releases what it holds outside the lock, in case that calls back.
        Search dropped;
        std::lock_guard lock(mutex_);
        stopping_ = true;
        dropped = std::move(queued_);
        queued_ = nullptr;
        ++current_;
        cancelled_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

uint64_t SearchWorker::Ask(Search search) {
    Search dropped;  // released after the lock, as above
    uint64_t ticket;
    {
        std::lock_guard lock(mutex_);
        dropped = std::move(queued_);
        queued_ = std::move(search);
        queuedTicket_ = ticket = ++current_;
        cancelled_ = true;
    }
    wake_.notify_one();
    return ticket;
}

void SearchWorker::Cancel() {
    Search dropped;  // released after the lock, as above
    std::lock_guard lock(mutex_);
    dropped = std::move(queued_);
    queued_ = nullptr;
    // A number no Ask hands out, so every ticket so far is stale.
    ++current_;
    cancelled_ = true;
    if (!running_) idle_.notify_all();
}

bool SearchWorker::IsCurrent(uint64_t ticket) const { return ticket != 0 && ticket == current_; }

bool SearchWorker::Busy() const {
    std::lock_guard lock(mutex_);
    return running_ || queued_;
}

uint64_t SearchWorker::Ticket() { return runningTicket; }

void SearchWorker::WaitIdle() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return !running_ && !queued_; });
}

void SearchWorker::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || queued_; });
        if (stopping_) break;
        Search search = std::move(queued_);
        queued_ = nullptr;
        runningTicket = queuedTicket_;
        // Cleared only here, between searches, so a Cancel that lands before this search
        // was taken from the queue has already removed it.
        cancelled_ = false;
        running_ = true;
        lock.unlock();
        // A search that throws (say, for want of memory) has failed alone: nothing leaves
        // this thread, which would end the program, and the next search runs as usual.
        try {
            search(cancelled_);
        } catch (...) {
        }
        search = nullptr;
        runningTicket = 0;
        lock.lock();
        running_ = false;
        if (!queued_) idle_.notify_all();
    }
}

}  // namespace spindora
