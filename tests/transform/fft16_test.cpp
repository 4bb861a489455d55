// 16-bit FFTs: the scale-factor rule at order 0, buffer sizes and caller
// buffers. (Accuracy, in place, identifiers, check order and creation
// failures are tested with the other kinds in fft_test.cpp.)
#include "tests/transform/fft_kinds.h"
#include "tests/ref/scale_ref.h"
#include "transform/fft.h"

namespace {

using zref::cld;
constexpr int kFlags[] = {1, 2, 4, 8};

// The integer path: orders 1..5 with hint None or Fast.
bool int_path(int order, ZorHintAlgorithm hint) { return order >= 1 && order <= 5 && (hint == zorAlgHintNone || hint == zorAlgHintFast); }

// Order 0 is the scale-factor rule exactly (nearest, ties to even,
// saturating) for every kind, operation and flag.
TEST(Fft16, OrderZeroScaleRule) {
    zt::Rng rng(39);
    fk::for_each_kind([&]<class K>() {
        if constexpr (K::fixed)
            for (int flag : kFlags) {
                typename K::Spec* spec = nullptr;
                ASSERT_EQ(K::init(&spec, 0, flag), zorStsNoErr);
                for (int op = 0; op < K::nops; ++op)
                    for (int sf : {-2147483647 - 1, -17, -2, -1, 0, 1, 2, 3, 14, 15, 16, 40, 2147483647}) {
                        const std::uint64_t r = rng.bits();
                        Zor16s v[4] = {static_cast<Zor16s>(r % 4 ? r >> 8 : r % 8 ? 32767 : -32768), static_cast<Zor16s>(static_cast<int>(r >> 40) % 9 - 4)}, w[4] = {};
                        Zor16s* p[4] = {v, K::split ? v + 1 : v, w, K::split ? w + 1 : w};
                        ASSERT_EQ(K::run(op, p, spec, nullptr, sf), zorStsNoErr);
                        EXPECT_EQ(w[0], zref::scale_sat<Zor16s>(v[0], sf)) << K::name << " op " << op << " sf " << sf << " x " << v[0];
                        if (!K::real) EXPECT_EQ(w[1], zref::scale_sat<Zor16s>(v[1], sf)) << K::name << " op " << op << " sf " << sf << " x " << v[1];
                    }
                K::release(spec);
            }
    });
}

// Work-buffer sizes for every kind, hint and order to 12; a misaligned caller
// buffer of the reported size gives the bits of the internal one.
TEST(Fft16, SizesAndBuffers) {
    fk::for_each_kind([]<class K>() {
        if constexpr (K::fixed)
            for (ZorHintAlgorithm hint : {zorAlgHintNone, zorAlgHintFast, zorAlgHintAccurate, static_cast<ZorHintAlgorithm>(3)})
                for (int order = 0; order <= 12; ++order) {
                    typename K::Spec* spec = nullptr;
                    ASSERT_EQ(K::init(&spec, order, ZOR_FFT_DIV_INV_BY_N, hint), zorStsNoErr);
                    const int n = 1 << order;
                    const bool ip = int_path(order, hint);
                    int want = 0, size = -1;
                    if (order > 0 && K::real) want = 4 * n + 24 + (ip ? 0 : zors::fft_buf_size(6, order));
                    else if (order > 0) want = ip ? 12 * n + 16 : 8 * n + 16 + zors::fft_buf_size(K::split ? 5 : 4, order);
                    ASSERT_EQ(K::bufsize(spec, &size), zorStsNoErr);
                    EXPECT_EQ(size, want) << K::name << " hint " << hint << " order " << order;
                    std::vector<cld> x(n);
                    for (int i = 0; i < n; ++i) x[i] = cld(i * 37 % 200, i * 11 % 90 - 45);
                    fk::Store<K> s(n, 0), a(n + 2, 0), b(n + 2, 0);  // n + 2: room for CCS
                    zt::Guarded<Zor8u> buf(size + 15, 7);
                    s.put(x);
                    for (int op = 0; op < K::nops; ++op) {
                        ASSERT_EQ(K::run(op, fk::ptrs(s, a).data(), spec, nullptr, 1), zorStsNoErr);
                        ASSERT_EQ(K::run(op, fk::ptrs(s, b).data(), spec, buf.data(), 1), zorStsNoErr);
                        EXPECT_EQ(a.get(), b.get()) << K::name << " op " << op;
                    }
                    EXPECT_TRUE(buf.guards_intact());
                    K::release(spec);
                }
    });
}

}  // namespace
