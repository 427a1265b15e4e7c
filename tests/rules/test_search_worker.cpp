// The hint searches' worker: a newer ask, a cancel or the worker going away stops the
// running search and drops the waiting one, every earlier ticket turns stale, a search
// knows its own ticket, and nothing runs once a cancel has been waited out, however many
// threads ask, cancel and take answers at once. A search that throws ends alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <latch>
#include <map>
#include <memory>
#include <mutex>
#include <new>
#include <thread>
#include <vector>

#include "rules/Random.h"
#include "rules/SearchWorker.h"

namespace spindora {
namespace {

// Sets its flag when the last copy of the search that holds it is dropped.
struct FlagOnRelease {
    explicit FlagOnRelease(std::atomic<bool>& flag) : flag(flag) {}
    ~FlagOnRelease() {
        flag = true;
        flag.notify_all();
    }
    std::atomic<bool>& flag;
};

TEST(SearchWorker, AnAskACancelOrGoingAwayStopsTheRunningSearchAndDropsTheWaitingOne) {
    enum class Then { Ask, Cancel, GoAway };
    for (const Then then : {Then::Ask, Then::Cancel, Then::GoAway}) {
        SCOPED_TRACE(static_cast<int>(then));
        std::latch started{1};
        std::atomic<bool> dropped{false}, sawCancel{false}, droppedRan{false}, lastRan{false}, lastSawCancel{false};
        std::atomic<uint64_t> lastTicket{0};
        {
            SearchWorker worker;
            // Runs on until the waiting search has been dropped.
            const uint64_t first = worker.Ask([&](const std::atomic<bool>& cancelled) {
                started.count_down();
                dropped.wait(false);
                sawCancel = cancelled.load();
            });
            started.wait();
            const uint64_t waiting = worker.Ask(
                [&, guard = std::make_shared<FlagOnRelease>(dropped)](const std::atomic<bool>&) { droppedRan = true; });
            uint64_t last = 0;
            if (then == Then::Ask)
                last = worker.Ask([&](const std::atomic<bool>& cancelled) {
                    lastRan = true;
                    lastSawCancel = cancelled.load();
                    lastTicket = SearchWorker::Ticket();
                });
            if (then == Then::Cancel) worker.Cancel();
            if (then != Then::GoAway) {
                EXPECT_TRUE(dropped.exchange(true)) << "the waiting search is dropped at once";
                dropped.notify_all();
                worker.WaitIdle();
                EXPECT_FALSE(worker.Busy());
                EXPECT_FALSE(worker.IsCurrent(first) || worker.IsCurrent(waiting));
                EXPECT_EQ(worker.IsCurrent(last), then == Then::Ask);
                EXPECT_EQ(lastTicket, last) << "the search that ran knows its ticket";
            }
        }
        EXPECT_TRUE(sawCancel);
        EXPECT_FALSE(droppedRan);
        EXPECT_EQ(lastRan, then == Then::Ask);
        EXPECT_FALSE(lastSawCancel);
    }
    EXPECT_EQ(SearchWorker::Ticket(), 0u) << "outside a search";
}

TEST(SearchWorker, ASearchThatThrowsEndsAloneAndTheWorkerGoesOn) {
    SearchWorker worker;
    // The memory a search asks for may not be there: that search fails, the game goes on.
    worker.Ask([](const std::atomic<bool>&) { throw std::bad_alloc(); });
    worker.WaitIdle();
    std::atomic<uint64_t> ranAs{0};
    const uint64_t next = worker.Ask([&](const std::atomic<bool>&) { ranAs = SearchWorker::Ticket(); });
    worker.WaitIdle();
    EXPECT_EQ(ranAs, next);
}

TEST(SearchWorker, ThreadsAskingCancellingAndTakingAnswersAtOnceNeverTakeAStaleOne) {
    SearchWorker worker;
    std::mutex mutex;
    std::map<uint64_t, int> askedFor;                  // ticket -> the asker's tag
    std::vector<std::pair<uint64_t, int>> delivered;  // the answers with their tickets
    uint64_t newest = 0;
    std::atomic<int> running{0};
    const auto ask = [&](int tag, int spins) {
        const uint64_t ticket = worker.Ask([&, tag, spins](const std::atomic<bool>& cancelled) {
            ++running;
            for (int spin = 0; spin < spins && !cancelled; ++spin) std::this_thread::yield();
            std::lock_guard lock(mutex);
            delivered.emplace_back(SearchWorker::Ticket(), tag);
            --running;
        });
        std::lock_guard lock(mutex);
        askedFor[ticket] = tag;
        newest = std::max(newest, ticket);
        return ticket;
    };
    std::vector<std::thread> threads;
    for (int thread = 0; thread < 3; ++thread)
        threads.emplace_back([&, thread] {
            SeededRandom random(static_cast<uint64_t>(thread));
            uint64_t previous = 0;
            for (int i = 0; i < 2000; ++i) {
                const int what = random.Random(8);
                const uint64_t older = previous;
                if (what == 0) worker.Cancel();
                if (worker.Busy() && what == 1) worker.WaitIdle();  // lets searches run to their answers
                if (what == 2) {
                    // Takes the latest answer, as the window does, while its ticket is current:
                    // never once a newer ticket has been handed out. The asker notes its ticket
                    // only after Ask returns, so the answer's ticket may be newer than `newest`.
                    std::lock_guard lock(mutex);
                    const uint64_t ticket = delivered.empty() ? 0 : delivered.back().first;
                    EXPECT_TRUE(!worker.IsCurrent(ticket) || ticket >= newest) << "a stale answer taken";
                }
                if (what >= 3) previous = ask(thread * 2000 + i, random.Random(100));
                EXPECT_TRUE(what < 3 || previous > older);
                EXPECT_TRUE(what == 1 || what == 2 || !worker.IsCurrent(older)) << "cancelled or outdated";
            }
        });
    for (std::thread& thread : threads) thread.join();
    // Alone, an answer stays current until the next cancel, and nothing runs after that.
    const uint64_t last = ask(-1, 0);
    worker.WaitIdle();
    EXPECT_TRUE(worker.IsCurrent(last));
    worker.Cancel();
    worker.WaitIdle();
    EXPECT_EQ(running, 0);
    EXPECT_FALSE(worker.Busy());
    for (const auto& [ticket, tag] : delivered) {
        EXPECT_FALSE(worker.IsCurrent(ticket));
        ASSERT_EQ(askedFor.at(ticket), tag) << "an answer carries another search's ticket";
    }
}

}  // namespace
}  // namespace spindora
