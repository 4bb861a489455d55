// Hostile-argument sweep over every function of the header.
//
// The table of functions is generated from zors.h when the build is
// configured, so a new declaration is swept as soon as it exists. Each
// function is called once per bad argument, with valid values for all the
// others, and last with valid arguments only: that call must succeed, which
// proves that each failure before it was the bad argument's. Bad arguments:
//   - each pointer null;
//   - each size or count too small (0, -1, INT_MIN) or too large where it
//     has an upper bound;
//   - each specification or state pointing at zero bytes, at random bytes,
//     at a valid object of a sibling type of the same family and at one of
//     another family;
//   - out-of-range values of scalars and of values passed by pointer
//     (phases, delay-line indices), where the family checks them;
//   - a null pointer together with a bad size, and a bad object together
//     with a null pointer or a bad size, for the order of the checks.
// Every failing call must return its family's status code and leave every
// buffer it was given byte for byte as it was.
//
// The roles of the parameters come from their C++ types and names. What
// names alone cannot tell (which code a family uses, a valid value that is
// not the default, a pointer that may be null) is in the one rule table
// below, keyed by function-name pattern; a parameter that neither the table
// nor the types classify fails the test.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/sweep/sweep.h"

namespace {

using sweep::Elem;
using sweep::Function;
using sweep::Kind;
using sweep::Returns;
using sweep::Slot;

const Function kFunctions[] = {
#define ZS_EXPORT(f, decl) sweep::make_function(#f, decl, &f),
#include "sweep_table.inc"
#undef ZS_EXPORT
};

constexpr long long kNone = LLONG_MIN;

// ---------------------------------------------------------------------------
// The rule table.
// ---------------------------------------------------------------------------
enum class Act {
    Size,         // an int size or count: below lo (or above hi) gives code
    Value,        // the valid value of a scalar (or of a size)
    Bad,          // this scalar set to value gives code
    BadFill,      // this buffer filled with value gives code
    OtherMaker,   // an object of the same type made by `maker` gives -17
    Fill,         // fill a pointed-to buffer with this value instead of the default
    NullOk,       // this pointer may be null (the call succeeds)
    Unchecked,    // the function does not check this pointer: no null call
    Target,       // an object pointer that the function initialises (caller memory)
    Table,        // an array of pointers to valid vectors
    NoKindCheck,  // the function does not check this object's identifier
    Partial,      // a composite: a failure of this argument leaves other outputs written
    NullFirst,    // this pointer is checked before the sizes that are checked first
    SizeFirst,    // this size (or, with "*", every size) is checked before the pointers
    ObjectFirst,  // the object and its identifier are checked before the other pointers and sizes
    Always,       // every call returns code, whatever the arguments
    Bytes,        // this buffer needs at least value bytes
    NoBaseline,   // no call with valid arguments (no valid pointer can be made)
    OwnsResult,   // the returned pointer is released with zorsFree
};

struct Rule {
    const char* fn;     // '|'-separated glob patterns over the function name
    const char* param;  // parameter name, or "*"
    Act act;
    long long code = 0;
    long long lo = kNone, hi = kNone;
    double value = 0;
    const char* maker = nullptr;
};

Rule size(const char* fn, const char* p, long long code, long long lo, double valid, long long hi = kNone) {
    return {fn, p, Act::Size, code, lo, hi, valid};
}
Rule value(const char* fn, const char* p, double v) { return {fn, p, Act::Value, 0, kNone, kNone, v}; }
Rule bad(const char* fn, const char* p, double v, long long code) { return {fn, p, Act::Bad, code, kNone, kNone, v}; }
Rule fill(const char* fn, const char* p, double v) { return {fn, p, Act::Fill, 0, kNone, kNone, v}; }
Rule bad_fill(const char* fn, const char* p, double v, long long code) { return {fn, p, Act::BadFill, code, kNone, kNone, v}; }
Rule other_maker(const char* fn, const char* p, const char* maker) {
    return {fn, p, Act::OtherMaker, zorStsContextMatchErr, kNone, kNone, 0, maker};
}
Rule act(const char* fn, const char* p, Act a, long long code = 0) { return {fn, p, a, code}; }

// Family patterns used by several rows.
#define ZS_FFT_OBJ "zorsFFTFwd_*|zorsFFTInv_*"
#define ZS_DFT_OBJ "zorsDFTFwd_*|zorsDFTInv_*|zorsDFTOutOrdFwd_*|zorsDFTOutOrdInv_*"
#define ZS_DCT_OBJ "zorsDCTFwd_*|zorsDCTInv_*"
#define ZS_WT_OBJ "zorsWTFwd_*|zorsWTInv_*|zorsWTFwdGetDlyLine_*|zorsWTInvGetDlyLine_*|zorsWTFwdSetDlyLine_*|zorsWTInvSetDlyLine_*|zorsWTFwdFree_*|zorsWTInvFree_*"
#define ZS_IIR_DIRECT "zorsIIR_Direct_*|zorsIIROne_Direct_*|zorsIIR_BiQuadDirect_*|zorsIIROne_BiQuadDirect_*"
#define ZS_STATE_DLY "zorsFIRInit*|zorsFIRMRInit*|zorsFIRSetDlyLine*|zorsIIRInit*|zorsIIRSetDlyLine*|zorsFIRLMSInitAlloc*|zorsFIRLMSSetDlyLine*|zorsFIRLMSMRInitAlloc*|zorsFIRLMSMRSetDlyLine*"

// Rows are looked up in order: the first row whose pattern names the
// function, whose parameter matches and whose action is the one asked for
// wins, so family rows come before the generic rows at the end.
const std::vector<Rule>& rules() {
    static const std::vector<Rule> r = {
        // Library services.
        act("zorSetFlushToZero|zorSetDenormAreZeros", "*", Act::Always, zorStsCpuNotSupportedErr),
        // Block sizes are formed in 32 bits: a count whose size does not fit
        // fails rather than allocating less.
        size("zorsMalloc_8u|zorsMalloc_8s", "len", 0, 1, 8),
        size("zorsMalloc_*", "len", 0, 1, 8, 2147483629),
        act("zorsMalloc_*", "*", Act::OwnsResult),
        act("zorsFree", "ptr", Act::NullOk),
        act("zorsFree", "*", Act::NoBaseline),
        value("zorGetStatusString", "code", 0),

        // Arithmetic: complex integer Add/Sub test the length first; the
        // floating DivC tests its divisor first.
        act("zorsAdd_16sc*|zorsAdd_32sc*|zorsSub_16sc*|zorsSub_32sc*", "len", Act::SizeFirst),
        bad("zorsDivC_*", "val", 0, zorStsDivByZeroErr),
        bad("zorsNormalize_*", "vDiv", 0, zorStsDivByZeroErr),
        bad("zorsLShiftC_*|zorsRShiftC_*", "val", -1, zorStsShiftErr),

        // Conversion and polar form.
        act("zorsRealToCplx_*", "pSrcRe", Act::NullOk),
        act("zorsRealToCplx_*", "pSrcIm", Act::NullOk),
        act("zorsJoin_*", "ppSrc", Act::Table),
        size("zorsJoin_*", "nChannels", zorStsSizeErr, 1, 2),
        size("zorsJoin_*", "chanLen", zorStsSizeErr, 1, 4),
        act("zorsJoin_*", "*", Act::SizeFirst),
        act("zorsCartToPolar_*", "pDstMagn", Act::Partial),
        act("zorsCartToPolar_*", "pDstPhase", Act::Partial),
        bad("zorsThreshold_*16sc*|zorsThreshold_*32fc*|zorsThreshold_*64fc*|zorsThreshold_LTInv_*", "level", -1,
            zorStsThreshNegLevelErr),
        bad("zorsThreshold_LTValGTVal_*", "levelGT", 0, zorStsThreshBoundsErr),

        // Statistics.
        size("zorsStdDev_*", "len", zorStsSizeErr, 2, 8),
        act("zorsMaxOrder_*", "len", Act::SizeFirst),
        act("zorsMaxIndx_*|zorsMinIndx_*", "pIndx", Act::NullOk),
        size("zorsFindNearest*", "tblLen", zorStsSizeErr, 1, 8),
        value("zorsFindNearestOne_*", "inpVal", 1),

        // Generators and windows.
        size("zorsWinBartlett*|zorsWinHann*|zorsWinHamming*|zorsWinBlackman_*|zorsWinBlackmanStd_*|zorsWinBlackmanQ15_*",
             "len", zorStsSizeErr, 3, 8),
        size("zorsWinBlackmanOpt_*", "len", zorStsSizeErr, 4, 8),
        act("zorsWinBlackmanOpt_*", "len", Act::SizeFirst),
        value("zorsWinKaiser*", "alpha", 0.5),
        value("zorsWinBlackmanQ15_*", "alphaQ15", 5243),
        value("zorsWinKaiserQ15_*", "alphaQ15", 16384),
        act("zorsToneInitQ15_*|zorsTriangleInitQ15_*|zorsRandUniformInit_*|zorsRandGaussInit_*", "pState", Act::Target),
        fill("zorsTone_Direct_*|zorsTriangle_Direct_*", "pPhase", 0),
        bad_fill("zorsTone_Direct_*", "pPhase", 7, zorStsTonePhaseErr),
        bad_fill("zorsTriangle_Direct_*", "pPhase", 7, zorStsTrnglPhaseErr),
        bad("zorsToneQ15_Direct_*|zorsToneInit*", "rFreqQ15", 16384, zorStsToneFreqErr),
        bad("zorsToneQ15_Direct_*|zorsToneInit*", "phaseQ15", 205887, zorStsTonePhaseErr),
        bad("zorsTriangleQ15_Direct_*|zorsTriangleInit*", "rFreqQ15", 16384, zorStsTrnglFreqErr),
        bad("zorsTriangleQ15_Direct_*|zorsTriangleInit*", "phaseQ15", -1, zorStsTrnglPhaseErr),
        bad("zorsTriangleQ15_Direct_*|zorsTriangleInit*", "asymQ15", 102944, zorStsTrnglAsymErr),
        bad("zorsTone_Direct_*|zorsToneQ15_Direct_*|zorsToneInit*", "magn", 0, zorStsToneMagnErr),
        bad("zorsTriangle_Direct_*|zorsTriangleQ15_Direct_*|zorsTriangleInit*", "magn", 0, zorStsTrnglMagnErr),
        bad("zorsTone_Direct_*", "rFreq", 0.5, zorStsToneFreqErr),
        bad("zorsTriangle_Direct_*", "rFreq", 0.5, zorStsTrnglFreqErr),
        value("*", "rFreqQ15", 4096),
        value("*", "phaseQ15", 0),
        value("*", "asymQ15", 0),
        value("*", "asym", 0),
        bad("zorsVectorJaehne_8s|zorsVectorJaehne_16s|zorsVectorJaehne_32s|zorsVectorJaehne_32f|zorsVectorJaehne_64f", "magn", -1, zorStsMagnNegErr),

        // Transforms: the specification (state) and its identifier come
        // before the data pointers; a null work buffer is allocated.
        size("zorsFFT*", "order", zorStsFftOrderErr, 0, 3, 30),
        act(ZS_FFT_OBJ "|" ZS_DFT_OBJ "|" ZS_DCT_OBJ "|" ZS_WT_OBJ, "*", Act::ObjectFirst),
        act("zorsFFTFwd_*|zorsFFTInv_*|zorsDFTFwd_*|zorsDFTInv_*|zorsDFTOutOrdFwd_*|zorsDFTOutOrdInv_*|zorsDCTFwd_*|zorsDCTInv_*",
            "pBuffer", Act::NullOk),
        {"zorsFFT*|zorsDFT*|zorsDCT*|zorsHilbert*", "pBuffer", Act::Bytes, 0, kNone, kNone, 65536},
        value("zorsGoertz*", "rFreq", 0.125),
        bad("zorsGoertz_*", "rFreq", 1.0, zorStsRelFreqErr),
        bad_fill("zorsGoertzTwo_*", "rFreq", 1.0, zorStsRelFreqErr),
        size("zorsWT*", "lenLow", zorStsSizeErr, 1, 4),
        size("zorsWT*", "lenHigh", zorStsSizeErr, 1, 4),
        value("zorsWT*", "offsLow", 0),
        value("zorsWT*", "offsHigh", 0),
        bad("zorsWT*", "offsLow", -2, zorStsWtOffsetErr),
        bad("zorsWT*", "offsHigh", -2, zorStsWtOffsetErr),

        // FIR filters, multi-rate, design and LMS.
        size("zorsFIRGen*", "tapsLen", zorStsSizeErr, 5, 9),
        value("zorsFIRGen*", "rFreq", 0.2),
        value("zorsFIRGen*", "rLowFreq", 0.1),
        value("zorsFIRGen*", "rHighFreq", 0.3),
        value("zorsFIRGen*", "winType", 2),
        value("zorsFIRGen*", "doNormal", 1),
        bad("zorsFIRGen*", "rFreq", 0, zorStsSizeErr),
        bad("zorsFIRGen*", "rLowFreq", 0.3, zorStsSizeErr),
        size("zorsFIRLMS*", "tapsLen", zorStsSizeErr, 1, 4),
        size("zorsFIRLMSMR*", "dlyStep", zorStsSizeErr, 1, 1),
        value("zorsFIRLMSMR*", "updateDly", 0),
        value("zorsFIRLMSMR*", "index", 0),
        bad("zorsFIRLMSMRGetDlyVal*", "index", -1, zorStsBadArgErr),
        bad("zorsFIRLMSMRInitAlloc*", "dlyIndex", -1, zorStsSizeErr),
        bad_fill("zorsFIRLMSOne_Direct*", "pDlyLineIndex", 4, zorStsDlyLineIndexErr),
        // The LMS Free functions check nothing (a null pointer is no-op).
        act("zorsFIRLMSFree*|zorsFIRLMSMRFree*", "pState", Act::NullOk),
        act("zorsFIRLMSFree*|zorsFIRLMSMRFree*|zorsFIRLMSMRGetTapsPointer*", "pState", Act::NoKindCheck),
        act("zorsFIRLMSInitAlloc*|zorsFIRLMSMRInitAlloc*", "pTaps", Act::NullOk),
        act("zorsFIRLMSMRSetTaps*", "pInTaps", Act::NullOk),
        act("zorsFIRLMSMRSetDlyLine*", "pInDlyLine", Act::NullOk),
        value("zorsFIRLMSMR*", "dlyLineIndex", 0),
        value("zorsFIRLMS*", "dlyIndex", 0),
        value("zorsFIRLMS*", "mu", 0.0625),
        value("zorsFIRLMS*", "muQ15", 1024),
        size("zorsFIRMR*", "upFactor", zorStsFIRMRFactorErr, 1, 2),
        size("zorsFIRMR*", "downFactor", zorStsFIRMRFactorErr, 1, 3),
        value("zorsFIRMR*", "upPhase", 0),
        value("zorsFIRMR*", "downPhase", 0),
        bad("zorsFIRMR*", "upPhase", 2, zorStsFIRMRPhaseErr),
        bad("zorsFIRMR*", "downPhase", 3, zorStsFIRMRPhaseErr),
        // The one-sample filters take single-rate states only.
        other_maker("zorsFIROne*", "pState", "zorsFIRMRInitAlloc*"),
        bad_fill("zorsFIR_Direct_16s_Sfs|zorsFIROne_Direct_16s_Sfs", "pDlyLineIndex", 5, zorStsDlyLineIndexErr),
        size("zorsFIR*", "tapsLen", zorStsFIRLenErr, 1, 5),
        size("zorsFIR*", "numIters", zorStsSizeErr, 1, 4),
        value("zorsFIR*", "tapsFactor", 0),
        act(ZS_STATE_DLY, "pDlyLine", Act::NullOk),
        fill("zorsFIR*", "pDlyLineIndex", 0),

        // IIR filters.
        size("zorsIIR*", "order", zorStsIIROrderErr, 0, 2),
        size("zorsIIR*", "numBq", zorStsIIROrderErr, 1, 1),
        act(ZS_IIR_DIRECT, "order", Act::SizeFirst),
        act(ZS_IIR_DIRECT, "numBq", Act::SizeFirst),
        // The in-place one-sample forms read their sample before anything else.
        act("zorsIIROne_Direct_16s_I|zorsIIROne_BiQuadDirect_16s_I", "pSrcDstVal", Act::NullFirst),
        value("zorsIIR*", "tapsFactor", 0),
        bad_fill(ZS_IIR_DIRECT, "pTaps", -1, zorStsScaleRangeErr),

        // Convolution, correlation, median, resampling.
        act("zorsConvCyclic*", "*", Act::Unchecked),
        value("zorsCrossCorr_*", "lowLag", 0),
        size("zorsFilterMedian_*", "maskSize", zorStsSizeErr, 1, 3),
        size("zorsSampleUp_*|zorsSampleDown_*", "factor", zorStsSampleFactorErr, 1, 2),
        fill("zorsSampleUp_*|zorsSampleDown_*", "pPhase", 0),
        bad_fill("zorsSampleUp_*|zorsSampleDown_*", "pPhase", 2, zorStsSamplePhaseErr),
        value("zorsUpdate*", "srcShiftRight", 0),

        // Trellis: only the pointers are checked.
        value("zors*DV*", "numStates", 16),
        value("zors*DV*", "subsetXor", 0),
        value("zors*DV*", "survivorOffset", 0),

        // Generic names: sizes and counts.
        size("*", "len", zorStsSizeErr, 1, 8),
        size("*", "len1", zorStsSizeErr, 1, 8),
        size("*", "len2", zorStsSizeErr, 1, 5),
        size("*", "srcLen", zorStsSizeErr, 1, 8),
        size("*", "dstLen", zorStsSizeErr, 1, 8),
        // Generic names: scalars.
        value("*", "scaleFactor", 0),
        value("*", "hint", 0),
        value("*", "rndMode", 1),
        value("*", "flag", ZOR_FFT_DIV_INV_BY_N),
        value("*", "val", 1),
        value("*", "src", 1),
        value("*", "refVal", 1),
        value("*", "errVal", 1),
        value("*", "value", 1),
        value("*", "level", 1),
        value("*", "levelLT", 1),
        value("*", "levelGT", 2),
        value("*", "valueLT", 0),
        value("*", "valueGT", 3),
        value("*", "relOp", 0),
        value("*", "vSub", 0),
        value("*", "vDiv", 2),
        value("*", "magn", 1),
        value("*", "rFreq", 0.125),
        value("*", "offset", 0),
        value("*", "slope", 1),
        value("*", "alpha", 0.5),
        value("*", "low", 0),
        value("*", "high", 1),
        value("*", "mean", 0),
        value("*", "stdDev", 1),
        value("*", "seed", 1),
        // Filter states in caller memory (the multi-rate ones hold per-thread
        // blocks).
        {"zorsFIRMRInit*", "pBuffer", Act::Bytes, 0, kNone, kNone, 1 << 20},
        {"*", "pBuffer", Act::Bytes, 0, kNone, kNone, 1 << 17},
    };
    return r;
}

bool glob(const char* p, const char* s) {
    if (*p == '\0' || *p == '|') return *s == '\0';
    if (*p == '*') return glob(p + 1, s) || (*s && glob(p, s + 1));
    return *s && *p == *s && glob(p + 1, s + 1);
}

bool matches(const char* patterns, const std::string& name) {
    for (const char* p = patterns;; ) {
        if (glob(p, name.c_str())) return true;
        p = std::strchr(p, '|');
        if (!p) return false;
        ++p;
    }
}

// ---------------------------------------------------------------------------
// Parsed declarations.
// ---------------------------------------------------------------------------
struct Param {
    std::string name, type;  // type: the declared text without the name
    sweep::ParamType t;
};

std::string trim(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    while (!s.empty() && s.front() == ' ') s.erase(s.begin());
    return s;
}

// The object type a parameter points at ("ZorsFIRState_32f"), or "".
std::string object_type(const std::string& type) {
    std::string t;
    for (char c : type) if (c != '*' && c != ' ') t += c;
    if (t.rfind("const", 0) == 0) t = t.substr(5);
    return t;
}

struct Export {
    const Function* f;
    std::string name;
    std::vector<Param> params;
    std::vector<const Rule*> rules;  // the rows whose pattern names this function

