// The hint searches' worker: a newer ask or a cancel stops what runs, drops what waits and
// makes every earlier ticket stale, each search learns its own ticket, and nothing runs
// once a cancel has been waited out, however many threads ask and cancel at once.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <latch>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "puzzles/Random.h"
#include "puzzles/SearchWorker.h"

namespace spindora {
namespace {

// A search that holds the worker until `release` counts down, and notes what it saw.
struct Held {
    std::latch started{1}, release{1};
    std::atomic<bool> sawCancel{false};
    Search search() {
        return [this](const std::atomic<bool>& cancelled) {
            started.count_down();
            release.wait();
            sawCancel = cancelled.load();
        };
    }
};

TEST(SearchWorker, AskingAgainOrCancellingStopsTheRunningSearchAndDropsTheWaitingOne) {
    SearchWorker worker;
    for (const bool cancelLast : {false, true}) {
        SCOPED_TRACE(cancelLast ? "then a cancel" : "then an ask");
        Held held;
        std::atomic<bool> droppedRan{false}, lastRan{false}, lastSawCancel{false};
        std::atomic<uint64_t> lastTicket{0};
        const uint64_t first = worker.Ask(held.search());
        held.started.wait();
        const uint64_t dropped = worker.Ask([&](const std::atomic<bool>&) { droppedRan = true; });
        const uint64_t last = worker.Ask([&](const std::atomic<bool>& cancelled) {
            lastRan = true;
            lastSawCancel = cancelled.load();
            lastTicket = SearchWorker::Ticket();
        });
        if (cancelLast) worker.Cancel();
        EXPECT_FALSE(worker.IsCurrent(first) || worker.IsCurrent(dropped));
        EXPECT_EQ(worker.IsCurrent(last), !cancelLast);
        EXPECT_TRUE(worker.Busy());
        held.release.count_down();
        worker.WaitIdle();
        EXPECT_FALSE(worker.Busy());
        EXPECT_TRUE(held.sawCancel);
        EXPECT_FALSE(droppedRan);
        EXPECT_EQ(lastRan, !cancelLast);
        EXPECT_FALSE(lastSawCancel);
        EXPECT_EQ(lastTicket, cancelLast ? 0 : last) << "the search that ran carries its ticket";
    }
    EXPECT_EQ(SearchWorker::Ticket(), 0u) << "outside a search";
}

TEST(SearchWorker, ThreadsAskingCancellingAndTakingAnswersAtOnceNeverTakeAStaleOne) {
    SearchWorker worker;
    std::mutex mutex;
    std::condition_variable answered;
    std::map<uint64_t, int> askedFor;                  // ticket -> the asking thread's tag
    std::vector<std::pair<uint64_t, int>> delivered;  // the answers, with their tickets
    uint64_t newest = 0;                              // the newest ticket handed out
    bool done = false;
    std::atomic<int> running{0};
    constexpr int kAskers = 3, kIterations = 2000;
    const auto ask = [&](int tag, int spins) {
        const uint64_t ticket = worker.Ask([&, tag, spins](const std::atomic<bool>& cancelled) {
            ++running;
            for (int spin = 0; spin < spins && !cancelled; ++spin) std::this_thread::yield();
            std::lock_guard lock(mutex);
            delivered.emplace_back(SearchWorker::Ticket(), tag);
            --running;
            answered.notify_one();
        });
        std::lock_guard lock(mutex);
        askedFor[ticket] = tag;
        newest = std::max(newest, ticket);
        return ticket;
    };

    std::vector<std::thread> askers;
    for (int asker = 0; asker < kAskers; ++asker)
        askers.emplace_back([&, asker] {
            SeededRandom random(static_cast<uint64_t>(asker));
            uint64_t previous = 0;
            for (int i = 0; i < kIterations; ++i) {
                const int what = random.Random(8);
                if (what == 0) {
                    worker.Cancel();
                    EXPECT_FALSE(worker.IsCurrent(previous)) << "a cancelled ticket";
                } else if (what == 1) {
                    worker.WaitIdle();  // lets searches run to their answers now and then
                } else {
                    const uint64_t ticket = ask(asker * kIterations + i, random.Random(100));
                    EXPECT_GT(ticket, previous);
                    EXPECT_FALSE(worker.IsCurrent(previous)) << "an older ticket of this thread";
                    previous = ticket;
                }
            }
        });
    // The window's side: takes an answer while its ticket is current, which it must not be
    // once a newer one has been handed out.
    size_t taken = 0;
    std::thread window([&] {
        std::unique_lock lock(mutex);
        for (size_t seen = 0; !done || seen < delivered.size();) {
            answered.wait(lock, [&] { return done || seen < delivered.size(); });
            for (; seen < delivered.size(); ++seen)
                if (worker.IsCurrent(delivered[seen].first)) {
                    EXPECT_EQ(delivered[seen].first, newest) << "a stale answer taken";
                    ++taken;
                }
        }
    });
    for (std::thread& asker : askers) asker.join();
    // Alone now, an answer is current until the next cancel, and nothing runs after it.
    const uint64_t last = ask(-1, 0);
    worker.WaitIdle();
    EXPECT_TRUE(worker.IsCurrent(last));
    worker.Cancel();
    worker.WaitIdle();
    EXPECT_EQ(running, 0);
    EXPECT_FALSE(worker.Busy());
    {
        std::lock_guard lock(mutex);
        done = true;
    }
    answered.notify_one();
    window.join();

    EXPECT_GE(taken, 1u);
    for (const auto& [ticket, tag] : delivered) {
        EXPECT_FALSE(worker.IsCurrent(ticket));
        ASSERT_EQ(askedFor.at(ticket), tag) << "an answer carries another search's ticket";
    }
}

// Counts down when the last copy of the search holding it is dropped.
struct CountdownOnRelease {
    explicit CountdownOnRelease(std::latch& latch) : latch(latch) {}
    ~CountdownOnRelease() { latch.count_down(); }
    std::latch& latch;
};

TEST(SearchWorker, GoingAwayWithASearchRunningAndOneWaitingCancelsTheOneAndDropsTheOther) {
    std::atomic<bool> sawCancel{false}, waitingRan{false};
    std::latch started{1}, dropped{1};
    {
        SearchWorker worker;
        // Runs on until the worker going away has dropped the waiting search.
        worker.Ask([&](const std::atomic<bool>& cancelled) {
            started.count_down();
            dropped.wait();
            sawCancel = cancelled.load();
        });
        started.wait();
        worker.Ask([&, guard = std::make_shared<CountdownOnRelease>(dropped)](const std::atomic<bool>&) {
            waitingRan = true;
        });
    }
    EXPECT_TRUE(sawCancel);
    EXPECT_FALSE(waitingRan);
}

}  // namespace
}  // namespace spindora
