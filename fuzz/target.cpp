// libFuzzer entry of one family's target: the family's table (ZORS_FUZZ_TABLE,
// generated from the header) driven by driver.h at every dispatch level.
#include "fuzz/driver.h"

namespace zf {
#include ZORS_FUZZ_TABLE
}  // namespace zf

namespace zf {
namespace {

[[noreturn]] void fail(const Entry& e, const char* what, int level, std::string_view slot, long at) {
    std::fprintf(stderr, "\n%s: %s (level %s, argument %.*s, byte %ld)\n", e.name, what,
                 zors::isa_name(static_cast<zors::Isa>(level)), static_cast<int>(slot.size()), slot.data(), at);
    std::abort();
}

// Floating members whose levels may round differently. Elementary functions
// use multiply-add where a level has it: each floating element within one
// unit in the last place, integer elements exact. Others group sums by the
// vector width or fuse products: each element within `rel` of the largest
// finite output, integer elements of floating arithmetic one unit apart,
// or exact (`floats_only`: the transforms fuse their products only where
// the results are floating).
struct Loose {
    std::string_view prefix;
    bool ulp;
    double rel32, rel64;
    bool floats_only = false;
};
constexpr Loose kLoose[] = {
    {"zors10Log10_", true, 0, 0}, {"zorsArctan_", true, 0, 0}, {"zorsCubrt_", true, 0, 0},
    {"zorsExp_", true, 0, 0},     {"zorsLn_", true, 0, 0},
    {"zorsSumLn_", false, 1e-5, 1e-13},
    {"zorsFIR", false, 1e-4, 1e-12},
    {"zorsFFTFwd_", false, 1e-4, 1e-12, true}, {"zorsFFTInv_", false, 1e-4, 1e-12, true},
    {"zorsDFTFwd_", false, 1e-4, 1e-12, true}, {"zorsDFTInv_", false, 1e-4, 1e-12, true},
    {"zorsDFTOutOrdFwd_", false, 1e-4, 1e-12, true}, {"zorsDFTOutOrdInv_", false, 1e-4, 1e-12, true},
    {"zorsDCTFwd_", false, 1e-4, 1e-12, true}, {"zorsDCTInv_", false, 1e-4, 1e-12, true},
    {"zorsHilbert_", false, 1e-4, 1e-12, true}, {"zorsConv_", false, 1e-4, 1e-12, true},
    {"zorsAutoCorr_", false, 1e-4, 1e-12, true}, {"zorsCrossCorr_", false, 1e-4, 1e-12, true},
};

const Loose* loose_for(std::string_view name) {
    for (const Loose& l : kLoose)
        if (name.substr(0, l.prefix.size()) == l.prefix) return &l;
    return nullptr;
}

// Outputs a member may have written when it fails: the one-sample biquad
// cascade updates the delay pairs of the sections before the one whose shift
// is negative, then reports the scale error without an output.
struct Partial {
    std::string_view prefix, slot;
};
constexpr Partial kPartial[] = {
    {"zorsIIROne_BiQuadDirect_16s", "pDlyLine"},
};

bool partial_on_error(std::string_view name, std::string_view slot, ZorStatus status) {
    if (status != zorStsScaleRangeErr) return false;
    for (const Partial& p : kPartial)
        if (name.substr(0, p.prefix.size()) == p.prefix && slot == p.slot) return true;
    return false;
}

bool same_bytes(const std::uint8_t* a, const std::uint8_t* b, std::size_t n) {
    return n == 0 || std::memcmp(a, b, n) == 0;
}

template <class P>
P part_at(const std::uint8_t* p, std::size_t i) {
    P v;
    std::memcpy(&v, p + i * sizeof(P), sizeof v);
    return v;
}

double as_double(const Slot& s, const std::uint8_t* p, std::size_t i) {
    if (s.part_float) return s.part_size == 4 ? part_at<float>(p, i) : part_at<double>(p, i);
    switch (s.part_size) {
    case 1: return s.part_signed ? part_at<std::int8_t>(p, i) : part_at<std::uint8_t>(p, i);
    case 2: return s.part_signed ? part_at<std::int16_t>(p, i) : part_at<std::uint16_t>(p, i);
    case 4: return s.part_signed ? part_at<std::int32_t>(p, i) : part_at<std::uint32_t>(p, i);
    default: return static_cast<double>(part_at<std::int64_t>(p, i));
    }
}

// The largest finite value among the outputs of one kind (floating or
// integer) of a call: the real and imaginary parts of a transform carry
// rounding of each other's size.
double largest(const std::vector<Slot>& outs, bool part_float) {
    double big = 0;
    for (const Slot& s : outs) {
        if (s.part_float != part_float) continue;
        for (std::size_t i = 0; i < s.bytes / s.part_size; ++i) {
            const double x = as_double(s, s.store.data(), i);
            if (std::isfinite(x)) big = std::max(big, std::fabs(x));
        }
    }
    return big;
}

// Do two levels' bytes of one output agree? `big`: largest() of its kind.
bool agree(const Slot& s, const std::uint8_t* a, const std::uint8_t* b, const Loose* loose, double big, long* where) {
    if (same_bytes(a, b, s.bytes)) return true;
    if (loose != nullptr && loose->floats_only && !s.part_float) loose = nullptr;
    const std::size_t n = s.bytes / s.part_size;
    if (loose == nullptr) {
        // Exact, except that a NaN's sign and payload are not defined.
        for (std::size_t i = 0; i < n; ++i) {
            if (same_bytes(a + i * s.part_size, b + i * s.part_size, s.part_size)) continue;
            if (s.part_float && std::isnan(as_double(s, a, i)) && std::isnan(as_double(s, b, i))) continue;
            *where = static_cast<long>(i * s.part_size);
            return false;
        }
        return true;
    }
    if (loose->ulp) {
        for (std::size_t i = 0; i < n; ++i) {
            if (same_bytes(a + i * s.part_size, b + i * s.part_size, s.part_size)) continue;
            const double x = as_double(s, a, i), y = as_double(s, b, i);
            if (std::isnan(x) && std::isnan(y)) continue;
            const double unit = s.part_size == 4 ? std::fabs(static_cast<double>(std::nextafter(static_cast<float>(x), 0.0f)) - x)
                                                 : std::fabs(std::nextafter(x, 0.0) - x);
            const double unit_up = s.part_size == 4 ? std::fabs(static_cast<double>(std::nextafter(static_cast<float>(x), INFINITY)) - x)
                                                    : std::fabs(std::nextafter(x, INFINITY) - x);
            if (!s.part_float || !(std::fabs(x - y) <= std::max(unit, unit_up))) {
                *where = static_cast<long>(i * s.part_size);
                return false;
            }
        }
        return true;
    }
    const double rel = s.part_float && s.part_size == 8 ? loose->rel64 : loose->rel32;
    // Once a call overflows its output type, other outputs may be what is
    // left of values beyond the range cancelling each other: finite at one
    // level, infinite at another.
    bool overflowed = false;
    for (std::size_t i = 0; i < n && !overflowed; ++i) overflowed = std::isinf(as_double(s, a, i)) && std::isinf(as_double(s, b, i));
    for (std::size_t i = 0; i < n; ++i) {
        const double x = as_double(s, a, i), y = as_double(s, b, i);
        if (same_bytes(a + i * s.part_size, b + i * s.part_size, s.part_size)) continue;
        // A product that overflows unfused but not fused turns an infinity
        // into a NaN or the other way round.
        if (!std::isfinite(x) && !std::isfinite(y)) continue;
        // Near the top of the range a sum taken in another order may
        // overflow where this one did not.
        const double top = s.part_size == 4 ? 3.4028234663852886e38 : 1.7976931348623157e308;
        if (std::isinf(x) != std::isinf(y) && (overflowed || std::fabs(std::isinf(x) ? y : x) >= top / 256)) continue;
        // Integer outputs of floating arithmetic may round one unit apart.
        const double tol = s.part_float ? rel * big : std::max(1.0, rel * big);
        if (!(std::fabs(x - y) <= tol)) { *where = static_cast<long>(i * s.part_size); return false; }
    }
    return true;
}

struct Result {
    ZorStatus status;
    std::vector<ZorStatus> made;
    std::vector<Slot> out;  // the outputs' bytes (store holds just the data)
};

}  // namespace
}  // namespace zf

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zf;
    constexpr std::size_t count = sizeof(kEntries) / sizeof(kEntries[0]);
    const Input in(data, size);
    const Entry& e = kEntries[(in.byte(0) | in.byte(1) << 8) % count];
    const Ctx ctx(in);

    const long room = room_for(ctx, e.sizing);

    const Loose* loose = loose_for(e.name);
    const int levels = static_cast<int>(zors::machine_isa()) + 1;
    std::vector<Result> results;
    for (int level = 0; level < levels; ++level) {
        zors::force_isa(static_cast<zors::Isa>(level));
        Call call(ctx, e.name, e.roles, room, e.exact);
        Result r;
        r.status = e.run(call);
        r.made = call.made_status;
        for (Slot& s : call.slots) {
            if (s.kind == Slot::None) continue;
            ASAN_UNPOISON_MEMORY_REGION(s.store.data(), s.store.size());
            for (std::size_t i = 0; i < s.store.size(); ++i) {
                if (i >= s.off && i < s.off + s.bytes) continue;
                if (s.store[i] != kSentinel) fail(e, "wrote outside its vector", level, s.name, static_cast<long>(i) - static_cast<long>(s.off));
            }
            if (s.kind == Slot::Source && !same_bytes(s.data(), s.before.data(), s.bytes))
                fail(e, "changed a source vector", level, s.name, 0);
            if (r.status < 0 && s.kind != Slot::Scratch && !partial_on_error(e.name, s.name, r.status) &&
                !same_bytes(s.data(), s.before.data(), s.bytes))
                fail(e, "returned an error after writing an output", level, s.name, 0);
            if (s.kind == Slot::InOut || s.kind == Slot::Output) {
                Slot o;
                o.name = s.name;
                o.bytes = s.bytes;
                o.part_size = s.part_size;
                o.part_float = s.part_float;
                o.part_signed = s.part_signed;
                o.store.assign(s.data(), s.data() + s.bytes);
                r.out.push_back(std::move(o));
            }
        }
        results.push_back(std::move(r));
    }
    zors::force_isa(zors::machine_isa());

    // Every level against the baseline.
    for (int level = 1; level < levels; ++level) {
        const Result &a = results[0], &b = results[level];
        if (a.status != b.status) {
            std::fprintf(stderr, "status %d at the baseline level, %d here\n", a.status, b.status);
            fail(e, "status differs between levels", level, "", 0);
        }
        if (a.made != b.made) fail(e, "constructor status differs between levels", level, "", 0);
        // (the largest outputs of the baseline, floating and integer)
        const double big[2] = {loose != nullptr ? largest(a.out, false) : 0, loose != nullptr ? largest(a.out, true) : 0};
        for (std::size_t i = 0; i < a.out.size(); ++i) {
            long where = 0;
            if (!agree(a.out[i], a.out[i].store.data(), b.out[i].store.data(), loose, big[a.out[i].part_float], &where)) {
                const Slot& o = a.out[i];
                const std::size_t k = static_cast<std::size_t>(where) / o.part_size;
                std::fprintf(stderr, "baseline %.17g, here %.17g (len %d)\n", as_double(o, o.store.data(), k),
                             as_double(o, b.out[i].store.data(), k), ctx.int_named("len"));
                fail(e, "output differs between levels", level, o.name, where);
            }
        }
    }
    return 0;
}
