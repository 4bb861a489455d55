// The test program's entry: GoogleTest plus a listener that runs every test
// with the caller's floating-point control words set and fails any test
// after which they have changed (the sticky exception flags of the SIMD
// register excepted: functions may raise them).
//
// The words every test starts with. The SIMD register holds its defaults
// (every exception masked, nearest rounding, no flush-to-zero, no
// denormals-are-zero): the suite's reference models assume IEEE arithmetic
// in that mode, so a function that sets another mode for its call and
// forgets to restore it shows here. The x87 word has the infinity-control
// bit set besides its defaults: no x87 since the 387 reads that bit, so
// results do not change, but a guard that restores a constant instead of
// the caller's word clears it.
//
// ZT_CALLER_MXCSR and ZT_CALLER_X87 (hexadecimal) replace the two words, to
// run the suite in another caller's environment (e.g. 7f80 for rounding
// toward zero, 9f80 for flush-to-zero, 027f for 53-bit x87 precision);
// tests whose references assume the defaults then fail as well as faults
// of the library.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <xmmintrin.h>

#include "frame/fpenv.h"

namespace {

constexpr std::uint32_t kMxcsrFlags = 0x003F;

class ControlWordListener : public testing::EmptyTestEventListener {
public:
    ControlWordListener(std::uint32_t mxcsr, std::uint16_t x87) : mxcsr_(mxcsr), x87_(x87) {}

    void OnTestStart(const testing::TestInfo&) override {
        saved_mxcsr_ = _mm_getcsr();
        saved_x87_ = zors::X87Guard::read();
        _mm_setcsr(mxcsr_);
        zors::X87Guard::write(x87_);
    }
    // Runs before the result printer's (end events reach the listeners in
    // reverse order), so a failure is reported with its test.
    void OnTestEnd(const testing::TestInfo&) override {
        const std::uint32_t mxcsr = _mm_getcsr();
        const std::uint16_t x87 = zors::X87Guard::read();
        _mm_setcsr(saved_mxcsr_);
        zors::X87Guard::write(saved_x87_);
        if ((mxcsr & ~kMxcsrFlags) != (mxcsr_ & ~kMxcsrFlags))
            ADD_FAILURE() << "the SIMD control register came back as 0x" << std::hex << mxcsr << ", not 0x" << mxcsr_
                          << " (flags aside)";
        if (x87 != x87_)
            ADD_FAILURE() << "the x87 control word came back as 0x" << std::hex << x87 << ", not 0x" << x87_;
    }

private:
    std::uint32_t mxcsr_, saved_mxcsr_ = 0;
    std::uint16_t x87_, saved_x87_ = 0;
};

unsigned long word_from_env(const char* name, unsigned long fallback) {
    const char* v = std::getenv(name);
    return v != nullptr && *v != '\0' ? std::strtoul(v, nullptr, 16) : fallback;
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const auto mxcsr = static_cast<std::uint32_t>(word_from_env("ZT_CALLER_MXCSR", 0x1F80));
    const auto x87 = static_cast<std::uint16_t>(word_from_env("ZT_CALLER_X87", 0x137F));
    testing::UnitTest::GetInstance()->listeners().Append(new ControlWordListener(mxcsr, x87));
    return RUN_ALL_TESTS();
}
