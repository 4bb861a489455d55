// Destinations beyond the streaming-store size (2 MiB): the same values as
// the element definitions, with a misaligned head, the streamed body and a
// tail, at every level.
#include "tests/arith/arith_harness.h"

namespace {

template <class S, class D, class Run, class Want>
void check_large(int len, Run run, Want want) {
    zt::Rng rng(2024);
    std::vector<S> a(len + 1), b(len + 1);
    for (auto& v : a) v = at::pick_finite<S>(rng);
    for (auto& v : b) v = at::pick_finite<S>(rng);
    zt::for_each_isa([&](zors::Isa) {
        zt::Guarded<D> d(len, 3 * alignof(D));
        ASSERT_EQ(run(a.data() + 1, b.data() + 1, d.data(), len), zorStsNoErr);
        for (int i = 0; i < len; ++i) ASSERT_TRUE(at::same(d[i], want(a[i + 1], b[i + 1]))) << "i " << i;
        ASSERT_TRUE(d.guards_intact());
    });
}

TEST(ArithLarge, StreamedDestinations) {
    constexpr int kBytes = (2 << 20) + 4099;
    check_large<Zor8u, Zor8u>(kBytes, [](auto* a, auto* b, auto* d, int n) { return zorsAnd_8u(a, b, d, n); },
                              [](Zor8u a, Zor8u b) { return Zor8u(a & b); });
    check_large<Zor8u, Zor8u>(kBytes, [](auto* a, auto* b, auto* d, int n) { return zorsXor_8u(a, b, d, n); },
                              [](Zor8u a, Zor8u b) { return Zor8u(a ^ b); });
    check_large<Zor32f, Zor32f>(kBytes / 4, [](auto* a, auto* b, auto* d, int n) { return zorsAdd_32f(a, b, d, n); },
                                [](Zor32f a, Zor32f b) { return a + b; });
    check_large<Zor16s, Zor16s>(kBytes / 2, [](auto* a, auto* b, auto* d, int n) { return zorsAdd_16s_Sfs(a, b, d, n, 1); },
                                [](Zor16s a, Zor16s b) { return zref::scaled<Zor16s>(zref::Op::add, a, b, 1); });
    check_large<Zor16s, Zor16s>(kBytes / 2, [](auto* a, auto* b, auto* d, int n) { return zorsMul_16s_Sfs(a, b, d, n, 7); },
                                [](Zor16s a, Zor16s b) { return zref::scaled<Zor16s>(zref::Op::mul, a, b, 7); });
    check_large<Zor32fc, Zor32fc>(kBytes / 8, [](auto* a, auto* b, auto* d, int n) { return zorsMul_32fc(a, b, d, n); },
                                  [](Zor32fc a, Zor32fc b) { return Zor32fc{a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re}; });
    check_large<Zor32f, Zor16s>(kBytes / 2, [](auto* a, auto*, auto* d, int n) { return zorsMulC_32f16s_Sfs(a, 300.5f, d, n, 2); },
                                [](Zor32f a, Zor32f) {
                                    const Zor32f p = a * (300.5f / 4);
                                    return !(p <= 32767) ? Zor16s(32767) : (p <= -32768 ? Zor16s(-32768) : Zor16s(std::nearbyint(p)));
                                });
}

}  // namespace