    const Rule* find(const std::string& param, Act a) const {
        for (const Rule* r : rules)
            if (r->act == a && (std::strcmp(r->param, "*") == 0 || param == r->param)) return r;
        return nullptr;
    }
    const Rule* find(Act a) const { return find("", a); }
};

std::vector<Export> parse_all() {
    std::vector<Export> out;
    for (const Function& f : kFunctions) {
        Export e{&f, f.name, {}, {}};
        std::string decl = f.decl;
        if (decl != "void") {
            std::stringstream ss(decl);
            std::string piece;
            int i = 0;
            while (std::getline(ss, piece, ',')) {
                piece = trim(piece);
                if (!piece.empty() && piece.back() == ']') piece = trim(piece.substr(0, piece.rfind('[')));  // T name[n]
                std::size_t k = piece.find_last_not_of(
                    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_");
                Param p{piece.substr(k + 1), trim(piece.substr(0, k + 1)), {}};
                if (i < f.n) p.t = f.types[i];
                e.params.push_back(p);
                ++i;
            }
        }
        for (const Rule& r : rules()) if (matches(r.fn, e.name)) e.rules.push_back(&r);
        out.push_back(std::move(e));
    }
    return out;
}

const std::vector<Export>& exports() {
    static const std::vector<Export> all = parse_all();
    return all;
}

// ---------------------------------------------------------------------------
// Objects: made by the family's InitAlloc with valid arguments, released by
// its Free.
// ---------------------------------------------------------------------------
struct ObjectKind {
    std::string type, family;
    const Export* make = nullptr;
    const Export* release = nullptr;
};

std::string family_of(const std::string& type) {
    for (const char* w : {"Spec", "State"}) {
        std::size_t k = type.find(w);
        if (k != std::string::npos) return type.substr(0, k + std::strlen(w));
    }
    return type;
}

std::vector<ObjectKind> object_kinds() {
    std::vector<ObjectKind> kinds;
    for (const Export& e : exports())
        for (const Param& p : e.params)
            if (p.t.kind == Kind::Pointer && p.t.elem == Elem::Object) {
                std::string t = object_type(p.type);
                auto it = std::find_if(kinds.begin(), kinds.end(), [&](auto& k) { return k.type == t; });
                if (it == kinds.end()) kinds.push_back({t, family_of(t)});
            }
    for (ObjectKind& k : kinds) {
        for (const Export& e : exports()) {
            if (e.f->returns != Returns::Status) continue;
            for (const Param& p : e.params) {
                std::string pt;
                for (char c : p.type) if (c != ' ') pt += c;
                if (e.name.find("InitAlloc") != std::string::npos && pt == k.type + "**" &&
                    (!k.make || k.make->params.size() > e.params.size()))
                    k.make = &e;
                if (e.name.find("Free") != std::string::npos && e.params.size() == 1 &&
                    object_type(p.type) == k.type && p.t.elem == Elem::Object)
                    k.release = &e;
            }
        }
    }
    return kinds;
}

// ---------------------------------------------------------------------------
// One call: arguments, buffers and the checks after it.
// ---------------------------------------------------------------------------
enum class Role { Buffer, Object, Size, Scalar };

struct Plan {
    std::vector<Role> roles;
    std::vector<double> values;  // valid scalar or size values
    std::string error;           // the parameters that cannot be classified
};

Plan plan(const Export& e) {
    Plan pl;
    for (const Param& p : e.params) {
        double v = 0;
        Role role = Role::Scalar;
        if (p.t.kind == Kind::Pointer) {
            role = p.t.elem == Elem::Object && !e.find(p.name, Act::Target) ? Role::Object : Role::Buffer;
        } else if (const Rule* r = e.find(p.name, Act::Size)) {
            if (p.t.kind != Kind::Integer) pl.error += " " + p.name + "(a size that is not an integer)";
            role = Role::Size;
            v = r->value;
        } else if (const Rule* r2 = e.find(p.name, Act::Value)) {
            v = r2->value;
        } else {
            pl.error += " " + p.name;
        }
        pl.roles.push_back(role);
        pl.values.push_back(v);
    }
    return pl;
}

struct Buffer {
    std::vector<std::uint64_t> words;
    std::vector<std::uint64_t> pristine;
    unsigned char* bytes() { return reinterpret_cast<unsigned char*>(words.data()); }
    bool unchanged() const { return words == pristine; }
    void reset() { words = pristine; }
};

void fill_elements(unsigned char* b, std::size_t nbytes, const sweep::ParamType& t, double v) {
    const int sz = t.size;
    for (std::size_t off = 0; off + sz <= nbytes; off += sz) {
        if (t.elem == Elem::Float) {
            if (sz == 4) {
                float f = static_cast<float>(v);
                std::memcpy(b + off, &f, 4);
            } else {
                std::memcpy(b + off, &v, 8);
            }
        } else {
            long long i = static_cast<long long>(v);
            std::memcpy(b + off, &i, sz);  // little-endian: the low bytes
        }
    }
}

std::uint64_t next_random(std::uint64_t& s) {
    s ^= s << 13;
    s ^= s >> 7;
    s ^= s << 17;
    return s;
}

// Vectors that the pointer tables point at (read only).
alignas(16) const double kTableVector[256] = {};

class Sweep {
public:
    explicit Sweep(const std::vector<ObjectKind>& kinds) : kinds_(kinds) {}

    std::size_t calls = 0;

    // The arguments of one function: buffers filled, objects made.
    struct Call {
        Sweep& sw;
        const Export& e;
        Plan pl;
        bool ok = false;
        std::vector<Buffer> buffers;
        std::vector<void*> objects;  // valid objects this call made (to release)
        std::vector<Slot> slots;

        Call(Sweep& s, const Export& ex) : sw(s), e(ex), pl(plan(ex)) {
            if (!pl.error.empty()) return;
            const std::size_t n = e.params.size();
            buffers.resize(n);
            objects.assign(n, nullptr);
            slots.resize(n);
            for (std::size_t i = 0; i < n; ++i) {
                const Param& p = e.params[i];
                if (pl.roles[i] == Role::Buffer) {
                    std::size_t bytes = 2048;
                    if (const Rule* r = e.find(p.name, Act::Bytes)) bytes = static_cast<std::size_t>(r->value);
                    Buffer& b = buffers[i];
                    b.words.assign(bytes / 8, 0x5A5A5A5A5A5A5A5AULL);
                    if (e.find(p.name, Act::Table)) {
                        const void* v = kTableVector;
                        for (std::size_t off = 0; off + sizeof v <= bytes; off += sizeof v) std::memcpy(b.bytes() + off, &v, sizeof v);
                    } else if (const Rule* r = e.find(p.name, Act::Fill)) {
                        fill_elements(b.bytes(), bytes, p.t, r->value);
                    } else if (p.t.is_const && p.t.elem != Elem::None && p.t.elem != Elem::Pointer && p.t.elem != Elem::Object) {
                        fill_elements(b.bytes(), bytes, p.t, p.t.elem == Elem::Float ? 0.125 : 1);
                    }
                    b.pristine = b.words;
                    slots[i].p = b.bytes();
                } else if (pl.roles[i] == Role::Object) {
                    const ObjectKind* k = sw.kind(object_type(p.type));
                    objects[i] = k ? sw.make(*k) : nullptr;
                    if (!objects[i]) {
                        pl.error = " (no valid " + object_type(p.type) + " could be made)";
                        return;
                    }
                    slots[i].p = objects[i];
                } else {
                    slots[i].i = static_cast<long long>(pl.values[i]);
                    slots[i].re = pl.values[i];
                }
            }
            ok = true;
        }
        ~Call() {
            for (std::size_t i = 0; i < objects.size(); ++i)
                if (objects[i]) sw.release(*sw.kind(object_type(e.params[i].type)), objects[i]);
        }
        Call(const Call&) = delete;
        Call& operator=(const Call&) = delete;

        void reset() {
            for (Buffer& b : buffers)
                if (!b.words.empty()) b.reset();
        }
        bool untouched() const {
            for (const Buffer& b : buffers)
                if (!b.unchanged()) return false;
            return true;
        }
        sweep::Result run(const std::vector<Slot>& s) {
            ++sw.calls;
            return e.f->invoke(e.f->fn, s.data());
        }
    };

    // Makes a valid object of a kind with its maker; null when it fails.
    void* make(const ObjectKind& k) {
        if (!k.make) return nullptr;
        Call c(*this, *k.make);
        if (!c.ok) return nullptr;
        for (std::size_t i = 0; i < k.make->params.size(); ++i) {
            if (k.make->params[i].t.elem != Elem::Pointer) continue;
            if (c.run(c.slots).status != 0) return nullptr;
            void* obj = nullptr;
            std::memcpy(&obj, c.buffers[i].bytes(), sizeof obj);
            return obj;
        }
        return nullptr;
    }
    void release(const ObjectKind& k, void* obj) {
        if (!obj || !k.release) return;
        Slot s;
        s.p = obj;
        ++calls;
        k.release->f->invoke(k.release->f->fn, &s);
    }
    const ObjectKind* kind(const std::string& type) const {
        for (const ObjectKind& k : kinds_)
            if (k.type == type) return &k;
        return nullptr;
    }
    // A kind of the same family but another type, and a kind of another
    // family (the next ones in the list, so that every kind is used).
    const ObjectKind* sibling(const ObjectKind& k) const { return next(k, true); }
    const ObjectKind* foreign(const ObjectKind& k) const { return next(k, false); }

private:
    const ObjectKind* next(const ObjectKind& k, bool same_family) const {
        const std::size_t i = static_cast<std::size_t>(&k - kinds_.data());
        for (std::size_t j = 1; j < kinds_.size(); ++j) {
            const ObjectKind& o = kinds_[(i + j) % kinds_.size()];
            if ((o.family == k.family) == same_family && o.make) return &o;
        }
        return nullptr;
    }
    const std::vector<ObjectKind>& kinds_;
};

std::vector<long long> bad_sizes(const Rule& r) {
    std::vector<long long> v;
    for (long long x : {r.lo - 1, 0LL, -1LL, static_cast<long long>(INT_MIN)})
        if (x < r.lo && x >= INT_MIN && std::find(v.begin(), v.end(), x) == v.end()) v.push_back(x);
    if (r.hi != kNone)
        for (long long x : {r.hi + 1, static_cast<long long>(INT_MAX)})
            if (std::find(v.begin(), v.end(), x) == v.end()) v.push_back(x);
    return v;
}

constexpr long long kSuccess = LLONG_MAX;  // expected: any status >= 0

// Runs every case of one function, appending a line per failure.
void sweep_one(Sweep& sw, const Export& e, std::string& failures) {
    auto fail = [&](const std::string& m) { failures += e.name + ": " + m + "\n"; };
    if (static_cast<int>(e.params.size()) != e.f->n) {
        fail("the declaration's parameters cannot be read: " + std::string(e.f->decl));
        return;
    }
    Sweep::Call c(sw, e);
    if (!c.ok) {
        fail("no rule classifies:" + c.pl.error);
        return;
    }
    const std::size_t n = e.params.size();
    const Rule* always = e.find(Act::Always);
    const bool object_first = e.find(Act::ObjectFirst) != nullptr;
    const bool status = e.f->returns == Returns::Status;
    const bool pointer = e.f->returns == Returns::Pointer;

    // The bad objects: zero bytes and random bytes.
    std::vector<Buffer> junk(2);
    junk[0].words.assign(512, 0);
    junk[1].words.resize(512);
    std::uint64_t seed = 0x9E3779B97F4A7C15ULL;
    for (auto& w : junk[1].words) w = next_random(seed);
    for (Buffer& b : junk) b.pristine = b.words;

    auto code = [&](long long c0) { return always ? always->code : c0; };
    auto null_code = [&](std::size_t i) {
        return e.find(e.params[i].name, Act::NullOk) ? kSuccess : code(zorStsNullPtrErr);
    };
    auto size_code = [&](std::size_t i) { return code(e.find(e.params[i].name, Act::Size)->code); };
    auto object_code = [&] { return code(zorStsContextMatchErr); };
    auto size_first = [&](std::size_t i) { return e.find(e.params[i].name, Act::SizeFirst) != nullptr; };

    // Releases the object a successful InitAlloc made.
    auto release_made = [&] {
        if (e.name.find("InitAlloc") == std::string::npos) return;
        for (std::size_t i = 0; i < n; ++i) {
            const Param& p = e.params[i];
            if (p.t.elem != Elem::Pointer || c.buffers[i].unchanged()) continue;
            void* obj = nullptr;
            std::memcpy(&obj, c.buffers[i].bytes(), sizeof obj);
            if (const ObjectKind* k = sw.kind(object_type(p.type))) sw.release(*k, obj);
        }
    };

    // One call with the changed slots; `partial` allows other outputs to change.
    auto check = [&](const std::string& what, const std::vector<Slot>& s, long long expect, bool partial = false) {
        for (Buffer& b : junk) b.reset();
        c.reset();
        sweep::Result r = c.run(s);
        if (pointer) {
            if ((r.ptr != nullptr) != (expect == kSuccess)) fail(what + (r.ptr ? ": a pointer" : ": null"));
            if (r.ptr && e.find(Act::OwnsResult)) zorsFree(const_cast<void*>(r.ptr));
            return;
        }
        if (!status) return;
        if (expect == kSuccess) {
            if (r.status < 0) fail(what + ": status " + std::to_string(r.status) + ", expected success");
            else release_made();
            return;
        }
        if (r.status != expect)
            fail(what + ": status " + std::to_string(r.status) + ", expected " + std::to_string(expect));
        if (!partial && !c.untouched()) fail(what + ": an output was written");
        for (const Buffer& b : junk)
            if (!b.unchanged()) fail(what + ": the bad object was written");
    };

    int first_ptr = -1, first_size = -1, first_obj = -1, null_first = -1;
    for (std::size_t i = 0; i < n; ++i) {
        const Param& p = e.params[i];
        const int k = static_cast<int>(i);
        if (c.pl.roles[i] == Role::Size && first_size < 0 && !size_first(i)) first_size = k;
        if (c.pl.roles[i] == Role::Object && first_obj < 0 && !e.find(p.name, Act::NoKindCheck)) first_obj = k;
        if (p.t.kind != Kind::Pointer || e.find(p.name, Act::Unchecked)) continue;
        if (e.find(p.name, Act::NullFirst)) null_first = k;
        else if (c.pl.roles[i] == Role::Buffer && first_ptr < 0 && null_code(i) != kSuccess && !e.find(p.name, Act::Partial))
            first_ptr = k;
        std::vector<Slot> s = c.slots;
        s[i].p = nullptr;
        check(p.name + " null", s, null_code(i), e.find(p.name, Act::Partial) != nullptr);
    }
    for (std::size_t i = 0; i < n; ++i) {
        const Param& p = e.params[i];
        if (c.pl.roles[i] == Role::Size) {
            for (long long b : bad_sizes(*e.find(p.name, Act::Size))) {
                std::vector<Slot> s = c.slots;
                s[i].i = b;
                check(p.name + " = " + std::to_string(b), s, size_code(i));
                // A size checked before the pointers wins over a null pointer.
                if (size_first(i) && first_ptr >= 0 && !pointer) {
                    s[first_ptr].p = nullptr;
                    check(p.name + " = " + std::to_string(b) + " and " + e.params[first_ptr].name + " null", s, size_code(i));
                }
                if (size_first(i) && null_first >= 0) {
                    s = c.slots;
                    s[i].i = b;
                    s[null_first].p = nullptr;
                    check(p.name + " = " + std::to_string(b) + " and " + e.params[null_first].name + " null", s,
                          code(zorStsNullPtrErr));
                }
            }
        }
        if (const Rule* r = e.find(p.name, Act::Bad)) {
            std::vector<Slot> s = c.slots;
            s[i].i = static_cast<long long>(r->value);
            s[i].re = r->value;
            check(p.name + " = " + std::to_string(r->value), s, code(r->code));
        }
        if (const Rule* r = e.find(p.name, Act::BadFill); r && c.pl.roles[i] == Role::Buffer) {
            Buffer& b = c.buffers[i];
            const std::vector<std::uint64_t> keep = b.pristine;
            fill_elements(b.bytes(), b.words.size() * 8, p.t, r->value);
            b.pristine = b.words;
            check(p.name + " filled with " + std::to_string(r->value), c.slots, code(r->code));
            b.pristine = keep;
            b.reset();
        }
        if (const Rule* r = e.find(p.name, Act::OtherMaker); r && c.pl.roles[i] == Role::Object) {
            const Export* maker = nullptr;
            for (const Export& m : exports())
                if (matches(r->maker, m.name))
                    for (const Param& mp : m.params)
                        if (object_type(mp.type) == object_type(p.type) && mp.t.elem == Elem::Pointer) maker = &m;
            ObjectKind other = *sw.kind(object_type(p.type));
            other.make = maker;
            void* obj = maker ? sw.make(other) : nullptr;
            if (!obj) {
                fail("no " + std::string(r->maker) + " makes a " + other.type);
            } else {
                std::vector<Slot> s = c.slots;
                s[i].p = obj;
                check(p.name + " made by " + maker->name, s, code(r->code));
                sw.release(other, obj);
            }
        }
        if (c.pl.roles[i] == Role::Object && !e.find(p.name, Act::NoKindCheck)) {
            const ObjectKind& k = *sw.kind(object_type(p.type));
            for (int j = 0; j < 2; ++j) {
                std::vector<Slot> s = c.slots;
                s[i].p = junk[j].bytes();
                check(p.name + (j ? " random bytes" : " zero bytes"), s, object_code());
            }
            for (const ObjectKind* o : {sw.sibling(k), sw.foreign(k)}) {
                if (!o) continue;
                void* obj = sw.make(*o);
                if (!obj) {
                    fail("cannot make a " + o->type);
                    continue;
                }
                std::vector<Slot> s = c.slots;
                s[i].p = obj;
                check(p.name + " a " + o->type, s, object_code());
                sw.release(*o, obj);
            }
        }
    }
    // The order of the checks: pointers before sizes, sizes before the
    // object's identifier, except where the family checks its object first.
    if (status && !always) {
        if (first_ptr >= 0 && first_size >= 0) {
            std::vector<Slot> s = c.slots;
            s[first_ptr].p = nullptr;
            s[first_size].i = bad_sizes(*e.find(e.params[first_size].name, Act::Size)).front();
            check(e.params[first_ptr].name + " null and " + e.params[first_size].name + " bad", s, null_code(first_ptr));
        }
        if (first_obj >= 0 && first_ptr >= 0) {
            std::vector<Slot> s = c.slots;
            s[first_obj].p = junk[0].bytes();
            s[first_ptr].p = nullptr;
            check(e.params[first_obj].name + " zero bytes and " + e.params[first_ptr].name + " null", s,
                  object_first ? object_code() : null_code(first_ptr));
        }
        if (first_obj >= 0 && first_size >= 0) {
            std::vector<Slot> s = c.slots;
            s[first_obj].p = junk[0].bytes();
            s[first_size].i = bad_sizes(*e.find(e.params[first_size].name, Act::Size)).front();
            check(e.params[first_obj].name + " zero bytes and " + e.params[first_size].name + " bad", s,
                  object_first ? object_code() : size_code(first_size));
        }
    }

    // Last, the valid call, which must succeed. It may release the object it
    // is given (Free) or make one, released here (InitAlloc).
    if (e.find(Act::NoBaseline)) return;
    c.reset();
    sweep::Result r = c.run(c.slots);
    if (always) {
        if (r.status != always->code) fail("valid arguments: status " + std::to_string(r.status));
        return;
    }
    if (pointer) {
        if (!r.ptr) fail("valid arguments: null");
        else if (e.find(Act::OwnsResult)) zorsFree(const_cast<void*>(r.ptr));
    }
    if (!status) return;
    if (r.status < 0) {
        fail("valid arguments: status " + std::to_string(r.status));
        return;
    }
    release_made();
    if (e.name.find("Free") != std::string::npos)
        for (std::size_t i = 0; i < n; ++i)
            if (c.pl.roles[i] == Role::Object) c.objects[i] = nullptr;
}

// Every declaration of the header is in the generated table (the table is
// not stale).
TEST(HostileArguments, TableMatchesHeader) {
    std::ifstream in(ZORS_HEADER_PATH);
    ASSERT_TRUE(in.good());
    std::vector<std::string> declared;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("ZORAPI ", 0) != 0) continue;
        const std::size_t paren = line.find('(');
        const std::size_t start = line.find_last_of(" *", paren) + 1;
        declared.push_back(line.substr(start, paren - start));
    }
    std::vector<std::string> table;
    for (const Export& e : exports()) table.push_back(e.name);
    EXPECT_EQ(declared, table);
    EXPECT_GT(table.size(), 0u);
}

// Every function, every bad argument.
TEST(HostileArguments, EveryFunction) {
    const std::vector<ObjectKind> kinds = object_kinds();
    for (const ObjectKind& k : kinds) {
        EXPECT_TRUE(k.make) << "no InitAlloc makes a " << k.type;
        EXPECT_TRUE(k.release) << "no Free releases a " << k.type;
    }
    Sweep sw(kinds);
    std::string failures;
    for (const Export& e : exports()) sweep_one(sw, e, failures);
    EXPECT_EQ(failures, "");
    std::printf("[ sweep    ] %zu functions, %zu calls\n", exports().size(), sw.calls);
}

}  // namespace
