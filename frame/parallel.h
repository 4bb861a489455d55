// The parallel layer: the only source of threads. A region runs its body on a
// team of threads started through the OpenMP runtime; when no team is wanted,
// or the runtime cannot start one now (for example inside another region
// without nesting), the same body runs on the calling thread as a team of one.
#pragma once

#include <omp.h>

#include <cstdint>

namespace zors::par {

// Private buffers of a team's threads that share one block sit in lanes: the
// region starts with a page of its own and each lane ends with one, so no
// page holds two threads' buffers or one thread's buffers and data the team
// shares. The processors' prefetchers work within a page; with neighbouring
// buffers they pulled the other core's lines back and forth, and a team of
// two ran slower than one thread.
inline constexpr std::uint64_t kLaneGuard = 4096;
// Bytes from one lane to the next for `bytes` of buffers (rounded up to a
// cache line).
constexpr std::uint64_t lane_stride(std::uint64_t bytes) noexcept { return ((bytes + 63) & ~std::uint64_t{63}) + kLaneGuard; }
// The bytes of a region of `team` lanes, and where lane `index` starts in it.
constexpr std::uint64_t lanes_bytes(std::uint64_t stride, int team) noexcept {
    return kLaneGuard + stride * static_cast<std::uint64_t>(team);
}
constexpr std::uint64_t lane_at(std::uint64_t stride, int index) noexcept {
    return kLaneGuard + stride * static_cast<std::uint64_t>(index);
}

// A share of `work` items for thread `index` of a team of `team`: the quotient
// per thread, the remainder to the last thread.
struct Slice {
    int begin;
    int count;
};
constexpr Slice split(int work, int team, int index) noexcept {
    const int q = work / team;
    return Slice{q * index, index == team - 1 ? work - q * (team - 1) : q};
}

// Upper bound of any team's size, for sizing per-thread buffers beforehand.
inline int max_team_size() noexcept { return omp_get_max_threads(); }

// May a team be started from this thread now?
inline bool may_start_team() noexcept {
    return omp_get_active_level() < omp_get_max_active_levels() && omp_get_max_threads() > 1;
}

class Team {
public:
    Team(int size, int index) noexcept : size_(size), index_(index) {}
    int size() const noexcept { return size_; }
    int index() const noexcept { return index_; }
    bool master() const noexcept { return index_ == 0; }
    void barrier() const noexcept {
        if (size_ > 1) {
#pragma omp barrier
        }
    }

private:
    int size_;
    int index_;
};

// Runs body(team) on every thread of a team, or once on the calling thread as
// a team of one when `want_team` is false or the runtime declines.
template <class Body>
void run(bool want_team, Body&& body) {
    if (want_team && may_start_team()) {
#pragma omp parallel
        {
            const Team team(omp_get_num_threads(), omp_get_thread_num());
            body(team);
        }
    } else {
        const Team team(1, 0);
        body(team);
    }
}

// The same with at most `cap` threads (per-thread buffers made for `cap`).
template <class Body>
void run_capped(bool want_team, int cap, Body&& body) {
    if (want_team && cap > 1 && may_start_team()) {
        const int size = omp_get_max_threads() < cap ? omp_get_max_threads() : cap;
#pragma omp parallel num_threads(size)
        {
            const Team team(omp_get_num_threads(), omp_get_thread_num());
            body(team);
        }
    } else {
        const Team team(1, 0);
        body(team);
    }
}

// Splits `work` items over a team: f(slice, team) runs once per thread. The
// shares depend only on the team size and the thread number, so every thread
// computes its own and no barrier is needed before the work starts.
template <class F>
void for_slices(bool want_team, int work, F&& f) {
    run(want_team, [&](const Team& team) {
        f(split(work, team.size(), team.index()), team);
    });
}

}  // namespace zors::par
