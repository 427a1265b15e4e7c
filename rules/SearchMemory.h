#pragma once
// The memory of one search: its large blocks come straight from the system, cleared, and go
// back to it the moment they are freed, counted against a limit. Through the general heap,
// the blocks a search frees as its tables and layers grow would stay with the process, and
// its peak would exceed what it held by up to a third.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <new>

namespace spindora {

// A search asked for more than its limit allows. It is a bad_alloc, so a caller that does not
// know the limit treats it as memory the system refused.
class OverMemoryLimit : public std::bad_alloc {
public:
    const char* what() const noexcept override { return "over the search's memory limit"; }
};

// The bytes a search holds, counted as it takes and gives back its blocks. One search, one
// thread: it is not shared.
class MemoryLimit {
public:
    explicit MemoryLimit(size_t bytes = SIZE_MAX) : limit_(bytes) {}

    // Counts `bytes` more, or throws OverMemoryLimit, counting nothing, when they would not fit.
    void Take(size_t bytes) {
        if (bytes > limit_ - held_) throw OverMemoryLimit();
        held_ += bytes;
        peak_ = std::max(peak_, held_);
    }
    void Give(size_t bytes) { held_ -= bytes; }
    // The most held at once so far.
    size_t Peak() const { return peak_; }

private:
    size_t limit_, held_ = 0, peak_ = 0;
};

// A block of `bytes`, all zero, counted against `limit` when there is one (in whole pages, as
// the system hands them out). Throws bad_alloc when the system refuses, OverMemoryLimit when
// the limit does.
void* TakeBlock(size_t bytes, MemoryLimit* limit);
// Gives a block from TakeBlock, of the same size, back to the system and the limit.
void GiveBlock(void* block, size_t bytes, MemoryLimit* limit) noexcept;

// A standard allocator over TakeBlock and GiveBlock: without a limit it counts nothing.
template <typename T>
class BlockAllocator {
public:
    using value_type = T;

    explicit BlockAllocator(MemoryLimit* limit = nullptr) : limit_(limit) {}
    template <typename U>
    BlockAllocator(const BlockAllocator<U>& other) : limit_(other.limit()) {}

    T* allocate(size_t n) { return static_cast<T*>(TakeBlock(n * sizeof(T), limit_)); }
    void deallocate(T* block, size_t n) noexcept { GiveBlock(block, n * sizeof(T), limit_); }
    MemoryLimit* limit() const { return limit_; }
    friend bool operator==(const BlockAllocator& a, const BlockAllocator& b) { return a.limit_ == b.limit_; }

private:
    MemoryLimit* limit_;
};

}  // namespace spindora
