#include <cstring>
#include <xmmintrin.h>

#include "frame/cpu.h"
#include "frame/memory.h"
#include "tests/common.h"

namespace {

// --- aligned vectors -------------------------------------------------------

struct MallocCase {
    const char* name;
    void* (*alloc)(int);
    std::size_t elem;
};

template <class T, T* (*F)(int)>
void* call(int n) { return F(n); }

const MallocCase kMallocs[] = {
    {"8u", call<Zor8u, zorsMalloc_8u>, 1},     {"8s", call<Zor8s, zorsMalloc_8s>, 1},
    {"16u", call<Zor16u, zorsMalloc_16u>, 2},  {"16s", call<Zor16s, zorsMalloc_16s>, 2},
    {"8sc", call<Zor8sc, zorsMalloc_8sc>, 2},  {"32u", call<Zor32u, zorsMalloc_32u>, 4},
    {"32s", call<Zor32s, zorsMalloc_32s>, 4},  {"32f", call<Zor32f, zorsMalloc_32f>, 4},
    {"16sc", call<Zor16sc, zorsMalloc_16sc>, 4}, {"64s", call<Zor64s, zorsMalloc_64s>, 8},
    {"64f", call<Zor64f, zorsMalloc_64f>, 8},  {"32sc", call<Zor32sc, zorsMalloc_32sc>, 8},
    {"32fc", call<Zor32fc, zorsMalloc_32fc>, 8}, {"64sc", call<Zor64sc, zorsMalloc_64sc>, 16},
    {"64fc", call<Zor64fc, zorsMalloc_64fc>, 16},
};

TEST(Malloc, BlockLayoutEveryType) {
    for (const MallocCase& m : kMallocs) {
        SCOPED_TRACE(m.name);
        for (int len : {1, 2, 3, 7, 31, 32, 33, 1000, 100000}) {
            auto* p = static_cast<std::uint8_t*>(m.alloc(len));
            ASSERT_NE(p, nullptr);
            const auto a = reinterpret_cast<std::uintptr_t>(p);
            EXPECT_EQ(a % 32, 0u);
            void* raw;
            std::memcpy(&raw, p - sizeof(void*), sizeof(void*));
            const auto r = reinterpret_cast<std::uintptr_t>(raw);
            EXPECT_EQ(a, (r + 35) & ~std::uintptr_t{31});
            EXPECT_GE(a - r, 4u);
            EXPECT_LE(a - r, 35u);
            std::memset(p, 0x5A, len * m.elem);  // the whole block is usable
            zorsFree(p);
        }
    }
}

TEST(Malloc, RejectsBadLengthsAndOverflow) {
    for (const MallocCase& m : kMallocs) {
        EXPECT_EQ(m.alloc(0), nullptr) << m.name;
        EXPECT_EQ(m.alloc(-1), nullptr) << m.name;
        EXPECT_EQ(m.alloc(INT32_MIN), nullptr) << m.name;
    }
    // Byte counts that do not fit in 32 bits with the 36 bytes of slack.
    EXPECT_EQ(zorsMalloc_64fc(268435454), nullptr);  // 16 * n + 36 = 2^32 + 4
    EXPECT_EQ(zorsMalloc_64fc(INT32_MAX), nullptr);
    EXPECT_EQ(zorsMalloc_32f(1073741815), nullptr);  // 4 * n + 36 = 2^32 - 4 + 36
    EXPECT_EQ(zors::aligned_alloc_bytes(UINT32_MAX - 35), nullptr);
    zorsFree(nullptr);
}

// --- processor class ---------------------------------------------------------

zors::cpu::IdWords words(int family, std::uint32_t edx, std::uint32_t ecx = 0, int logical = 1) {
    zors::cpu::IdWords w;
    w.available = true;
    std::memcpy(w.vendor, "TestVendorXY", 12);
    w.eax1 = static_cast<std::uint32_t>(family) << 8 | 0x3;  // stepping bits must not matter
    w.ebx1 = static_cast<std::uint32_t>(logical) << 16;
    w.ecx1 = ecx;
    w.edx1 = edx;
    return w;
}

TEST(CpuType, ClassificationTable) {
    constexpr std::uint32_t MI = 1u << 23, PS = 1u << 25, PD = 1u << 26, HT = 1u << 28;
    struct Case { zors::cpu::IdWords w; ZorCpuType want; };
    const Case cases[] = {
        {words(5, 0), zorCpuF5Base},
        {words(5, MI), zorCpuF5PackedInt},
        {words(5, MI | PS | PD), zorCpuF5PackedInt},
        {words(6, 0), zorCpuF6Base},
        {words(6, MI), zorCpuF6PackedInt},
        {words(6, MI | PS), zorCpuF6PackedSingle},
        {words(6, PS), zorCpuF6PackedSingle},
        {words(6, MI | PS | PD), zorCpuF6PackedDouble},
        {words(6, PD, 1), zorCpuF6PackedDouble},
        {words(7, 0), zorCpuF7},
        {words(7, MI | PS | PD, 1), zorCpuF7},
        {words(15, MI | PS | PD), zorCpuF15PackedDouble},
        {words(15, MI | PS | PD | HT, 0, 1), zorCpuF15PackedDouble},  // one logical processor
        {words(15, MI | PS | PD, 0, 2), zorCpuF15PackedDouble},       // no multi-thread flag
        {words(15, MI | PS | PD | HT, 0, 2), zorCpuF15MultiThread},
        {words(15, MI | PS | PD, 1), zorCpuF15ThirdSimd},
        {words(15, MI | PS | PD | HT, 1, 2), zorCpuF15ThirdSimd},
        {words(15, MI | PS), zorCpuF15NoPackedDouble},
        {words(15, MI | PS | HT, 1, 2), zorCpuF15NoPackedDouble},
        {words(4, MI | PS | PD), zorCpuUnknown},
        {words(0, MI | PS | PD), zorCpuUnknown},
        {words(8, MI | PS | PD), zorCpuUnknown},
    };
    for (const Case& c : cases)
        EXPECT_EQ(zors::cpu::classify(c.w, "TestVendorXY"), c.want)
            << "family " << ((c.w.eax1 >> 8) & 15) << " edx " << std::hex << c.w.edx1 << " ecx " << c.w.ecx1;
}

TEST(CpuType, VendorAndAvailability) {
    zors::cpu::IdWords w = words(6, 1u << 26);
    EXPECT_EQ(zors::cpu::classify(w, "TestVendorXY"), zorCpuF6PackedDouble);
    EXPECT_EQ(zors::cpu::classify(w, "TestVendorXZ"), zorCpuUnknown);
    w.available = false;
    EXPECT_EQ(zors::cpu::classify(w, "TestVendorXY"), zorCpuUnknown);
}

TEST(CpuType, RealQueryAgreesWithTheClassification) {
    const ZorCpuType t = zorGetCpuType();
    EXPECT_EQ(t, zors::cpu::classify(zors::cpu::read_id_words(), zors::cpu::kTargetVendor));
    EXPECT_EQ(t, zorGetCpuType());
}

TEST(CpuClocks, Advance) {
    const std::uint64_t a = zorGetCpuClocks();
    volatile double x = 0;
    for (int i = 0; i < 100000; ++i) x = x + 1.0;
    EXPECT_GT(zorGetCpuClocks(), a);
}

TEST(ModeSwitches, NotSupportedAndChangeNothing) {
    const unsigned saved = _mm_getcsr();
    for (unsigned start : {saved & ~0x8040u, saved | 0x8040u}) {  // FTZ and DAZ off, then on
        _mm_setcsr(start);
        unsigned mask = 0x1234;
        EXPECT_EQ(zorSetFlushToZero(1, &mask), zorStsCpuNotSupportedErr);
        EXPECT_EQ(zorSetFlushToZero(0, nullptr), zorStsCpuNotSupportedErr);
        EXPECT_EQ(zorSetDenormAreZeros(1), zorStsCpuNotSupportedErr);
        EXPECT_EQ(zorSetDenormAreZeros(-7), zorStsCpuNotSupportedErr);
        EXPECT_EQ(_mm_getcsr(), start);
        EXPECT_EQ(mask, 0x1234u);
    }
    _mm_setcsr(saved);
}

TEST(Version, Record) {
    const ZorVersionRecord* v = zorsGetLibVersion();
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v, zorsGetLibVersion());
    EXPECT_EQ(v->verMajor, 4);
    EXPECT_EQ(v->verMinor, 0);
    EXPECT_EQ(v->buildSeries, 19);
    EXPECT_EQ(v->buildNumber, 77);
    EXPECT_EQ(std::memcmp(v->targetCode, "a6\0\0", 4), 0);
    EXPECT_STREQ(v->libName, "zorsa6.dll");
    EXPECT_STREQ(v->versionText, "v4.0");
    EXPECT_STREQ(v->buildDate, "Oct 16 2003");
}

TEST(Dispatch, ForceHookAcceptsOnlySupportedLevels) {
    const zors::Isa best = zors::machine_isa();
    zors::Isa expected = zors::active_isa();
    for (int i = 0; i < zors::kIsaCount; ++i) {
        const auto isa = static_cast<zors::Isa>(i);
        const bool supported = i <= static_cast<int>(best);
        EXPECT_EQ(zors::force_isa(isa), supported) << zors::isa_name(isa);
        if (supported) expected = isa;
        EXPECT_EQ(zors::active_isa(), expected);  // a refused level changes nothing
    }
    EXPECT_FALSE(zors::force_isa(static_cast<zors::Isa>(3)));
    EXPECT_FALSE(zors::force_isa(static_cast<zors::Isa>(-1)));
    zors::force_isa(best);
    EXPECT_EQ(zors::active_isa(), best);
}

}  // namespace
