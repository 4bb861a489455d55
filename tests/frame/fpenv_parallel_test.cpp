#include <atomic>
#include <vector>
#include <xmmintrin.h>

#include "frame/fpenv.h"
#include "frame/parallel.h"
#include "tests/common.h"

namespace {

int guarded_early_return(bool early) {
    zors::MxcsrGuard g;
    g.set_rounding(zors::MxcsrGuard::kRoundZero);
    g.mask(zors::MxcsrGuard::kMaskAll);
    if (early) return 1;
    g.set_rounding(zors::MxcsrGuard::kRoundUp);
    return 2;
}

TEST(FpGuards, MxcsrRestoredOnEveryPath) {
    const unsigned saved = _mm_getcsr();
    for (unsigned rc : {0x0000u, 0x2000u, 0x4000u, 0x6000u}) {
        const unsigned start = (saved & ~0x6000u & ~0x0200u) | rc;  // also unmask underflow
        for (bool early : {true, false}) {
            _mm_setcsr(start);
            guarded_early_return(early);
            EXPECT_EQ(_mm_getcsr(), start);
        }
    }
    _mm_setcsr(saved);
}

TEST(FpGuards, MxcsrClearOnRestore) {
    const unsigned saved = _mm_getcsr();
    _mm_setcsr(saved | zors::MxcsrGuard::kFlagInvalid);
    {
        zors::MxcsrGuard g;
        g.clear_on_restore(zors::MxcsrGuard::kFlagInvalid);
    }
    EXPECT_EQ(_mm_getcsr() & zors::MxcsrGuard::kFlagInvalid, 0u);
    _mm_setcsr(saved);
}

TEST(FpGuards, X87ControlWordRestored) {
    const std::uint16_t saved = zors::X87Guard::read();
    {
        zors::X87Guard g;
        g.set(zors::X87Guard::kRoundMask, zors::X87Guard::kRoundZero);
        EXPECT_EQ(zors::X87Guard::read() & zors::X87Guard::kRoundMask, zors::X87Guard::kRoundZero);
        volatile long double a = 7, b = 2;
        EXPECT_EQ(static_cast<long>(std::nearbyint(a / b)), 3);  // truncates under the guard
    }
    EXPECT_EQ(zors::X87Guard::read(), saved);
}

TEST(Parallel, SplitGivesRemainderToLastThread) {
    for (int work : {0, 1, 7, 800, 801, 1601, 100000})
        for (int team = 1; team <= 9; ++team) {
            int next = 0;
            for (int t = 0; t < team; ++t) {
                const zors::par::Slice s = zors::par::split(work, team, t);
                EXPECT_EQ(s.begin, next);
                EXPECT_EQ(s.count, t == team - 1 ? work - (work / team) * (team - 1) : work / team);
                next += s.count;
            }
            EXPECT_EQ(next, work) << work << " over " << team;
        }
}

TEST(Parallel, TeamCoversEveryItemOnce) {
    const int work = 10007;
    std::vector<std::atomic<int>> hits(work);
    std::atomic<int> threads{0};
    zors::par::for_slices(true, work, [&](zors::par::Slice s, const zors::par::Team& team) {
        if (team.master()) threads = team.size();
        for (int i = s.begin; i < s.begin + s.count; ++i) hits[i]++;
    });
    for (int i = 0; i < work; ++i) ASSERT_EQ(hits[i].load(), 1) << i;
    EXPECT_GE(threads.load(), 1);
    EXPECT_LE(threads.load(), zors::par::max_team_size());
}

TEST(Parallel, BarrierSeparatesPhases) {
    const int n = zors::par::max_team_size();
    std::vector<int> stage(n, 0);
    std::atomic<bool> ok{true};
    zors::par::run(true, [&](const zors::par::Team& team) {
        stage[team.index()] = 1;
        team.barrier();
        for (int t = 0; t < team.size(); ++t)
            if (stage[t] != 1) ok = false;
    });
    EXPECT_TRUE(ok.load());
}

TEST(Parallel, DeclinedTeamRunsOnTheCallingThread) {
    // Without a team wanted, and inside a region that cannot nest, the body
    // runs once, on the caller, as a team of one.
    for (bool want : {false, true}) {
        int calls = 0, size = 0;
        auto body = [&](const zors::par::Team& team) { ++calls; size = team.size(); };
        if (want) {
            omp_set_max_active_levels(1);
#pragma omp parallel num_threads(2)
            {
#pragma omp master
                zors::par::run(true, body);
            }
        } else {
            zors::par::run(false, body);
        }
        EXPECT_EQ(calls, 1);
        EXPECT_EQ(size, 1);
    }
}

}  // namespace
