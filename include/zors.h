/*
 * zors: one-dimensional signal-processing primitives.
 *
 * The whole public C API: element types, status codes, enumerations, flag
 * constants, object types and every exported function. Plain C (C99 and C++),
 * no inline code. Every function is declared on one line, starting with ZORAPI.
 */
#ifndef ZORS_H
#define ZORS_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(_WIN32)
#  define ZORAPI
#elif defined(__GNUC__)
#  define ZORAPI __attribute__((visibility("default")))
#else
#  define ZORAPI
#endif

/* ------------------------------------------------------------------------ */
/* Element types: native byte order; complex types are real part first, no  */
/* padding, exactly twice the size of their component.                      */
/* ------------------------------------------------------------------------ */
typedef uint8_t  Zor8u;
typedef int8_t   Zor8s;
typedef uint16_t Zor16u;
typedef int16_t  Zor16s;
typedef uint32_t Zor32u;
typedef int32_t  Zor32s;
typedef int64_t  Zor64s;
typedef float    Zor32f;
typedef double   Zor64f;

typedef struct { Zor8s  re; Zor8s  im; } Zor8sc;
typedef struct { Zor16s re; Zor16s im; } Zor16sc;
typedef struct { Zor32s re; Zor32s im; } Zor32sc;
typedef struct { Zor64s re; Zor64s im; } Zor64sc;
typedef struct { Zor32f re; Zor32f im; } Zor32fc;
typedef struct { Zor64f re; Zor64f im; } Zor64fc;

/* ------------------------------------------------------------------------ */
/* Status: 0 success, negative error, positive warning.                      */
/* ------------------------------------------------------------------------ */
typedef int32_t ZorStatus;

enum ZorStatusCode {
    zorStsNoErr = 0,
    zorStsNoOperation = 1,
    zorStsMisalignedBuf = 2,
    zorStsSqrtNegArg = 3,
    zorStsInvZero = 4,
    zorStsEvenMedianMaskSize = 5,
    zorStsDivByZero = 6,
    zorStsLnZeroArg = 7,
    zorStsLnNegArg = 8,
    zorStsNanArg = 9,
    zorStsOverflow = 12,
    zorStsZeroOcc = 16,
    zorStsUnderflow = 17,
    zorStsSingularity = 18,
    zorStsDomain = 19,
    zorStsErr = -2,
    zorStsNoMemErr = -4,
    zorStsBadArgErr = -5,
    zorStsSizeErr = -6,
    zorStsBadBoundsErr = -7,
    zorStsNullPtrErr = -8,
    zorStsMemAllocErr = -9,
    zorStsDivByZeroErr = -10,
    zorStsOutOfRangeErr = -11,
    zorStsDataTypeErr = -12,
    zorStsScaleRangeErr = -13,
    zorStsStepErr = -14,
    zorStsFftOrderErr = -15,
    zorStsFftFlagErr = -16,
    zorStsContextMatchErr = -17,
    zorStsThreshBoundsErr = -18,
    zorStsThreshNegLevelErr = -19,
    zorStsFlipModeErr = -21,
    zorStsDlyLineIndexErr = -24,
    zorStsIIROrderErr = -25,
    zorStsFIRLenErr = -26,
    zorStsRelFreqErr = -27,
    zorStsFIRMRPhaseErr = -28,
    zorStsFIRMRFactorErr = -29,
    zorStsSamplePhaseErr = -30,
    zorStsSampleFactorErr = -31,
    zorStsShiftErr = -32,
    zorStsMaskSizeErr = -33,
    zorStsWtOffsetErr = -35,
    zorStsEpsValErr = -36,
    zorStsMagnNegErr = -38,
    zorStsHugeWinErr = -39,
    zorStsTrnglAsymErr = -40,
    zorStsTrnglPhaseErr = -41,
    zorStsTrnglFreqErr = -42,
    zorStsTrnglMagnErr = -43,
    zorStsTonePhaseErr = -44,
    zorStsToneFreqErr = -45,
    zorStsToneMagnErr = -46,
    zorStsCpuNotSupportedErr = -9998,
    zorStsNotSupportedModeErr = -9999
};

/* The small enumerations are 32-bit signed and never range-checked: any
   value may be passed (in C++ they get a fixed underlying type so that values
   outside the named ones are valid there too). */
#ifdef __cplusplus
#  define ZOR_ENUM_BASE : int32_t
#else
#  define ZOR_ENUM_BASE
#endif

/* Algorithm hint. */
typedef enum ZOR_ENUM_BASE {
    zorAlgHintNone = 0,
    zorAlgHintFast = 1,
    zorAlgHintAccurate = 2
} ZorHintAlgorithm;

/* Rounding mode of float-to-integer conversions; every value other than 1
   rounds toward zero. */
typedef enum ZOR_ENUM_BASE {
    zorRndZero = 0,
    zorRndNear = 1
} ZorRoundMode;

/* Processor classes reported by zorGetCpuType. */
typedef enum ZOR_ENUM_BASE {
    zorCpuUnknown = 0,
    zorCpuF5Base = 1,
    zorCpuF5PackedInt = 2,
    zorCpuF6Base = 3,
    zorCpuF6PackedInt = 4,
    zorCpuF6PackedSingle = 5,
    zorCpuF15PackedDouble = 6,
    zorCpuF15MultiThread = 7,
    zorCpuF15ThirdSimd = 8,
    zorCpuF6PackedDouble = 9,
    zorCpuF7 = 16,
    zorCpuF15NoPackedDouble = 17
} ZorCpuType;

/* The library's version record (a static constant). */
typedef struct {
    int32_t verMajor;
    int32_t verMinor;
    int32_t buildSeries;
    int32_t buildNumber;
    char targetCode[4];
    const char* libName;
    const char* versionText;
    const char* buildDate;
} ZorVersionRecord;

/* FFT normalisation flags (exactly one per specification). */
#define ZOR_FFT_DIV_FWD_BY_N 1
#define ZOR_FFT_DIV_INV_BY_N 2
#define ZOR_FFT_DIV_BY_SQRTN 4
#define ZOR_FFT_NO_DIV       8

/* ======================================================================== */
/* frame: status texts, memory, processor and library services              */
/* ======================================================================== */

/* Message text of a status code; never null, "Unknown Status Code" for codes
   outside the table. */
ZORAPI const char* zorGetStatusString(ZorStatus code);

/* Aligned vectors: 32-byte aligned storage for len elements, null for len < 1
   or when the heap cannot supply it. Release with zorsFree. */
ZORAPI Zor8u* zorsMalloc_8u(int len);
ZORAPI Zor8s* zorsMalloc_8s(int len);
ZORAPI Zor16u* zorsMalloc_16u(int len);
ZORAPI Zor16s* zorsMalloc_16s(int len);
ZORAPI Zor8sc* zorsMalloc_8sc(int len);
ZORAPI Zor32u* zorsMalloc_32u(int len);
ZORAPI Zor32s* zorsMalloc_32s(int len);
ZORAPI Zor32f* zorsMalloc_32f(int len);
ZORAPI Zor16sc* zorsMalloc_16sc(int len);
ZORAPI Zor64s* zorsMalloc_64s(int len);
ZORAPI Zor64f* zorsMalloc_64f(int len);
ZORAPI Zor32sc* zorsMalloc_32sc(int len);
ZORAPI Zor32fc* zorsMalloc_32fc(int len);
ZORAPI Zor64sc* zorsMalloc_64sc(int len);
ZORAPI Zor64fc* zorsMalloc_64fc(int len);
ZORAPI void zorsFree(void* ptr);

/* Processor class, time-stamp counter, mode switches (not supported: -9998). */
ZORAPI ZorCpuType zorGetCpuType(void);
ZORAPI uint64_t zorGetCpuClocks(void);
ZORAPI ZorStatus zorSetFlushToZero(int value, unsigned int* pUMask);
ZORAPI ZorStatus zorSetDenormAreZeros(int value);

/* The constant version record; the same pointer on every call. */
ZORAPI const ZorVersionRecord* zorsGetLibVersion(void);

/* ======================================================================== */
/* arith: element-wise arithmetic, elementary functions, logic and shifts    */
/* ======================================================================== */

/* Add: pDst = pSrc1 + pSrc2; in place pSrcDst += pSrc. */
ZORAPI ZorStatus zorsAdd_8u_Sfs(const Zor8u* pSrc1, const Zor8u* pSrc2, Zor8u* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsAdd_8u_ISfs(const Zor8u* pSrc, Zor8u* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsAdd_8u16u(const Zor8u* pSrc1, const Zor8u* pSrc2, Zor16u* pDst, int len);
ZORAPI ZorStatus zorsAdd_16u(const Zor16u* pSrc1, const Zor16u* pSrc2, Zor16u* pDst, int len);
ZORAPI ZorStatus zorsAdd_16s(const Zor16s* pSrc1, const Zor16s* pSrc2, Zor16s* pDst, int len);
ZORAPI ZorStatus zorsAdd_16s_I(const Zor16s* pSrc, Zor16s* pSrcDst, int len);
ZORAPI ZorStatus zorsAdd_16s_Sfs(const Zor16s* pSrc1, const Zor16s* pSrc2, Zor16s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsAdd_16s_ISfs(const Zor16s* pSrc, Zor16s* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsAdd_16s32f(const Zor16s* pSrc1, const Zor16s* pSrc2, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsAdd_16sc_Sfs(const Zor16sc* pSrc1, const Zor16sc* pSrc2, Zor16sc* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsAdd_16sc_ISfs(const Zor16sc* pSrc, Zor16sc* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsAdd_32u(const Zor32u* pSrc1, const Zor32u* pSrc2, Zor32u* pDst, int len);
ZORAPI ZorStatus zorsAdd_32s_Sfs(const Zor32s* pSrc1, const Zor32s* pSrc2, Zor32s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsAdd_32s_ISfs(const Zor32s* pSrc, Zor32s* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsAdd_32sc_Sfs(const Zor32sc* pSrc1, const Zor32sc* pSrc2, Zor32sc* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsAdd_32sc_ISfs(const Zor32sc* pSrc, Zor32sc* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsAdd_32f(const Zor32f* pSrc1, const Zor32f* pSrc2, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsAdd_32f_I(const Zor32f* pSrc, Zor32f* pSrcDst, int len);
ZORAPI ZorStatus zorsAdd_32fc(const Zor32fc* pSrc1, const Zor32fc* pSrc2, Zor32fc* pDst, int len);
ZORAPI ZorStatus zorsAdd_32fc_I(const Zor32fc* pSrc, Zor32fc* pSrcDst, int len);
ZORAPI ZorStatus zorsAdd_64f(const Zor64f* pSrc1, const Zor64f* pSrc2, Zor64f* pDst, int len);
ZORAPI ZorStatus zorsAdd_64f_I(const Zor64f* pSrc, Zor64f* pSrcDst, int len);
ZORAPI ZorStatus zorsAdd_64fc(const Zor64fc* pSrc1, const Zor64fc* pSrc2, Zor64fc* pDst, int len);
ZORAPI ZorStatus zorsAdd_64fc_I(const Zor64fc* pSrc, Zor64fc* pSrcDst, int len);

/* Sub: pDst = pSrc2 - pSrc1 (subtrahend first); in place pSrcDst -= pSrc. */
ZORAPI ZorStatus zorsSub_8u_Sfs(const Zor8u* pSrc1, const Zor8u* pSrc2, Zor8u* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSub_8u_ISfs(const Zor8u* pSrc, Zor8u* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSub_16s(const Zor16s* pSrc1, const Zor16s* pSrc2, Zor16s* pDst, int len);
ZORAPI ZorStatus zorsSub_16s_I(const Zor16s* pSrc, Zor16s* pSrcDst, int len);
ZORAPI ZorStatus zorsSub_16s_Sfs(const Zor16s* pSrc1, const Zor16s* pSrc2, Zor16s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSub_16s_ISfs(const Zor16s* pSrc, Zor16s* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSub_16s32f(const Zor16s* pSrc1, const Zor16s* pSrc2, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsSub_16sc_Sfs(const Zor16sc* pSrc1, const Zor16sc* pSrc2, Zor16sc* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSub_16sc_ISfs(const Zor16sc* pSrc, Zor16sc* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSub_32s_Sfs(const Zor32s* pSrc1, const Zor32s* pSrc2, Zor32s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSub_32s_ISfs(const Zor32s* pSrc, Zor32s* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSub_32sc_Sfs(const Zor32sc* pSrc1, const Zor32sc* pSrc2, Zor32sc* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSub_32sc_ISfs(const Zor32sc* pSrc, Zor32sc* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSub_32f(const Zor32f* pSrc1, const Zor32f* pSrc2, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsSub_32f_I(const Zor32f* pSrc, Zor32f* pSrcDst, int len);
ZORAPI ZorStatus zorsSub_32fc(const Zor32fc* pSrc1, const Zor32fc* pSrc2, Zor32fc* pDst, int len);
ZORAPI ZorStatus zorsSub_32fc_I(const Zor32fc* pSrc, Zor32fc* pSrcDst, int len);
ZORAPI ZorStatus zorsSub_64f(const Zor64f* pSrc1, const Zor64f* pSrc2, Zor64f* pDst, int len);
ZORAPI ZorStatus zorsSub_64f_I(const Zor64f* pSrc, Zor64f* pSrcDst, int len);
ZORAPI ZorStatus zorsSub_64fc(const Zor64fc* pSrc1, const Zor64fc* pSrc2, Zor64fc* pDst, int len);
ZORAPI ZorStatus zorsSub_64fc_I(const Zor64fc* pSrc, Zor64fc* pSrcDst, int len);

/* Mul: pDst = pSrc1 * pSrc2; in place pSrcDst *= pSrc. */
ZORAPI ZorStatus zorsMul_8u_Sfs(const Zor8u* pSrc1, const Zor8u* pSrc2, Zor8u* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsMul_8u_ISfs(const Zor8u* pSrc, Zor8u* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsMul_8u16u(const Zor8u* pSrc1, const Zor8u* pSrc2, Zor16u* pDst, int len);
ZORAPI ZorStatus zorsMul_16s(const Zor16s* pSrc1, const Zor16s* pSrc2, Zor16s* pDst, int len);
ZORAPI ZorStatus zorsMul_16s_I(const Zor16s* pSrc, Zor16s* pSrcDst, int len);
ZORAPI ZorStatus zorsMul_16s_Sfs(const Zor16s* pSrc1, const Zor16s* pSrc2, Zor16s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsMul_16s_ISfs(const Zor16s* pSrc, Zor16s* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsMul_16s32f(const Zor16s* pSrc1, const Zor16s* pSrc2, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsMul_16s32s_Sfs(const Zor16s* pSrc1, const Zor16s* pSrc2, Zor32s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsMul_16u16s_Sfs(const Zor16u* pSrc1, const Zor16s* pSrc2, Zor16s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsMul_16sc_Sfs(const Zor16sc* pSrc1, const Zor16sc* pSrc2, Zor16sc* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsMul_16sc_ISfs(const Zor16sc* pSrc, Zor16sc* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsMul_32s_Sfs(const Zor32s* pSrc1, const Zor32s* pSrc2, Zor32s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsMul_32s_ISfs(const Zor32s* pSrc, Zor32s* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsMul_32s32sc_Sfs(const Zor32s* pSrc1, const Zor32sc* pSrc2, Zor32sc* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsMul_32s32sc_ISfs(const Zor32s* pSrc, Zor32sc* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsMul_32sc_Sfs(const Zor32sc* pSrc1, const Zor32sc* pSrc2, Zor32sc* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsMul_32sc_ISfs(const Zor32sc* pSrc, Zor32sc* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsMul_32f(const Zor32f* pSrc1, const Zor32f* pSrc2, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsMul_32f_I(const Zor32f* pSrc, Zor32f* pSrcDst, int len);
ZORAPI ZorStatus zorsMul_32fc(const Zor32fc* pSrc1, const Zor32fc* pSrc2, Zor32fc* pDst, int len);
ZORAPI ZorStatus zorsMul_32fc_I(const Zor32fc* pSrc, Zor32fc* pSrcDst, int len);
ZORAPI ZorStatus zorsMul_64f(const Zor64f* pSrc1, const Zor64f* pSrc2, Zor64f* pDst, int len);
ZORAPI ZorStatus zorsMul_64f_I(const Zor64f* pSrc, Zor64f* pSrcDst, int len);
ZORAPI ZorStatus zorsMul_64fc(const Zor64fc* pSrc1, const Zor64fc* pSrc2, Zor64fc* pDst, int len);
ZORAPI ZorStatus zorsMul_64fc_I(const Zor64fc* pSrc, Zor64fc* pSrcDst, int len);

/* AddC: pDst = pSrc + val. */
ZORAPI ZorStatus zorsAddC_8u_Sfs(const Zor8u* pSrc, Zor8u val, Zor8u* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsAddC_8u_ISfs(Zor8u val, Zor8u* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsAddC_16s_I(Zor16s val, Zor16s* pSrcDst, int len);
ZORAPI ZorStatus zorsAddC_16s_Sfs(const Zor16s* pSrc, Zor16s val, Zor16s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsAddC_16s_ISfs(Zor16s val, Zor16s* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsAddC_16sc_Sfs(const Zor16sc* pSrc, Zor16sc val, Zor16sc* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsAddC_16sc_ISfs(Zor16sc val, Zor16sc* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsAddC_32s_Sfs(const Zor32s* pSrc, Zor32s val, Zor32s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsAddC_32s_ISfs(Zor32s val, Zor32s* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsAddC_32sc_Sfs(const Zor32sc* pSrc, Zor32sc val, Zor32sc* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsAddC_32sc_ISfs(Zor32sc val, Zor32sc* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsAddC_32f(const Zor32f* pSrc, Zor32f val, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsAddC_32f_I(Zor32f val, Zor32f* pSrcDst, int len);
ZORAPI ZorStatus zorsAddC_32fc(const Zor32fc* pSrc, Zor32fc val, Zor32fc* pDst, int len);
ZORAPI ZorStatus zorsAddC_32fc_I(Zor32fc val, Zor32fc* pSrcDst, int len);
ZORAPI ZorStatus zorsAddC_64f(const Zor64f* pSrc, Zor64f val, Zor64f* pDst, int len);
ZORAPI ZorStatus zorsAddC_64f_I(Zor64f val, Zor64f* pSrcDst, int len);
ZORAPI ZorStatus zorsAddC_64fc(const Zor64fc* pSrc, Zor64fc val, Zor64fc* pDst, int len);
ZORAPI ZorStatus zorsAddC_64fc_I(Zor64fc val, Zor64fc* pSrcDst, int len);

/* SubC: pDst = pSrc - val. */
ZORAPI ZorStatus zorsSubC_8u_Sfs(const Zor8u* pSrc, Zor8u val, Zor8u* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSubC_8u_ISfs(Zor8u val, Zor8u* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSubC_16s_I(Zor16s val, Zor16s* pSrcDst, int len);
ZORAPI ZorStatus zorsSubC_16s_Sfs(const Zor16s* pSrc, Zor16s val, Zor16s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSubC_16s_ISfs(Zor16s val, Zor16s* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSubC_16sc_Sfs(const Zor16sc* pSrc, Zor16sc val, Zor16sc* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSubC_16sc_ISfs(Zor16sc val, Zor16sc* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSubC_32s_Sfs(const Zor32s* pSrc, Zor32s val, Zor32s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSubC_32s_ISfs(Zor32s val, Zor32s* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSubC_32sc_Sfs(const Zor32sc* pSrc, Zor32sc val, Zor32sc* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSubC_32sc_ISfs(Zor32sc val, Zor32sc* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSubC_32f(const Zor32f* pSrc, Zor32f val, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsSubC_32f_I(Zor32f val, Zor32f* pSrcDst, int len);
ZORAPI ZorStatus zorsSubC_32fc(const Zor32fc* pSrc, Zor32fc val, Zor32fc* pDst, int len);
ZORAPI ZorStatus zorsSubC_32fc_I(Zor32fc val, Zor32fc* pSrcDst, int len);
ZORAPI ZorStatus zorsSubC_64f(const Zor64f* pSrc, Zor64f val, Zor64f* pDst, int len);
ZORAPI ZorStatus zorsSubC_64f_I(Zor64f val, Zor64f* pSrcDst, int len);
ZORAPI ZorStatus zorsSubC_64fc(const Zor64fc* pSrc, Zor64fc val, Zor64fc* pDst, int len);
ZORAPI ZorStatus zorsSubC_64fc_I(Zor64fc val, Zor64fc* pSrcDst, int len);

/* SubCRev: pDst = val - pSrc. */
ZORAPI ZorStatus zorsSubCRev_8u_Sfs(const Zor8u* pSrc, Zor8u val, Zor8u* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSubCRev_8u_ISfs(Zor8u val, Zor8u* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSubCRev_16s_Sfs(const Zor16s* pSrc, Zor16s val, Zor16s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSubCRev_16s_ISfs(Zor16s val, Zor16s* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSubCRev_16sc_Sfs(const Zor16sc* pSrc, Zor16sc val, Zor16sc* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSubCRev_16sc_ISfs(Zor16sc val, Zor16sc* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSubCRev_32s_Sfs(const Zor32s* pSrc, Zor32s val, Zor32s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSubCRev_32s_ISfs(Zor32s val, Zor32s* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSubCRev_32sc_Sfs(const Zor32sc* pSrc, Zor32sc val, Zor32sc* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSubCRev_32sc_ISfs(Zor32sc val, Zor32sc* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSubCRev_32f(const Zor32f* pSrc, Zor32f val, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsSubCRev_32f_I(Zor32f val, Zor32f* pSrcDst, int len);
ZORAPI ZorStatus zorsSubCRev_32fc(const Zor32fc* pSrc, Zor32fc val, Zor32fc* pDst, int len);
ZORAPI ZorStatus zorsSubCRev_32fc_I(Zor32fc val, Zor32fc* pSrcDst, int len);
ZORAPI ZorStatus zorsSubCRev_64f(const Zor64f* pSrc, Zor64f val, Zor64f* pDst, int len);
ZORAPI ZorStatus zorsSubCRev_64f_I(Zor64f val, Zor64f* pSrcDst, int len);
ZORAPI ZorStatus zorsSubCRev_64fc(const Zor64fc* pSrc, Zor64fc val, Zor64fc* pDst, int len);
ZORAPI ZorStatus zorsSubCRev_64fc_I(Zor64fc val, Zor64fc* pSrcDst, int len);

/* MulC: pDst = pSrc * val. */
ZORAPI ZorStatus zorsMulC_8u_Sfs(const Zor8u* pSrc, Zor8u val, Zor8u* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsMulC_8u_ISfs(Zor8u val, Zor8u* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsMulC_16s_I(Zor16s val, Zor16s* pSrcDst, int len);
ZORAPI ZorStatus zorsMulC_16s_Sfs(const Zor16s* pSrc, Zor16s val, Zor16s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsMulC_16s_ISfs(Zor16s val, Zor16s* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsMulC_16sc_Sfs(const Zor16sc* pSrc, Zor16sc val, Zor16sc* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsMulC_16sc_ISfs(Zor16sc val, Zor16sc* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsMulC_32s_Sfs(const Zor32s* pSrc, Zor32s val, Zor32s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsMulC_32s_ISfs(Zor32s val, Zor32s* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsMulC_32sc_Sfs(const Zor32sc* pSrc, Zor32sc val, Zor32sc* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsMulC_32sc_ISfs(Zor32sc val, Zor32sc* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsMulC_32f(const Zor32f* pSrc, Zor32f val, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsMulC_32f_I(Zor32f val, Zor32f* pSrcDst, int len);
ZORAPI ZorStatus zorsMulC_32fc(const Zor32fc* pSrc, Zor32fc val, Zor32fc* pDst, int len);
ZORAPI ZorStatus zorsMulC_32fc_I(Zor32fc val, Zor32fc* pSrcDst, int len);
ZORAPI ZorStatus zorsMulC_64f(const Zor64f* pSrc, Zor64f val, Zor64f* pDst, int len);
ZORAPI ZorStatus zorsMulC_64f_I(Zor64f val, Zor64f* pSrcDst, int len);
ZORAPI ZorStatus zorsMulC_64fc(const Zor64fc* pSrc, Zor64fc val, Zor64fc* pDst, int len);
ZORAPI ZorStatus zorsMulC_64fc_I(Zor64fc val, Zor64fc* pSrcDst, int len);

/* Sqr: pDst = pSrc * pSrc (the complex square for complex types). */
ZORAPI ZorStatus zorsSqr_8u_Sfs(const Zor8u* pSrc, Zor8u* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSqr_8u_ISfs(Zor8u* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSqr_16u_Sfs(const Zor16u* pSrc, Zor16u* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSqr_16u_ISfs(Zor16u* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSqr_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSqr_16s_ISfs(Zor16s* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSqr_16sc_Sfs(const Zor16sc* pSrc, Zor16sc* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSqr_16sc_ISfs(Zor16sc* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSqr_32f(const Zor32f* pSrc, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsSqr_32f_I(Zor32f* pSrcDst, int len);
ZORAPI ZorStatus zorsSqr_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len);
ZORAPI ZorStatus zorsSqr_32fc_I(Zor32fc* pSrcDst, int len);
ZORAPI ZorStatus zorsSqr_64f(const Zor64f* pSrc, Zor64f* pDst, int len);
ZORAPI ZorStatus zorsSqr_64f_I(Zor64f* pSrcDst, int len);
ZORAPI ZorStatus zorsSqr_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int len);
ZORAPI ZorStatus zorsSqr_64fc_I(Zor64fc* pSrcDst, int len);

/* Abs: absolute value; -32768 gives 32767 and -2147483648 gives 2147483647. */
ZORAPI ZorStatus zorsAbs_16s(const Zor16s* pSrc, Zor16s* pDst, int len);
ZORAPI ZorStatus zorsAbs_16s_I(Zor16s* pSrcDst, int len);
ZORAPI ZorStatus zorsAbs_32s(const Zor32s* pSrc, Zor32s* pDst, int len);
ZORAPI ZorStatus zorsAbs_32s_I(Zor32s* pSrcDst, int len);
ZORAPI ZorStatus zorsAbs_32f(const Zor32f* pSrc, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsAbs_32f_I(Zor32f* pSrcDst, int len);
ZORAPI ZorStatus zorsAbs_64f(const Zor64f* pSrc, Zor64f* pDst, int len);
ZORAPI ZorStatus zorsAbs_64f_I(Zor64f* pSrcDst, int len);

/* AddProduct: pSrcDst += pSrc1 * pSrc2. */
ZORAPI ZorStatus zorsAddProduct_16s_Sfs(const Zor16s* pSrc1, const Zor16s* pSrc2, Zor16s* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsAddProduct_16s32s_Sfs(const Zor16s* pSrc1, const Zor16s* pSrc2, Zor32s* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsAddProduct_32s_Sfs(const Zor32s* pSrc1, const Zor32s* pSrc2, Zor32s* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsAddProduct_32f(const Zor32f* pSrc1, const Zor32f* pSrc2, Zor32f* pSrcDst, int len);
ZORAPI ZorStatus zorsAddProduct_32fc(const Zor32fc* pSrc1, const Zor32fc* pSrc2, Zor32fc* pSrcDst, int len);
ZORAPI ZorStatus zorsAddProduct_64f(const Zor64f* pSrc1, const Zor64f* pSrc2, Zor64f* pSrcDst, int len);
ZORAPI ZorStatus zorsAddProduct_64fc(const Zor64fc* pSrc1, const Zor64fc* pSrc2, Zor64fc* pSrcDst, int len);

/* Div: pDst = pSrc2 / pSrc1 (divisor first); in place pSrcDst /= pSrc. Warning 6 for zero divisors. */
ZORAPI ZorStatus zorsDiv_8u_Sfs(const Zor8u* pSrc1, const Zor8u* pSrc2, Zor8u* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsDiv_8u_ISfs(const Zor8u* pSrc, Zor8u* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsDiv_16s_Sfs(const Zor16s* pSrc1, const Zor16s* pSrc2, Zor16s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsDiv_16s_ISfs(const Zor16s* pSrc, Zor16s* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsDiv_16sc_Sfs(const Zor16sc* pSrc1, const Zor16sc* pSrc2, Zor16sc* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsDiv_16sc_ISfs(const Zor16sc* pSrc, Zor16sc* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsDiv_32s_Sfs(const Zor32s* pSrc1, const Zor32s* pSrc2, Zor32s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsDiv_32s_ISfs(const Zor32s* pSrc, Zor32s* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsDiv_32f(const Zor32f* pSrc1, const Zor32f* pSrc2, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsDiv_32f_I(const Zor32f* pSrc, Zor32f* pSrcDst, int len);
ZORAPI ZorStatus zorsDiv_32fc(const Zor32fc* pSrc1, const Zor32fc* pSrc2, Zor32fc* pDst, int len);
ZORAPI ZorStatus zorsDiv_32fc_I(const Zor32fc* pSrc, Zor32fc* pSrcDst, int len);
ZORAPI ZorStatus zorsDiv_64f(const Zor64f* pSrc1, const Zor64f* pSrc2, Zor64f* pDst, int len);
ZORAPI ZorStatus zorsDiv_64f_I(const Zor64f* pSrc, Zor64f* pSrcDst, int len);
ZORAPI ZorStatus zorsDiv_64fc(const Zor64fc* pSrc1, const Zor64fc* pSrc2, Zor64fc* pDst, int len);
ZORAPI ZorStatus zorsDiv_64fc_I(const Zor64fc* pSrc, Zor64fc* pSrcDst, int len);

/* DivC: pDst = pSrc / val; a zero constant gives -10 (32f, 64f: zero or NaN, tested first). */
ZORAPI ZorStatus zorsDivC_8u_Sfs(const Zor8u* pSrc, Zor8u val, Zor8u* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsDivC_8u_ISfs(Zor8u val, Zor8u* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsDivC_16s_Sfs(const Zor16s* pSrc, Zor16s val, Zor16s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsDivC_16s_ISfs(Zor16s val, Zor16s* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsDivC_16sc_Sfs(const Zor16sc* pSrc, Zor16sc val, Zor16sc* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsDivC_16sc_ISfs(Zor16sc val, Zor16sc* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsDivC_32f(const Zor32f* pSrc, Zor32f val, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsDivC_32f_I(Zor32f val, Zor32f* pSrcDst, int len);
ZORAPI ZorStatus zorsDivC_32fc(const Zor32fc* pSrc, Zor32fc val, Zor32fc* pDst, int len);
ZORAPI ZorStatus zorsDivC_32fc_I(Zor32fc val, Zor32fc* pSrcDst, int len);
ZORAPI ZorStatus zorsDivC_64f(const Zor64f* pSrc, Zor64f val, Zor64f* pDst, int len);
ZORAPI ZorStatus zorsDivC_64f_I(Zor64f val, Zor64f* pSrcDst, int len);
ZORAPI ZorStatus zorsDivC_64fc(const Zor64fc* pSrc, Zor64fc val, Zor64fc* pDst, int len);
ZORAPI ZorStatus zorsDivC_64fc_I(Zor64fc val, Zor64fc* pSrcDst, int len);

/* DivCRev: pDst = val / pSrc. */
ZORAPI ZorStatus zorsDivCRev_16u(const Zor16u* pSrc, Zor16u val, Zor16u* pDst, int len);
ZORAPI ZorStatus zorsDivCRev_16u_I(Zor16u val, Zor16u* pSrcDst, int len);
ZORAPI ZorStatus zorsDivCRev_32f(const Zor32f* pSrc, Zor32f val, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsDivCRev_32f_I(Zor32f val, Zor32f* pSrcDst, int len);

/* Sqrt: square root (principal root for complex types); warning 3 for negative 16s, 64s, 32f, 64f elements. */
ZORAPI ZorStatus zorsSqrt_8u_Sfs(const Zor8u* pSrc, Zor8u* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSqrt_8u_ISfs(Zor8u* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSqrt_16u_Sfs(const Zor16u* pSrc, Zor16u* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSqrt_16u_ISfs(Zor16u* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSqrt_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSqrt_16s_ISfs(Zor16s* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSqrt_16sc_Sfs(const Zor16sc* pSrc, Zor16sc* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSqrt_16sc_ISfs(Zor16sc* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSqrt_64s_Sfs(const Zor64s* pSrc, Zor64s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSqrt_64s_ISfs(Zor64s* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSqrt_32f(const Zor32f* pSrc, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsSqrt_32f_I(Zor32f* pSrcDst, int len);
ZORAPI ZorStatus zorsSqrt_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len);
ZORAPI ZorStatus zorsSqrt_32fc_I(Zor32fc* pSrcDst, int len);
ZORAPI ZorStatus zorsSqrt_64f(const Zor64f* pSrc, Zor64f* pDst, int len);
ZORAPI ZorStatus zorsSqrt_64f_I(Zor64f* pSrcDst, int len);
ZORAPI ZorStatus zorsSqrt_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int len);
ZORAPI ZorStatus zorsSqrt_64fc_I(Zor64fc* pSrcDst, int len);

/* Normalize: pDst = (pSrc - vSub) / vDiv; a divisor below the smallest normal (or 0 for 16s, 16sc) gives -10. */
ZORAPI ZorStatus zorsNormalize_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, int len, Zor16s vSub, int vDiv, int scaleFactor);
ZORAPI ZorStatus zorsNormalize_16sc_Sfs(const Zor16sc* pSrc, Zor16sc* pDst, int len, Zor16sc vSub, int vDiv, int scaleFactor);
ZORAPI ZorStatus zorsNormalize_32f(const Zor32f* pSrc, Zor32f* pDst, int len, Zor32f vSub, Zor32f vDiv);
ZORAPI ZorStatus zorsNormalize_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len, Zor32fc vSub, Zor32f vDiv);
ZORAPI ZorStatus zorsNormalize_64f(const Zor64f* pSrc, Zor64f* pDst, int len, Zor64f vSub, Zor64f vDiv);
ZORAPI ZorStatus zorsNormalize_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int len, Zor64fc vSub, Zor64f vDiv);

/* MulC_32f16s_Sfs: pSrc * val * 2^-scaleFactor to 16s, rounded to nearest; MulC_Low_32f16s: pSrc * val converted in the current rounding mode. */
ZORAPI ZorStatus zorsMulC_32f16s_Sfs(const Zor32f* pSrc, Zor32f val, Zor16s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsMulC_Low_32f16s(const Zor32f* pSrc, Zor32f val, Zor16s* pDst, int len);

/* And: pDst = pSrc1 and pSrc2, bit by bit; AndC: pDst = pSrc and val. */
ZORAPI ZorStatus zorsAnd_8u(const Zor8u* pSrc1, const Zor8u* pSrc2, Zor8u* pDst, int len);
ZORAPI ZorStatus zorsAnd_8u_I(const Zor8u* pSrc, Zor8u* pSrcDst, int len);
ZORAPI ZorStatus zorsAnd_16u(const Zor16u* pSrc1, const Zor16u* pSrc2, Zor16u* pDst, int len);
ZORAPI ZorStatus zorsAnd_16u_I(const Zor16u* pSrc, Zor16u* pSrcDst, int len);
ZORAPI ZorStatus zorsAnd_32u(const Zor32u* pSrc1, const Zor32u* pSrc2, Zor32u* pDst, int len);
ZORAPI ZorStatus zorsAnd_32u_I(const Zor32u* pSrc, Zor32u* pSrcDst, int len);
ZORAPI ZorStatus zorsAndC_8u(const Zor8u* pSrc, Zor8u val, Zor8u* pDst, int len);
ZORAPI ZorStatus zorsAndC_8u_I(Zor8u val, Zor8u* pSrcDst, int len);
ZORAPI ZorStatus zorsAndC_16u(const Zor16u* pSrc, Zor16u val, Zor16u* pDst, int len);
ZORAPI ZorStatus zorsAndC_16u_I(Zor16u val, Zor16u* pSrcDst, int len);
ZORAPI ZorStatus zorsAndC_32u(const Zor32u* pSrc, Zor32u val, Zor32u* pDst, int len);
ZORAPI ZorStatus zorsAndC_32u_I(Zor32u val, Zor32u* pSrcDst, int len);

/* Or: pDst = pSrc1 or pSrc2, bit by bit; OrC: pDst = pSrc or val. */
ZORAPI ZorStatus zorsOr_8u(const Zor8u* pSrc1, const Zor8u* pSrc2, Zor8u* pDst, int len);
ZORAPI ZorStatus zorsOr_8u_I(const Zor8u* pSrc, Zor8u* pSrcDst, int len);
ZORAPI ZorStatus zorsOr_16u(const Zor16u* pSrc1, const Zor16u* pSrc2, Zor16u* pDst, int len);
ZORAPI ZorStatus zorsOr_16u_I(const Zor16u* pSrc, Zor16u* pSrcDst, int len);
ZORAPI ZorStatus zorsOr_32u(const Zor32u* pSrc1, const Zor32u* pSrc2, Zor32u* pDst, int len);
ZORAPI ZorStatus zorsOr_32u_I(const Zor32u* pSrc, Zor32u* pSrcDst, int len);
ZORAPI ZorStatus zorsOrC_8u(const Zor8u* pSrc, Zor8u val, Zor8u* pDst, int len);
ZORAPI ZorStatus zorsOrC_8u_I(Zor8u val, Zor8u* pSrcDst, int len);
ZORAPI ZorStatus zorsOrC_16u(const Zor16u* pSrc, Zor16u val, Zor16u* pDst, int len);
ZORAPI ZorStatus zorsOrC_16u_I(Zor16u val, Zor16u* pSrcDst, int len);
ZORAPI ZorStatus zorsOrC_32u(const Zor32u* pSrc, Zor32u val, Zor32u* pDst, int len);
ZORAPI ZorStatus zorsOrC_32u_I(Zor32u val, Zor32u* pSrcDst, int len);

/* Xor: pDst = pSrc1 exclusive or pSrc2, bit by bit; XorC: pDst = pSrc exclusive or val. */
ZORAPI ZorStatus zorsXor_8u(const Zor8u* pSrc1, const Zor8u* pSrc2, Zor8u* pDst, int len);
ZORAPI ZorStatus zorsXor_8u_I(const Zor8u* pSrc, Zor8u* pSrcDst, int len);
ZORAPI ZorStatus zorsXor_16u(const Zor16u* pSrc1, const Zor16u* pSrc2, Zor16u* pDst, int len);
ZORAPI ZorStatus zorsXor_16u_I(const Zor16u* pSrc, Zor16u* pSrcDst, int len);
ZORAPI ZorStatus zorsXor_32u(const Zor32u* pSrc1, const Zor32u* pSrc2, Zor32u* pDst, int len);
ZORAPI ZorStatus zorsXor_32u_I(const Zor32u* pSrc, Zor32u* pSrcDst, int len);
ZORAPI ZorStatus zorsXorC_8u(const Zor8u* pSrc, Zor8u val, Zor8u* pDst, int len);
ZORAPI ZorStatus zorsXorC_8u_I(Zor8u val, Zor8u* pSrcDst, int len);
ZORAPI ZorStatus zorsXorC_16u(const Zor16u* pSrc, Zor16u val, Zor16u* pDst, int len);
ZORAPI ZorStatus zorsXorC_16u_I(Zor16u val, Zor16u* pSrcDst, int len);
ZORAPI ZorStatus zorsXorC_32u(const Zor32u* pSrc, Zor32u val, Zor32u* pDst, int len);
ZORAPI ZorStatus zorsXorC_32u_I(Zor32u val, Zor32u* pSrcDst, int len);

/* Not: bitwise complement (XorC with all ones). */
ZORAPI ZorStatus zorsNot_8u(const Zor8u* pSrc, Zor8u* pDst, int len);
ZORAPI ZorStatus zorsNot_8u_I(Zor8u* pSrcDst, int len);
ZORAPI ZorStatus zorsNot_16u(const Zor16u* pSrc, Zor16u* pDst, int len);
ZORAPI ZorStatus zorsNot_16u_I(Zor16u* pSrcDst, int len);
ZORAPI ZorStatus zorsNot_32u(const Zor32u* pSrc, Zor32u* pDst, int len);
ZORAPI ZorStatus zorsNot_32u_I(Zor32u* pSrcDst, int len);

/* LShiftC: pDst = pSrc shifted left, zero fill by val bits; a negative count gives -32. */
ZORAPI ZorStatus zorsLShiftC_8u(const Zor8u* pSrc, int val, Zor8u* pDst, int len);
ZORAPI ZorStatus zorsLShiftC_8u_I(int val, Zor8u* pSrcDst, int len);
ZORAPI ZorStatus zorsLShiftC_16u(const Zor16u* pSrc, int val, Zor16u* pDst, int len);
ZORAPI ZorStatus zorsLShiftC_16u_I(int val, Zor16u* pSrcDst, int len);
ZORAPI ZorStatus zorsLShiftC_16s(const Zor16s* pSrc, int val, Zor16s* pDst, int len);
ZORAPI ZorStatus zorsLShiftC_16s_I(int val, Zor16s* pSrcDst, int len);
ZORAPI ZorStatus zorsLShiftC_32s(const Zor32s* pSrc, int val, Zor32s* pDst, int len);
ZORAPI ZorStatus zorsLShiftC_32s_I(int val, Zor32s* pSrcDst, int len);

/* RShiftC: pDst = pSrc shifted right (logical for 8u, 16u; arithmetic for 16s, 32s) by val bits; a negative count gives -32. */
ZORAPI ZorStatus zorsRShiftC_8u(const Zor8u* pSrc, int val, Zor8u* pDst, int len);
ZORAPI ZorStatus zorsRShiftC_8u_I(int val, Zor8u* pSrcDst, int len);
ZORAPI ZorStatus zorsRShiftC_16u(const Zor16u* pSrc, int val, Zor16u* pDst, int len);
ZORAPI ZorStatus zorsRShiftC_16u_I(int val, Zor16u* pSrcDst, int len);
ZORAPI ZorStatus zorsRShiftC_16s(const Zor16s* pSrc, int val, Zor16s* pDst, int len);
ZORAPI ZorStatus zorsRShiftC_16s_I(int val, Zor16s* pSrcDst, int len);
ZORAPI ZorStatus zorsRShiftC_32s(const Zor32s* pSrc, int val, Zor32s* pDst, int len);
ZORAPI ZorStatus zorsRShiftC_32s_I(int val, Zor32s* pSrcDst, int len);

/* SwapBytes: bytes of each element reversed (24u: first and third byte of each 3-byte element exchanged; len counts elements). */
ZORAPI ZorStatus zorsSwapBytes_16u(const Zor16u* pSrc, Zor16u* pDst, int len);
ZORAPI ZorStatus zorsSwapBytes_16u_I(Zor16u* pSrcDst, int len);
ZORAPI ZorStatus zorsSwapBytes_24u(const Zor8u* pSrc, Zor8u* pDst, int len);
ZORAPI ZorStatus zorsSwapBytes_24u_I(Zor8u* pSrcDst, int len);
ZORAPI ZorStatus zorsSwapBytes_32u(const Zor32u* pSrc, Zor32u* pDst, int len);
ZORAPI ZorStatus zorsSwapBytes_32u_I(Zor32u* pSrcDst, int len);

/* Elementary functions. Floating forms are accurate to 1 ulp and IEEE at
   infinities, NaNs and overflow; integer forms are the exact function value
   times 2^-scaleFactor, rounded to nearest and saturated. The logarithms
   return 7 for zero and 8 for negative arguments (8 when both occur). */
ZORAPI ZorStatus zorsExp_32f(const Zor32f* pSrc, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsExp_64f(const Zor64f* pSrc, Zor64f* pDst, int len);
ZORAPI ZorStatus zorsExp_32f64f(const Zor32f* pSrc, Zor64f* pDst, int len);
ZORAPI ZorStatus zorsExp_32f_I(Zor32f* pSrcDst, int len);
ZORAPI ZorStatus zorsExp_64f_I(Zor64f* pSrcDst, int len);
ZORAPI ZorStatus zorsExp_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsExp_16s_ISfs(Zor16s* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsExp_32s_Sfs(const Zor32s* pSrc, Zor32s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsExp_32s_ISfs(Zor32s* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsExp_64s_Sfs(const Zor64s* pSrc, Zor64s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsExp_64s_ISfs(Zor64s* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsLn_32f(const Zor32f* pSrc, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsLn_64f(const Zor64f* pSrc, Zor64f* pDst, int len);
ZORAPI ZorStatus zorsLn_64f32f(const Zor64f* pSrc, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsLn_32f_I(Zor32f* pSrcDst, int len);
ZORAPI ZorStatus zorsLn_64f_I(Zor64f* pSrcDst, int len);
ZORAPI ZorStatus zorsLn_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsLn_32s_Sfs(const Zor32s* pSrc, Zor32s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsLn_32s16s_Sfs(const Zor32s* pSrc, Zor16s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsLn_16s_ISfs(Zor16s* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsLn_32s_ISfs(Zor32s* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zors10Log10_32s_Sfs(const Zor32s* pSrc, Zor32s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zors10Log10_32s_ISfs(Zor32s* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsSumLn_32f(const Zor32f* pSrc, int len, Zor32f* pSum);
ZORAPI ZorStatus zorsSumLn_64f(const Zor64f* pSrc, int len, Zor64f* pSum);
ZORAPI ZorStatus zorsSumLn_32f64f(const Zor32f* pSrc, int len, Zor64f* pSum);
ZORAPI ZorStatus zorsSumLn_16s32f(const Zor16s* pSrc, int len, Zor32f* pSum);
ZORAPI ZorStatus zorsCubrt_32f(const Zor32f* pSrc, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsCubrt_32s16s_Sfs(const Zor32s* pSrc, Zor16s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsArctan_32f(const Zor32f* pSrc, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsArctan_64f(const Zor64f* pSrc, Zor64f* pDst, int len);
ZORAPI ZorStatus zorsArctan_32f_I(Zor32f* pSrcDst, int len);
ZORAPI ZorStatus zorsArctan_64f_I(Zor64f* pSrcDst, int len);

/* (end of arith) */

/* ======================================================================== */
/* convert: copying and complex components                                  */
/* ======================================================================== */

/* Copy: pDst[n] = pSrc[n]; the ranges must not overlap. */
ZORAPI ZorStatus zorsCopy_8u(const Zor8u* pSrc, Zor8u* pDst, int len);
ZORAPI ZorStatus zorsCopy_16s(const Zor16s* pSrc, Zor16s* pDst, int len);
ZORAPI ZorStatus zorsCopy_32f(const Zor32f* pSrc, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsCopy_64f(const Zor64f* pSrc, Zor64f* pDst, int len);
ZORAPI ZorStatus zorsCopy_16sc(const Zor16sc* pSrc, Zor16sc* pDst, int len);
ZORAPI ZorStatus zorsCopy_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len);
ZORAPI ZorStatus zorsCopy_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int len);

/* Move: as Copy, correct for overlapping ranges. */
ZORAPI ZorStatus zorsMove_8u(const Zor8u* pSrc, Zor8u* pDst, int len);
ZORAPI ZorStatus zorsMove_16s(const Zor16s* pSrc, Zor16s* pDst, int len);
ZORAPI ZorStatus zorsMove_32f(const Zor32f* pSrc, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsMove_64f(const Zor64f* pSrc, Zor64f* pDst, int len);
ZORAPI ZorStatus zorsMove_16sc(const Zor16sc* pSrc, Zor16sc* pDst, int len);
ZORAPI ZorStatus zorsMove_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len);
ZORAPI ZorStatus zorsMove_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int len);

/* Set: every element set to val. */
ZORAPI ZorStatus zorsSet_8u(Zor8u val, Zor8u* pDst, int len);
ZORAPI ZorStatus zorsSet_16s(Zor16s val, Zor16s* pDst, int len);
ZORAPI ZorStatus zorsSet_32s(Zor32s val, Zor32s* pDst, int len);
ZORAPI ZorStatus zorsSet_64s(Zor64s val, Zor64s* pDst, int len);
ZORAPI ZorStatus zorsSet_32f(Zor32f val, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsSet_64f(Zor64f val, Zor64f* pDst, int len);
ZORAPI ZorStatus zorsSet_16sc(Zor16sc val, Zor16sc* pDst, int len);
ZORAPI ZorStatus zorsSet_32sc(Zor32sc val, Zor32sc* pDst, int len);
ZORAPI ZorStatus zorsSet_64sc(Zor64sc val, Zor64sc* pDst, int len);
ZORAPI ZorStatus zorsSet_32fc(Zor32fc val, Zor32fc* pDst, int len);
ZORAPI ZorStatus zorsSet_64fc(Zor64fc val, Zor64fc* pDst, int len);

/* Zero: every element set to all-zero bits. */
ZORAPI ZorStatus zorsZero_8u(Zor8u* pDst, int len);
ZORAPI ZorStatus zorsZero_16s(Zor16s* pDst, int len);
ZORAPI ZorStatus zorsZero_32f(Zor32f* pDst, int len);
ZORAPI ZorStatus zorsZero_64f(Zor64f* pDst, int len);
ZORAPI ZorStatus zorsZero_16sc(Zor16sc* pDst, int len);
ZORAPI ZorStatus zorsZero_32fc(Zor32fc* pDst, int len);
ZORAPI ZorStatus zorsZero_64fc(Zor64fc* pDst, int len);

/* Flip: pDst[n] = pSrc[len - 1 - n]; _I reverses in place. */
ZORAPI ZorStatus zorsFlip_8u(const Zor8u* pSrc, Zor8u* pDst, int len);
ZORAPI ZorStatus zorsFlip_16u(const Zor16u* pSrc, Zor16u* pDst, int len);
ZORAPI ZorStatus zorsFlip_32f(const Zor32f* pSrc, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsFlip_64f(const Zor64f* pSrc, Zor64f* pDst, int len);
ZORAPI ZorStatus zorsFlip_8u_I(Zor8u* pSrcDst, int len);
ZORAPI ZorStatus zorsFlip_16u_I(Zor16u* pSrcDst, int len);
ZORAPI ZorStatus zorsFlip_32f_I(Zor32f* pSrcDst, int len);
ZORAPI ZorStatus zorsFlip_64f_I(Zor64f* pSrcDst, int len);

/* Real, Imag, CplxToReal: the components of a complex vector. */
ZORAPI ZorStatus zorsReal_16sc(const Zor16sc* pSrc, Zor16s* pDstRe, int len);
ZORAPI ZorStatus zorsReal_32fc(const Zor32fc* pSrc, Zor32f* pDstRe, int len);
ZORAPI ZorStatus zorsReal_64fc(const Zor64fc* pSrc, Zor64f* pDstRe, int len);
ZORAPI ZorStatus zorsImag_16sc(const Zor16sc* pSrc, Zor16s* pDstIm, int len);
ZORAPI ZorStatus zorsImag_32fc(const Zor32fc* pSrc, Zor32f* pDstIm, int len);
ZORAPI ZorStatus zorsImag_64fc(const Zor64fc* pSrc, Zor64f* pDstIm, int len);
ZORAPI ZorStatus zorsCplxToReal_16sc(const Zor16sc* pSrc, Zor16s* pDstRe, Zor16s* pDstIm, int len);
ZORAPI ZorStatus zorsCplxToReal_32fc(const Zor32fc* pSrc, Zor32f* pDstRe, Zor32f* pDstIm, int len);
ZORAPI ZorStatus zorsCplxToReal_64fc(const Zor64fc* pSrc, Zor64f* pDstRe, Zor64f* pDstIm, int len);

/* RealToCplx: pDst[n] = (pSrcRe[n], pSrcIm[n]); a null part means zeros. */
ZORAPI ZorStatus zorsRealToCplx_16s(const Zor16s* pSrcRe, const Zor16s* pSrcIm, Zor16sc* pDst, int len);
ZORAPI ZorStatus zorsRealToCplx_32f(const Zor32f* pSrcRe, const Zor32f* pSrcIm, Zor32fc* pDst, int len);
ZORAPI ZorStatus zorsRealToCplx_64f(const Zor64f* pSrcRe, const Zor64f* pSrcIm, Zor64fc* pDst, int len);

/* Conj: (re, -im), saturating for 16sc; ConjFlip conjugates in reverse order. */
ZORAPI ZorStatus zorsConj_16sc(const Zor16sc* pSrc, Zor16sc* pDst, int len);
ZORAPI ZorStatus zorsConj_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len);
ZORAPI ZorStatus zorsConj_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int len);
ZORAPI ZorStatus zorsConj_16sc_I(Zor16sc* pSrcDst, int len);
ZORAPI ZorStatus zorsConj_32fc_I(Zor32fc* pSrcDst, int len);
ZORAPI ZorStatus zorsConj_64fc_I(Zor64fc* pSrcDst, int len);
ZORAPI ZorStatus zorsConjFlip_16sc(const Zor16sc* pSrc, Zor16sc* pDst, int len);
ZORAPI ZorStatus zorsConjFlip_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len);
ZORAPI ZorStatus zorsConjFlip_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int len);

/* Join: interleave nChannels Zor32f channels into one Zor16s stream, rounding
   to nearest (ties to even) and saturating. */
ZORAPI ZorStatus zorsJoin_32f16s_D2L(const Zor32f** ppSrc, int nChannels, int chanLen, Zor16s* pDst);

/* Convert, widening: the exact value in the wider type (sign or zero
   extension). 24u/24s vectors are packed 3-byte little-endian integers. */
ZORAPI ZorStatus zorsConvert_8s16s(const Zor8s* pSrc, Zor16s* pDst, int len);
ZORAPI ZorStatus zorsConvert_16s32s(const Zor16s* pSrc, Zor32s* pDst, int len);
ZORAPI ZorStatus zorsConvert_8s32f(const Zor8s* pSrc, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsConvert_8u32f(const Zor8u* pSrc, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsConvert_16s32f(const Zor16s* pSrc, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsConvert_16u32f(const Zor16u* pSrc, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsConvert_32s64f(const Zor32s* pSrc, Zor64f* pDst, int len);
ZORAPI ZorStatus zorsConvert_32f64f(const Zor32f* pSrc, Zor64f* pDst, int len);
ZORAPI ZorStatus zorsConvert_24s32s(const Zor8u* pSrc, Zor32s* pDst, int len);
ZORAPI ZorStatus zorsConvert_24u32u(const Zor8u* pSrc, Zor32u* pDst, int len);
ZORAPI ZorStatus zorsConvert_24s32f(const Zor8u* pSrc, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsConvert_24u32f(const Zor8u* pSrc, Zor32f* pDst, int len);

/* Convert, rounded in the caller's current rounding mode (64f32f overflows
   to infinity in the default mode). */
ZORAPI ZorStatus zorsConvert_32s32f(const Zor32s* pSrc, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsConvert_64f32f(const Zor64f* pSrc, Zor32f* pDst, int len);

/* Convert, integer narrowing: saturated; the _Sfs forms scale first (round to
   nearest, ties to even; factors limited to -15..31 for 16s, -31..31 for 24s
   and 24u). */
ZORAPI ZorStatus zorsConvert_32s16s(const Zor32s* pSrc, Zor16s* pDst, int len);
ZORAPI ZorStatus zorsConvert_32s16s_Sfs(const Zor32s* pSrc, Zor16s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsConvert_32s24s_Sfs(const Zor32s* pSrc, Zor8u* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsConvert_32u24u_Sfs(const Zor32u* pSrc, Zor8u* pDst, int len, int scaleFactor);

/* Convert, integer to floating point times 2^-scaleFactor. */
ZORAPI ZorStatus zorsConvert_16s32f_Sfs(const Zor16s* pSrc, Zor32f* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsConvert_32s32f_Sfs(const Zor32s* pSrc, Zor32f* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsConvert_16s64f_Sfs(const Zor16s* pSrc, Zor64f* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsConvert_32s64f_Sfs(const Zor32s* pSrc, Zor64f* pDst, int len, int scaleFactor);

/* Convert, floating point to integer: times 2^-scaleFactor, rounded by
   rndMode (zorRndNear: nearest, ties to even; any other value: toward zero),
   saturated. The 24-bit forms always round to nearest, ties to even. */
ZORAPI ZorStatus zorsConvert_32f8s_Sfs(const Zor32f* pSrc, Zor8s* pDst, int len, ZorRoundMode rndMode, int scaleFactor);
ZORAPI ZorStatus zorsConvert_32f8u_Sfs(const Zor32f* pSrc, Zor8u* pDst, int len, ZorRoundMode rndMode, int scaleFactor);
ZORAPI ZorStatus zorsConvert_32f16s_Sfs(const Zor32f* pSrc, Zor16s* pDst, int len, ZorRoundMode rndMode, int scaleFactor);
ZORAPI ZorStatus zorsConvert_32f16u_Sfs(const Zor32f* pSrc, Zor16u* pDst, int len, ZorRoundMode rndMode, int scaleFactor);
ZORAPI ZorStatus zorsConvert_32f32s_Sfs(const Zor32f* pSrc, Zor32s* pDst, int len, ZorRoundMode rndMode, int scaleFactor);
ZORAPI ZorStatus zorsConvert_64f32s_Sfs(const Zor64f* pSrc, Zor32s* pDst, int len, ZorRoundMode rndMode, int scaleFactor);
ZORAPI ZorStatus zorsConvert_32f24s_Sfs(const Zor32f* pSrc, Zor8u* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsConvert_32f24u_Sfs(const Zor32f* pSrc, Zor8u* pDst, int len, int scaleFactor);

/* Convert, 16-bit floating point (IEEE binary16 bit patterns held in Zor16s
   words): 16f32f is exact; the others round by rndMode as above. */
ZORAPI ZorStatus zorsConvert_16f32f(const Zor16s* pSrc, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsConvert_32f16f(const Zor32f* pSrc, Zor16s* pDst, int len, ZorRoundMode rndMode);
ZORAPI ZorStatus zorsConvert_16s16f(const Zor16s* pSrc, Zor16s* pDst, int len, ZorRoundMode rndMode);
ZORAPI ZorStatus zorsConvert_16f16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, int len, ZorRoundMode rndMode, int scaleFactor);


/* Magnitude: sqrt(re^2 + im^2) of complex vectors or of separate parts;
   _Sfs results are scaled by 2^-scaleFactor, rounded to nearest (ties to
   even) and saturated. */
ZORAPI ZorStatus zorsMagnitude_32fc(const Zor32fc* pSrc, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsMagnitude_64fc(const Zor64fc* pSrc, Zor64f* pDst, int len);
ZORAPI ZorStatus zorsMagnitude_16sc32f(const Zor16sc* pSrc, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsMagnitude_32f(const Zor32f* pSrcRe, const Zor32f* pSrcIm, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsMagnitude_64f(const Zor64f* pSrcRe, const Zor64f* pSrcIm, Zor64f* pDst, int len);
ZORAPI ZorStatus zorsMagnitude_16s32f(const Zor16s* pSrcRe, const Zor16s* pSrcIm, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsMagnitude_16sc_Sfs(const Zor16sc* pSrc, Zor16s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsMagnitude_32sc_Sfs(const Zor32sc* pSrc, Zor32s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsMagnitude_16s_Sfs(const Zor16s* pSrcRe, const Zor16s* pSrcIm, Zor16s* pDst, int len, int scaleFactor);

/* MagSquared, PowerSpectr: re^2 + im^2 (integer forms exact, then scaled,
   rounded and saturated). */
ZORAPI ZorStatus zorsMagSquared_32sc32s_Sfs(const Zor32sc* pSrc, Zor32s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsPowerSpectr_32fc(const Zor32fc* pSrc, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsPowerSpectr_64fc(const Zor64fc* pSrc, Zor64f* pDst, int len);
ZORAPI ZorStatus zorsPowerSpectr_16sc32f(const Zor16sc* pSrc, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsPowerSpectr_32f(const Zor32f* pSrcRe, const Zor32f* pSrcIm, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsPowerSpectr_64f(const Zor64f* pSrcRe, const Zor64f* pSrcIm, Zor64f* pDst, int len);
ZORAPI ZorStatus zorsPowerSpectr_16s32f(const Zor16s* pSrcRe, const Zor16s* pSrcIm, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsPowerSpectr_16sc_Sfs(const Zor16sc* pSrc, Zor16s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsPowerSpectr_16s_Sfs(const Zor16s* pSrcRe, const Zor16s* pSrcIm, Zor16s* pDst, int len, int scaleFactor);

/* Phase: atan2(im, re) in [-pi, pi]; _Sfs scaled, rounded and saturated
   (16sc: zeros for factors of 2 and above). */
ZORAPI ZorStatus zorsPhase_32fc(const Zor32fc* pSrc, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsPhase_64fc(const Zor64fc* pSrc, Zor64f* pDst, int len);
ZORAPI ZorStatus zorsPhase_16sc32f(const Zor16sc* pSrc, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsPhase_32f(const Zor32f* pSrcRe, const Zor32f* pSrcIm, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsPhase_64f(const Zor64f* pSrcRe, const Zor64f* pSrcIm, Zor64f* pDst, int len);
ZORAPI ZorStatus zorsPhase_16s32f(const Zor16s* pSrcRe, const Zor16s* pSrcIm, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsPhase_16sc_Sfs(const Zor16sc* pSrc, Zor16s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsPhase_32sc_Sfs(const Zor32sc* pSrc, Zor32s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsPhase_16s_Sfs(const Zor16s* pSrcRe, const Zor16s* pSrcIm, Zor16s* pDst, int len, int scaleFactor);

/* CartToPolar: Magnitude into pDstMagn, then Phase into pDstPhase, each with
   its own checks (the Magnitude status wins when it is not 0).
   PolarToCart: (m cos p, m sin p). */
ZORAPI ZorStatus zorsCartToPolar_32fc(const Zor32fc* pSrc, Zor32f* pDstMagn, Zor32f* pDstPhase, int len);
ZORAPI ZorStatus zorsCartToPolar_64fc(const Zor64fc* pSrc, Zor64f* pDstMagn, Zor64f* pDstPhase, int len);
ZORAPI ZorStatus zorsCartToPolar_32f(const Zor32f* pSrcRe, const Zor32f* pSrcIm, Zor32f* pDstMagn, Zor32f* pDstPhase, int len);
ZORAPI ZorStatus zorsCartToPolar_64f(const Zor64f* pSrcRe, const Zor64f* pSrcIm, Zor64f* pDstMagn, Zor64f* pDstPhase, int len);
ZORAPI ZorStatus zorsPolarToCart_32fc(const Zor32f* pSrcMagn, const Zor32f* pSrcPhase, Zor32fc* pDst, int len);
ZORAPI ZorStatus zorsPolarToCart_64fc(const Zor64f* pSrcMagn, const Zor64f* pSrcPhase, Zor64fc* pDst, int len);
ZORAPI ZorStatus zorsPolarToCart_32f(const Zor32f* pSrcMagn, const Zor32f* pSrcPhase, Zor32f* pDstRe, Zor32f* pDstIm, int len);
ZORAPI ZorStatus zorsPolarToCart_64f(const Zor64f* pSrcMagn, const Zor64f* pSrcPhase, Zor64f* pDstRe, Zor64f* pDstIm, int len);

/* Comparison of the generic threshold: zorCmpGreater (4) selects
   greater-than, every other value less-than. */
typedef enum ZOR_ENUM_BASE {
    zorCmpLess = 0,
    zorCmpGreater = 4
} ZorCmpOp;

/* Threshold (generic), Threshold_LT, Threshold_GT: clamp to level from below
   (LT) or above (GT); complex elements by magnitude, keeping the phase (a
   zero below the level becomes (level, 0)); negative complex levels -19. */
ZORAPI ZorStatus zorsThreshold_16s(const Zor16s* pSrc, Zor16s* pDst, int len, Zor16s level, ZorCmpOp relOp);
ZORAPI ZorStatus zorsThreshold_16sc(const Zor16sc* pSrc, Zor16sc* pDst, int len, Zor16s level, ZorCmpOp relOp);
ZORAPI ZorStatus zorsThreshold_32f(const Zor32f* pSrc, Zor32f* pDst, int len, Zor32f level, ZorCmpOp relOp);
ZORAPI ZorStatus zorsThreshold_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len, Zor32f level, ZorCmpOp relOp);
ZORAPI ZorStatus zorsThreshold_64f(const Zor64f* pSrc, Zor64f* pDst, int len, Zor64f level, ZorCmpOp relOp);
ZORAPI ZorStatus zorsThreshold_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int len, Zor64f level, ZorCmpOp relOp);
ZORAPI ZorStatus zorsThreshold_16s_I(Zor16s* pSrcDst, int len, Zor16s level, ZorCmpOp relOp);
ZORAPI ZorStatus zorsThreshold_16sc_I(Zor16sc* pSrcDst, int len, Zor16s level, ZorCmpOp relOp);
ZORAPI ZorStatus zorsThreshold_32f_I(Zor32f* pSrcDst, int len, Zor32f level, ZorCmpOp relOp);
ZORAPI ZorStatus zorsThreshold_32fc_I(Zor32fc* pSrcDst, int len, Zor32f level, ZorCmpOp relOp);
ZORAPI ZorStatus zorsThreshold_64f_I(Zor64f* pSrcDst, int len, Zor64f level, ZorCmpOp relOp);
ZORAPI ZorStatus zorsThreshold_64fc_I(Zor64fc* pSrcDst, int len, Zor64f level, ZorCmpOp relOp);
ZORAPI ZorStatus zorsThreshold_LT_16s(const Zor16s* pSrc, Zor16s* pDst, int len, Zor16s level);
ZORAPI ZorStatus zorsThreshold_LT_16sc(const Zor16sc* pSrc, Zor16sc* pDst, int len, Zor16s level);
ZORAPI ZorStatus zorsThreshold_LT_32s(const Zor32s* pSrc, Zor32s* pDst, int len, Zor32s level);
ZORAPI ZorStatus zorsThreshold_LT_32f(const Zor32f* pSrc, Zor32f* pDst, int len, Zor32f level);
ZORAPI ZorStatus zorsThreshold_LT_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len, Zor32f level);
ZORAPI ZorStatus zorsThreshold_LT_64f(const Zor64f* pSrc, Zor64f* pDst, int len, Zor64f level);
ZORAPI ZorStatus zorsThreshold_LT_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int len, Zor64f level);
ZORAPI ZorStatus zorsThreshold_LT_16s_I(Zor16s* pSrcDst, int len, Zor16s level);
ZORAPI ZorStatus zorsThreshold_LT_16sc_I(Zor16sc* pSrcDst, int len, Zor16s level);
ZORAPI ZorStatus zorsThreshold_LT_32s_I(Zor32s* pSrcDst, int len, Zor32s level);
ZORAPI ZorStatus zorsThreshold_LT_32f_I(Zor32f* pSrcDst, int len, Zor32f level);
ZORAPI ZorStatus zorsThreshold_LT_32fc_I(Zor32fc* pSrcDst, int len, Zor32f level);
ZORAPI ZorStatus zorsThreshold_LT_64f_I(Zor64f* pSrcDst, int len, Zor64f level);
ZORAPI ZorStatus zorsThreshold_LT_64fc_I(Zor64fc* pSrcDst, int len, Zor64f level);
ZORAPI ZorStatus zorsThreshold_GT_16s(const Zor16s* pSrc, Zor16s* pDst, int len, Zor16s level);
ZORAPI ZorStatus zorsThreshold_GT_16sc(const Zor16sc* pSrc, Zor16sc* pDst, int len, Zor16s level);
ZORAPI ZorStatus zorsThreshold_GT_32f(const Zor32f* pSrc, Zor32f* pDst, int len, Zor32f level);
ZORAPI ZorStatus zorsThreshold_GT_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len, Zor32f level);
ZORAPI ZorStatus zorsThreshold_GT_64f(const Zor64f* pSrc, Zor64f* pDst, int len, Zor64f level);
ZORAPI ZorStatus zorsThreshold_GT_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int len, Zor64f level);
ZORAPI ZorStatus zorsThreshold_GT_16s_I(Zor16s* pSrcDst, int len, Zor16s level);
ZORAPI ZorStatus zorsThreshold_GT_16sc_I(Zor16sc* pSrcDst, int len, Zor16s level);
ZORAPI ZorStatus zorsThreshold_GT_32f_I(Zor32f* pSrcDst, int len, Zor32f level);
ZORAPI ZorStatus zorsThreshold_GT_32fc_I(Zor32fc* pSrcDst, int len, Zor32f level);
ZORAPI ZorStatus zorsThreshold_GT_64f_I(Zor64f* pSrcDst, int len, Zor64f level);
ZORAPI ZorStatus zorsThreshold_GT_64fc_I(Zor64fc* pSrcDst, int len, Zor64f level);

/* Threshold_LTVal, _GTVal: value where the element (its magnitude for
   complex data) is below / above level; LTValGTVal both, levelGT >= levelLT
   (else -18). */
ZORAPI ZorStatus zorsThreshold_LTVal_16s(const Zor16s* pSrc, Zor16s* pDst, int len, Zor16s level, Zor16s value);
ZORAPI ZorStatus zorsThreshold_LTVal_16sc(const Zor16sc* pSrc, Zor16sc* pDst, int len, Zor16s level, Zor16sc value);
ZORAPI ZorStatus zorsThreshold_LTVal_32f(const Zor32f* pSrc, Zor32f* pDst, int len, Zor32f level, Zor32f value);
ZORAPI ZorStatus zorsThreshold_LTVal_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len, Zor32f level, Zor32fc value);
ZORAPI ZorStatus zorsThreshold_LTVal_64f(const Zor64f* pSrc, Zor64f* pDst, int len, Zor64f level, Zor64f value);
ZORAPI ZorStatus zorsThreshold_LTVal_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int len, Zor64f level, Zor64fc value);
ZORAPI ZorStatus zorsThreshold_LTVal_16s_I(Zor16s* pSrcDst, int len, Zor16s level, Zor16s value);
ZORAPI ZorStatus zorsThreshold_LTVal_16sc_I(Zor16sc* pSrcDst, int len, Zor16s level, Zor16sc value);
ZORAPI ZorStatus zorsThreshold_LTVal_32f_I(Zor32f* pSrcDst, int len, Zor32f level, Zor32f value);
ZORAPI ZorStatus zorsThreshold_LTVal_32fc_I(Zor32fc* pSrcDst, int len, Zor32f level, Zor32fc value);
ZORAPI ZorStatus zorsThreshold_LTVal_64f_I(Zor64f* pSrcDst, int len, Zor64f level, Zor64f value);
ZORAPI ZorStatus zorsThreshold_LTVal_64fc_I(Zor64fc* pSrcDst, int len, Zor64f level, Zor64fc value);
ZORAPI ZorStatus zorsThreshold_GTVal_16s(const Zor16s* pSrc, Zor16s* pDst, int len, Zor16s level, Zor16s value);
ZORAPI ZorStatus zorsThreshold_GTVal_16sc(const Zor16sc* pSrc, Zor16sc* pDst, int len, Zor16s level, Zor16sc value);
ZORAPI ZorStatus zorsThreshold_GTVal_32f(const Zor32f* pSrc, Zor32f* pDst, int len, Zor32f level, Zor32f value);
ZORAPI ZorStatus zorsThreshold_GTVal_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len, Zor32f level, Zor32fc value);
ZORAPI ZorStatus zorsThreshold_GTVal_64f(const Zor64f* pSrc, Zor64f* pDst, int len, Zor64f level, Zor64f value);
ZORAPI ZorStatus zorsThreshold_GTVal_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int len, Zor64f level, Zor64fc value);
ZORAPI ZorStatus zorsThreshold_GTVal_16s_I(Zor16s* pSrcDst, int len, Zor16s level, Zor16s value);
ZORAPI ZorStatus zorsThreshold_GTVal_16sc_I(Zor16sc* pSrcDst, int len, Zor16s level, Zor16sc value);
ZORAPI ZorStatus zorsThreshold_GTVal_32f_I(Zor32f* pSrcDst, int len, Zor32f level, Zor32f value);
ZORAPI ZorStatus zorsThreshold_GTVal_32fc_I(Zor32fc* pSrcDst, int len, Zor32f level, Zor32fc value);
ZORAPI ZorStatus zorsThreshold_GTVal_64f_I(Zor64f* pSrcDst, int len, Zor64f level, Zor64f value);
ZORAPI ZorStatus zorsThreshold_GTVal_64fc_I(Zor64fc* pSrcDst, int len, Zor64f level, Zor64fc value);
ZORAPI ZorStatus zorsThreshold_LTValGTVal_16s(const Zor16s* pSrc, Zor16s* pDst, int len, Zor16s levelLT, Zor16s valueLT, Zor16s levelGT, Zor16s valueGT);
ZORAPI ZorStatus zorsThreshold_LTValGTVal_32f(const Zor32f* pSrc, Zor32f* pDst, int len, Zor32f levelLT, Zor32f valueLT, Zor32f levelGT, Zor32f valueGT);
ZORAPI ZorStatus zorsThreshold_LTValGTVal_64f(const Zor64f* pSrc, Zor64f* pDst, int len, Zor64f levelLT, Zor64f valueLT, Zor64f levelGT, Zor64f valueGT);
ZORAPI ZorStatus zorsThreshold_LTValGTVal_16s_I(Zor16s* pSrcDst, int len, Zor16s levelLT, Zor16s valueLT, Zor16s levelGT, Zor16s valueGT);
ZORAPI ZorStatus zorsThreshold_LTValGTVal_32f_I(Zor32f* pSrcDst, int len, Zor32f levelLT, Zor32f valueLT, Zor32f levelGT, Zor32f valueGT);
ZORAPI ZorStatus zorsThreshold_LTValGTVal_64f_I(Zor64f* pSrcDst, int len, Zor64f levelLT, Zor64f valueLT, Zor64f levelGT, Zor64f valueGT);

/* Threshold_LTInv: 1/x, with +-1/level where |x| <= level (a positive
   level); level 0 and a zero element give infinity and the warning 4. */
ZORAPI ZorStatus zorsThreshold_LTInv_32f(const Zor32f* pSrc, Zor32f* pDst, int len, Zor32f level);
ZORAPI ZorStatus zorsThreshold_LTInv_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len, Zor32f level);
ZORAPI ZorStatus zorsThreshold_LTInv_64f(const Zor64f* pSrc, Zor64f* pDst, int len, Zor64f level);
ZORAPI ZorStatus zorsThreshold_LTInv_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int len, Zor64f level);
ZORAPI ZorStatus zorsThreshold_LTInv_32f_I(Zor32f* pSrcDst, int len, Zor32f level);
ZORAPI ZorStatus zorsThreshold_LTInv_32fc_I(Zor32fc* pSrcDst, int len, Zor32f level);
ZORAPI ZorStatus zorsThreshold_LTInv_64f_I(Zor64f* pSrcDst, int len, Zor64f level);
ZORAPI ZorStatus zorsThreshold_LTInv_64fc_I(Zor64fc* pSrcDst, int len, Zor64f level);

/* G.711 companding: A-law and mu-law codes (as transmitted) to and from
   linear samples (Zor32f full scale 1.0 = 32768), and code to code. */
ZORAPI ZorStatus zorsALawToLin_8u16s(const Zor8u* pSrc, Zor16s* pDst, int len);
ZORAPI ZorStatus zorsMuLawToLin_8u16s(const Zor8u* pSrc, Zor16s* pDst, int len);
ZORAPI ZorStatus zorsALawToLin_8u32f(const Zor8u* pSrc, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsMuLawToLin_8u32f(const Zor8u* pSrc, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsALawToMuLaw_8u(const Zor8u* pSrc, Zor8u* pDst, int len);
ZORAPI ZorStatus zorsMuLawToALaw_8u(const Zor8u* pSrc, Zor8u* pDst, int len);
ZORAPI ZorStatus zorsLinToALaw_16s8u(const Zor16s* pSrc, Zor8u* pDst, int len);
ZORAPI ZorStatus zorsLinToMuLaw_16s8u(const Zor16s* pSrc, Zor8u* pDst, int len);
ZORAPI ZorStatus zorsLinToALaw_32f8u(const Zor32f* pSrc, Zor8u* pDst, int len);
ZORAPI ZorStatus zorsLinToMuLaw_32f8u(const Zor32f* pSrc, Zor8u* pDst, int len);

/* (end of convert) */

/* ======================================================================== */
/* stats: reductions, extrema, ordering and search                          */
/* ======================================================================== */

/* Sum: the sum of the elements. 32f/32fc with the fast hint (1) sum in
   single-precision lanes carried into double every 32768 elements, any other
   hint in eight double partial sums; 16-bit sources sum exactly in 64 bits. */
ZORAPI ZorStatus zorsSum_32f(const Zor32f* pSrc, int len, Zor32f* pSum, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsSum_32fc(const Zor32fc* pSrc, int len, Zor32fc* pSum, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsSum_64f(const Zor64f* pSrc, int len, Zor64f* pSum);
ZORAPI ZorStatus zorsSum_64fc(const Zor64fc* pSrc, int len, Zor64fc* pSum);
ZORAPI ZorStatus zorsSum_16s_Sfs(const Zor16s* pSrc, int len, Zor16s* pSum, int scaleFactor);
ZORAPI ZorStatus zorsSum_16sc_Sfs(const Zor16sc* pSrc, int len, Zor16sc* pSum, int scaleFactor);
ZORAPI ZorStatus zorsSum_16s32s_Sfs(const Zor16s* pSrc, int len, Zor32s* pSum, int scaleFactor);
ZORAPI ZorStatus zorsSum_16sc32sc_Sfs(const Zor16sc* pSrc, int len, Zor32sc* pSum, int scaleFactor);
ZORAPI ZorStatus zorsSum_32s_Sfs(const Zor32s* pSrc, int len, Zor32s* pSum, int scaleFactor);

/* Mean: the sum (same accumulation) divided by len in double; 16-bit forms
   scale the exact sum, divide, round to nearest even and saturate. */
ZORAPI ZorStatus zorsMean_32f(const Zor32f* pSrc, int len, Zor32f* pMean, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsMean_32fc(const Zor32fc* pSrc, int len, Zor32fc* pMean, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsMean_64f(const Zor64f* pSrc, int len, Zor64f* pMean);
ZORAPI ZorStatus zorsMean_64fc(const Zor64fc* pSrc, int len, Zor64fc* pMean);
ZORAPI ZorStatus zorsMean_16s_Sfs(const Zor16s* pSrc, int len, Zor16s* pMean, int scaleFactor);
ZORAPI ZorStatus zorsMean_16sc_Sfs(const Zor16sc* pSrc, int len, Zor16sc* pMean, int scaleFactor);

/* StdDev: sample standard deviation (divisor len - 1, len >= 2) by the
   one-pass formula in double. */
ZORAPI ZorStatus zorsStdDev_32f(const Zor32f* pSrc, int len, Zor32f* pStdDev, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsStdDev_64f(const Zor64f* pSrc, int len, Zor64f* pStdDev);
ZORAPI ZorStatus zorsStdDev_16s32s_Sfs(const Zor16s* pSrc, int len, Zor32s* pStdDev, int scaleFactor);
ZORAPI ZorStatus zorsStdDev_16s_Sfs(const Zor16s* pSrc, int len, Zor16s* pStdDev, int scaleFactor);

/* Norm: Inf (largest magnitude), L1 (sum of magnitudes), L2 (root of the sum
   of squares); the _Sfs forms truncate when scaling. */
ZORAPI ZorStatus zorsNorm_Inf_32f(const Zor32f* pSrc, int len, Zor32f* pNorm);
ZORAPI ZorStatus zorsNorm_Inf_64f(const Zor64f* pSrc, int len, Zor64f* pNorm);
ZORAPI ZorStatus zorsNorm_Inf_16s32f(const Zor16s* pSrc, int len, Zor32f* pNorm);
ZORAPI ZorStatus zorsNorm_Inf_16s32s_Sfs(const Zor16s* pSrc, int len, Zor32s* pNorm, int scaleFactor);
ZORAPI ZorStatus zorsNorm_Inf_32fc32f(const Zor32fc* pSrc, int len, Zor32f* pNorm);
ZORAPI ZorStatus zorsNorm_Inf_64fc64f(const Zor64fc* pSrc, int len, Zor64f* pNorm);
ZORAPI ZorStatus zorsNorm_L1_32f(const Zor32f* pSrc, int len, Zor32f* pNorm);
ZORAPI ZorStatus zorsNorm_L1_64f(const Zor64f* pSrc, int len, Zor64f* pNorm);
ZORAPI ZorStatus zorsNorm_L1_16s32f(const Zor16s* pSrc, int len, Zor32f* pNorm);
ZORAPI ZorStatus zorsNorm_L1_16s32s_Sfs(const Zor16s* pSrc, int len, Zor32s* pNorm, int scaleFactor);
ZORAPI ZorStatus zorsNorm_L1_32fc64f(const Zor32fc* pSrc, int len, Zor64f* pNorm);
ZORAPI ZorStatus zorsNorm_L1_64fc64f(const Zor64fc* pSrc, int len, Zor64f* pNorm);
ZORAPI ZorStatus zorsNorm_L2_32f(const Zor32f* pSrc, int len, Zor32f* pNorm);
ZORAPI ZorStatus zorsNorm_L2_64f(const Zor64f* pSrc, int len, Zor64f* pNorm);
ZORAPI ZorStatus zorsNorm_L2_16s32f(const Zor16s* pSrc, int len, Zor32f* pNorm);
ZORAPI ZorStatus zorsNorm_L2_16s32s_Sfs(const Zor16s* pSrc, int len, Zor32s* pNorm, int scaleFactor);
ZORAPI ZorStatus zorsNorm_L2_32fc64f(const Zor32fc* pSrc, int len, Zor64f* pNorm);
ZORAPI ZorStatus zorsNorm_L2_64fc64f(const Zor64fc* pSrc, int len, Zor64f* pNorm);

/* NormDiff: the norms of pSrc1[n] - pSrc2[n]. */
ZORAPI ZorStatus zorsNormDiff_Inf_32f(const Zor32f* pSrc1, const Zor32f* pSrc2, int len, Zor32f* pNorm);
ZORAPI ZorStatus zorsNormDiff_Inf_64f(const Zor64f* pSrc1, const Zor64f* pSrc2, int len, Zor64f* pNorm);
ZORAPI ZorStatus zorsNormDiff_Inf_16s32f(const Zor16s* pSrc1, const Zor16s* pSrc2, int len, Zor32f* pNorm);
ZORAPI ZorStatus zorsNormDiff_Inf_16s32s_Sfs(const Zor16s* pSrc1, const Zor16s* pSrc2, int len, Zor32s* pNorm, int scaleFactor);
ZORAPI ZorStatus zorsNormDiff_Inf_32fc32f(const Zor32fc* pSrc1, const Zor32fc* pSrc2, int len, Zor32f* pNorm);
ZORAPI ZorStatus zorsNormDiff_Inf_64fc64f(const Zor64fc* pSrc1, const Zor64fc* pSrc2, int len, Zor64f* pNorm);
ZORAPI ZorStatus zorsNormDiff_L1_32f(const Zor32f* pSrc1, const Zor32f* pSrc2, int len, Zor32f* pNorm);
ZORAPI ZorStatus zorsNormDiff_L1_64f(const Zor64f* pSrc1, const Zor64f* pSrc2, int len, Zor64f* pNorm);
ZORAPI ZorStatus zorsNormDiff_L1_16s32f(const Zor16s* pSrc1, const Zor16s* pSrc2, int len, Zor32f* pNorm);
ZORAPI ZorStatus zorsNormDiff_L1_16s32s_Sfs(const Zor16s* pSrc1, const Zor16s* pSrc2, int len, Zor32s* pNorm, int scaleFactor);
ZORAPI ZorStatus zorsNormDiff_L1_32fc64f(const Zor32fc* pSrc1, const Zor32fc* pSrc2, int len, Zor64f* pNorm);
ZORAPI ZorStatus zorsNormDiff_L1_64fc64f(const Zor64fc* pSrc1, const Zor64fc* pSrc2, int len, Zor64f* pNorm);
ZORAPI ZorStatus zorsNormDiff_L2_32f(const Zor32f* pSrc1, const Zor32f* pSrc2, int len, Zor32f* pNorm);
ZORAPI ZorStatus zorsNormDiff_L2_64f(const Zor64f* pSrc1, const Zor64f* pSrc2, int len, Zor64f* pNorm);
ZORAPI ZorStatus zorsNormDiff_L2_16s32f(const Zor16s* pSrc1, const Zor16s* pSrc2, int len, Zor32f* pNorm);
ZORAPI ZorStatus zorsNormDiff_L2_16s32s_Sfs(const Zor16s* pSrc1, const Zor16s* pSrc2, int len, Zor32s* pNorm, int scaleFactor);
ZORAPI ZorStatus zorsNormDiff_L2_32fc64f(const Zor32fc* pSrc1, const Zor32fc* pSrc2, int len, Zor64f* pNorm);
ZORAPI ZorStatus zorsNormDiff_L2_64fc64f(const Zor64fc* pSrc1, const Zor64fc* pSrc2, int len, Zor64f* pNorm);

/* DotProd: the sum of pSrc1[n] * pSrc2[n], no conjugation; a real operand
   scales both parts of a complex one. */
ZORAPI ZorStatus zorsDotProd_32f(const Zor32f* pSrc1, const Zor32f* pSrc2, int len, Zor32f* pDp);
ZORAPI ZorStatus zorsDotProd_32fc(const Zor32fc* pSrc1, const Zor32fc* pSrc2, int len, Zor32fc* pDp);
ZORAPI ZorStatus zorsDotProd_32f32fc(const Zor32f* pSrc1, const Zor32fc* pSrc2, int len, Zor32fc* pDp);
ZORAPI ZorStatus zorsDotProd_32f64f(const Zor32f* pSrc1, const Zor32f* pSrc2, int len, Zor64f* pDp);
ZORAPI ZorStatus zorsDotProd_32fc64fc(const Zor32fc* pSrc1, const Zor32fc* pSrc2, int len, Zor64fc* pDp);
ZORAPI ZorStatus zorsDotProd_32f32fc64fc(const Zor32f* pSrc1, const Zor32fc* pSrc2, int len, Zor64fc* pDp);
ZORAPI ZorStatus zorsDotProd_64f(const Zor64f* pSrc1, const Zor64f* pSrc2, int len, Zor64f* pDp);
ZORAPI ZorStatus zorsDotProd_64fc(const Zor64fc* pSrc1, const Zor64fc* pSrc2, int len, Zor64fc* pDp);
ZORAPI ZorStatus zorsDotProd_64f64fc(const Zor64f* pSrc1, const Zor64fc* pSrc2, int len, Zor64fc* pDp);
ZORAPI ZorStatus zorsDotProd_16s64s(const Zor16s* pSrc1, const Zor16s* pSrc2, int len, Zor64s* pDp);
ZORAPI ZorStatus zorsDotProd_16sc64sc(const Zor16sc* pSrc1, const Zor16sc* pSrc2, int len, Zor64sc* pDp);
ZORAPI ZorStatus zorsDotProd_16s16sc64sc(const Zor16s* pSrc1, const Zor16sc* pSrc2, int len, Zor64sc* pDp);
ZORAPI ZorStatus zorsDotProd_16s32f(const Zor16s* pSrc1, const Zor16s* pSrc2, int len, Zor32f* pDp);
ZORAPI ZorStatus zorsDotProd_16sc32fc(const Zor16sc* pSrc1, const Zor16sc* pSrc2, int len, Zor32fc* pDp);
ZORAPI ZorStatus zorsDotProd_16s16sc32fc(const Zor16s* pSrc1, const Zor16sc* pSrc2, int len, Zor32fc* pDp);
ZORAPI ZorStatus zorsDotProd_16s_Sfs(const Zor16s* pSrc1, const Zor16s* pSrc2, int len, Zor16s* pDp, int scaleFactor);
ZORAPI ZorStatus zorsDotProd_16sc_Sfs(const Zor16sc* pSrc1, const Zor16sc* pSrc2, int len, Zor16sc* pDp, int scaleFactor);
ZORAPI ZorStatus zorsDotProd_16s16sc_Sfs(const Zor16s* pSrc1, const Zor16sc* pSrc2, int len, Zor16sc* pDp, int scaleFactor);
ZORAPI ZorStatus zorsDotProd_16s32s_Sfs(const Zor16s* pSrc1, const Zor16s* pSrc2, int len, Zor32s* pDp, int scaleFactor);
ZORAPI ZorStatus zorsDotProd_16sc32sc_Sfs(const Zor16sc* pSrc1, const Zor16sc* pSrc2, int len, Zor32sc* pDp, int scaleFactor);
ZORAPI ZorStatus zorsDotProd_16s16sc32sc_Sfs(const Zor16s* pSrc1, const Zor16sc* pSrc2, int len, Zor32sc* pDp, int scaleFactor);
ZORAPI ZorStatus zorsDotProd_32s_Sfs(const Zor32s* pSrc1, const Zor32s* pSrc2, int len, Zor32s* pDp, int scaleFactor);
ZORAPI ZorStatus zorsDotProd_32sc_Sfs(const Zor32sc* pSrc1, const Zor32sc* pSrc2, int len, Zor32sc* pDp, int scaleFactor);
ZORAPI ZorStatus zorsDotProd_32s32sc_Sfs(const Zor32s* pSrc1, const Zor32sc* pSrc2, int len, Zor32sc* pDp, int scaleFactor);
ZORAPI ZorStatus zorsDotProd_16s32s32s_Sfs(const Zor16s* pSrc1, const Zor32s* pSrc2, int len, Zor32s* pDp, int scaleFactor);

/* Max, Min: the largest (smallest) element; floating types compare ordered
   (NaN elements after the first are passed over). */
ZORAPI ZorStatus zorsMax_16s(const Zor16s* pSrc, int len, Zor16s* pMax);
ZORAPI ZorStatus zorsMax_32f(const Zor32f* pSrc, int len, Zor32f* pMax);
ZORAPI ZorStatus zorsMax_64f(const Zor64f* pSrc, int len, Zor64f* pMax);
ZORAPI ZorStatus zorsMin_16s(const Zor16s* pSrc, int len, Zor16s* pMin);
ZORAPI ZorStatus zorsMin_32f(const Zor32f* pSrc, int len, Zor32f* pMin);
ZORAPI ZorStatus zorsMin_64f(const Zor64f* pSrc, int len, Zor64f* pMin);

/* MinMax: both extremes in one pass. */
ZORAPI ZorStatus zorsMinMax_8u(const Zor8u* pSrc, int len, Zor8u* pMin, Zor8u* pMax);
ZORAPI ZorStatus zorsMinMax_16s(const Zor16s* pSrc, int len, Zor16s* pMin, Zor16s* pMax);
ZORAPI ZorStatus zorsMinMax_16u(const Zor16u* pSrc, int len, Zor16u* pMin, Zor16u* pMax);
ZORAPI ZorStatus zorsMinMax_32s(const Zor32s* pSrc, int len, Zor32s* pMin, Zor32s* pMax);
ZORAPI ZorStatus zorsMinMax_32u(const Zor32u* pSrc, int len, Zor32u* pMin, Zor32u* pMax);
ZORAPI ZorStatus zorsMinMax_32f(const Zor32f* pSrc, int len, Zor32f* pMin, Zor32f* pMax);
ZORAPI ZorStatus zorsMinMax_64f(const Zor64f* pSrc, int len, Zor64f* pMin, Zor64f* pMax);

/* MaxIndx, MinIndx: the extreme and the index of its first occurrence; a
   null pIndx is allowed. */
ZORAPI ZorStatus zorsMaxIndx_16s(const Zor16s* pSrc, int len, Zor16s* pMax, int* pIndx);
ZORAPI ZorStatus zorsMaxIndx_32f(const Zor32f* pSrc, int len, Zor32f* pMax, int* pIndx);
ZORAPI ZorStatus zorsMaxIndx_64f(const Zor64f* pSrc, int len, Zor64f* pMax, int* pIndx);
ZORAPI ZorStatus zorsMinIndx_16s(const Zor16s* pSrc, int len, Zor16s* pMin, int* pIndx);
ZORAPI ZorStatus zorsMinIndx_32f(const Zor32f* pSrc, int len, Zor32f* pMin, int* pIndx);
ZORAPI ZorStatus zorsMinIndx_64f(const Zor64f* pSrc, int len, Zor64f* pMin, int* pIndx);

/* MinMaxIndx: both extremes with the indices of their first occurrences. */
ZORAPI ZorStatus zorsMinMaxIndx_8u(const Zor8u* pSrc, int len, Zor8u* pMin, int* pMinIndx, Zor8u* pMax, int* pMaxIndx);
ZORAPI ZorStatus zorsMinMaxIndx_16s(const Zor16s* pSrc, int len, Zor16s* pMin, int* pMinIndx, Zor16s* pMax, int* pMaxIndx);
ZORAPI ZorStatus zorsMinMaxIndx_16u(const Zor16u* pSrc, int len, Zor16u* pMin, int* pMinIndx, Zor16u* pMax, int* pMaxIndx);
ZORAPI ZorStatus zorsMinMaxIndx_32s(const Zor32s* pSrc, int len, Zor32s* pMin, int* pMinIndx, Zor32s* pMax, int* pMaxIndx);
ZORAPI ZorStatus zorsMinMaxIndx_32u(const Zor32u* pSrc, int len, Zor32u* pMin, int* pMinIndx, Zor32u* pMax, int* pMaxIndx);
ZORAPI ZorStatus zorsMinMaxIndx_32f(const Zor32f* pSrc, int len, Zor32f* pMin, int* pMinIndx, Zor32f* pMax, int* pMaxIndx);
ZORAPI ZorStatus zorsMinMaxIndx_64f(const Zor64f* pSrc, int len, Zor64f* pMin, int* pMinIndx, Zor64f* pMax, int* pMaxIndx);

/* MaxEvery, MinEvery: pSrcDst[n] = max(pSrc[n], pSrcDst[n]) (min). */
ZORAPI ZorStatus zorsMaxEvery_16s_I(const Zor16s* pSrc, Zor16s* pSrcDst, int len);
ZORAPI ZorStatus zorsMaxEvery_32s_I(const Zor32s* pSrc, Zor32s* pSrcDst, int len);
ZORAPI ZorStatus zorsMaxEvery_32f_I(const Zor32f* pSrc, Zor32f* pSrcDst, int len);
ZORAPI ZorStatus zorsMinEvery_16s_I(const Zor16s* pSrc, Zor16s* pSrcDst, int len);
ZORAPI ZorStatus zorsMinEvery_32s_I(const Zor32s* pSrc, Zor32s* pSrcDst, int len);
ZORAPI ZorStatus zorsMinEvery_32f_I(const Zor32f* pSrc, Zor32f* pSrcDst, int len);

/* MaxOrder: the smallest e with max|x| < 2^e (floating: from the exponent
   field; infinities and NaN are skipped with warning 9). Checks len first. */
ZORAPI ZorStatus zorsMaxOrder_16s(const Zor16s* pSrc, int len, int* pOrder);
ZORAPI ZorStatus zorsMaxOrder_32s(const Zor32s* pSrc, int len, int* pOrder);
ZORAPI ZorStatus zorsMaxOrder_32f(const Zor32f* pSrc, int len, int* pOrder);
ZORAPI ZorStatus zorsMaxOrder_64f(const Zor64f* pSrc, int len, int* pOrder);

/* SortAscend, SortDescend: in-place sort into non-decreasing
   (non-increasing) order. */
ZORAPI ZorStatus zorsSortAscend_8u_I(Zor8u* pSrcDst, int len);
ZORAPI ZorStatus zorsSortAscend_16s_I(Zor16s* pSrcDst, int len);
ZORAPI ZorStatus zorsSortAscend_32s_I(Zor32s* pSrcDst, int len);
ZORAPI ZorStatus zorsSortAscend_32f_I(Zor32f* pSrcDst, int len);
ZORAPI ZorStatus zorsSortAscend_64f_I(Zor64f* pSrcDst, int len);
ZORAPI ZorStatus zorsSortDescend_8u_I(Zor8u* pSrcDst, int len);
ZORAPI ZorStatus zorsSortDescend_16s_I(Zor16s* pSrcDst, int len);
ZORAPI ZorStatus zorsSortDescend_32s_I(Zor32s* pSrcDst, int len);
ZORAPI ZorStatus zorsSortDescend_32f_I(Zor32f* pSrcDst, int len);
ZORAPI ZorStatus zorsSortDescend_64f_I(Zor64f* pSrcDst, int len);

/* FindNearestOne, FindNearest: the entry of an ascending table nearest to
   each value (a tie takes the lower index). */
ZORAPI ZorStatus zorsFindNearestOne_16u(Zor16u inpVal, Zor16u* pOutVal, int* pOutIndex, const Zor16u* pTable, int tblLen);
ZORAPI ZorStatus zorsFindNearest_16u(const Zor16u* pVals, Zor16u* pOutVals, int* pOutIndexes, int len, const Zor16u* pTable, int tblLen);

/* (end of stats) */

/* ======================================================================== */
/* gen: tone and triangle generators, random generators, windows            */
/* ======================================================================== */

/* Generator and random states (opaque; the first word identifies the kind). */
typedef struct ZorsToneState_16s ZorsToneState_16s;
typedef struct ZorsTriangleState_16s ZorsTriangleState_16s;
typedef struct ZorsRandUniState_8u ZorsRandUniState_8u;
typedef struct ZorsRandUniState_16s ZorsRandUniState_16s;
typedef struct ZorsRandUniState_32f ZorsRandUniState_32f;
typedef struct ZorsRandGaussState_8u ZorsRandGaussState_8u;
typedef struct ZorsRandGaussState_16s ZorsRandGaussState_16s;
typedef struct ZorsRandGaussState_32f ZorsRandGaussState_32f;

/* Tone_Direct: magn*cos(2*pi*rFreq*n + phase) (complex: cos + i*sin);
   *pPhase receives the phase of the next block. Triangle_Direct: the
   triangle wave of asymmetry asym in (-pi, pi). */
ZORAPI ZorStatus zorsTone_Direct_32f(Zor32f* pDst, int len, float magn, float rFreq, float* pPhase, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsTone_Direct_32fc(Zor32fc* pDst, int len, float magn, float rFreq, float* pPhase, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsTone_Direct_64f(Zor64f* pDst, int len, double magn, double rFreq, double* pPhase, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsTone_Direct_64fc(Zor64fc* pDst, int len, double magn, double rFreq, double* pPhase, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsTone_Direct_16s(Zor16s* pDst, int len, Zor16s magn, float rFreq, float* pPhase, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsTone_Direct_16sc(Zor16sc* pDst, int len, Zor16s magn, float rFreq, float* pPhase, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsTriangle_Direct_32f(Zor32f* pDst, int len, float magn, float rFreq, float asym, float* pPhase);
ZORAPI ZorStatus zorsTriangle_Direct_32fc(Zor32fc* pDst, int len, float magn, float rFreq, float asym, float* pPhase);
ZORAPI ZorStatus zorsTriangle_Direct_64f(Zor64f* pDst, int len, double magn, double rFreq, double asym, double* pPhase);
ZORAPI ZorStatus zorsTriangle_Direct_64fc(Zor64fc* pDst, int len, double magn, double rFreq, double asym, double* pPhase);
ZORAPI ZorStatus zorsTriangle_Direct_16s(Zor16s* pDst, int len, Zor16s magn, float rFreq, float asym, float* pPhase);
ZORAPI ZorStatus zorsTriangle_Direct_16sc(Zor16sc* pDst, int len, Zor16s magn, float rFreq, float asym, float* pPhase);

/* Q15 tone and triangle: parameters times 2^15; the state forms continue
   the waveform across calls. */
ZORAPI ZorStatus zorsToneQ15_Direct_16s(Zor16s* pDst, int len, Zor16s magn, Zor16s rFreqQ15, Zor32s phaseQ15);
ZORAPI ZorStatus zorsToneGetStateSizeQ15_16s(int* pStateSize);
ZORAPI ZorStatus zorsToneInitQ15_16s(ZorsToneState_16s* pState, Zor16s magn, Zor16s rFreqQ15, Zor32s phaseQ15);
ZORAPI ZorStatus zorsToneInitAllocQ15_16s(ZorsToneState_16s** ppState, Zor16s magn, Zor16s rFreqQ15, Zor32s phaseQ15);
ZORAPI ZorStatus zorsToneQ15_16s(Zor16s* pDst, int len, ZorsToneState_16s* pState);
ZORAPI ZorStatus zorsToneFree(ZorsToneState_16s* pState);
ZORAPI ZorStatus zorsTriangleQ15_Direct_16s(Zor16s* pDst, int len, Zor16s magn, Zor16s rFreqQ15, Zor32s phaseQ15, Zor32s asymQ15);
ZORAPI ZorStatus zorsTriangleGetStateSizeQ15_16s(int* pStateSize);
ZORAPI ZorStatus zorsTriangleInitQ15_16s(ZorsTriangleState_16s* pState, Zor16s magn, Zor16s rFreqQ15, Zor32s phaseQ15, Zor32s asymQ15);
ZORAPI ZorStatus zorsTriangleInitAllocQ15_16s(ZorsTriangleState_16s** ppState, Zor16s magn, Zor16s rFreqQ15, Zor32s phaseQ15, Zor32s asymQ15);
ZORAPI ZorStatus zorsTriangleQ15_16s(Zor16s* pDst, int len, ZorsTriangleState_16s* pState);
ZORAPI ZorStatus zorsTriangleFree(ZorsTriangleState_16s* pState);

/* Random numbers from one combined integer generator: uniform on
   [low, high) and Gaussian (polar method); direct forms take and return a
   seed, state forms continue their sequence across calls. */
ZORAPI ZorStatus zorsRandUniform_Direct_32f(Zor32f* pDst, int len, float low, float high, unsigned int* pSeed);
ZORAPI ZorStatus zorsRandUniform_Direct_64f(Zor64f* pDst, int len, double low, double high, unsigned int* pSeed);
ZORAPI ZorStatus zorsRandUniform_Direct_16s(Zor16s* pDst, int len, Zor16s low, Zor16s high, unsigned int* pSeed);
ZORAPI ZorStatus zorsRandGauss_Direct_32f(Zor32f* pDst, int len, float mean, float stdDev, unsigned int* pSeed);
ZORAPI ZorStatus zorsRandGauss_Direct_64f(Zor64f* pDst, int len, double mean, double stdDev, unsigned int* pSeed);
ZORAPI ZorStatus zorsRandGauss_Direct_16s(Zor16s* pDst, int len, Zor16s mean, Zor16s stdDev, unsigned int* pSeed);
ZORAPI ZorStatus zorsRandUniformInitAlloc_8u(ZorsRandUniState_8u** ppState, Zor8u low, Zor8u high, unsigned int seed);
ZORAPI ZorStatus zorsRandUniformInitAlloc_16s(ZorsRandUniState_16s** ppState, Zor16s low, Zor16s high, unsigned int seed);
ZORAPI ZorStatus zorsRandUniformInitAlloc_32f(ZorsRandUniState_32f** ppState, Zor32f low, Zor32f high, unsigned int seed);
ZORAPI ZorStatus zorsRandUniformInit_16s(ZorsRandUniState_16s* pState, Zor16s low, Zor16s high, unsigned int seed);
ZORAPI ZorStatus zorsRandUniform_8u(Zor8u* pDst, int len, ZorsRandUniState_8u* pState);
ZORAPI ZorStatus zorsRandUniform_16s(Zor16s* pDst, int len, ZorsRandUniState_16s* pState);
ZORAPI ZorStatus zorsRandUniform_32f(Zor32f* pDst, int len, ZorsRandUniState_32f* pState);
ZORAPI ZorStatus zorsRandUniformFree_8u(ZorsRandUniState_8u* pState);
ZORAPI ZorStatus zorsRandUniformFree_16s(ZorsRandUniState_16s* pState);
ZORAPI ZorStatus zorsRandUniformFree_32f(ZorsRandUniState_32f* pState);
ZORAPI ZorStatus zorsRandUniformGetSize_16s(int* pSize);
ZORAPI ZorStatus zorsRandGaussInitAlloc_8u(ZorsRandGaussState_8u** ppState, Zor8u mean, Zor8u stdDev, unsigned int seed);
ZORAPI ZorStatus zorsRandGaussInitAlloc_16s(ZorsRandGaussState_16s** ppState, Zor16s mean, Zor16s stdDev, unsigned int seed);
ZORAPI ZorStatus zorsRandGaussInitAlloc_32f(ZorsRandGaussState_32f** ppState, Zor32f mean, Zor32f stdDev, unsigned int seed);
ZORAPI ZorStatus zorsRandGaussInit_16s(ZorsRandGaussState_16s* pState, Zor16s mean, Zor16s stdDev, unsigned int seed);
ZORAPI ZorStatus zorsRandGauss_8u(Zor8u* pDst, int len, ZorsRandGaussState_8u* pState);
ZORAPI ZorStatus zorsRandGauss_16s(Zor16s* pDst, int len, ZorsRandGaussState_16s* pState);
ZORAPI ZorStatus zorsRandGauss_32f(Zor32f* pDst, int len, ZorsRandGaussState_32f* pState);
ZORAPI ZorStatus zorsRandGaussFree_8u(ZorsRandGaussState_8u* pState);
ZORAPI ZorStatus zorsRandGaussFree_16s(ZorsRandGaussState_16s* pState);
ZORAPI ZorStatus zorsRandGaussFree_32f(ZorsRandGaussState_32f* pState);
ZORAPI ZorStatus zorsRandGaussGetSize_16s(int* pSize);

/* VectorRamp: offset + slope*n in single precision; VectorJaehne:
   magn*sin(0.5*pi*n^2/len). Integers rounded half away from zero, saturated. */
ZORAPI ZorStatus zorsVectorRamp_8u(Zor8u* pDst, int len, float offset, float slope);
ZORAPI ZorStatus zorsVectorRamp_8s(Zor8s* pDst, int len, float offset, float slope);
ZORAPI ZorStatus zorsVectorRamp_16u(Zor16u* pDst, int len, float offset, float slope);
ZORAPI ZorStatus zorsVectorRamp_16s(Zor16s* pDst, int len, float offset, float slope);
ZORAPI ZorStatus zorsVectorRamp_32u(Zor32u* pDst, int len, float offset, float slope);
ZORAPI ZorStatus zorsVectorRamp_32s(Zor32s* pDst, int len, float offset, float slope);
ZORAPI ZorStatus zorsVectorRamp_32f(Zor32f* pDst, int len, float offset, float slope);
ZORAPI ZorStatus zorsVectorRamp_64f(Zor64f* pDst, int len, float offset, float slope);
ZORAPI ZorStatus zorsVectorJaehne_8u(Zor8u* pDst, int len, Zor8u magn);
ZORAPI ZorStatus zorsVectorJaehne_8s(Zor8s* pDst, int len, Zor8s magn);
ZORAPI ZorStatus zorsVectorJaehne_16u(Zor16u* pDst, int len, Zor16u magn);
ZORAPI ZorStatus zorsVectorJaehne_16s(Zor16s* pDst, int len, Zor16s magn);
ZORAPI ZorStatus zorsVectorJaehne_32u(Zor32u* pDst, int len, Zor32u magn);
ZORAPI ZorStatus zorsVectorJaehne_32s(Zor32s* pDst, int len, Zor32s magn);
ZORAPI ZorStatus zorsVectorJaehne_32f(Zor32f* pDst, int len, Zor32f magn);
ZORAPI ZorStatus zorsVectorJaehne_64f(Zor64f* pDst, int len, Zor64f magn);

/* Windows: pDst[n] = pSrc[n]*w[n] for a symmetric window of length len.
   Blackman takes alpha (Q15 forms alphaQ15); Kaiser takes alpha (float for
   every type) and returns -39 when alpha*(len-1)/2 exceeds its limit. */
ZORAPI ZorStatus zorsWinBartlett_16s(const Zor16s* pSrc, Zor16s* pDst, int len);
ZORAPI ZorStatus zorsWinBartlett_16s_I(Zor16s* pSrcDst, int len);
ZORAPI ZorStatus zorsWinBartlett_16sc(const Zor16sc* pSrc, Zor16sc* pDst, int len);
ZORAPI ZorStatus zorsWinBartlett_16sc_I(Zor16sc* pSrcDst, int len);
ZORAPI ZorStatus zorsWinBartlett_32f(const Zor32f* pSrc, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsWinBartlett_32f_I(Zor32f* pSrcDst, int len);
ZORAPI ZorStatus zorsWinBartlett_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len);
ZORAPI ZorStatus zorsWinBartlett_32fc_I(Zor32fc* pSrcDst, int len);
ZORAPI ZorStatus zorsWinBartlett_64f(const Zor64f* pSrc, Zor64f* pDst, int len);
ZORAPI ZorStatus zorsWinBartlett_64f_I(Zor64f* pSrcDst, int len);
ZORAPI ZorStatus zorsWinBartlett_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int len);
ZORAPI ZorStatus zorsWinBartlett_64fc_I(Zor64fc* pSrcDst, int len);
ZORAPI ZorStatus zorsWinHann_16s(const Zor16s* pSrc, Zor16s* pDst, int len);
ZORAPI ZorStatus zorsWinHann_16s_I(Zor16s* pSrcDst, int len);
ZORAPI ZorStatus zorsWinHann_16sc(const Zor16sc* pSrc, Zor16sc* pDst, int len);
ZORAPI ZorStatus zorsWinHann_16sc_I(Zor16sc* pSrcDst, int len);
ZORAPI ZorStatus zorsWinHann_32f(const Zor32f* pSrc, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsWinHann_32f_I(Zor32f* pSrcDst, int len);
ZORAPI ZorStatus zorsWinHann_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len);
ZORAPI ZorStatus zorsWinHann_32fc_I(Zor32fc* pSrcDst, int len);
ZORAPI ZorStatus zorsWinHann_64f(const Zor64f* pSrc, Zor64f* pDst, int len);
ZORAPI ZorStatus zorsWinHann_64f_I(Zor64f* pSrcDst, int len);
ZORAPI ZorStatus zorsWinHann_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int len);
ZORAPI ZorStatus zorsWinHann_64fc_I(Zor64fc* pSrcDst, int len);
ZORAPI ZorStatus zorsWinHamming_16s(const Zor16s* pSrc, Zor16s* pDst, int len);
ZORAPI ZorStatus zorsWinHamming_16s_I(Zor16s* pSrcDst, int len);
ZORAPI ZorStatus zorsWinHamming_16sc(const Zor16sc* pSrc, Zor16sc* pDst, int len);
ZORAPI ZorStatus zorsWinHamming_16sc_I(Zor16sc* pSrcDst, int len);
ZORAPI ZorStatus zorsWinHamming_32f(const Zor32f* pSrc, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsWinHamming_32f_I(Zor32f* pSrcDst, int len);
ZORAPI ZorStatus zorsWinHamming_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len);
ZORAPI ZorStatus zorsWinHamming_32fc_I(Zor32fc* pSrcDst, int len);
ZORAPI ZorStatus zorsWinHamming_64f(const Zor64f* pSrc, Zor64f* pDst, int len);
ZORAPI ZorStatus zorsWinHamming_64f_I(Zor64f* pSrcDst, int len);
ZORAPI ZorStatus zorsWinHamming_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int len);
ZORAPI ZorStatus zorsWinHamming_64fc_I(Zor64fc* pSrcDst, int len);
ZORAPI ZorStatus zorsWinBlackmanStd_16s(const Zor16s* pSrc, Zor16s* pDst, int len);
ZORAPI ZorStatus zorsWinBlackmanStd_16s_I(Zor16s* pSrcDst, int len);
ZORAPI ZorStatus zorsWinBlackmanStd_16sc(const Zor16sc* pSrc, Zor16sc* pDst, int len);
ZORAPI ZorStatus zorsWinBlackmanStd_16sc_I(Zor16sc* pSrcDst, int len);
ZORAPI ZorStatus zorsWinBlackmanStd_32f(const Zor32f* pSrc, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsWinBlackmanStd_32f_I(Zor32f* pSrcDst, int len);
ZORAPI ZorStatus zorsWinBlackmanStd_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len);
ZORAPI ZorStatus zorsWinBlackmanStd_32fc_I(Zor32fc* pSrcDst, int len);
ZORAPI ZorStatus zorsWinBlackmanStd_64f(const Zor64f* pSrc, Zor64f* pDst, int len);
ZORAPI ZorStatus zorsWinBlackmanStd_64f_I(Zor64f* pSrcDst, int len);
ZORAPI ZorStatus zorsWinBlackmanStd_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int len);
ZORAPI ZorStatus zorsWinBlackmanStd_64fc_I(Zor64fc* pSrcDst, int len);
ZORAPI ZorStatus zorsWinBlackmanOpt_16s(const Zor16s* pSrc, Zor16s* pDst, int len);
ZORAPI ZorStatus zorsWinBlackmanOpt_16s_I(Zor16s* pSrcDst, int len);
ZORAPI ZorStatus zorsWinBlackmanOpt_16sc(const Zor16sc* pSrc, Zor16sc* pDst, int len);
ZORAPI ZorStatus zorsWinBlackmanOpt_16sc_I(Zor16sc* pSrcDst, int len);
ZORAPI ZorStatus zorsWinBlackmanOpt_32f(const Zor32f* pSrc, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsWinBlackmanOpt_32f_I(Zor32f* pSrcDst, int len);
ZORAPI ZorStatus zorsWinBlackmanOpt_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len);
ZORAPI ZorStatus zorsWinBlackmanOpt_32fc_I(Zor32fc* pSrcDst, int len);
ZORAPI ZorStatus zorsWinBlackmanOpt_64f(const Zor64f* pSrc, Zor64f* pDst, int len);
ZORAPI ZorStatus zorsWinBlackmanOpt_64f_I(Zor64f* pSrcDst, int len);
ZORAPI ZorStatus zorsWinBlackmanOpt_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int len);
ZORAPI ZorStatus zorsWinBlackmanOpt_64fc_I(Zor64fc* pSrcDst, int len);
ZORAPI ZorStatus zorsWinBlackman_16s(const Zor16s* pSrc, Zor16s* pDst, int len, float alpha);
ZORAPI ZorStatus zorsWinBlackman_16s_I(Zor16s* pSrcDst, int len, float alpha);
ZORAPI ZorStatus zorsWinBlackman_16sc(const Zor16sc* pSrc, Zor16sc* pDst, int len, float alpha);
ZORAPI ZorStatus zorsWinBlackman_16sc_I(Zor16sc* pSrcDst, int len, float alpha);
ZORAPI ZorStatus zorsWinBlackman_32f(const Zor32f* pSrc, Zor32f* pDst, int len, float alpha);
ZORAPI ZorStatus zorsWinBlackman_32f_I(Zor32f* pSrcDst, int len, float alpha);
ZORAPI ZorStatus zorsWinBlackman_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len, float alpha);
ZORAPI ZorStatus zorsWinBlackman_32fc_I(Zor32fc* pSrcDst, int len, float alpha);
ZORAPI ZorStatus zorsWinBlackman_64f(const Zor64f* pSrc, Zor64f* pDst, int len, double alpha);
ZORAPI ZorStatus zorsWinBlackman_64f_I(Zor64f* pSrcDst, int len, double alpha);
ZORAPI ZorStatus zorsWinBlackman_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int len, double alpha);
ZORAPI ZorStatus zorsWinBlackman_64fc_I(Zor64fc* pSrcDst, int len, double alpha);
ZORAPI ZorStatus zorsWinKaiser_16s(const Zor16s* pSrc, Zor16s* pDst, int len, float alpha);
ZORAPI ZorStatus zorsWinKaiser_16s_I(Zor16s* pSrcDst, int len, float alpha);
ZORAPI ZorStatus zorsWinKaiser_16sc(const Zor16sc* pSrc, Zor16sc* pDst, int len, float alpha);
ZORAPI ZorStatus zorsWinKaiser_16sc_I(Zor16sc* pSrcDst, int len, float alpha);
ZORAPI ZorStatus zorsWinKaiser_32f(const Zor32f* pSrc, Zor32f* pDst, int len, float alpha);
ZORAPI ZorStatus zorsWinKaiser_32f_I(Zor32f* pSrcDst, int len, float alpha);
ZORAPI ZorStatus zorsWinKaiser_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len, float alpha);
ZORAPI ZorStatus zorsWinKaiser_32fc_I(Zor32fc* pSrcDst, int len, float alpha);
ZORAPI ZorStatus zorsWinKaiser_64f(const Zor64f* pSrc, Zor64f* pDst, int len, float alpha);
ZORAPI ZorStatus zorsWinKaiser_64f_I(Zor64f* pSrcDst, int len, float alpha);
ZORAPI ZorStatus zorsWinKaiser_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int len, float alpha);
ZORAPI ZorStatus zorsWinKaiser_64fc_I(Zor64fc* pSrcDst, int len, float alpha);
ZORAPI ZorStatus zorsWinBlackmanQ15_16s(const Zor16s* pSrc, Zor16s* pDst, int len, int alphaQ15);
ZORAPI ZorStatus zorsWinBlackmanQ15_16s_I(Zor16s* pSrcDst, int len, int alphaQ15);
ZORAPI ZorStatus zorsWinBlackmanQ15_16sc(const Zor16sc* pSrc, Zor16sc* pDst, int len, int alphaQ15);
ZORAPI ZorStatus zorsWinBlackmanQ15_16sc_I(Zor16sc* pSrcDst, int len, int alphaQ15);
ZORAPI ZorStatus zorsWinBlackmanQ15_16s_ISfs(Zor16s* pSrcDst, int len, int alphaQ15, int scaleFactor);
ZORAPI ZorStatus zorsWinKaiserQ15_16s(const Zor16s* pSrc, Zor16s* pDst, int len, int alphaQ15);
ZORAPI ZorStatus zorsWinKaiserQ15_16s_I(Zor16s* pSrcDst, int len, int alphaQ15);
ZORAPI ZorStatus zorsWinKaiserQ15_16sc(const Zor16sc* pSrc, Zor16sc* pDst, int len, int alphaQ15);
ZORAPI ZorStatus zorsWinKaiserQ15_16sc_I(Zor16sc* pSrcDst, int len, int alphaQ15);

/* (end of gen) */

/* ======================================================================== */
/* transform: FFT, real FFT and packed formats, DFT, DCT, Hilbert, wavelets  */
/* ======================================================================== */

/* FFT specifications (opaque; the first word identifies the kind). */
typedef struct ZorsFFTSpec_C_16sc ZorsFFTSpec_C_16sc;
typedef struct ZorsFFTSpec_C_16s ZorsFFTSpec_C_16s;
typedef struct ZorsFFTSpec_R_16s ZorsFFTSpec_R_16s;
typedef struct ZorsFFTSpec_C_32fc ZorsFFTSpec_C_32fc;
typedef struct ZorsFFTSpec_C_32f ZorsFFTSpec_C_32f;
typedef struct ZorsFFTSpec_R_32f ZorsFFTSpec_R_32f;
typedef struct ZorsFFTSpec_C_64fc ZorsFFTSpec_C_64fc;
typedef struct ZorsFFTSpec_C_64f ZorsFFTSpec_C_64f;
typedef struct ZorsFFTSpec_R_64f ZorsFFTSpec_R_64f;

/* FFTInitAlloc: a specification of length 2^order (0..30) with one
   normalisation flag; FFTFree releases it; FFTGetBufSize reports the work
   buffer in bytes (16 bytes of alignment slack included). */
ZORAPI ZorStatus zorsFFTInitAlloc_C_16sc(ZorsFFTSpec_C_16sc** ppSpec, int order, int flag, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsFFTInitAlloc_C_16s(ZorsFFTSpec_C_16s** ppSpec, int order, int flag, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsFFTInitAlloc_R_16s(ZorsFFTSpec_R_16s** ppSpec, int order, int flag, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsFFTInitAlloc_C_32fc(ZorsFFTSpec_C_32fc** ppSpec, int order, int flag, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsFFTInitAlloc_C_32f(ZorsFFTSpec_C_32f** ppSpec, int order, int flag, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsFFTInitAlloc_R_32f(ZorsFFTSpec_R_32f** ppSpec, int order, int flag, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsFFTInitAlloc_C_64fc(ZorsFFTSpec_C_64fc** ppSpec, int order, int flag, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsFFTInitAlloc_C_64f(ZorsFFTSpec_C_64f** ppSpec, int order, int flag, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsFFTInitAlloc_R_64f(ZorsFFTSpec_R_64f** ppSpec, int order, int flag, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsFFTFree_C_16sc(ZorsFFTSpec_C_16sc* pSpec);
ZORAPI ZorStatus zorsFFTFree_C_16s(ZorsFFTSpec_C_16s* pSpec);
ZORAPI ZorStatus zorsFFTFree_R_16s(ZorsFFTSpec_R_16s* pSpec);
ZORAPI ZorStatus zorsFFTFree_C_32fc(ZorsFFTSpec_C_32fc* pSpec);
ZORAPI ZorStatus zorsFFTFree_C_32f(ZorsFFTSpec_C_32f* pSpec);
ZORAPI ZorStatus zorsFFTFree_R_32f(ZorsFFTSpec_R_32f* pSpec);
ZORAPI ZorStatus zorsFFTFree_C_64fc(ZorsFFTSpec_C_64fc* pSpec);
ZORAPI ZorStatus zorsFFTFree_C_64f(ZorsFFTSpec_C_64f* pSpec);
ZORAPI ZorStatus zorsFFTFree_R_64f(ZorsFFTSpec_R_64f* pSpec);
ZORAPI ZorStatus zorsFFTGetBufSize_C_16sc(const ZorsFFTSpec_C_16sc* pSpec, int* pSize);
ZORAPI ZorStatus zorsFFTGetBufSize_C_16s(const ZorsFFTSpec_C_16s* pSpec, int* pSize);
ZORAPI ZorStatus zorsFFTGetBufSize_R_16s(const ZorsFFTSpec_R_16s* pSpec, int* pSize);
ZORAPI ZorStatus zorsFFTGetBufSize_C_32fc(const ZorsFFTSpec_C_32fc* pSpec, int* pSize);
ZORAPI ZorStatus zorsFFTGetBufSize_C_32f(const ZorsFFTSpec_C_32f* pSpec, int* pSize);
ZORAPI ZorStatus zorsFFTGetBufSize_R_32f(const ZorsFFTSpec_R_32f* pSpec, int* pSize);
ZORAPI ZorStatus zorsFFTGetBufSize_C_64fc(const ZorsFFTSpec_C_64fc* pSpec, int* pSize);
ZORAPI ZorStatus zorsFFTGetBufSize_C_64f(const ZorsFFTSpec_C_64f* pSpec, int* pSize);
ZORAPI ZorStatus zorsFFTGetBufSize_R_64f(const ZorsFFTSpec_R_64f* pSpec, int* pSize);

/* FFTFwd_CToC / FFTInv_CToC: complex FFT, interleaved or separate arrays; in
   place allowed; pBuffer may be null. */
ZORAPI ZorStatus zorsFFTFwd_CToC_32fc(const Zor32fc* pSrc, Zor32fc* pDst, const ZorsFFTSpec_C_32fc* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFFTInv_CToC_32fc(const Zor32fc* pSrc, Zor32fc* pDst, const ZorsFFTSpec_C_32fc* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFFTFwd_CToC_64fc(const Zor64fc* pSrc, Zor64fc* pDst, const ZorsFFTSpec_C_64fc* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFFTInv_CToC_64fc(const Zor64fc* pSrc, Zor64fc* pDst, const ZorsFFTSpec_C_64fc* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFFTFwd_CToC_32f(const Zor32f* pSrcRe, const Zor32f* pSrcIm, Zor32f* pDstRe, Zor32f* pDstIm, const ZorsFFTSpec_C_32f* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFFTInv_CToC_32f(const Zor32f* pSrcRe, const Zor32f* pSrcIm, Zor32f* pDstRe, Zor32f* pDstIm, const ZorsFFTSpec_C_32f* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFFTFwd_CToC_64f(const Zor64f* pSrcRe, const Zor64f* pSrcIm, Zor64f* pDstRe, Zor64f* pDstIm, const ZorsFFTSpec_C_64f* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFFTInv_CToC_64f(const Zor64f* pSrcRe, const Zor64f* pSrcIm, Zor64f* pDstRe, Zor64f* pDstIm, const ZorsFFTSpec_C_64f* pSpec, Zor8u* pBuffer);

/* 16-bit complex FFT: result times 2^-scaleFactor, saturated (integer path
   for hint 0/1 and order <= 5, else through single precision). */
ZORAPI ZorStatus zorsFFTFwd_CToC_16sc_Sfs(const Zor16sc* pSrc, Zor16sc* pDst, const ZorsFFTSpec_C_16sc* pSpec, int scaleFactor, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFFTInv_CToC_16sc_Sfs(const Zor16sc* pSrc, Zor16sc* pDst, const ZorsFFTSpec_C_16sc* pSpec, int scaleFactor, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFFTFwd_CToC_16s_Sfs(const Zor16s* pSrcRe, const Zor16s* pSrcIm, Zor16s* pDstRe, Zor16s* pDstIm, const ZorsFFTSpec_C_16s* pSpec, int scaleFactor, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFFTInv_CToC_16s_Sfs(const Zor16s* pSrcRe, const Zor16s* pSrcIm, Zor16s* pDstRe, Zor16s* pDstIm, const ZorsFFTSpec_C_16s* pSpec, int scaleFactor, Zor8u* pBuffer);

/* Real FFT into and out of the packed spectra Pack, Perm (N values) and CCS
   (N + 2 values). */
ZORAPI ZorStatus zorsFFTFwd_RToPack_32f(const Zor32f* pSrc, Zor32f* pDst, const ZorsFFTSpec_R_32f* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFFTFwd_RToPerm_32f(const Zor32f* pSrc, Zor32f* pDst, const ZorsFFTSpec_R_32f* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFFTFwd_RToCCS_32f(const Zor32f* pSrc, Zor32f* pDst, const ZorsFFTSpec_R_32f* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFFTInv_PackToR_32f(const Zor32f* pSrc, Zor32f* pDst, const ZorsFFTSpec_R_32f* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFFTInv_PermToR_32f(const Zor32f* pSrc, Zor32f* pDst, const ZorsFFTSpec_R_32f* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFFTInv_CCSToR_32f(const Zor32f* pSrc, Zor32f* pDst, const ZorsFFTSpec_R_32f* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFFTFwd_RToPack_64f(const Zor64f* pSrc, Zor64f* pDst, const ZorsFFTSpec_R_64f* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFFTFwd_RToPerm_64f(const Zor64f* pSrc, Zor64f* pDst, const ZorsFFTSpec_R_64f* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFFTFwd_RToCCS_64f(const Zor64f* pSrc, Zor64f* pDst, const ZorsFFTSpec_R_64f* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFFTInv_PackToR_64f(const Zor64f* pSrc, Zor64f* pDst, const ZorsFFTSpec_R_64f* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFFTInv_PermToR_64f(const Zor64f* pSrc, Zor64f* pDst, const ZorsFFTSpec_R_64f* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFFTInv_CCSToR_64f(const Zor64f* pSrc, Zor64f* pDst, const ZorsFFTSpec_R_64f* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFFTFwd_RToPack_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, const ZorsFFTSpec_R_16s* pSpec, int scaleFactor, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFFTFwd_RToPerm_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, const ZorsFFTSpec_R_16s* pSpec, int scaleFactor, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFFTFwd_RToCCS_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, const ZorsFFTSpec_R_16s* pSpec, int scaleFactor, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFFTInv_PackToR_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, const ZorsFFTSpec_R_16s* pSpec, int scaleFactor, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFFTInv_PermToR_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, const ZorsFFTSpec_R_16s* pSpec, int scaleFactor, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFFTInv_CCSToR_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, const ZorsFFTSpec_R_16s* pSpec, int scaleFactor, Zor8u* pBuffer);

/* ConjPack, ConjPerm, ConjCcs: the full complex spectrum of len points from a
   packed real spectrum; _I expands in place; 16sc negation saturates. */
ZORAPI ZorStatus zorsConjPack_32fc(const Zor32f* pSrc, Zor32fc* pDst, int len);
ZORAPI ZorStatus zorsConjPack_64fc(const Zor64f* pSrc, Zor64fc* pDst, int len);
ZORAPI ZorStatus zorsConjPack_16sc(const Zor16s* pSrc, Zor16sc* pDst, int len);
ZORAPI ZorStatus zorsConjPerm_32fc(const Zor32f* pSrc, Zor32fc* pDst, int len);
ZORAPI ZorStatus zorsConjPerm_64fc(const Zor64f* pSrc, Zor64fc* pDst, int len);
ZORAPI ZorStatus zorsConjPerm_16sc(const Zor16s* pSrc, Zor16sc* pDst, int len);
ZORAPI ZorStatus zorsConjCcs_32fc(const Zor32f* pSrc, Zor32fc* pDst, int len);
ZORAPI ZorStatus zorsConjCcs_64fc(const Zor64f* pSrc, Zor64fc* pDst, int len);
ZORAPI ZorStatus zorsConjCcs_16sc(const Zor16s* pSrc, Zor16sc* pDst, int len);
ZORAPI ZorStatus zorsConjPack_32fc_I(Zor32fc* pSrcDst, int len);
ZORAPI ZorStatus zorsConjPack_64fc_I(Zor64fc* pSrcDst, int len);
ZORAPI ZorStatus zorsConjPack_16sc_I(Zor16sc* pSrcDst, int len);
ZORAPI ZorStatus zorsConjPerm_32fc_I(Zor32fc* pSrcDst, int len);
ZORAPI ZorStatus zorsConjPerm_64fc_I(Zor64fc* pSrcDst, int len);
ZORAPI ZorStatus zorsConjPerm_16sc_I(Zor16sc* pSrcDst, int len);
ZORAPI ZorStatus zorsConjCcs_32fc_I(Zor32fc* pSrcDst, int len);
ZORAPI ZorStatus zorsConjCcs_64fc_I(Zor64fc* pSrcDst, int len);
ZORAPI ZorStatus zorsConjCcs_16sc_I(Zor16sc* pSrcDst, int len);

/* MulPack, MulPerm: element-wise product of two packed spectra of len reals;
   16s forms shift right by scaleFactor (truncating) and saturate.
   MulPackConj: pSrcDst = pSrc * conj(pSrcDst). */
ZORAPI ZorStatus zorsMulPack_32f(const Zor32f* pSrc1, const Zor32f* pSrc2, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsMulPack_64f(const Zor64f* pSrc1, const Zor64f* pSrc2, Zor64f* pDst, int len);
ZORAPI ZorStatus zorsMulPack_32f_I(const Zor32f* pSrc, Zor32f* pSrcDst, int len);
ZORAPI ZorStatus zorsMulPack_64f_I(const Zor64f* pSrc, Zor64f* pSrcDst, int len);
ZORAPI ZorStatus zorsMulPack_16s_Sfs(const Zor16s* pSrc1, const Zor16s* pSrc2, Zor16s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsMulPack_16s_ISfs(const Zor16s* pSrc, Zor16s* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsMulPerm_32f(const Zor32f* pSrc1, const Zor32f* pSrc2, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsMulPerm_64f(const Zor64f* pSrc1, const Zor64f* pSrc2, Zor64f* pDst, int len);
ZORAPI ZorStatus zorsMulPerm_32f_I(const Zor32f* pSrc, Zor32f* pSrcDst, int len);
ZORAPI ZorStatus zorsMulPerm_64f_I(const Zor64f* pSrc, Zor64f* pSrcDst, int len);
ZORAPI ZorStatus zorsMulPerm_16s_Sfs(const Zor16s* pSrc1, const Zor16s* pSrc2, Zor16s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsMulPerm_16s_ISfs(const Zor16s* pSrc, Zor16s* pSrcDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsMulPackConj_32f_I(const Zor32f* pSrc, Zor32f* pSrcDst, int len);
ZORAPI ZorStatus zorsMulPackConj_64f_I(const Zor64f* pSrc, Zor64f* pSrcDst, int len);

/* DFT specifications of any length (opaque; the first word identifies the kind). */
typedef struct ZorsDFTSpec_C_16sc ZorsDFTSpec_C_16sc;
typedef struct ZorsDFTSpec_C_16s ZorsDFTSpec_C_16s;
typedef struct ZorsDFTSpec_R_16s ZorsDFTSpec_R_16s;
typedef struct ZorsDFTSpec_C_32fc ZorsDFTSpec_C_32fc;
typedef struct ZorsDFTSpec_C_32f ZorsDFTSpec_C_32f;
typedef struct ZorsDFTSpec_R_32f ZorsDFTSpec_R_32f;
typedef struct ZorsDFTSpec_C_64fc ZorsDFTSpec_C_64fc;
typedef struct ZorsDFTSpec_C_64f ZorsDFTSpec_C_64f;
typedef struct ZorsDFTSpec_R_64f ZorsDFTSpec_R_64f;
typedef struct ZorsDFTOutOrdSpec_C_32fc ZorsDFTOutOrdSpec_C_32fc;
typedef struct ZorsDFTOutOrdSpec_C_64fc ZorsDFTOutOrdSpec_C_64fc;

/* DFTInitAlloc: a specification of any length len >= 1 with one normalisation
   flag (16-bit kinds: flag checked for len > 1); DFTFree releases it;
   DFTGetBufSize reports the work-buffer size in bytes (16 bytes of slack). */
ZORAPI ZorStatus zorsDFTInitAlloc_C_16sc(ZorsDFTSpec_C_16sc** ppSpec, int len, int flag, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsDFTInitAlloc_C_16s(ZorsDFTSpec_C_16s** ppSpec, int len, int flag, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsDFTInitAlloc_R_16s(ZorsDFTSpec_R_16s** ppSpec, int len, int flag, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsDFTInitAlloc_C_32fc(ZorsDFTSpec_C_32fc** ppSpec, int len, int flag, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsDFTInitAlloc_C_32f(ZorsDFTSpec_C_32f** ppSpec, int len, int flag, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsDFTInitAlloc_R_32f(ZorsDFTSpec_R_32f** ppSpec, int len, int flag, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsDFTInitAlloc_C_64fc(ZorsDFTSpec_C_64fc** ppSpec, int len, int flag, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsDFTInitAlloc_C_64f(ZorsDFTSpec_C_64f** ppSpec, int len, int flag, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsDFTInitAlloc_R_64f(ZorsDFTSpec_R_64f** ppSpec, int len, int flag, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsDFTFree_C_16sc(ZorsDFTSpec_C_16sc* pSpec);
ZORAPI ZorStatus zorsDFTFree_C_16s(ZorsDFTSpec_C_16s* pSpec);
ZORAPI ZorStatus zorsDFTFree_R_16s(ZorsDFTSpec_R_16s* pSpec);
ZORAPI ZorStatus zorsDFTFree_C_32fc(ZorsDFTSpec_C_32fc* pSpec);
ZORAPI ZorStatus zorsDFTFree_C_32f(ZorsDFTSpec_C_32f* pSpec);
ZORAPI ZorStatus zorsDFTFree_R_32f(ZorsDFTSpec_R_32f* pSpec);
ZORAPI ZorStatus zorsDFTFree_C_64fc(ZorsDFTSpec_C_64fc* pSpec);
ZORAPI ZorStatus zorsDFTFree_C_64f(ZorsDFTSpec_C_64f* pSpec);
ZORAPI ZorStatus zorsDFTFree_R_64f(ZorsDFTSpec_R_64f* pSpec);
ZORAPI ZorStatus zorsDFTGetBufSize_C_16sc(const ZorsDFTSpec_C_16sc* pSpec, int* pSize);
ZORAPI ZorStatus zorsDFTGetBufSize_C_16s(const ZorsDFTSpec_C_16s* pSpec, int* pSize);
ZORAPI ZorStatus zorsDFTGetBufSize_R_16s(const ZorsDFTSpec_R_16s* pSpec, int* pSize);
ZORAPI ZorStatus zorsDFTGetBufSize_C_32fc(const ZorsDFTSpec_C_32fc* pSpec, int* pSize);
ZORAPI ZorStatus zorsDFTGetBufSize_C_32f(const ZorsDFTSpec_C_32f* pSpec, int* pSize);
ZORAPI ZorStatus zorsDFTGetBufSize_R_32f(const ZorsDFTSpec_R_32f* pSpec, int* pSize);
ZORAPI ZorStatus zorsDFTGetBufSize_C_64fc(const ZorsDFTSpec_C_64fc* pSpec, int* pSize);
ZORAPI ZorStatus zorsDFTGetBufSize_C_64f(const ZorsDFTSpec_C_64f* pSpec, int* pSize);
ZORAPI ZorStatus zorsDFTGetBufSize_R_64f(const ZorsDFTSpec_R_64f* pSpec, int* pSize);

/* DFTFwd_CToC / DFTInv_CToC: complex DFT of any length, interleaved or
   separate arrays; in place allowed; null pBuffer allocates one. */
ZORAPI ZorStatus zorsDFTFwd_CToC_32fc(const Zor32fc* pSrc, Zor32fc* pDst, const ZorsDFTSpec_C_32fc* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsDFTInv_CToC_32fc(const Zor32fc* pSrc, Zor32fc* pDst, const ZorsDFTSpec_C_32fc* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsDFTFwd_CToC_64fc(const Zor64fc* pSrc, Zor64fc* pDst, const ZorsDFTSpec_C_64fc* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsDFTInv_CToC_64fc(const Zor64fc* pSrc, Zor64fc* pDst, const ZorsDFTSpec_C_64fc* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsDFTFwd_CToC_32f(const Zor32f* pSrcRe, const Zor32f* pSrcIm, Zor32f* pDstRe, Zor32f* pDstIm, const ZorsDFTSpec_C_32f* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsDFTInv_CToC_32f(const Zor32f* pSrcRe, const Zor32f* pSrcIm, Zor32f* pDstRe, Zor32f* pDstIm, const ZorsDFTSpec_C_32f* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsDFTFwd_CToC_64f(const Zor64f* pSrcRe, const Zor64f* pSrcIm, Zor64f* pDstRe, Zor64f* pDstIm, const ZorsDFTSpec_C_64f* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsDFTInv_CToC_64f(const Zor64f* pSrcRe, const Zor64f* pSrcIm, Zor64f* pDstRe, Zor64f* pDstIm, const ZorsDFTSpec_C_64f* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsDFTFwd_CToC_16sc_Sfs(const Zor16sc* pSrc, Zor16sc* pDst, const ZorsDFTSpec_C_16sc* pSpec, int scaleFactor, Zor8u* pBuffer);
ZORAPI ZorStatus zorsDFTInv_CToC_16sc_Sfs(const Zor16sc* pSrc, Zor16sc* pDst, const ZorsDFTSpec_C_16sc* pSpec, int scaleFactor, Zor8u* pBuffer);
ZORAPI ZorStatus zorsDFTFwd_CToC_16s_Sfs(const Zor16s* pSrcRe, const Zor16s* pSrcIm, Zor16s* pDstRe, Zor16s* pDstIm, const ZorsDFTSpec_C_16s* pSpec, int scaleFactor, Zor8u* pBuffer);
ZORAPI ZorStatus zorsDFTInv_CToC_16s_Sfs(const Zor16s* pSrcRe, const Zor16s* pSrcIm, Zor16s* pDstRe, Zor16s* pDstIm, const ZorsDFTSpec_C_16s* pSpec, int scaleFactor, Zor8u* pBuffer);

/* Real DFT of any length into and out of Pack, Perm (len values) and CCS
   (len + 2 values for even len, len + 1 for odd len). */
ZORAPI ZorStatus zorsDFTFwd_RToPack_32f(const Zor32f* pSrc, Zor32f* pDst, const ZorsDFTSpec_R_32f* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsDFTFwd_RToPerm_32f(const Zor32f* pSrc, Zor32f* pDst, const ZorsDFTSpec_R_32f* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsDFTFwd_RToCCS_32f(const Zor32f* pSrc, Zor32f* pDst, const ZorsDFTSpec_R_32f* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsDFTInv_PackToR_32f(const Zor32f* pSrc, Zor32f* pDst, const ZorsDFTSpec_R_32f* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsDFTInv_PermToR_32f(const Zor32f* pSrc, Zor32f* pDst, const ZorsDFTSpec_R_32f* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsDFTInv_CCSToR_32f(const Zor32f* pSrc, Zor32f* pDst, const ZorsDFTSpec_R_32f* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsDFTFwd_RToPack_64f(const Zor64f* pSrc, Zor64f* pDst, const ZorsDFTSpec_R_64f* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsDFTFwd_RToPerm_64f(const Zor64f* pSrc, Zor64f* pDst, const ZorsDFTSpec_R_64f* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsDFTFwd_RToCCS_64f(const Zor64f* pSrc, Zor64f* pDst, const ZorsDFTSpec_R_64f* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsDFTInv_PackToR_64f(const Zor64f* pSrc, Zor64f* pDst, const ZorsDFTSpec_R_64f* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsDFTInv_PermToR_64f(const Zor64f* pSrc, Zor64f* pDst, const ZorsDFTSpec_R_64f* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsDFTInv_CCSToR_64f(const Zor64f* pSrc, Zor64f* pDst, const ZorsDFTSpec_R_64f* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsDFTFwd_RToPack_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, const ZorsDFTSpec_R_16s* pSpec, int scaleFactor, Zor8u* pBuffer);
ZORAPI ZorStatus zorsDFTFwd_RToPerm_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, const ZorsDFTSpec_R_16s* pSpec, int scaleFactor, Zor8u* pBuffer);
ZORAPI ZorStatus zorsDFTFwd_RToCCS_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, const ZorsDFTSpec_R_16s* pSpec, int scaleFactor, Zor8u* pBuffer);
ZORAPI ZorStatus zorsDFTInv_PackToR_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, const ZorsDFTSpec_R_16s* pSpec, int scaleFactor, Zor8u* pBuffer);
ZORAPI ZorStatus zorsDFTInv_PermToR_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, const ZorsDFTSpec_R_16s* pSpec, int scaleFactor, Zor8u* pBuffer);
ZORAPI ZorStatus zorsDFTInv_CCSToR_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, const ZorsDFTSpec_R_16s* pSpec, int scaleFactor, Zor8u* pBuffer);

/* Out-of-order DFT: the spectrum of a long mixed-radix length is left in the
   specification's own order; the inverse of the same specification reads it
   back, and element-wise products in that order are cyclic convolutions. */
ZORAPI ZorStatus zorsDFTOutOrdInitAlloc_C_32fc(ZorsDFTOutOrdSpec_C_32fc** ppSpec, int len, int flag, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsDFTOutOrdFree_C_32fc(ZorsDFTOutOrdSpec_C_32fc* pSpec);
ZORAPI ZorStatus zorsDFTOutOrdGetBufSize_C_32fc(const ZorsDFTOutOrdSpec_C_32fc* pSpec, int* pSize);
ZORAPI ZorStatus zorsDFTOutOrdFwd_CToC_32fc(const Zor32fc* pSrc, Zor32fc* pDst, const ZorsDFTOutOrdSpec_C_32fc* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsDFTOutOrdInv_CToC_32fc(const Zor32fc* pSrc, Zor32fc* pDst, const ZorsDFTOutOrdSpec_C_32fc* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsDFTOutOrdInitAlloc_C_64fc(ZorsDFTOutOrdSpec_C_64fc** ppSpec, int len, int flag, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsDFTOutOrdFree_C_64fc(ZorsDFTOutOrdSpec_C_64fc* pSpec);
ZORAPI ZorStatus zorsDFTOutOrdGetBufSize_C_64fc(const ZorsDFTOutOrdSpec_C_64fc* pSpec, int* pSize);
ZORAPI ZorStatus zorsDFTOutOrdFwd_CToC_64fc(const Zor64fc* pSrc, Zor64fc* pDst, const ZorsDFTOutOrdSpec_C_64fc* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsDFTOutOrdInv_CToC_64fc(const Zor64fc* pSrc, Zor64fc* pDst, const ZorsDFTOutOrdSpec_C_64fc* pSpec, Zor8u* pBuffer);

/* DCT specifications (opaque): forward (type II) and inverse (type III),
   orthonormal, any length len >= 1. */
typedef struct ZorsDCTFwdSpec_16s ZorsDCTFwdSpec_16s;
typedef struct ZorsDCTInvSpec_16s ZorsDCTInvSpec_16s;
typedef struct ZorsDCTFwdSpec_32f ZorsDCTFwdSpec_32f;
typedef struct ZorsDCTInvSpec_32f ZorsDCTInvSpec_32f;
typedef struct ZorsDCTFwdSpec_64f ZorsDCTFwdSpec_64f;
typedef struct ZorsDCTInvSpec_64f ZorsDCTInvSpec_64f;

/* DCTFwdInitAlloc / DCTInvInitAlloc, Free, GetBufSize; DCTFwd / DCTInv with
   a work buffer (null allocates one); 16-bit forms with a scale factor. */
ZORAPI ZorStatus zorsDCTFwdInitAlloc_16s(ZorsDCTFwdSpec_16s** ppSpec, int len, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsDCTFwdFree_16s(ZorsDCTFwdSpec_16s* pSpec);
ZORAPI ZorStatus zorsDCTFwdGetBufSize_16s(const ZorsDCTFwdSpec_16s* pSpec, int* pSize);
ZORAPI ZorStatus zorsDCTInvInitAlloc_16s(ZorsDCTInvSpec_16s** ppSpec, int len, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsDCTInvFree_16s(ZorsDCTInvSpec_16s* pSpec);
ZORAPI ZorStatus zorsDCTInvGetBufSize_16s(const ZorsDCTInvSpec_16s* pSpec, int* pSize);
ZORAPI ZorStatus zorsDCTFwdInitAlloc_32f(ZorsDCTFwdSpec_32f** ppSpec, int len, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsDCTFwdFree_32f(ZorsDCTFwdSpec_32f* pSpec);
ZORAPI ZorStatus zorsDCTFwdGetBufSize_32f(const ZorsDCTFwdSpec_32f* pSpec, int* pSize);
ZORAPI ZorStatus zorsDCTInvInitAlloc_32f(ZorsDCTInvSpec_32f** ppSpec, int len, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsDCTInvFree_32f(ZorsDCTInvSpec_32f* pSpec);
ZORAPI ZorStatus zorsDCTInvGetBufSize_32f(const ZorsDCTInvSpec_32f* pSpec, int* pSize);
ZORAPI ZorStatus zorsDCTFwdInitAlloc_64f(ZorsDCTFwdSpec_64f** ppSpec, int len, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsDCTFwdFree_64f(ZorsDCTFwdSpec_64f* pSpec);
ZORAPI ZorStatus zorsDCTFwdGetBufSize_64f(const ZorsDCTFwdSpec_64f* pSpec, int* pSize);
ZORAPI ZorStatus zorsDCTInvInitAlloc_64f(ZorsDCTInvSpec_64f** ppSpec, int len, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsDCTInvFree_64f(ZorsDCTInvSpec_64f* pSpec);
ZORAPI ZorStatus zorsDCTInvGetBufSize_64f(const ZorsDCTInvSpec_64f* pSpec, int* pSize);
ZORAPI ZorStatus zorsDCTFwd_32f(const Zor32f* pSrc, Zor32f* pDst, const ZorsDCTFwdSpec_32f* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsDCTInv_32f(const Zor32f* pSrc, Zor32f* pDst, const ZorsDCTInvSpec_32f* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsDCTFwd_64f(const Zor64f* pSrc, Zor64f* pDst, const ZorsDCTFwdSpec_64f* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsDCTInv_64f(const Zor64f* pSrc, Zor64f* pDst, const ZorsDCTInvSpec_64f* pSpec, Zor8u* pBuffer);
ZORAPI ZorStatus zorsDCTFwd_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, const ZorsDCTFwdSpec_16s* pSpec, int scaleFactor, Zor8u* pBuffer);
ZORAPI ZorStatus zorsDCTInv_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, const ZorsDCTInvSpec_16s* pSpec, int scaleFactor, Zor8u* pBuffer);

/* Hilbert specifications (opaque) and the analytic signal of len reals: the
   real part is the input, the imaginary part its Hilbert transform. */
typedef struct ZorsHilbertSpec_32f32fc ZorsHilbertSpec_32f32fc;
typedef struct ZorsHilbertSpec_16s32fc ZorsHilbertSpec_16s32fc;
typedef struct ZorsHilbertSpec_16s16sc ZorsHilbertSpec_16s16sc;
ZORAPI ZorStatus zorsHilbertInitAlloc_32f32fc(ZorsHilbertSpec_32f32fc** ppSpec, int len, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsHilbertFree_32f32fc(ZorsHilbertSpec_32f32fc* pSpec);
ZORAPI ZorStatus zorsHilbertInitAlloc_16s32fc(ZorsHilbertSpec_16s32fc** ppSpec, int len, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsHilbertFree_16s32fc(ZorsHilbertSpec_16s32fc* pSpec);
ZORAPI ZorStatus zorsHilbertInitAlloc_16s16sc(ZorsHilbertSpec_16s16sc** ppSpec, int len, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsHilbertFree_16s16sc(ZorsHilbertSpec_16s16sc* pSpec);
ZORAPI ZorStatus zorsHilbert_32f32fc(const Zor32f* pSrc, Zor32fc* pDst, const ZorsHilbertSpec_32f32fc* pSpec);
ZORAPI ZorStatus zorsHilbert_16s32fc(const Zor16s* pSrc, Zor32fc* pDst, const ZorsHilbertSpec_16s32fc* pSpec);
ZORAPI ZorStatus zorsHilbert_16s16sc_Sfs(const Zor16s* pSrc, Zor16sc* pDst, const ZorsHilbertSpec_16s16sc* pSpec, int scaleFactor);

/* Goertz, GoertzTwo: the DTFT of len samples at one or two relative
   frequencies 0 <= rFreq < 1; 16-bit results rounded half away from zero. */
ZORAPI ZorStatus zorsGoertz_32f(const Zor32f* pSrc, int len, Zor32fc* pVal, Zor32f rFreq);
ZORAPI ZorStatus zorsGoertz_32fc(const Zor32fc* pSrc, int len, Zor32fc* pVal, Zor32f rFreq);
ZORAPI ZorStatus zorsGoertz_64fc(const Zor64fc* pSrc, int len, Zor64fc* pVal, Zor64f rFreq);
ZORAPI ZorStatus zorsGoertz_16s_Sfs(const Zor16s* pSrc, int len, Zor16sc* pVal, Zor32f rFreq, int scaleFactor);
ZORAPI ZorStatus zorsGoertz_16sc_Sfs(const Zor16sc* pSrc, int len, Zor16sc* pVal, Zor32f rFreq, int scaleFactor);
ZORAPI ZorStatus zorsGoertzTwo_32fc(const Zor32fc* pSrc, int len, Zor32fc pVal[2], const Zor32f rFreq[2]);
ZORAPI ZorStatus zorsGoertzTwo_64fc(const Zor64fc* pSrc, int len, Zor64fc pVal[2], const Zor64f rFreq[2]);
ZORAPI ZorStatus zorsGoertzTwo_16sc_Sfs(const Zor16sc* pSrc, int len, Zor16sc pVal[2], const Zor32f rFreq[2], int scaleFactor);

/* Wavelet filter-bank states (opaque; the first word identifies the kind). */
typedef struct ZorsWTFwdState_32f ZorsWTFwdState_32f;
typedef struct ZorsWTFwdState_8u32f ZorsWTFwdState_8u32f;
typedef struct ZorsWTFwdState_8s32f ZorsWTFwdState_8s32f;
typedef struct ZorsWTFwdState_16u32f ZorsWTFwdState_16u32f;
typedef struct ZorsWTFwdState_16s32f ZorsWTFwdState_16s32f;
typedef struct ZorsWTInvState_32f ZorsWTInvState_32f;
typedef struct ZorsWTInvState_32f8u ZorsWTInvState_32f8u;
typedef struct ZorsWTInvState_32f8s ZorsWTInvState_32f8s;
typedef struct ZorsWTInvState_32f16u ZorsWTInvState_32f16u;
typedef struct ZorsWTInvState_32f16s ZorsWTInvState_32f16s;

/* WTFwdInitAlloc, WTInvInitAlloc: a two-band analysis / synthesis bank of
   lenLow and lenHigh taps with offsets of -1 or more (else -35); Free
   releases it. */
ZORAPI ZorStatus zorsWTFwdInitAlloc_32f(ZorsWTFwdState_32f** ppState, const Zor32f* pTapsLow, int lenLow, int offsLow, const Zor32f* pTapsHigh, int lenHigh, int offsHigh);
ZORAPI ZorStatus zorsWTFwdInitAlloc_8u32f(ZorsWTFwdState_8u32f** ppState, const Zor32f* pTapsLow, int lenLow, int offsLow, const Zor32f* pTapsHigh, int lenHigh, int offsHigh);
ZORAPI ZorStatus zorsWTFwdInitAlloc_8s32f(ZorsWTFwdState_8s32f** ppState, const Zor32f* pTapsLow, int lenLow, int offsLow, const Zor32f* pTapsHigh, int lenHigh, int offsHigh);
ZORAPI ZorStatus zorsWTFwdInitAlloc_16u32f(ZorsWTFwdState_16u32f** ppState, const Zor32f* pTapsLow, int lenLow, int offsLow, const Zor32f* pTapsHigh, int lenHigh, int offsHigh);
ZORAPI ZorStatus zorsWTFwdInitAlloc_16s32f(ZorsWTFwdState_16s32f** ppState, const Zor32f* pTapsLow, int lenLow, int offsLow, const Zor32f* pTapsHigh, int lenHigh, int offsHigh);
ZORAPI ZorStatus zorsWTInvInitAlloc_32f(ZorsWTInvState_32f** ppState, const Zor32f* pTapsLow, int lenLow, int offsLow, const Zor32f* pTapsHigh, int lenHigh, int offsHigh);
ZORAPI ZorStatus zorsWTInvInitAlloc_32f8u(ZorsWTInvState_32f8u** ppState, const Zor32f* pTapsLow, int lenLow, int offsLow, const Zor32f* pTapsHigh, int lenHigh, int offsHigh);
ZORAPI ZorStatus zorsWTInvInitAlloc_32f8s(ZorsWTInvState_32f8s** ppState, const Zor32f* pTapsLow, int lenLow, int offsLow, const Zor32f* pTapsHigh, int lenHigh, int offsHigh);
ZORAPI ZorStatus zorsWTInvInitAlloc_32f16u(ZorsWTInvState_32f16u** ppState, const Zor32f* pTapsLow, int lenLow, int offsLow, const Zor32f* pTapsHigh, int lenHigh, int offsHigh);
ZORAPI ZorStatus zorsWTInvInitAlloc_32f16s(ZorsWTInvState_32f16s** ppState, const Zor32f* pTapsLow, int lenLow, int offsLow, const Zor32f* pTapsHigh, int lenHigh, int offsHigh);
ZORAPI ZorStatus zorsWTFwdFree_32f(ZorsWTFwdState_32f* pState);
ZORAPI ZorStatus zorsWTFwdFree_8u32f(ZorsWTFwdState_8u32f* pState);
ZORAPI ZorStatus zorsWTFwdFree_8s32f(ZorsWTFwdState_8s32f* pState);
ZORAPI ZorStatus zorsWTFwdFree_16u32f(ZorsWTFwdState_16u32f* pState);
ZORAPI ZorStatus zorsWTFwdFree_16s32f(ZorsWTFwdState_16s32f* pState);
ZORAPI ZorStatus zorsWTInvFree_32f(ZorsWTInvState_32f* pState);
ZORAPI ZorStatus zorsWTInvFree_32f8u(ZorsWTInvState_32f8u* pState);
ZORAPI ZorStatus zorsWTInvFree_32f8s(ZorsWTInvState_32f8s* pState);
ZORAPI ZorStatus zorsWTInvFree_32f16u(ZorsWTInvState_32f16u* pState);
ZORAPI ZorStatus zorsWTInvFree_32f16s(ZorsWTInvState_32f16s* pState);

/* WTFwd: 2*dstLen samples into dstLen values per band; WTInv: srcLen values
   per band into 2*srcLen samples. Consecutive calls continue the stream. */
ZORAPI ZorStatus zorsWTFwd_32f(const Zor32f* pSrc, Zor32f* pDstLow, Zor32f* pDstHigh, int dstLen, ZorsWTFwdState_32f* pState);
ZORAPI ZorStatus zorsWTFwd_8u32f(const Zor8u* pSrc, Zor32f* pDstLow, Zor32f* pDstHigh, int dstLen, ZorsWTFwdState_8u32f* pState);
ZORAPI ZorStatus zorsWTFwd_8s32f(const Zor8s* pSrc, Zor32f* pDstLow, Zor32f* pDstHigh, int dstLen, ZorsWTFwdState_8s32f* pState);
ZORAPI ZorStatus zorsWTFwd_16u32f(const Zor16u* pSrc, Zor32f* pDstLow, Zor32f* pDstHigh, int dstLen, ZorsWTFwdState_16u32f* pState);
ZORAPI ZorStatus zorsWTFwd_16s32f(const Zor16s* pSrc, Zor32f* pDstLow, Zor32f* pDstHigh, int dstLen, ZorsWTFwdState_16s32f* pState);
ZORAPI ZorStatus zorsWTInv_32f(const Zor32f* pSrcLow, const Zor32f* pSrcHigh, int srcLen, Zor32f* pDst, ZorsWTInvState_32f* pState);
ZORAPI ZorStatus zorsWTInv_32f8u(const Zor32f* pSrcLow, const Zor32f* pSrcHigh, int srcLen, Zor8u* pDst, ZorsWTInvState_32f8u* pState);
ZORAPI ZorStatus zorsWTInv_32f8s(const Zor32f* pSrcLow, const Zor32f* pSrcHigh, int srcLen, Zor8s* pDst, ZorsWTInvState_32f8s* pState);
ZORAPI ZorStatus zorsWTInv_32f16u(const Zor32f* pSrcLow, const Zor32f* pSrcHigh, int srcLen, Zor16u* pDst, ZorsWTInvState_32f16u* pState);
ZORAPI ZorStatus zorsWTInv_32f16s(const Zor32f* pSrcLow, const Zor32f* pSrcHigh, int srcLen, Zor16s* pDst, ZorsWTInvState_32f16s* pState);

/* WTFwdGetDlyLine, WTInvGetDlyLine, SetDlyLine: per band the filter history
   then the offset line, oldest first. */
ZORAPI ZorStatus zorsWTFwdGetDlyLine_32f(const ZorsWTFwdState_32f* pState, Zor32f* pDlyLow, Zor32f* pDlyHigh);
ZORAPI ZorStatus zorsWTFwdGetDlyLine_8u32f(const ZorsWTFwdState_8u32f* pState, Zor32f* pDlyLow, Zor32f* pDlyHigh);
ZORAPI ZorStatus zorsWTFwdGetDlyLine_8s32f(const ZorsWTFwdState_8s32f* pState, Zor32f* pDlyLow, Zor32f* pDlyHigh);
ZORAPI ZorStatus zorsWTFwdGetDlyLine_16u32f(const ZorsWTFwdState_16u32f* pState, Zor32f* pDlyLow, Zor32f* pDlyHigh);
ZORAPI ZorStatus zorsWTFwdGetDlyLine_16s32f(const ZorsWTFwdState_16s32f* pState, Zor32f* pDlyLow, Zor32f* pDlyHigh);
ZORAPI ZorStatus zorsWTInvGetDlyLine_32f(const ZorsWTInvState_32f* pState, Zor32f* pDlyLow, Zor32f* pDlyHigh);
ZORAPI ZorStatus zorsWTInvGetDlyLine_32f8u(const ZorsWTInvState_32f8u* pState, Zor32f* pDlyLow, Zor32f* pDlyHigh);
ZORAPI ZorStatus zorsWTInvGetDlyLine_32f8s(const ZorsWTInvState_32f8s* pState, Zor32f* pDlyLow, Zor32f* pDlyHigh);
ZORAPI ZorStatus zorsWTInvGetDlyLine_32f16u(const ZorsWTInvState_32f16u* pState, Zor32f* pDlyLow, Zor32f* pDlyHigh);
ZORAPI ZorStatus zorsWTInvGetDlyLine_32f16s(const ZorsWTInvState_32f16s* pState, Zor32f* pDlyLow, Zor32f* pDlyHigh);
ZORAPI ZorStatus zorsWTFwdSetDlyLine_32f(ZorsWTFwdState_32f* pState, const Zor32f* pDlyLow, const Zor32f* pDlyHigh);
ZORAPI ZorStatus zorsWTFwdSetDlyLine_8u32f(ZorsWTFwdState_8u32f* pState, const Zor32f* pDlyLow, const Zor32f* pDlyHigh);
ZORAPI ZorStatus zorsWTFwdSetDlyLine_8s32f(ZorsWTFwdState_8s32f* pState, const Zor32f* pDlyLow, const Zor32f* pDlyHigh);
ZORAPI ZorStatus zorsWTFwdSetDlyLine_16u32f(ZorsWTFwdState_16u32f* pState, const Zor32f* pDlyLow, const Zor32f* pDlyHigh);
ZORAPI ZorStatus zorsWTFwdSetDlyLine_16s32f(ZorsWTFwdState_16s32f* pState, const Zor32f* pDlyLow, const Zor32f* pDlyHigh);
ZORAPI ZorStatus zorsWTInvSetDlyLine_32f(ZorsWTInvState_32f* pState, const Zor32f* pDlyLow, const Zor32f* pDlyHigh);
ZORAPI ZorStatus zorsWTInvSetDlyLine_32f8u(ZorsWTInvState_32f8u* pState, const Zor32f* pDlyLow, const Zor32f* pDlyHigh);
ZORAPI ZorStatus zorsWTInvSetDlyLine_32f8s(ZorsWTInvState_32f8s* pState, const Zor32f* pDlyLow, const Zor32f* pDlyHigh);
ZORAPI ZorStatus zorsWTInvSetDlyLine_32f16u(ZorsWTInvState_32f16u* pState, const Zor32f* pDlyLow, const Zor32f* pDlyHigh);
ZORAPI ZorStatus zorsWTInvSetDlyLine_32f16s(ZorsWTInvState_32f16s* pState, const Zor32f* pDlyLow, const Zor32f* pDlyHigh);

/* WTHaarFwd, WTHaarInv: low = (a + b)/2, high = (b - a)/2 per pair (integers
   rounded half to even and saturated; _Sfs scaled by 2^-scaleFactor). */
ZORAPI ZorStatus zorsWTHaarFwd_32f(const Zor32f* pSrc, int len, Zor32f* pDstLow, Zor32f* pDstHigh);
ZORAPI ZorStatus zorsWTHaarFwd_64f(const Zor64f* pSrc, int len, Zor64f* pDstLow, Zor64f* pDstHigh);
ZORAPI ZorStatus zorsWTHaarFwd_8s(const Zor8s* pSrc, int len, Zor8s* pDstLow, Zor8s* pDstHigh);
ZORAPI ZorStatus zorsWTHaarFwd_16s(const Zor16s* pSrc, int len, Zor16s* pDstLow, Zor16s* pDstHigh);
ZORAPI ZorStatus zorsWTHaarFwd_32s(const Zor32s* pSrc, int len, Zor32s* pDstLow, Zor32s* pDstHigh);
ZORAPI ZorStatus zorsWTHaarFwd_64s(const Zor64s* pSrc, int len, Zor64s* pDstLow, Zor64s* pDstHigh);
ZORAPI ZorStatus zorsWTHaarFwd_8s_Sfs(const Zor8s* pSrc, int len, Zor8s* pDstLow, Zor8s* pDstHigh, int scaleFactor);
ZORAPI ZorStatus zorsWTHaarFwd_16s_Sfs(const Zor16s* pSrc, int len, Zor16s* pDstLow, Zor16s* pDstHigh, int scaleFactor);
ZORAPI ZorStatus zorsWTHaarFwd_32s_Sfs(const Zor32s* pSrc, int len, Zor32s* pDstLow, Zor32s* pDstHigh, int scaleFactor);
ZORAPI ZorStatus zorsWTHaarFwd_64s_Sfs(const Zor64s* pSrc, int len, Zor64s* pDstLow, Zor64s* pDstHigh, int scaleFactor);
ZORAPI ZorStatus zorsWTHaarInv_32f(const Zor32f* pSrcLow, const Zor32f* pSrcHigh, Zor32f* pDst, int len);
ZORAPI ZorStatus zorsWTHaarInv_64f(const Zor64f* pSrcLow, const Zor64f* pSrcHigh, Zor64f* pDst, int len);
ZORAPI ZorStatus zorsWTHaarInv_8s(const Zor8s* pSrcLow, const Zor8s* pSrcHigh, Zor8s* pDst, int len);
ZORAPI ZorStatus zorsWTHaarInv_16s(const Zor16s* pSrcLow, const Zor16s* pSrcHigh, Zor16s* pDst, int len);
ZORAPI ZorStatus zorsWTHaarInv_32s(const Zor32s* pSrcLow, const Zor32s* pSrcHigh, Zor32s* pDst, int len);
ZORAPI ZorStatus zorsWTHaarInv_64s(const Zor64s* pSrcLow, const Zor64s* pSrcHigh, Zor64s* pDst, int len);
ZORAPI ZorStatus zorsWTHaarInv_8s_Sfs(const Zor8s* pSrcLow, const Zor8s* pSrcHigh, Zor8s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsWTHaarInv_16s_Sfs(const Zor16s* pSrcLow, const Zor16s* pSrcHigh, Zor16s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsWTHaarInv_32s_Sfs(const Zor32s* pSrcLow, const Zor32s* pSrcHigh, Zor32s* pDst, int len, int scaleFactor);
ZORAPI ZorStatus zorsWTHaarInv_64s_Sfs(const Zor64s* pSrcLow, const Zor64s* pSrcHigh, Zor64s* pDst, int len, int scaleFactor);

/* (end of transform) */

/* ======================================================================== */
/* filter: FIR, multi-rate FIR, design, LMS, IIR, convolution, resampling    */
/* ======================================================================== */

/* FIR states: y[n] = sum of h[k]*x[n-k]. Delay lines given and returned newest
   first (null = zeros). Block filters choose a direct or an overlap-save FFT
   path; integer data are scaled by 2^-scaleFactor, rounded and saturated. */
typedef struct ZorsFIRState32f_16s ZorsFIRState32f_16s;
typedef struct ZorsFIRState32fc_16sc ZorsFIRState32fc_16sc;
typedef struct ZorsFIRState32s_16s ZorsFIRState32s_16s;
typedef struct ZorsFIRState32sc_16sc ZorsFIRState32sc_16sc;
typedef struct ZorsFIRState64f_16s ZorsFIRState64f_16s;
typedef struct ZorsFIRState64f_32f ZorsFIRState64f_32f;
typedef struct ZorsFIRState64f_32s ZorsFIRState64f_32s;
typedef struct ZorsFIRState64fc_16sc ZorsFIRState64fc_16sc;
typedef struct ZorsFIRState64fc_32fc ZorsFIRState64fc_32fc;
typedef struct ZorsFIRState64fc_32sc ZorsFIRState64fc_32sc;
typedef struct ZorsFIRState_32f ZorsFIRState_32f;
typedef struct ZorsFIRState_32fc ZorsFIRState_32fc;
typedef struct ZorsFIRState_64f ZorsFIRState_64f;
typedef struct ZorsFIRState_64fc ZorsFIRState_64fc;
ZORAPI ZorStatus zorsFIRGetStateSize_32f(int tapsLen, int* pBufferSize);
ZORAPI ZorStatus zorsFIRInitAlloc_32f(ZorsFIRState_32f** ppState, const Zor32f* pTaps, int tapsLen, const Zor32f* pDlyLine);
ZORAPI ZorStatus zorsFIRInit_32f(ZorsFIRState_32f** ppState, const Zor32f* pTaps, int tapsLen, const Zor32f* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFIRSetTaps_32f(const Zor32f* pTaps, ZorsFIRState_32f* pState);
ZORAPI ZorStatus zorsFIRGetTaps_32f(const ZorsFIRState_32f* pState, Zor32f* pTaps);
ZORAPI ZorStatus zorsFIRSetDlyLine_32f(ZorsFIRState_32f* pState, const Zor32f* pDlyLine);
ZORAPI ZorStatus zorsFIRGetDlyLine_32f(const ZorsFIRState_32f* pState, Zor32f* pDlyLine);
ZORAPI ZorStatus zorsFIR_32f(const Zor32f* pSrc, Zor32f* pDst, int numIters, ZorsFIRState_32f* pState);
ZORAPI ZorStatus zorsFIR_32f_I(Zor32f* pSrcDst, int numIters, ZorsFIRState_32f* pState);
ZORAPI ZorStatus zorsFIROne_32f(Zor32f src, Zor32f* pDstVal, ZorsFIRState_32f* pState);
ZORAPI ZorStatus zorsFIRFree_32f(ZorsFIRState_32f* pState);
ZORAPI ZorStatus zorsFIRGetStateSize_32fc(int tapsLen, int* pBufferSize);
ZORAPI ZorStatus zorsFIRInitAlloc_32fc(ZorsFIRState_32fc** ppState, const Zor32fc* pTaps, int tapsLen, const Zor32fc* pDlyLine);
ZORAPI ZorStatus zorsFIRInit_32fc(ZorsFIRState_32fc** ppState, const Zor32fc* pTaps, int tapsLen, const Zor32fc* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFIRSetTaps_32fc(const Zor32fc* pTaps, ZorsFIRState_32fc* pState);
ZORAPI ZorStatus zorsFIRGetTaps_32fc(const ZorsFIRState_32fc* pState, Zor32fc* pTaps);
ZORAPI ZorStatus zorsFIRSetDlyLine_32fc(ZorsFIRState_32fc* pState, const Zor32fc* pDlyLine);
ZORAPI ZorStatus zorsFIRGetDlyLine_32fc(const ZorsFIRState_32fc* pState, Zor32fc* pDlyLine);
ZORAPI ZorStatus zorsFIR_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int numIters, ZorsFIRState_32fc* pState);
ZORAPI ZorStatus zorsFIR_32fc_I(Zor32fc* pSrcDst, int numIters, ZorsFIRState_32fc* pState);
ZORAPI ZorStatus zorsFIROne_32fc(Zor32fc src, Zor32fc* pDstVal, ZorsFIRState_32fc* pState);
ZORAPI ZorStatus zorsFIRFree_32fc(ZorsFIRState_32fc* pState);
ZORAPI ZorStatus zorsFIRGetStateSize32f_16s(int tapsLen, int* pBufferSize);
ZORAPI ZorStatus zorsFIRInitAlloc32f_16s(ZorsFIRState32f_16s** ppState, const Zor32f* pTaps, int tapsLen, const Zor16s* pDlyLine);
ZORAPI ZorStatus zorsFIRInit32f_16s(ZorsFIRState32f_16s** ppState, const Zor32f* pTaps, int tapsLen, const Zor16s* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFIRSetTaps32f_16s(const Zor32f* pTaps, ZorsFIRState32f_16s* pState);
ZORAPI ZorStatus zorsFIRGetTaps32f_16s(const ZorsFIRState32f_16s* pState, Zor32f* pTaps);
ZORAPI ZorStatus zorsFIRSetDlyLine32f_16s(ZorsFIRState32f_16s* pState, const Zor16s* pDlyLine);
ZORAPI ZorStatus zorsFIRGetDlyLine32f_16s(const ZorsFIRState32f_16s* pState, Zor16s* pDlyLine);
ZORAPI ZorStatus zorsFIR32f_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, int numIters, ZorsFIRState32f_16s* pState, int scaleFactor);
ZORAPI ZorStatus zorsFIR32f_16s_ISfs(Zor16s* pSrcDst, int numIters, ZorsFIRState32f_16s* pState, int scaleFactor);
ZORAPI ZorStatus zorsFIROne32f_16s_Sfs(Zor16s src, Zor16s* pDstVal, ZorsFIRState32f_16s* pState, int scaleFactor);
ZORAPI ZorStatus zorsFIRFree32f_16s(ZorsFIRState32f_16s* pState);
ZORAPI ZorStatus zorsFIRGetStateSize32fc_16sc(int tapsLen, int* pBufferSize);
ZORAPI ZorStatus zorsFIRInitAlloc32fc_16sc(ZorsFIRState32fc_16sc** ppState, const Zor32fc* pTaps, int tapsLen, const Zor16sc* pDlyLine);
ZORAPI ZorStatus zorsFIRInit32fc_16sc(ZorsFIRState32fc_16sc** ppState, const Zor32fc* pTaps, int tapsLen, const Zor16sc* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFIRSetTaps32fc_16sc(const Zor32fc* pTaps, ZorsFIRState32fc_16sc* pState);
ZORAPI ZorStatus zorsFIRGetTaps32fc_16sc(const ZorsFIRState32fc_16sc* pState, Zor32fc* pTaps);
ZORAPI ZorStatus zorsFIRSetDlyLine32fc_16sc(ZorsFIRState32fc_16sc* pState, const Zor16sc* pDlyLine);
ZORAPI ZorStatus zorsFIRGetDlyLine32fc_16sc(const ZorsFIRState32fc_16sc* pState, Zor16sc* pDlyLine);
ZORAPI ZorStatus zorsFIR32fc_16sc_Sfs(const Zor16sc* pSrc, Zor16sc* pDst, int numIters, ZorsFIRState32fc_16sc* pState, int scaleFactor);
ZORAPI ZorStatus zorsFIR32fc_16sc_ISfs(Zor16sc* pSrcDst, int numIters, ZorsFIRState32fc_16sc* pState, int scaleFactor);
ZORAPI ZorStatus zorsFIROne32fc_16sc_Sfs(Zor16sc src, Zor16sc* pDstVal, ZorsFIRState32fc_16sc* pState, int scaleFactor);
ZORAPI ZorStatus zorsFIRFree32fc_16sc(ZorsFIRState32fc_16sc* pState);
ZORAPI ZorStatus zorsFIRGetStateSize_64f(int tapsLen, int* pBufferSize);
ZORAPI ZorStatus zorsFIRInitAlloc_64f(ZorsFIRState_64f** ppState, const Zor64f* pTaps, int tapsLen, const Zor64f* pDlyLine);
ZORAPI ZorStatus zorsFIRInit_64f(ZorsFIRState_64f** ppState, const Zor64f* pTaps, int tapsLen, const Zor64f* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFIRSetTaps_64f(const Zor64f* pTaps, ZorsFIRState_64f* pState);
ZORAPI ZorStatus zorsFIRGetTaps_64f(const ZorsFIRState_64f* pState, Zor64f* pTaps);
ZORAPI ZorStatus zorsFIRSetDlyLine_64f(ZorsFIRState_64f* pState, const Zor64f* pDlyLine);
ZORAPI ZorStatus zorsFIRGetDlyLine_64f(const ZorsFIRState_64f* pState, Zor64f* pDlyLine);
ZORAPI ZorStatus zorsFIR_64f(const Zor64f* pSrc, Zor64f* pDst, int numIters, ZorsFIRState_64f* pState);
ZORAPI ZorStatus zorsFIR_64f_I(Zor64f* pSrcDst, int numIters, ZorsFIRState_64f* pState);
ZORAPI ZorStatus zorsFIROne_64f(Zor64f src, Zor64f* pDstVal, ZorsFIRState_64f* pState);
ZORAPI ZorStatus zorsFIRFree_64f(ZorsFIRState_64f* pState);
ZORAPI ZorStatus zorsFIRGetStateSize_64fc(int tapsLen, int* pBufferSize);
ZORAPI ZorStatus zorsFIRInitAlloc_64fc(ZorsFIRState_64fc** ppState, const Zor64fc* pTaps, int tapsLen, const Zor64fc* pDlyLine);
ZORAPI ZorStatus zorsFIRInit_64fc(ZorsFIRState_64fc** ppState, const Zor64fc* pTaps, int tapsLen, const Zor64fc* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFIRSetTaps_64fc(const Zor64fc* pTaps, ZorsFIRState_64fc* pState);
ZORAPI ZorStatus zorsFIRGetTaps_64fc(const ZorsFIRState_64fc* pState, Zor64fc* pTaps);
ZORAPI ZorStatus zorsFIRSetDlyLine_64fc(ZorsFIRState_64fc* pState, const Zor64fc* pDlyLine);
ZORAPI ZorStatus zorsFIRGetDlyLine_64fc(const ZorsFIRState_64fc* pState, Zor64fc* pDlyLine);
ZORAPI ZorStatus zorsFIR_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int numIters, ZorsFIRState_64fc* pState);
ZORAPI ZorStatus zorsFIR_64fc_I(Zor64fc* pSrcDst, int numIters, ZorsFIRState_64fc* pState);
ZORAPI ZorStatus zorsFIROne_64fc(Zor64fc src, Zor64fc* pDstVal, ZorsFIRState_64fc* pState);
ZORAPI ZorStatus zorsFIRFree_64fc(ZorsFIRState_64fc* pState);
ZORAPI ZorStatus zorsFIRGetStateSize64f_32f(int tapsLen, int* pBufferSize);
ZORAPI ZorStatus zorsFIRInitAlloc64f_32f(ZorsFIRState64f_32f** ppState, const Zor64f* pTaps, int tapsLen, const Zor32f* pDlyLine);
ZORAPI ZorStatus zorsFIRInit64f_32f(ZorsFIRState64f_32f** ppState, const Zor64f* pTaps, int tapsLen, const Zor32f* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFIRSetTaps64f_32f(const Zor64f* pTaps, ZorsFIRState64f_32f* pState);
ZORAPI ZorStatus zorsFIRGetTaps64f_32f(const ZorsFIRState64f_32f* pState, Zor64f* pTaps);
ZORAPI ZorStatus zorsFIRSetDlyLine64f_32f(ZorsFIRState64f_32f* pState, const Zor32f* pDlyLine);
ZORAPI ZorStatus zorsFIRGetDlyLine64f_32f(const ZorsFIRState64f_32f* pState, Zor32f* pDlyLine);
ZORAPI ZorStatus zorsFIR64f_32f(const Zor32f* pSrc, Zor32f* pDst, int numIters, ZorsFIRState64f_32f* pState);
ZORAPI ZorStatus zorsFIR64f_32f_I(Zor32f* pSrcDst, int numIters, ZorsFIRState64f_32f* pState);
ZORAPI ZorStatus zorsFIROne64f_32f(Zor32f src, Zor32f* pDstVal, ZorsFIRState64f_32f* pState);
ZORAPI ZorStatus zorsFIRFree64f_32f(ZorsFIRState64f_32f* pState);
ZORAPI ZorStatus zorsFIRGetStateSize64fc_32fc(int tapsLen, int* pBufferSize);
ZORAPI ZorStatus zorsFIRInitAlloc64fc_32fc(ZorsFIRState64fc_32fc** ppState, const Zor64fc* pTaps, int tapsLen, const Zor32fc* pDlyLine);
ZORAPI ZorStatus zorsFIRInit64fc_32fc(ZorsFIRState64fc_32fc** ppState, const Zor64fc* pTaps, int tapsLen, const Zor32fc* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFIRSetTaps64fc_32fc(const Zor64fc* pTaps, ZorsFIRState64fc_32fc* pState);
ZORAPI ZorStatus zorsFIRGetTaps64fc_32fc(const ZorsFIRState64fc_32fc* pState, Zor64fc* pTaps);
ZORAPI ZorStatus zorsFIRSetDlyLine64fc_32fc(ZorsFIRState64fc_32fc* pState, const Zor32fc* pDlyLine);
ZORAPI ZorStatus zorsFIRGetDlyLine64fc_32fc(const ZorsFIRState64fc_32fc* pState, Zor32fc* pDlyLine);
ZORAPI ZorStatus zorsFIR64fc_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int numIters, ZorsFIRState64fc_32fc* pState);
ZORAPI ZorStatus zorsFIR64fc_32fc_I(Zor32fc* pSrcDst, int numIters, ZorsFIRState64fc_32fc* pState);
ZORAPI ZorStatus zorsFIROne64fc_32fc(Zor32fc src, Zor32fc* pDstVal, ZorsFIRState64fc_32fc* pState);
ZORAPI ZorStatus zorsFIRFree64fc_32fc(ZorsFIRState64fc_32fc* pState);
ZORAPI ZorStatus zorsFIRGetStateSize64f_32s(int tapsLen, int* pBufferSize);
ZORAPI ZorStatus zorsFIRInitAlloc64f_32s(ZorsFIRState64f_32s** ppState, const Zor64f* pTaps, int tapsLen, const Zor32s* pDlyLine);
ZORAPI ZorStatus zorsFIRInit64f_32s(ZorsFIRState64f_32s** ppState, const Zor64f* pTaps, int tapsLen, const Zor32s* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFIRSetTaps64f_32s(const Zor64f* pTaps, ZorsFIRState64f_32s* pState);
ZORAPI ZorStatus zorsFIRGetTaps64f_32s(const ZorsFIRState64f_32s* pState, Zor64f* pTaps);
ZORAPI ZorStatus zorsFIRSetDlyLine64f_32s(ZorsFIRState64f_32s* pState, const Zor32s* pDlyLine);
ZORAPI ZorStatus zorsFIRGetDlyLine64f_32s(const ZorsFIRState64f_32s* pState, Zor32s* pDlyLine);
ZORAPI ZorStatus zorsFIR64f_32s_Sfs(const Zor32s* pSrc, Zor32s* pDst, int numIters, ZorsFIRState64f_32s* pState, int scaleFactor);
ZORAPI ZorStatus zorsFIR64f_32s_ISfs(Zor32s* pSrcDst, int numIters, ZorsFIRState64f_32s* pState, int scaleFactor);
ZORAPI ZorStatus zorsFIROne64f_32s_Sfs(Zor32s src, Zor32s* pDstVal, ZorsFIRState64f_32s* pState, int scaleFactor);
ZORAPI ZorStatus zorsFIRFree64f_32s(ZorsFIRState64f_32s* pState);
ZORAPI ZorStatus zorsFIRGetStateSize64fc_32sc(int tapsLen, int* pBufferSize);
ZORAPI ZorStatus zorsFIRInitAlloc64fc_32sc(ZorsFIRState64fc_32sc** ppState, const Zor64fc* pTaps, int tapsLen, const Zor32sc* pDlyLine);
ZORAPI ZorStatus zorsFIRInit64fc_32sc(ZorsFIRState64fc_32sc** ppState, const Zor64fc* pTaps, int tapsLen, const Zor32sc* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFIRSetTaps64fc_32sc(const Zor64fc* pTaps, ZorsFIRState64fc_32sc* pState);
ZORAPI ZorStatus zorsFIRGetTaps64fc_32sc(const ZorsFIRState64fc_32sc* pState, Zor64fc* pTaps);
ZORAPI ZorStatus zorsFIRSetDlyLine64fc_32sc(ZorsFIRState64fc_32sc* pState, const Zor32sc* pDlyLine);
ZORAPI ZorStatus zorsFIRGetDlyLine64fc_32sc(const ZorsFIRState64fc_32sc* pState, Zor32sc* pDlyLine);
ZORAPI ZorStatus zorsFIR64fc_32sc_Sfs(const Zor32sc* pSrc, Zor32sc* pDst, int numIters, ZorsFIRState64fc_32sc* pState, int scaleFactor);
ZORAPI ZorStatus zorsFIR64fc_32sc_ISfs(Zor32sc* pSrcDst, int numIters, ZorsFIRState64fc_32sc* pState, int scaleFactor);
ZORAPI ZorStatus zorsFIROne64fc_32sc_Sfs(Zor32sc src, Zor32sc* pDstVal, ZorsFIRState64fc_32sc* pState, int scaleFactor);
ZORAPI ZorStatus zorsFIRFree64fc_32sc(ZorsFIRState64fc_32sc* pState);
ZORAPI ZorStatus zorsFIRGetStateSize64f_16s(int tapsLen, int* pBufferSize);
ZORAPI ZorStatus zorsFIRInitAlloc64f_16s(ZorsFIRState64f_16s** ppState, const Zor64f* pTaps, int tapsLen, const Zor16s* pDlyLine);
ZORAPI ZorStatus zorsFIRInit64f_16s(ZorsFIRState64f_16s** ppState, const Zor64f* pTaps, int tapsLen, const Zor16s* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFIRSetTaps64f_16s(const Zor64f* pTaps, ZorsFIRState64f_16s* pState);
ZORAPI ZorStatus zorsFIRGetTaps64f_16s(const ZorsFIRState64f_16s* pState, Zor64f* pTaps);
ZORAPI ZorStatus zorsFIRSetDlyLine64f_16s(ZorsFIRState64f_16s* pState, const Zor16s* pDlyLine);
ZORAPI ZorStatus zorsFIRGetDlyLine64f_16s(const ZorsFIRState64f_16s* pState, Zor16s* pDlyLine);
ZORAPI ZorStatus zorsFIR64f_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, int numIters, ZorsFIRState64f_16s* pState, int scaleFactor);
ZORAPI ZorStatus zorsFIR64f_16s_ISfs(Zor16s* pSrcDst, int numIters, ZorsFIRState64f_16s* pState, int scaleFactor);
ZORAPI ZorStatus zorsFIROne64f_16s_Sfs(Zor16s src, Zor16s* pDstVal, ZorsFIRState64f_16s* pState, int scaleFactor);
ZORAPI ZorStatus zorsFIRFree64f_16s(ZorsFIRState64f_16s* pState);
ZORAPI ZorStatus zorsFIRGetStateSize64fc_16sc(int tapsLen, int* pBufferSize);
ZORAPI ZorStatus zorsFIRInitAlloc64fc_16sc(ZorsFIRState64fc_16sc** ppState, const Zor64fc* pTaps, int tapsLen, const Zor16sc* pDlyLine);
ZORAPI ZorStatus zorsFIRInit64fc_16sc(ZorsFIRState64fc_16sc** ppState, const Zor64fc* pTaps, int tapsLen, const Zor16sc* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFIRSetTaps64fc_16sc(const Zor64fc* pTaps, ZorsFIRState64fc_16sc* pState);
ZORAPI ZorStatus zorsFIRGetTaps64fc_16sc(const ZorsFIRState64fc_16sc* pState, Zor64fc* pTaps);
ZORAPI ZorStatus zorsFIRSetDlyLine64fc_16sc(ZorsFIRState64fc_16sc* pState, const Zor16sc* pDlyLine);
ZORAPI ZorStatus zorsFIRGetDlyLine64fc_16sc(const ZorsFIRState64fc_16sc* pState, Zor16sc* pDlyLine);
ZORAPI ZorStatus zorsFIR64fc_16sc_Sfs(const Zor16sc* pSrc, Zor16sc* pDst, int numIters, ZorsFIRState64fc_16sc* pState, int scaleFactor);
ZORAPI ZorStatus zorsFIR64fc_16sc_ISfs(Zor16sc* pSrcDst, int numIters, ZorsFIRState64fc_16sc* pState, int scaleFactor);
ZORAPI ZorStatus zorsFIROne64fc_16sc_Sfs(Zor16sc src, Zor16sc* pDstVal, ZorsFIRState64fc_16sc* pState, int scaleFactor);
ZORAPI ZorStatus zorsFIRFree64fc_16sc(ZorsFIRState64fc_16sc* pState);
/* Integer-tap states: taps normalised to 16 bits with an effective tapsFactor
   (tap value = stored * 2^tapsFactor); 32-bit wrap-around sums. */
ZORAPI ZorStatus zorsFIRGetStateSize32s_16s(int tapsLen, int* pBufferSize);
ZORAPI ZorStatus zorsFIRGetStateSize32s_16s32f(int tapsLen, int* pBufferSize);
ZORAPI ZorStatus zorsFIRInitAlloc32s_16s(ZorsFIRState32s_16s** ppState, const Zor32s* pTaps, int tapsLen, int tapsFactor, const Zor16s* pDlyLine);
ZORAPI ZorStatus zorsFIRInit32s_16s(ZorsFIRState32s_16s** ppState, const Zor32s* pTaps, int tapsLen, int tapsFactor, const Zor16s* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFIRInitAlloc32s_16s32f(ZorsFIRState32s_16s** ppState, const Zor32f* pTaps, int tapsLen, const Zor16s* pDlyLine);
ZORAPI ZorStatus zorsFIRInit32s_16s32f(ZorsFIRState32s_16s** ppState, const Zor32f* pTaps, int tapsLen, const Zor16s* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFIRSetTaps32s_16s(const Zor32s* pTaps, ZorsFIRState32s_16s* pState, int tapsFactor);
ZORAPI ZorStatus zorsFIRGetTaps32s_16s(const ZorsFIRState32s_16s* pState, Zor32s* pTaps, int* pTapsFactor);
ZORAPI ZorStatus zorsFIRSetTaps32s_16s32f(const Zor32f* pTaps, ZorsFIRState32s_16s* pState);
ZORAPI ZorStatus zorsFIRGetTaps32s_16s32f(const ZorsFIRState32s_16s* pState, Zor32f* pTaps);
ZORAPI ZorStatus zorsFIRSetDlyLine32s_16s(ZorsFIRState32s_16s* pState, const Zor16s* pDlyLine);
ZORAPI ZorStatus zorsFIRGetDlyLine32s_16s(const ZorsFIRState32s_16s* pState, Zor16s* pDlyLine);
ZORAPI ZorStatus zorsFIR32s_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, int numIters, ZorsFIRState32s_16s* pState, int scaleFactor);
ZORAPI ZorStatus zorsFIR32s_16s_ISfs(Zor16s* pSrcDst, int numIters, ZorsFIRState32s_16s* pState, int scaleFactor);
ZORAPI ZorStatus zorsFIROne32s_16s_Sfs(Zor16s src, Zor16s* pDstVal, ZorsFIRState32s_16s* pState, int scaleFactor);
ZORAPI ZorStatus zorsFIRFree32s_16s(ZorsFIRState32s_16s* pState);
ZORAPI ZorStatus zorsFIRGetStateSize32sc_16sc(int tapsLen, int* pBufferSize);
ZORAPI ZorStatus zorsFIRGetStateSize32sc_16sc32fc(int tapsLen, int* pBufferSize);
ZORAPI ZorStatus zorsFIRInitAlloc32sc_16sc(ZorsFIRState32sc_16sc** ppState, const Zor32sc* pTaps, int tapsLen, int tapsFactor, const Zor16sc* pDlyLine);
ZORAPI ZorStatus zorsFIRInit32sc_16sc(ZorsFIRState32sc_16sc** ppState, const Zor32sc* pTaps, int tapsLen, int tapsFactor, const Zor16sc* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFIRInitAlloc32sc_16sc32fc(ZorsFIRState32sc_16sc** ppState, const Zor32fc* pTaps, int tapsLen, const Zor16sc* pDlyLine);
ZORAPI ZorStatus zorsFIRInit32sc_16sc32fc(ZorsFIRState32sc_16sc** ppState, const Zor32fc* pTaps, int tapsLen, const Zor16sc* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFIRSetTaps32sc_16sc(const Zor32sc* pTaps, ZorsFIRState32sc_16sc* pState, int tapsFactor);
ZORAPI ZorStatus zorsFIRGetTaps32sc_16sc(const ZorsFIRState32sc_16sc* pState, Zor32sc* pTaps, int* pTapsFactor);
ZORAPI ZorStatus zorsFIRSetTaps32sc_16sc32fc(const Zor32fc* pTaps, ZorsFIRState32sc_16sc* pState);
ZORAPI ZorStatus zorsFIRGetTaps32sc_16sc32fc(const ZorsFIRState32sc_16sc* pState, Zor32fc* pTaps);
ZORAPI ZorStatus zorsFIRSetDlyLine32sc_16sc(ZorsFIRState32sc_16sc* pState, const Zor16sc* pDlyLine);
ZORAPI ZorStatus zorsFIRGetDlyLine32sc_16sc(const ZorsFIRState32sc_16sc* pState, Zor16sc* pDlyLine);
ZORAPI ZorStatus zorsFIR32sc_16sc_Sfs(const Zor16sc* pSrc, Zor16sc* pDst, int numIters, ZorsFIRState32sc_16sc* pState, int scaleFactor);
ZORAPI ZorStatus zorsFIR32sc_16sc_ISfs(Zor16sc* pSrcDst, int numIters, ZorsFIRState32sc_16sc* pState, int scaleFactor);
ZORAPI ZorStatus zorsFIROne32sc_16sc_Sfs(Zor16sc src, Zor16sc* pDstVal, ZorsFIRState32sc_16sc* pState, int scaleFactor);
ZORAPI ZorStatus zorsFIRFree32sc_16sc(ZorsFIRState32sc_16sc* pState);
/* Direct forms: the caller keeps a delay array of 2*tapsLen samples and an
   index (window d[i .. i+tapsLen-1], oldest first, mirrored at +tapsLen). */
ZORAPI ZorStatus zorsFIR_Direct_32f(const Zor32f* pSrc, Zor32f* pDst, int numIters, const Zor32f* pTaps, int tapsLen, Zor32f* pDlyLine, int* pDlyLineIndex);
ZORAPI ZorStatus zorsFIR_Direct_32f_I(Zor32f* pSrcDst, int numIters, const Zor32f* pTaps, int tapsLen, Zor32f* pDlyLine, int* pDlyLineIndex);
ZORAPI ZorStatus zorsFIROne_Direct_32f(Zor32f src, Zor32f* pDstVal, const Zor32f* pTaps, int tapsLen, Zor32f* pDlyLine, int* pDlyLineIndex);
ZORAPI ZorStatus zorsFIROne_Direct_32f_I(Zor32f* pSrcDstVal, const Zor32f* pTaps, int tapsLen, Zor32f* pDlyLine, int* pDlyLineIndex);
ZORAPI ZorStatus zorsFIR_Direct_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int numIters, const Zor32fc* pTaps, int tapsLen, Zor32fc* pDlyLine, int* pDlyLineIndex);
ZORAPI ZorStatus zorsFIR_Direct_32fc_I(Zor32fc* pSrcDst, int numIters, const Zor32fc* pTaps, int tapsLen, Zor32fc* pDlyLine, int* pDlyLineIndex);
ZORAPI ZorStatus zorsFIROne_Direct_32fc(Zor32fc src, Zor32fc* pDstVal, const Zor32fc* pTaps, int tapsLen, Zor32fc* pDlyLine, int* pDlyLineIndex);
ZORAPI ZorStatus zorsFIROne_Direct_32fc_I(Zor32fc* pSrcDstVal, const Zor32fc* pTaps, int tapsLen, Zor32fc* pDlyLine, int* pDlyLineIndex);
ZORAPI ZorStatus zorsFIR_Direct_64f(const Zor64f* pSrc, Zor64f* pDst, int numIters, const Zor64f* pTaps, int tapsLen, Zor64f* pDlyLine, int* pDlyLineIndex);
ZORAPI ZorStatus zorsFIR_Direct_64f_I(Zor64f* pSrcDst, int numIters, const Zor64f* pTaps, int tapsLen, Zor64f* pDlyLine, int* pDlyLineIndex);
ZORAPI ZorStatus zorsFIROne_Direct_64f(Zor64f src, Zor64f* pDstVal, const Zor64f* pTaps, int tapsLen, Zor64f* pDlyLine, int* pDlyLineIndex);
ZORAPI ZorStatus zorsFIROne_Direct_64f_I(Zor64f* pSrcDstVal, const Zor64f* pTaps, int tapsLen, Zor64f* pDlyLine, int* pDlyLineIndex);
ZORAPI ZorStatus zorsFIR_Direct_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int numIters, const Zor64fc* pTaps, int tapsLen, Zor64fc* pDlyLine, int* pDlyLineIndex);
ZORAPI ZorStatus zorsFIR_Direct_64fc_I(Zor64fc* pSrcDst, int numIters, const Zor64fc* pTaps, int tapsLen, Zor64fc* pDlyLine, int* pDlyLineIndex);
ZORAPI ZorStatus zorsFIROne_Direct_64fc(Zor64fc src, Zor64fc* pDstVal, const Zor64fc* pTaps, int tapsLen, Zor64fc* pDlyLine, int* pDlyLineIndex);
ZORAPI ZorStatus zorsFIROne_Direct_64fc_I(Zor64fc* pSrcDstVal, const Zor64fc* pTaps, int tapsLen, Zor64fc* pDlyLine, int* pDlyLineIndex);
ZORAPI ZorStatus zorsFIR64f_Direct_32f(const Zor32f* pSrc, Zor32f* pDst, int numIters, const Zor64f* pTaps, int tapsLen, Zor32f* pDlyLine, int* pDlyLineIndex);
ZORAPI ZorStatus zorsFIR64f_Direct_32f_I(Zor32f* pSrcDst, int numIters, const Zor64f* pTaps, int tapsLen, Zor32f* pDlyLine, int* pDlyLineIndex);
ZORAPI ZorStatus zorsFIROne64f_Direct_32f(Zor32f src, Zor32f* pDstVal, const Zor64f* pTaps, int tapsLen, Zor32f* pDlyLine, int* pDlyLineIndex);
ZORAPI ZorStatus zorsFIROne64f_Direct_32f_I(Zor32f* pSrcDstVal, const Zor64f* pTaps, int tapsLen, Zor32f* pDlyLine, int* pDlyLineIndex);
ZORAPI ZorStatus zorsFIR64fc_Direct_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int numIters, const Zor64fc* pTaps, int tapsLen, Zor32fc* pDlyLine, int* pDlyLineIndex);
ZORAPI ZorStatus zorsFIR64fc_Direct_32fc_I(Zor32fc* pSrcDst, int numIters, const Zor64fc* pTaps, int tapsLen, Zor32fc* pDlyLine, int* pDlyLineIndex);
ZORAPI ZorStatus zorsFIROne64fc_Direct_32fc(Zor32fc src, Zor32fc* pDstVal, const Zor64fc* pTaps, int tapsLen, Zor32fc* pDlyLine, int* pDlyLineIndex);
ZORAPI ZorStatus zorsFIROne64fc_Direct_32fc_I(Zor32fc* pSrcDstVal, const Zor64fc* pTaps, int tapsLen, Zor32fc* pDlyLine, int* pDlyLineIndex);
ZORAPI ZorStatus zorsFIR_Direct_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, int numIters, const Zor16s* pTapsQ15, int tapsLen, Zor16s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
ZORAPI ZorStatus zorsFIR_Direct_16s_ISfs(Zor16s* pSrcDst, int numIters, const Zor16s* pTapsQ15, int tapsLen, Zor16s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
ZORAPI ZorStatus zorsFIROne_Direct_16s_Sfs(Zor16s src, Zor16s* pDstVal, const Zor16s* pTapsQ15, int tapsLen, Zor16s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
ZORAPI ZorStatus zorsFIROne_Direct_16s_ISfs(Zor16s* pSrcDstVal, const Zor16s* pTapsQ15, int tapsLen, Zor16s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
ZORAPI ZorStatus zorsFIR32f_Direct_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, int numIters, const Zor32f* pTaps, int tapsLen, Zor16s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
ZORAPI ZorStatus zorsFIR32f_Direct_16s_ISfs(Zor16s* pSrcDst, int numIters, const Zor32f* pTaps, int tapsLen, Zor16s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
ZORAPI ZorStatus zorsFIROne32f_Direct_16s_Sfs(Zor16s src, Zor16s* pDstVal, const Zor32f* pTaps, int tapsLen, Zor16s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
ZORAPI ZorStatus zorsFIROne32f_Direct_16s_ISfs(Zor16s* pSrcDstVal, const Zor32f* pTaps, int tapsLen, Zor16s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
ZORAPI ZorStatus zorsFIR32fc_Direct_16sc_Sfs(const Zor16sc* pSrc, Zor16sc* pDst, int numIters, const Zor32fc* pTaps, int tapsLen, Zor16sc* pDlyLine, int* pDlyLineIndex, int scaleFactor);
ZORAPI ZorStatus zorsFIR32fc_Direct_16sc_ISfs(Zor16sc* pSrcDst, int numIters, const Zor32fc* pTaps, int tapsLen, Zor16sc* pDlyLine, int* pDlyLineIndex, int scaleFactor);
ZORAPI ZorStatus zorsFIROne32fc_Direct_16sc_Sfs(Zor16sc src, Zor16sc* pDstVal, const Zor32fc* pTaps, int tapsLen, Zor16sc* pDlyLine, int* pDlyLineIndex, int scaleFactor);
ZORAPI ZorStatus zorsFIROne32fc_Direct_16sc_ISfs(Zor16sc* pSrcDstVal, const Zor32fc* pTaps, int tapsLen, Zor16sc* pDlyLine, int* pDlyLineIndex, int scaleFactor);
ZORAPI ZorStatus zorsFIR64f_Direct_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, int numIters, const Zor64f* pTaps, int tapsLen, Zor16s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
ZORAPI ZorStatus zorsFIR64f_Direct_16s_ISfs(Zor16s* pSrcDst, int numIters, const Zor64f* pTaps, int tapsLen, Zor16s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
ZORAPI ZorStatus zorsFIROne64f_Direct_16s_Sfs(Zor16s src, Zor16s* pDstVal, const Zor64f* pTaps, int tapsLen, Zor16s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
ZORAPI ZorStatus zorsFIROne64f_Direct_16s_ISfs(Zor16s* pSrcDstVal, const Zor64f* pTaps, int tapsLen, Zor16s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
ZORAPI ZorStatus zorsFIR64fc_Direct_16sc_Sfs(const Zor16sc* pSrc, Zor16sc* pDst, int numIters, const Zor64fc* pTaps, int tapsLen, Zor16sc* pDlyLine, int* pDlyLineIndex, int scaleFactor);
ZORAPI ZorStatus zorsFIR64fc_Direct_16sc_ISfs(Zor16sc* pSrcDst, int numIters, const Zor64fc* pTaps, int tapsLen, Zor16sc* pDlyLine, int* pDlyLineIndex, int scaleFactor);
ZORAPI ZorStatus zorsFIROne64fc_Direct_16sc_Sfs(Zor16sc src, Zor16sc* pDstVal, const Zor64fc* pTaps, int tapsLen, Zor16sc* pDlyLine, int* pDlyLineIndex, int scaleFactor);
ZORAPI ZorStatus zorsFIROne64fc_Direct_16sc_ISfs(Zor16sc* pSrcDstVal, const Zor64fc* pTaps, int tapsLen, Zor16sc* pDlyLine, int* pDlyLineIndex, int scaleFactor);
ZORAPI ZorStatus zorsFIR64f_Direct_32s_Sfs(const Zor32s* pSrc, Zor32s* pDst, int numIters, const Zor64f* pTaps, int tapsLen, Zor32s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
ZORAPI ZorStatus zorsFIR64f_Direct_32s_ISfs(Zor32s* pSrcDst, int numIters, const Zor64f* pTaps, int tapsLen, Zor32s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
ZORAPI ZorStatus zorsFIROne64f_Direct_32s_Sfs(Zor32s src, Zor32s* pDstVal, const Zor64f* pTaps, int tapsLen, Zor32s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
ZORAPI ZorStatus zorsFIROne64f_Direct_32s_ISfs(Zor32s* pSrcDstVal, const Zor64f* pTaps, int tapsLen, Zor32s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
ZORAPI ZorStatus zorsFIR64fc_Direct_32sc_Sfs(const Zor32sc* pSrc, Zor32sc* pDst, int numIters, const Zor64fc* pTaps, int tapsLen, Zor32sc* pDlyLine, int* pDlyLineIndex, int scaleFactor);
ZORAPI ZorStatus zorsFIR64fc_Direct_32sc_ISfs(Zor32sc* pSrcDst, int numIters, const Zor64fc* pTaps, int tapsLen, Zor32sc* pDlyLine, int* pDlyLineIndex, int scaleFactor);
ZORAPI ZorStatus zorsFIROne64fc_Direct_32sc_Sfs(Zor32sc src, Zor32sc* pDstVal, const Zor64fc* pTaps, int tapsLen, Zor32sc* pDlyLine, int* pDlyLineIndex, int scaleFactor);
ZORAPI ZorStatus zorsFIROne64fc_Direct_32sc_ISfs(Zor32sc* pSrcDstVal, const Zor64fc* pTaps, int tapsLen, Zor32sc* pDlyLine, int* pDlyLineIndex, int scaleFactor);
ZORAPI ZorStatus zorsFIR32s_Direct_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, int numIters, const Zor32s* pTaps, int tapsLen, int tapsFactor, Zor16s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
ZORAPI ZorStatus zorsFIR32s_Direct_16s_ISfs(Zor16s* pSrcDst, int numIters, const Zor32s* pTaps, int tapsLen, int tapsFactor, Zor16s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
ZORAPI ZorStatus zorsFIROne32s_Direct_16s_Sfs(Zor16s src, Zor16s* pDstVal, const Zor32s* pTaps, int tapsLen, int tapsFactor, Zor16s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
ZORAPI ZorStatus zorsFIROne32s_Direct_16s_ISfs(Zor16s* pSrcDstVal, const Zor32s* pTaps, int tapsLen, int tapsFactor, Zor16s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
ZORAPI ZorStatus zorsFIR32sc_Direct_16sc_Sfs(const Zor16sc* pSrc, Zor16sc* pDst, int numIters, const Zor32sc* pTaps, int tapsLen, int tapsFactor, Zor16sc* pDlyLine, int* pDlyLineIndex, int scaleFactor);
ZORAPI ZorStatus zorsFIR32sc_Direct_16sc_ISfs(Zor16sc* pSrcDst, int numIters, const Zor32sc* pTaps, int tapsLen, int tapsFactor, Zor16sc* pDlyLine, int* pDlyLineIndex, int scaleFactor);
ZORAPI ZorStatus zorsFIROne32sc_Direct_16sc_Sfs(Zor16sc src, Zor16sc* pDstVal, const Zor32sc* pTaps, int tapsLen, int tapsFactor, Zor16sc* pDlyLine, int* pDlyLineIndex, int scaleFactor);
ZORAPI ZorStatus zorsFIROne32sc_Direct_16sc_ISfs(Zor16sc* pSrcDstVal, const Zor32sc* pTaps, int tapsLen, int tapsFactor, Zor16sc* pDlyLine, int* pDlyLineIndex, int scaleFactor);

/* Multi-rate FIR states: the rate changes by upFactor/downFactor while
   filtering (one block step reads downFactor samples and writes upFactor);
   filtered by the block filters above. Delay lines hold
   ceil(tapsLen/upFactor) samples, newest first. */
ZORAPI ZorStatus zorsFIRMRGetStateSize_32f(int tapsLen, int upFactor, int downFactor, int* pBufferSize);
ZORAPI ZorStatus zorsFIRMRInitAlloc_32f(ZorsFIRState_32f** ppState, const Zor32f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Zor32f* pDlyLine);
ZORAPI ZorStatus zorsFIRMRInit_32f(ZorsFIRState_32f** ppState, const Zor32f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Zor32f* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFIRMRGetStateSize_32fc(int tapsLen, int upFactor, int downFactor, int* pBufferSize);
ZORAPI ZorStatus zorsFIRMRInitAlloc_32fc(ZorsFIRState_32fc** ppState, const Zor32fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Zor32fc* pDlyLine);
ZORAPI ZorStatus zorsFIRMRInit_32fc(ZorsFIRState_32fc** ppState, const Zor32fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Zor32fc* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFIRMRGetStateSize32f_16s(int tapsLen, int upFactor, int downFactor, int* pBufferSize);
ZORAPI ZorStatus zorsFIRMRInitAlloc32f_16s(ZorsFIRState32f_16s** ppState, const Zor32f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Zor16s* pDlyLine);
ZORAPI ZorStatus zorsFIRMRInit32f_16s(ZorsFIRState32f_16s** ppState, const Zor32f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Zor16s* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFIRMRGetStateSize32fc_16sc(int tapsLen, int upFactor, int downFactor, int* pBufferSize);
ZORAPI ZorStatus zorsFIRMRInitAlloc32fc_16sc(ZorsFIRState32fc_16sc** ppState, const Zor32fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Zor16sc* pDlyLine);
ZORAPI ZorStatus zorsFIRMRInit32fc_16sc(ZorsFIRState32fc_16sc** ppState, const Zor32fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Zor16sc* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFIRMRGetStateSize_64f(int tapsLen, int upFactor, int downFactor, int* pBufferSize);
ZORAPI ZorStatus zorsFIRMRInitAlloc_64f(ZorsFIRState_64f** ppState, const Zor64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Zor64f* pDlyLine);
ZORAPI ZorStatus zorsFIRMRInit_64f(ZorsFIRState_64f** ppState, const Zor64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Zor64f* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFIRMRGetStateSize_64fc(int tapsLen, int upFactor, int downFactor, int* pBufferSize);
ZORAPI ZorStatus zorsFIRMRInitAlloc_64fc(ZorsFIRState_64fc** ppState, const Zor64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Zor64fc* pDlyLine);
ZORAPI ZorStatus zorsFIRMRInit_64fc(ZorsFIRState_64fc** ppState, const Zor64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Zor64fc* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFIRMRGetStateSize64f_32f(int tapsLen, int upFactor, int downFactor, int* pBufferSize);
ZORAPI ZorStatus zorsFIRMRInitAlloc64f_32f(ZorsFIRState64f_32f** ppState, const Zor64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Zor32f* pDlyLine);
ZORAPI ZorStatus zorsFIRMRInit64f_32f(ZorsFIRState64f_32f** ppState, const Zor64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Zor32f* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFIRMRGetStateSize64fc_32fc(int tapsLen, int upFactor, int downFactor, int* pBufferSize);
ZORAPI ZorStatus zorsFIRMRInitAlloc64fc_32fc(ZorsFIRState64fc_32fc** ppState, const Zor64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Zor32fc* pDlyLine);
ZORAPI ZorStatus zorsFIRMRInit64fc_32fc(ZorsFIRState64fc_32fc** ppState, const Zor64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Zor32fc* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFIRMRGetStateSize64f_32s(int tapsLen, int upFactor, int downFactor, int* pBufferSize);
ZORAPI ZorStatus zorsFIRMRInitAlloc64f_32s(ZorsFIRState64f_32s** ppState, const Zor64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Zor32s* pDlyLine);
ZORAPI ZorStatus zorsFIRMRInit64f_32s(ZorsFIRState64f_32s** ppState, const Zor64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Zor32s* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFIRMRGetStateSize64fc_32sc(int tapsLen, int upFactor, int downFactor, int* pBufferSize);
ZORAPI ZorStatus zorsFIRMRInitAlloc64fc_32sc(ZorsFIRState64fc_32sc** ppState, const Zor64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Zor32sc* pDlyLine);
ZORAPI ZorStatus zorsFIRMRInit64fc_32sc(ZorsFIRState64fc_32sc** ppState, const Zor64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Zor32sc* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFIRMRGetStateSize64f_16s(int tapsLen, int upFactor, int downFactor, int* pBufferSize);
ZORAPI ZorStatus zorsFIRMRInitAlloc64f_16s(ZorsFIRState64f_16s** ppState, const Zor64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Zor16s* pDlyLine);
ZORAPI ZorStatus zorsFIRMRInit64f_16s(ZorsFIRState64f_16s** ppState, const Zor64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Zor16s* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFIRMRGetStateSize64fc_16sc(int tapsLen, int upFactor, int downFactor, int* pBufferSize);
ZORAPI ZorStatus zorsFIRMRInitAlloc64fc_16sc(ZorsFIRState64fc_16sc** ppState, const Zor64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Zor16sc* pDlyLine);
ZORAPI ZorStatus zorsFIRMRInit64fc_16sc(ZorsFIRState64fc_16sc** ppState, const Zor64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Zor16sc* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFIRMRGetStateSize32s_16s(int tapsLen, int upFactor, int downFactor, int* pBufferSize);
ZORAPI ZorStatus zorsFIRMRGetStateSize32s_16s32f(int tapsLen, int upFactor, int downFactor, int* pBufferSize);
ZORAPI ZorStatus zorsFIRMRInitAlloc32s_16s(ZorsFIRState32s_16s** ppState, const Zor32s* pTaps, int tapsLen, int tapsFactor, int upFactor, int upPhase, int downFactor, int downPhase, const Zor16s* pDlyLine);
ZORAPI ZorStatus zorsFIRMRInit32s_16s(ZorsFIRState32s_16s** ppState, const Zor32s* pTaps, int tapsLen, int tapsFactor, int upFactor, int upPhase, int downFactor, int downPhase, const Zor16s* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFIRMRInitAlloc32s_16s32f(ZorsFIRState32s_16s** ppState, const Zor32f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Zor16s* pDlyLine);
ZORAPI ZorStatus zorsFIRMRInit32s_16s32f(ZorsFIRState32s_16s** ppState, const Zor32f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Zor16s* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFIRMRGetStateSize32sc_16sc(int tapsLen, int upFactor, int downFactor, int* pBufferSize);
ZORAPI ZorStatus zorsFIRMRGetStateSize32sc_16sc32fc(int tapsLen, int upFactor, int downFactor, int* pBufferSize);
ZORAPI ZorStatus zorsFIRMRInitAlloc32sc_16sc(ZorsFIRState32sc_16sc** ppState, const Zor32sc* pTaps, int tapsLen, int tapsFactor, int upFactor, int upPhase, int downFactor, int downPhase, const Zor16sc* pDlyLine);
ZORAPI ZorStatus zorsFIRMRInit32sc_16sc(ZorsFIRState32sc_16sc** ppState, const Zor32sc* pTaps, int tapsLen, int tapsFactor, int upFactor, int upPhase, int downFactor, int downPhase, const Zor16sc* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsFIRMRInitAlloc32sc_16sc32fc(ZorsFIRState32sc_16sc** ppState, const Zor32fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Zor16sc* pDlyLine);
ZORAPI ZorStatus zorsFIRMRInit32sc_16sc32fc(ZorsFIRState32sc_16sc** ppState, const Zor32fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Zor16sc* pDlyLine, Zor8u* pBuffer);
/* Multi-rate direct forms: the caller keeps ceil(tapsLen/upFactor) samples,
   newest first; the in-place forms copy their input first. */
ZORAPI ZorStatus zorsFIRMR_Direct_32f(const Zor32f* pSrc, Zor32f* pDst, int numIters, const Zor32f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Zor32f* pDlyLine);
ZORAPI ZorStatus zorsFIRMR_Direct_32f_I(Zor32f* pSrcDst, int numIters, const Zor32f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Zor32f* pDlyLine);
ZORAPI ZorStatus zorsFIRMR_Direct_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int numIters, const Zor32fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Zor32fc* pDlyLine);
ZORAPI ZorStatus zorsFIRMR_Direct_32fc_I(Zor32fc* pSrcDst, int numIters, const Zor32fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Zor32fc* pDlyLine);
ZORAPI ZorStatus zorsFIRMR_Direct_64f(const Zor64f* pSrc, Zor64f* pDst, int numIters, const Zor64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Zor64f* pDlyLine);
ZORAPI ZorStatus zorsFIRMR_Direct_64f_I(Zor64f* pSrcDst, int numIters, const Zor64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Zor64f* pDlyLine);
ZORAPI ZorStatus zorsFIRMR_Direct_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int numIters, const Zor64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Zor64fc* pDlyLine);
ZORAPI ZorStatus zorsFIRMR_Direct_64fc_I(Zor64fc* pSrcDst, int numIters, const Zor64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Zor64fc* pDlyLine);
ZORAPI ZorStatus zorsFIRMR64f_Direct_32f(const Zor32f* pSrc, Zor32f* pDst, int numIters, const Zor64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Zor32f* pDlyLine);
ZORAPI ZorStatus zorsFIRMR64f_Direct_32f_I(Zor32f* pSrcDst, int numIters, const Zor64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Zor32f* pDlyLine);
ZORAPI ZorStatus zorsFIRMR64fc_Direct_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int numIters, const Zor64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Zor32fc* pDlyLine);
ZORAPI ZorStatus zorsFIRMR64fc_Direct_32fc_I(Zor32fc* pSrcDst, int numIters, const Zor64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Zor32fc* pDlyLine);
ZORAPI ZorStatus zorsFIRMR32f_Direct_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, int numIters, const Zor32f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Zor16s* pDlyLine, int scaleFactor);
ZORAPI ZorStatus zorsFIRMR32f_Direct_16s_ISfs(Zor16s* pSrcDst, int numIters, const Zor32f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Zor16s* pDlyLine, int scaleFactor);
ZORAPI ZorStatus zorsFIRMR32fc_Direct_16sc_Sfs(const Zor16sc* pSrc, Zor16sc* pDst, int numIters, const Zor32fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Zor16sc* pDlyLine, int scaleFactor);
ZORAPI ZorStatus zorsFIRMR32fc_Direct_16sc_ISfs(Zor16sc* pSrcDst, int numIters, const Zor32fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Zor16sc* pDlyLine, int scaleFactor);
ZORAPI ZorStatus zorsFIRMR64f_Direct_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, int numIters, const Zor64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Zor16s* pDlyLine, int scaleFactor);
ZORAPI ZorStatus zorsFIRMR64f_Direct_16s_ISfs(Zor16s* pSrcDst, int numIters, const Zor64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Zor16s* pDlyLine, int scaleFactor);
ZORAPI ZorStatus zorsFIRMR64fc_Direct_16sc_Sfs(const Zor16sc* pSrc, Zor16sc* pDst, int numIters, const Zor64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Zor16sc* pDlyLine, int scaleFactor);
ZORAPI ZorStatus zorsFIRMR64fc_Direct_16sc_ISfs(Zor16sc* pSrcDst, int numIters, const Zor64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Zor16sc* pDlyLine, int scaleFactor);
ZORAPI ZorStatus zorsFIRMR64f_Direct_32s_Sfs(const Zor32s* pSrc, Zor32s* pDst, int numIters, const Zor64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Zor32s* pDlyLine, int scaleFactor);
ZORAPI ZorStatus zorsFIRMR64f_Direct_32s_ISfs(Zor32s* pSrcDst, int numIters, const Zor64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Zor32s* pDlyLine, int scaleFactor);
ZORAPI ZorStatus zorsFIRMR64fc_Direct_32sc_Sfs(const Zor32sc* pSrc, Zor32sc* pDst, int numIters, const Zor64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Zor32sc* pDlyLine, int scaleFactor);
ZORAPI ZorStatus zorsFIRMR64fc_Direct_32sc_ISfs(Zor32sc* pSrcDst, int numIters, const Zor64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Zor32sc* pDlyLine, int scaleFactor);
ZORAPI ZorStatus zorsFIRMR32s_Direct_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, int numIters, const Zor32s* pTaps, int tapsLen, int tapsFactor, int upFactor, int upPhase, int downFactor, int downPhase, Zor16s* pDlyLine, int scaleFactor);
ZORAPI ZorStatus zorsFIRMR32s_Direct_16s_ISfs(Zor16s* pSrcDst, int numIters, const Zor32s* pTaps, int tapsLen, int tapsFactor, int upFactor, int upPhase, int downFactor, int downPhase, Zor16s* pDlyLine, int scaleFactor);
ZORAPI ZorStatus zorsFIRMR32sc_Direct_16sc_Sfs(const Zor16sc* pSrc, Zor16sc* pDst, int numIters, const Zor32sc* pTaps, int tapsLen, int tapsFactor, int upFactor, int upPhase, int downFactor, int downPhase, Zor16sc* pDlyLine, int scaleFactor);
ZORAPI ZorStatus zorsFIRMR32sc_Direct_16sc_ISfs(Zor16sc* pSrcDst, int numIters, const Zor32sc* pTaps, int tapsLen, int tapsFactor, int upFactor, int upPhase, int downFactor, int downPhase, Zor16sc* pDlyLine, int scaleFactor);

/* LMS: adaptive FIR filters, taps moved by 2*mu*e along the input window
   (e = reference - output). Taps in window order inside the direct forms
   (the last one meets the newest sample); delay arrays as the direct FIR
   forms. The Q15 form normalises the step by the window's energy. */
typedef struct ZorsFIRLMSState_32f ZorsFIRLMSState_32f;
typedef struct ZorsFIRLMSState32f_16s ZorsFIRLMSState32f_16s;
ZORAPI ZorStatus zorsFIRLMSInitAlloc_32f(ZorsFIRLMSState_32f** ppState, const Zor32f* pTaps, int tapsLen, const Zor32f* pDlyLine, int dlyIndex);
ZORAPI ZorStatus zorsFIRLMS_32f(const Zor32f* pSrc, const Zor32f* pRef, Zor32f* pDst, int len, Zor32f mu, ZorsFIRLMSState_32f* pState);
ZORAPI ZorStatus zorsFIRLMSGetTaps_32f(const ZorsFIRLMSState_32f* pState, Zor32f* pTaps);
ZORAPI ZorStatus zorsFIRLMSSetDlyLine_32f(ZorsFIRLMSState_32f* pState, const Zor32f* pDlyLine, int dlyIndex);
ZORAPI ZorStatus zorsFIRLMSGetDlyLine_32f(const ZorsFIRLMSState_32f* pState, Zor32f* pDlyLine, int* pDlyLineIndex);
ZORAPI ZorStatus zorsFIRLMSFree_32f(ZorsFIRLMSState_32f* pState);
ZORAPI ZorStatus zorsFIRLMSInitAlloc32f_16s(ZorsFIRLMSState32f_16s** ppState, const Zor32f* pTaps, int tapsLen, const Zor16s* pDlyLine, int dlyIndex);
ZORAPI ZorStatus zorsFIRLMS32f_16s(const Zor16s* pSrc, const Zor16s* pRef, Zor16s* pDst, int len, Zor32f mu, ZorsFIRLMSState32f_16s* pState);
ZORAPI ZorStatus zorsFIRLMSGetTaps32f_16s(const ZorsFIRLMSState32f_16s* pState, Zor32f* pTaps);
ZORAPI ZorStatus zorsFIRLMSSetDlyLine32f_16s(ZorsFIRLMSState32f_16s* pState, const Zor16s* pDlyLine, int dlyIndex);
ZORAPI ZorStatus zorsFIRLMSGetDlyLine32f_16s(const ZorsFIRLMSState32f_16s* pState, Zor16s* pDlyLine, int* pDlyLineIndex);
ZORAPI ZorStatus zorsFIRLMSFree32f_16s(ZorsFIRLMSState32f_16s* pState);
ZORAPI ZorStatus zorsFIRLMSOne_Direct_32f(Zor32f src, Zor32f refVal, Zor32f* pDstVal, Zor32f* pTaps, int tapsLen, Zor32f mu, Zor32f* pDlyLine, int* pDlyLineIndex);
ZORAPI ZorStatus zorsFIRLMSOne_Direct32f_16s(Zor16s src, Zor16s refVal, Zor16s* pDstVal, Zor32f* pTaps, int tapsLen, Zor32f mu, Zor16s* pDlyLine, int* pDlyLineIndex);
ZORAPI ZorStatus zorsFIRLMSOne_DirectQ15_16s(Zor16s src, Zor16s refVal, Zor16s* pDstVal, Zor32s* pTapsQ15, int tapsLen, int muQ15, Zor16s* pDlyLine, int* pDlyLineIndex);
/* Integer multi-rate LMS: the caller feeds samples, asks for outputs and
   drives the (delayed) tap update with its own error; taps are 16-bit
   coefficients in units of 2^-16, mu in units of 2^-15. */
typedef struct ZorsFIRLMSMRState32s_16s ZorsFIRLMSMRState32s_16s;
typedef struct ZorsFIRLMSMRState32sc_16sc ZorsFIRLMSMRState32sc_16sc;
ZORAPI ZorStatus zorsFIRLMSMRInitAlloc32s_16s(ZorsFIRLMSMRState32s_16s** ppState, const Zor32s* pTaps, int tapsLen, const Zor16s* pDlyLine, int dlyIndex, int dlyStep, int updateDly, Zor32s mu);
ZORAPI ZorStatus zorsFIRLMSMRFree32s_16s(ZorsFIRLMSMRState32s_16s* pState);
ZORAPI ZorStatus zorsFIRLMSMRPutVal32s_16s(Zor16s val, ZorsFIRLMSMRState32s_16s* pState);
ZORAPI ZorStatus zorsFIRLMSMROne32s_16s(Zor32s* pDstVal, ZorsFIRLMSMRState32s_16s* pState);
ZORAPI ZorStatus zorsFIRLMSMROneVal32s_16s(Zor16s val, Zor32s* pDstVal, ZorsFIRLMSMRState32s_16s* pState);
ZORAPI ZorStatus zorsFIRLMSMRUpdateTaps32s_16s(Zor32s errVal, ZorsFIRLMSMRState32s_16s* pState);
ZORAPI ZorStatus zorsFIRLMSMRGetDlyVal32s_16s(const ZorsFIRLMSMRState32s_16s* pState, Zor16s* pDstVal, int index);
ZORAPI ZorStatus zorsFIRLMSMRSetTaps32s_16s(ZorsFIRLMSMRState32s_16s* pState, const Zor32s* pInTaps);
ZORAPI ZorStatus zorsFIRLMSMRGetTaps32s_16s(const ZorsFIRLMSMRState32s_16s* pState, Zor32s* pOutTaps);
ZORAPI ZorStatus zorsFIRLMSMRSetDlyLine32s_16s(ZorsFIRLMSMRState32s_16s* pState, const Zor16s* pInDlyLine, int dlyLineIndex);
ZORAPI ZorStatus zorsFIRLMSMRGetDlyLine32s_16s(const ZorsFIRLMSMRState32s_16s* pState, Zor16s* pOutDlyLine, int* pOutDlyLineIndex);
ZORAPI ZorStatus zorsFIRLMSMRSetMu32s_16s(ZorsFIRLMSMRState32s_16s* pState, Zor32s mu);
ZORAPI ZorStatus zorsFIRLMSMRGetTapsPointer32s_16s(ZorsFIRLMSMRState32s_16s* pState, Zor32s** ppTaps);
ZORAPI ZorStatus zorsFIRLMSMRInitAlloc32sc_16sc(ZorsFIRLMSMRState32sc_16sc** ppState, const Zor32sc* pTaps, int tapsLen, const Zor16sc* pDlyLine, int dlyIndex, int dlyStep, int updateDly, Zor32s mu);
ZORAPI ZorStatus zorsFIRLMSMRFree32sc_16sc(ZorsFIRLMSMRState32sc_16sc* pState);
ZORAPI ZorStatus zorsFIRLMSMRPutVal32sc_16sc(Zor16sc val, ZorsFIRLMSMRState32sc_16sc* pState);
ZORAPI ZorStatus zorsFIRLMSMROne32sc_16sc(Zor32sc* pDstVal, ZorsFIRLMSMRState32sc_16sc* pState);
ZORAPI ZorStatus zorsFIRLMSMROneVal32sc_16sc(Zor16sc val, Zor32sc* pDstVal, ZorsFIRLMSMRState32sc_16sc* pState);
ZORAPI ZorStatus zorsFIRLMSMRUpdateTaps32sc_16sc(Zor32sc errVal, ZorsFIRLMSMRState32sc_16sc* pState);
ZORAPI ZorStatus zorsFIRLMSMRGetDlyVal32sc_16sc(const ZorsFIRLMSMRState32sc_16sc* pState, Zor16sc* pDstVal, int index);
ZORAPI ZorStatus zorsFIRLMSMRSetTaps32sc_16sc(ZorsFIRLMSMRState32sc_16sc* pState, const Zor32sc* pInTaps);
ZORAPI ZorStatus zorsFIRLMSMRGetTaps32sc_16sc(const ZorsFIRLMSMRState32sc_16sc* pState, Zor32sc* pOutTaps);
ZORAPI ZorStatus zorsFIRLMSMRSetDlyLine32sc_16sc(ZorsFIRLMSMRState32sc_16sc* pState, const Zor16sc* pInDlyLine, int dlyLineIndex);
ZORAPI ZorStatus zorsFIRLMSMRGetDlyLine32sc_16sc(const ZorsFIRLMSMRState32sc_16sc* pState, Zor16sc* pOutDlyLine, int* pOutDlyLineIndex);
ZORAPI ZorStatus zorsFIRLMSMRSetMu32sc_16sc(ZorsFIRLMSMRState32sc_16sc* pState, Zor32s mu);
ZORAPI ZorStatus zorsFIRLMSMRGetTapsPointer32sc_16sc(ZorsFIRLMSMRState32sc_16sc* pState, Zor32sc** ppTaps);

/* Conv: linear convolution, pDst[0 .. len1+len2-2]; direct below 256 outputs
   or a shorter input below 32, else FFT (one transform or overlap-save
   blocks, threaded above 4096 samples). 16s computes in Zor32f and rounds. */
ZORAPI ZorStatus zorsConv_32f(const Zor32f* pSrc1, int len1, const Zor32f* pSrc2, int len2, Zor32f* pDst);
ZORAPI ZorStatus zorsConv_64f(const Zor64f* pSrc1, int len1, const Zor64f* pSrc2, int len2, Zor64f* pDst);
ZORAPI ZorStatus zorsConv_16s_Sfs(const Zor16s* pSrc1, int len1, const Zor16s* pSrc2, int len2, Zor16s* pDst, int scaleFactor);
/* ConvCyclic: cyclic convolution of fixed length; no checks. */
ZORAPI ZorStatus zorsConvCyclic8x8_32f(const Zor32f* pSrc1, const Zor32f* pSrc2, Zor32f* pDst);
ZORAPI ZorStatus zorsConvCyclic8x8_16s_Sfs(const Zor16s* pSrc1, const Zor16s* pSrc2, Zor16s* pDst, int scaleFactor);
ZORAPI ZorStatus zorsConvCyclic4x4_32f32fc(const Zor32f* pSrc1, const Zor32fc* pSrc2, Zor32fc* pDst);
/* AutoCorr: r[k] = sum of x[n+k]*conj(x[n]) for lags 0 .. dstLen-1 (zero from
   srcLen on); NormA divides by srcLen, NormB lag k by srcLen - k. */
ZORAPI ZorStatus zorsAutoCorr_32f(const Zor32f* pSrc, int srcLen, Zor32f* pDst, int dstLen);
ZORAPI ZorStatus zorsAutoCorr_NormA_32f(const Zor32f* pSrc, int srcLen, Zor32f* pDst, int dstLen);
ZORAPI ZorStatus zorsAutoCorr_NormB_32f(const Zor32f* pSrc, int srcLen, Zor32f* pDst, int dstLen);
ZORAPI ZorStatus zorsAutoCorr_64f(const Zor64f* pSrc, int srcLen, Zor64f* pDst, int dstLen);
ZORAPI ZorStatus zorsAutoCorr_NormA_64f(const Zor64f* pSrc, int srcLen, Zor64f* pDst, int dstLen);
ZORAPI ZorStatus zorsAutoCorr_NormB_64f(const Zor64f* pSrc, int srcLen, Zor64f* pDst, int dstLen);
ZORAPI ZorStatus zorsAutoCorr_32fc(const Zor32fc* pSrc, int srcLen, Zor32fc* pDst, int dstLen);
ZORAPI ZorStatus zorsAutoCorr_NormA_32fc(const Zor32fc* pSrc, int srcLen, Zor32fc* pDst, int dstLen);
ZORAPI ZorStatus zorsAutoCorr_NormB_32fc(const Zor32fc* pSrc, int srcLen, Zor32fc* pDst, int dstLen);
ZORAPI ZorStatus zorsAutoCorr_64fc(const Zor64fc* pSrc, int srcLen, Zor64fc* pDst, int dstLen);
ZORAPI ZorStatus zorsAutoCorr_NormA_64fc(const Zor64fc* pSrc, int srcLen, Zor64fc* pDst, int dstLen);
ZORAPI ZorStatus zorsAutoCorr_NormB_64fc(const Zor64fc* pSrc, int srcLen, Zor64fc* pDst, int dstLen);
ZORAPI ZorStatus zorsAutoCorr_16s_Sfs(const Zor16s* pSrc, int srcLen, Zor16s* pDst, int dstLen, int scaleFactor);
ZORAPI ZorStatus zorsAutoCorr_NormA_16s_Sfs(const Zor16s* pSrc, int srcLen, Zor16s* pDst, int dstLen, int scaleFactor);
ZORAPI ZorStatus zorsAutoCorr_NormB_16s_Sfs(const Zor16s* pSrc, int srcLen, Zor16s* pDst, int dstLen, int scaleFactor);
/* CrossCorr: pDst[i] = r(lowLag + i), r(m) = sum of conj(x1[n])*x2[n+m]. */
ZORAPI ZorStatus zorsCrossCorr_32f(const Zor32f* pSrc1, int len1, const Zor32f* pSrc2, int len2, Zor32f* pDst, int dstLen, int lowLag);
ZORAPI ZorStatus zorsCrossCorr_64f(const Zor64f* pSrc1, int len1, const Zor64f* pSrc2, int len2, Zor64f* pDst, int dstLen, int lowLag);
ZORAPI ZorStatus zorsCrossCorr_32fc(const Zor32fc* pSrc1, int len1, const Zor32fc* pSrc2, int len2, Zor32fc* pDst, int dstLen, int lowLag);
ZORAPI ZorStatus zorsCrossCorr_64fc(const Zor64fc* pSrc1, int len1, const Zor64fc* pSrc2, int len2, Zor64fc* pDst, int dstLen, int lowLag);
ZORAPI ZorStatus zorsCrossCorr_16s_Sfs(const Zor16s* pSrc1, int len1, const Zor16s* pSrc2, int len2, Zor16s* pDst, int dstLen, int lowLag, int scaleFactor);

/* FilterMedian: sliding median of an odd mask (an even mask is reduced by
   one and returns warning 5), edges repeated; _I filters in place. */
ZORAPI ZorStatus zorsFilterMedian_32f_I(Zor32f* pSrcDst, int len, int maskSize);
ZORAPI ZorStatus zorsFilterMedian_64f_I(Zor64f* pSrcDst, int len, int maskSize);
ZORAPI ZorStatus zorsFilterMedian_16s_I(Zor16s* pSrcDst, int len, int maskSize);
ZORAPI ZorStatus zorsFilterMedian_8u_I(Zor8u* pSrcDst, int len, int maskSize);
ZORAPI ZorStatus zorsFilterMedian_32s_I(Zor32s* pSrcDst, int len, int maskSize);
ZORAPI ZorStatus zorsFilterMedian_32f(const Zor32f* pSrc, Zor32f* pDst, int len, int maskSize);
ZORAPI ZorStatus zorsFilterMedian_64f(const Zor64f* pSrc, Zor64f* pDst, int len, int maskSize);
ZORAPI ZorStatus zorsFilterMedian_16s(const Zor16s* pSrc, Zor16s* pDst, int len, int maskSize);
ZORAPI ZorStatus zorsFilterMedian_8u(const Zor8u* pSrc, Zor8u* pDst, int len, int maskSize);
ZORAPI ZorStatus zorsFilterMedian_32s(const Zor32s* pSrc, Zor32s* pDst, int len, int maskSize);
/* SampleDown: every factor-th sample from *pPhase; the phase carries over
   to the next call. SampleUp: factor - 1 zeros around each sample. */
ZORAPI ZorStatus zorsSampleDown_32f(const Zor32f* pSrc, int srcLen, Zor32f* pDst, int* pDstLen, int factor, int* pPhase);
ZORAPI ZorStatus zorsSampleDown_32fc(const Zor32fc* pSrc, int srcLen, Zor32fc* pDst, int* pDstLen, int factor, int* pPhase);
ZORAPI ZorStatus zorsSampleDown_64f(const Zor64f* pSrc, int srcLen, Zor64f* pDst, int* pDstLen, int factor, int* pPhase);
ZORAPI ZorStatus zorsSampleDown_64fc(const Zor64fc* pSrc, int srcLen, Zor64fc* pDst, int* pDstLen, int factor, int* pPhase);
ZORAPI ZorStatus zorsSampleDown_16s(const Zor16s* pSrc, int srcLen, Zor16s* pDst, int* pDstLen, int factor, int* pPhase);
ZORAPI ZorStatus zorsSampleDown_16sc(const Zor16sc* pSrc, int srcLen, Zor16sc* pDst, int* pDstLen, int factor, int* pPhase);
ZORAPI ZorStatus zorsSampleUp_32f(const Zor32f* pSrc, int srcLen, Zor32f* pDst, int* pDstLen, int factor, int* pPhase);
ZORAPI ZorStatus zorsSampleUp_32fc(const Zor32fc* pSrc, int srcLen, Zor32fc* pDst, int* pDstLen, int factor, int* pPhase);
ZORAPI ZorStatus zorsSampleUp_64f(const Zor64f* pSrc, int srcLen, Zor64f* pDst, int* pDstLen, int factor, int* pPhase);
ZORAPI ZorStatus zorsSampleUp_64fc(const Zor64fc* pSrc, int srcLen, Zor64fc* pDst, int* pDstLen, int factor, int* pPhase);
ZORAPI ZorStatus zorsSampleUp_16s(const Zor16s* pSrc, int srcLen, Zor16s* pDst, int* pDstLen, int factor, int* pPhase);
ZORAPI ZorStatus zorsSampleUp_16sc(const Zor16sc* pSrc, int srcLen, Zor16sc* pDst, int* pDstLen, int factor, int* pPhase);
/* Preemphasize: y[n] = x[n] - val*x[n-1] in place (x[-1] = 0). */
ZORAPI ZorStatus zorsPreemphasize_32f(Zor32f* pSrcDst, int len, Zor32f val);
ZORAPI ZorStatus zorsPreemphasize_16s(Zor16s* pSrcDst, int len, Zor32f val);
/* UpdateLinear, UpdatePower: a <- alpha*a + (1 - alpha)*v over the samples
   (v = x >> shift, or x*x >> shift), stored truncated and saturated. */
ZORAPI ZorStatus zorsUpdateLinear_16s32s_I(const Zor16s* pSrc, int len, Zor32s* pSrcDst, int srcShiftRight, Zor16s alpha, ZorHintAlgorithm hint);
ZORAPI ZorStatus zorsUpdatePower_16s32s_I(const Zor16s* pSrc, int len, Zor32s* pSrcDst, int srcShiftRight, Zor16s alpha, ZorHintAlgorithm hint);

/* Window of the FIR design functions (other values: rectangular). */
typedef enum ZOR_ENUM_BASE {
    zorWinBartlett = 0,
    zorWinBlackman = 1,
    zorWinHamming = 2,
    zorWinHann = 3
} ZorWinType;

/* FIRGen: linear-phase taps by the window method (frequencies relative to
   the sampling rate, 0 < f <= 0.5); doNormal scales to unit gain. */
ZORAPI ZorStatus zorsFIRGenLowpass_64f(Zor64f rFreq, Zor64f* pTaps, int tapsLen, ZorWinType winType, int doNormal);
ZORAPI ZorStatus zorsFIRGenHighpass_64f(Zor64f rFreq, Zor64f* pTaps, int tapsLen, ZorWinType winType, int doNormal);
ZORAPI ZorStatus zorsFIRGenBandpass_64f(Zor64f rLowFreq, Zor64f rHighFreq, Zor64f* pTaps, int tapsLen, ZorWinType winType, int doNormal);
ZORAPI ZorStatus zorsFIRGenBandstop_64f(Zor64f rLowFreq, Zor64f rHighFreq, Zor64f* pTaps, int tapsLen, ZorWinType winType, int doNormal);

/* ------------------------------------------------------------------------ */
/* Filtering: IIR                                                           */
/* ------------------------------------------------------------------------ */

/* IIR states (opaque; the first word identifies the kind, arbitrary order
   or biquad cascade). */
typedef struct ZorsIIRState_32f ZorsIIRState_32f;
typedef struct ZorsIIRState_32fc ZorsIIRState_32fc;
typedef struct ZorsIIRState32f_16s ZorsIIRState32f_16s;
typedef struct ZorsIIRState32fc_16sc ZorsIIRState32fc_16sc;
typedef struct ZorsIIRState32s_16s ZorsIIRState32s_16s;
typedef struct ZorsIIRState32sc_16sc ZorsIIRState32sc_16sc;
typedef struct ZorsIIRState_64f ZorsIIRState_64f;
typedef struct ZorsIIRState_64fc ZorsIIRState_64fc;
typedef struct ZorsIIRState64f_32f ZorsIIRState64f_32f;
typedef struct ZorsIIRState64fc_32fc ZorsIIRState64fc_32fc;
typedef struct ZorsIIRState64f_32s ZorsIIRState64f_32s;
typedef struct ZorsIIRState64fc_32sc ZorsIIRState64fc_32sc;
typedef struct ZorsIIRState64f_16s ZorsIIRState64f_16s;
typedef struct ZorsIIRState64fc_16sc ZorsIIRState64fc_16sc;

/* IIRGetStateSize: bytes for a state of the order (>= 0) or section count
   (>= 1), 16 bytes of placement slack included. */
ZORAPI ZorStatus zorsIIRGetStateSize_32f(int order, int* pBufferSize);
ZORAPI ZorStatus zorsIIRGetStateSize_BiQuad_32f(int numBq, int* pBufferSize);
ZORAPI ZorStatus zorsIIRGetStateSize_32fc(int order, int* pBufferSize);
ZORAPI ZorStatus zorsIIRGetStateSize_BiQuad_32fc(int numBq, int* pBufferSize);
ZORAPI ZorStatus zorsIIRGetStateSize32f_16s(int order, int* pBufferSize);
ZORAPI ZorStatus zorsIIRGetStateSize32f_BiQuad_16s(int numBq, int* pBufferSize);
ZORAPI ZorStatus zorsIIRGetStateSize32fc_16sc(int order, int* pBufferSize);
ZORAPI ZorStatus zorsIIRGetStateSize32fc_BiQuad_16sc(int numBq, int* pBufferSize);
ZORAPI ZorStatus zorsIIRGetStateSize32s_16s(int order, int* pBufferSize);
ZORAPI ZorStatus zorsIIRGetStateSize32s_16s32f(int order, int* pBufferSize);
ZORAPI ZorStatus zorsIIRGetStateSize32s_BiQuad_16s(int numBq, int* pBufferSize);
ZORAPI ZorStatus zorsIIRGetStateSize32s_BiQuad_16s32f(int numBq, int* pBufferSize);
ZORAPI ZorStatus zorsIIRGetStateSize32sc_16sc(int order, int* pBufferSize);
ZORAPI ZorStatus zorsIIRGetStateSize32sc_16sc32fc(int order, int* pBufferSize);
ZORAPI ZorStatus zorsIIRGetStateSize32sc_BiQuad_16sc(int numBq, int* pBufferSize);
ZORAPI ZorStatus zorsIIRGetStateSize32sc_BiQuad_16sc32fc(int numBq, int* pBufferSize);
ZORAPI ZorStatus zorsIIRGetStateSize_64f(int order, int* pBufferSize);
ZORAPI ZorStatus zorsIIRGetStateSize_BiQuad_64f(int numBq, int* pBufferSize);
ZORAPI ZorStatus zorsIIRGetStateSize_64fc(int order, int* pBufferSize);
ZORAPI ZorStatus zorsIIRGetStateSize_BiQuad_64fc(int numBq, int* pBufferSize);
ZORAPI ZorStatus zorsIIRGetStateSize64f_32f(int order, int* pBufferSize);
ZORAPI ZorStatus zorsIIRGetStateSize64f_BiQuad_32f(int numBq, int* pBufferSize);
ZORAPI ZorStatus zorsIIRGetStateSize64fc_32fc(int order, int* pBufferSize);
ZORAPI ZorStatus zorsIIRGetStateSize64fc_BiQuad_32fc(int numBq, int* pBufferSize);
ZORAPI ZorStatus zorsIIRGetStateSize64f_32s(int order, int* pBufferSize);
ZORAPI ZorStatus zorsIIRGetStateSize64f_BiQuad_32s(int numBq, int* pBufferSize);
ZORAPI ZorStatus zorsIIRGetStateSize64fc_32sc(int order, int* pBufferSize);
ZORAPI ZorStatus zorsIIRGetStateSize64fc_BiQuad_32sc(int numBq, int* pBufferSize);
ZORAPI ZorStatus zorsIIRGetStateSize64f_16s(int order, int* pBufferSize);
ZORAPI ZorStatus zorsIIRGetStateSize64f_BiQuad_16s(int numBq, int* pBufferSize);
ZORAPI ZorStatus zorsIIRGetStateSize64fc_16sc(int order, int* pBufferSize);
ZORAPI ZorStatus zorsIIRGetStateSize64fc_BiQuad_16sc(int numBq, int* pBufferSize);

/* IIRInitAlloc: a library-owned state from taps b0..bN, a0..aN (or six per
   section) and a delay line (null: zeros); taps are normalised by a0 (-10 on a
   zero a0 or section b0, the state still built). Integer taps stand for
   v * 2^-tapsFactor. */
ZORAPI ZorStatus zorsIIRInitAlloc_32f(ZorsIIRState_32f** ppState, const Zor32f* pTaps, int order, const Zor32f* pDlyLine);
ZORAPI ZorStatus zorsIIRInitAlloc_BiQuad_32f(ZorsIIRState_32f** ppState, const Zor32f* pTaps, int numBq, const Zor32f* pDlyLine);
ZORAPI ZorStatus zorsIIRInitAlloc_32fc(ZorsIIRState_32fc** ppState, const Zor32fc* pTaps, int order, const Zor32fc* pDlyLine);
ZORAPI ZorStatus zorsIIRInitAlloc_BiQuad_32fc(ZorsIIRState_32fc** ppState, const Zor32fc* pTaps, int numBq, const Zor32fc* pDlyLine);
ZORAPI ZorStatus zorsIIRInitAlloc32f_16s(ZorsIIRState32f_16s** ppState, const Zor32f* pTaps, int order, const Zor32f* pDlyLine);
ZORAPI ZorStatus zorsIIRInitAlloc32f_BiQuad_16s(ZorsIIRState32f_16s** ppState, const Zor32f* pTaps, int numBq, const Zor32f* pDlyLine);
ZORAPI ZorStatus zorsIIRInitAlloc32fc_16sc(ZorsIIRState32fc_16sc** ppState, const Zor32fc* pTaps, int order, const Zor32fc* pDlyLine);
ZORAPI ZorStatus zorsIIRInitAlloc32fc_BiQuad_16sc(ZorsIIRState32fc_16sc** ppState, const Zor32fc* pTaps, int numBq, const Zor32fc* pDlyLine);
ZORAPI ZorStatus zorsIIRInitAlloc32s_16s(ZorsIIRState32s_16s** ppState, const Zor32s* pTaps, int order, int tapsFactor, const Zor32f* pDlyLine);
ZORAPI ZorStatus zorsIIRInitAlloc32s_16s32f(ZorsIIRState32s_16s** ppState, const Zor32f* pTaps, int order, const Zor32f* pDlyLine);
ZORAPI ZorStatus zorsIIRInitAlloc32s_BiQuad_16s(ZorsIIRState32s_16s** ppState, const Zor32s* pTaps, int numBq, int tapsFactor, const Zor32f* pDlyLine);
ZORAPI ZorStatus zorsIIRInitAlloc32s_BiQuad_16s32f(ZorsIIRState32s_16s** ppState, const Zor32f* pTaps, int numBq, const Zor32f* pDlyLine);
ZORAPI ZorStatus zorsIIRInitAlloc32sc_16sc(ZorsIIRState32sc_16sc** ppState, const Zor32sc* pTaps, int order, int tapsFactor, const Zor32fc* pDlyLine);
ZORAPI ZorStatus zorsIIRInitAlloc32sc_16sc32fc(ZorsIIRState32sc_16sc** ppState, const Zor32fc* pTaps, int order, const Zor32fc* pDlyLine);
ZORAPI ZorStatus zorsIIRInitAlloc32sc_BiQuad_16sc(ZorsIIRState32sc_16sc** ppState, const Zor32sc* pTaps, int numBq, int tapsFactor, const Zor32fc* pDlyLine);
ZORAPI ZorStatus zorsIIRInitAlloc32sc_BiQuad_16sc32fc(ZorsIIRState32sc_16sc** ppState, const Zor32fc* pTaps, int numBq, const Zor32fc* pDlyLine);
ZORAPI ZorStatus zorsIIRInitAlloc_64f(ZorsIIRState_64f** ppState, const Zor64f* pTaps, int order, const Zor64f* pDlyLine);
ZORAPI ZorStatus zorsIIRInitAlloc_BiQuad_64f(ZorsIIRState_64f** ppState, const Zor64f* pTaps, int numBq, const Zor64f* pDlyLine);
ZORAPI ZorStatus zorsIIRInitAlloc_64fc(ZorsIIRState_64fc** ppState, const Zor64fc* pTaps, int order, const Zor64fc* pDlyLine);
ZORAPI ZorStatus zorsIIRInitAlloc_BiQuad_64fc(ZorsIIRState_64fc** ppState, const Zor64fc* pTaps, int numBq, const Zor64fc* pDlyLine);
ZORAPI ZorStatus zorsIIRInitAlloc64f_32f(ZorsIIRState64f_32f** ppState, const Zor64f* pTaps, int order, const Zor64f* pDlyLine);
ZORAPI ZorStatus zorsIIRInitAlloc64f_BiQuad_32f(ZorsIIRState64f_32f** ppState, const Zor64f* pTaps, int numBq, const Zor64f* pDlyLine);
ZORAPI ZorStatus zorsIIRInitAlloc64fc_32fc(ZorsIIRState64fc_32fc** ppState, const Zor64fc* pTaps, int order, const Zor64fc* pDlyLine);
ZORAPI ZorStatus zorsIIRInitAlloc64fc_BiQuad_32fc(ZorsIIRState64fc_32fc** ppState, const Zor64fc* pTaps, int numBq, const Zor64fc* pDlyLine);
ZORAPI ZorStatus zorsIIRInitAlloc64f_32s(ZorsIIRState64f_32s** ppState, const Zor64f* pTaps, int order, const Zor64f* pDlyLine);
ZORAPI ZorStatus zorsIIRInitAlloc64f_BiQuad_32s(ZorsIIRState64f_32s** ppState, const Zor64f* pTaps, int numBq, const Zor64f* pDlyLine);
ZORAPI ZorStatus zorsIIRInitAlloc64fc_32sc(ZorsIIRState64fc_32sc** ppState, const Zor64fc* pTaps, int order, const Zor64fc* pDlyLine);
ZORAPI ZorStatus zorsIIRInitAlloc64fc_BiQuad_32sc(ZorsIIRState64fc_32sc** ppState, const Zor64fc* pTaps, int numBq, const Zor64fc* pDlyLine);
ZORAPI ZorStatus zorsIIRInitAlloc64f_16s(ZorsIIRState64f_16s** ppState, const Zor64f* pTaps, int order, const Zor64f* pDlyLine);
ZORAPI ZorStatus zorsIIRInitAlloc64f_BiQuad_16s(ZorsIIRState64f_16s** ppState, const Zor64f* pTaps, int numBq, const Zor64f* pDlyLine);
ZORAPI ZorStatus zorsIIRInitAlloc64fc_16sc(ZorsIIRState64fc_16sc** ppState, const Zor64fc* pTaps, int order, const Zor64fc* pDlyLine);
ZORAPI ZorStatus zorsIIRInitAlloc64fc_BiQuad_16sc(ZorsIIRState64fc_16sc** ppState, const Zor64fc* pTaps, int numBq, const Zor64fc* pDlyLine);

/* IIRInit: the same state in the caller's buffer (address rounded up to 16). */
ZORAPI ZorStatus zorsIIRInit_32f(ZorsIIRState_32f** ppState, const Zor32f* pTaps, int order, const Zor32f* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsIIRInit_BiQuad_32f(ZorsIIRState_32f** ppState, const Zor32f* pTaps, int numBq, const Zor32f* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsIIRInit_32fc(ZorsIIRState_32fc** ppState, const Zor32fc* pTaps, int order, const Zor32fc* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsIIRInit_BiQuad_32fc(ZorsIIRState_32fc** ppState, const Zor32fc* pTaps, int numBq, const Zor32fc* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsIIRInit32f_16s(ZorsIIRState32f_16s** ppState, const Zor32f* pTaps, int order, const Zor32f* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsIIRInit32f_BiQuad_16s(ZorsIIRState32f_16s** ppState, const Zor32f* pTaps, int numBq, const Zor32f* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsIIRInit32fc_16sc(ZorsIIRState32fc_16sc** ppState, const Zor32fc* pTaps, int order, const Zor32fc* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsIIRInit32fc_BiQuad_16sc(ZorsIIRState32fc_16sc** ppState, const Zor32fc* pTaps, int numBq, const Zor32fc* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsIIRInit32s_16s(ZorsIIRState32s_16s** ppState, const Zor32s* pTaps, int order, int tapsFactor, const Zor32f* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsIIRInit32s_16s32f(ZorsIIRState32s_16s** ppState, const Zor32f* pTaps, int order, const Zor32f* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsIIRInit32s_BiQuad_16s(ZorsIIRState32s_16s** ppState, const Zor32s* pTaps, int numBq, int tapsFactor, const Zor32f* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsIIRInit32s_BiQuad_16s32f(ZorsIIRState32s_16s** ppState, const Zor32f* pTaps, int numBq, const Zor32f* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsIIRInit32sc_16sc(ZorsIIRState32sc_16sc** ppState, const Zor32sc* pTaps, int order, int tapsFactor, const Zor32fc* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsIIRInit32sc_16sc32fc(ZorsIIRState32sc_16sc** ppState, const Zor32fc* pTaps, int order, const Zor32fc* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsIIRInit32sc_BiQuad_16sc(ZorsIIRState32sc_16sc** ppState, const Zor32sc* pTaps, int numBq, int tapsFactor, const Zor32fc* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsIIRInit32sc_BiQuad_16sc32fc(ZorsIIRState32sc_16sc** ppState, const Zor32fc* pTaps, int numBq, const Zor32fc* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsIIRInit_64f(ZorsIIRState_64f** ppState, const Zor64f* pTaps, int order, const Zor64f* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsIIRInit_BiQuad_64f(ZorsIIRState_64f** ppState, const Zor64f* pTaps, int numBq, const Zor64f* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsIIRInit_64fc(ZorsIIRState_64fc** ppState, const Zor64fc* pTaps, int order, const Zor64fc* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsIIRInit_BiQuad_64fc(ZorsIIRState_64fc** ppState, const Zor64fc* pTaps, int numBq, const Zor64fc* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsIIRInit64f_32f(ZorsIIRState64f_32f** ppState, const Zor64f* pTaps, int order, const Zor64f* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsIIRInit64f_BiQuad_32f(ZorsIIRState64f_32f** ppState, const Zor64f* pTaps, int numBq, const Zor64f* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsIIRInit64fc_32fc(ZorsIIRState64fc_32fc** ppState, const Zor64fc* pTaps, int order, const Zor64fc* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsIIRInit64fc_BiQuad_32fc(ZorsIIRState64fc_32fc** ppState, const Zor64fc* pTaps, int numBq, const Zor64fc* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsIIRInit64f_32s(ZorsIIRState64f_32s** ppState, const Zor64f* pTaps, int order, const Zor64f* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsIIRInit64f_BiQuad_32s(ZorsIIRState64f_32s** ppState, const Zor64f* pTaps, int numBq, const Zor64f* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsIIRInit64fc_32sc(ZorsIIRState64fc_32sc** ppState, const Zor64fc* pTaps, int order, const Zor64fc* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsIIRInit64fc_BiQuad_32sc(ZorsIIRState64fc_32sc** ppState, const Zor64fc* pTaps, int numBq, const Zor64fc* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsIIRInit64f_16s(ZorsIIRState64f_16s** ppState, const Zor64f* pTaps, int order, const Zor64f* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsIIRInit64f_BiQuad_16s(ZorsIIRState64f_16s** ppState, const Zor64f* pTaps, int numBq, const Zor64f* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsIIRInit64fc_16sc(ZorsIIRState64fc_16sc** ppState, const Zor64fc* pTaps, int order, const Zor64fc* pDlyLine, Zor8u* pBuffer);
ZORAPI ZorStatus zorsIIRInit64fc_BiQuad_16sc(ZorsIIRState64fc_16sc** ppState, const Zor64fc* pTaps, int numBq, const Zor64fc* pDlyLine, Zor8u* pBuffer);

/* IIRSetTaps: new taps, normalised by a0; order and delay line kept. */
ZORAPI ZorStatus zorsIIRSetTaps_32f(const Zor32f* pTaps, ZorsIIRState_32f* pState);
ZORAPI ZorStatus zorsIIRSetTaps_32fc(const Zor32fc* pTaps, ZorsIIRState_32fc* pState);
ZORAPI ZorStatus zorsIIRSetTaps32f_16s(const Zor32f* pTaps, ZorsIIRState32f_16s* pState);
ZORAPI ZorStatus zorsIIRSetTaps32fc_16sc(const Zor32fc* pTaps, ZorsIIRState32fc_16sc* pState);
ZORAPI ZorStatus zorsIIRSetTaps32s_16s(const Zor32s* pTaps, ZorsIIRState32s_16s* pState, int tapsFactor);
ZORAPI ZorStatus zorsIIRSetTaps32s_16s32f(const Zor32f* pTaps, ZorsIIRState32s_16s* pState);
ZORAPI ZorStatus zorsIIRSetTaps32sc_16sc(const Zor32sc* pTaps, ZorsIIRState32sc_16sc* pState, int tapsFactor);
ZORAPI ZorStatus zorsIIRSetTaps32sc_16sc32fc(const Zor32fc* pTaps, ZorsIIRState32sc_16sc* pState);
ZORAPI ZorStatus zorsIIRSetTaps_64f(const Zor64f* pTaps, ZorsIIRState_64f* pState);
ZORAPI ZorStatus zorsIIRSetTaps_64fc(const Zor64fc* pTaps, ZorsIIRState_64fc* pState);
ZORAPI ZorStatus zorsIIRSetTaps64f_32f(const Zor64f* pTaps, ZorsIIRState64f_32f* pState);
ZORAPI ZorStatus zorsIIRSetTaps64fc_32fc(const Zor64fc* pTaps, ZorsIIRState64fc_32fc* pState);
ZORAPI ZorStatus zorsIIRSetTaps64f_32s(const Zor64f* pTaps, ZorsIIRState64f_32s* pState);
ZORAPI ZorStatus zorsIIRSetTaps64fc_32sc(const Zor64fc* pTaps, ZorsIIRState64fc_32sc* pState);
ZORAPI ZorStatus zorsIIRSetTaps64f_16s(const Zor64f* pTaps, ZorsIIRState64f_16s* pState);
ZORAPI ZorStatus zorsIIRSetTaps64fc_16sc(const Zor64fc* pTaps, ZorsIIRState64fc_16sc* pState);

/* IIRGetDlyLine / IIRSetDlyLine: the transposed-form delay values (N, or two
   per section) in tap precision; a null source clears them. */
ZORAPI ZorStatus zorsIIRGetDlyLine_32f(const ZorsIIRState_32f* pState, Zor32f* pDlyLine);
ZORAPI ZorStatus zorsIIRGetDlyLine_32fc(const ZorsIIRState_32fc* pState, Zor32fc* pDlyLine);
ZORAPI ZorStatus zorsIIRGetDlyLine32f_16s(const ZorsIIRState32f_16s* pState, Zor32f* pDlyLine);
ZORAPI ZorStatus zorsIIRGetDlyLine32fc_16sc(const ZorsIIRState32fc_16sc* pState, Zor32fc* pDlyLine);
ZORAPI ZorStatus zorsIIRGetDlyLine32s_16s(const ZorsIIRState32s_16s* pState, Zor32f* pDlyLine);
ZORAPI ZorStatus zorsIIRGetDlyLine32sc_16sc(const ZorsIIRState32sc_16sc* pState, Zor32fc* pDlyLine);
ZORAPI ZorStatus zorsIIRGetDlyLine_64f(const ZorsIIRState_64f* pState, Zor64f* pDlyLine);
ZORAPI ZorStatus zorsIIRGetDlyLine_64fc(const ZorsIIRState_64fc* pState, Zor64fc* pDlyLine);
ZORAPI ZorStatus zorsIIRGetDlyLine64f_32f(const ZorsIIRState64f_32f* pState, Zor64f* pDlyLine);
ZORAPI ZorStatus zorsIIRGetDlyLine64fc_32fc(const ZorsIIRState64fc_32fc* pState, Zor64fc* pDlyLine);
ZORAPI ZorStatus zorsIIRGetDlyLine64f_32s(const ZorsIIRState64f_32s* pState, Zor64f* pDlyLine);
ZORAPI ZorStatus zorsIIRGetDlyLine64fc_32sc(const ZorsIIRState64fc_32sc* pState, Zor64fc* pDlyLine);
ZORAPI ZorStatus zorsIIRGetDlyLine64f_16s(const ZorsIIRState64f_16s* pState, Zor64f* pDlyLine);
ZORAPI ZorStatus zorsIIRGetDlyLine64fc_16sc(const ZorsIIRState64fc_16sc* pState, Zor64fc* pDlyLine);
ZORAPI ZorStatus zorsIIRSetDlyLine_32f(ZorsIIRState_32f* pState, const Zor32f* pDlyLine);
ZORAPI ZorStatus zorsIIRSetDlyLine_32fc(ZorsIIRState_32fc* pState, const Zor32fc* pDlyLine);
ZORAPI ZorStatus zorsIIRSetDlyLine32f_16s(ZorsIIRState32f_16s* pState, const Zor32f* pDlyLine);
ZORAPI ZorStatus zorsIIRSetDlyLine32fc_16sc(ZorsIIRState32fc_16sc* pState, const Zor32fc* pDlyLine);
ZORAPI ZorStatus zorsIIRSetDlyLine32s_16s(ZorsIIRState32s_16s* pState, const Zor32f* pDlyLine);
ZORAPI ZorStatus zorsIIRSetDlyLine32sc_16sc(ZorsIIRState32sc_16sc* pState, const Zor32fc* pDlyLine);
ZORAPI ZorStatus zorsIIRSetDlyLine_64f(ZorsIIRState_64f* pState, const Zor64f* pDlyLine);
ZORAPI ZorStatus zorsIIRSetDlyLine_64fc(ZorsIIRState_64fc* pState, const Zor64fc* pDlyLine);
ZORAPI ZorStatus zorsIIRSetDlyLine64f_32f(ZorsIIRState64f_32f* pState, const Zor64f* pDlyLine);
ZORAPI ZorStatus zorsIIRSetDlyLine64fc_32fc(ZorsIIRState64fc_32fc* pState, const Zor64fc* pDlyLine);
ZORAPI ZorStatus zorsIIRSetDlyLine64f_32s(ZorsIIRState64f_32s* pState, const Zor64f* pDlyLine);
ZORAPI ZorStatus zorsIIRSetDlyLine64fc_32sc(ZorsIIRState64fc_32sc* pState, const Zor64fc* pDlyLine);
ZORAPI ZorStatus zorsIIRSetDlyLine64f_16s(ZorsIIRState64f_16s* pState, const Zor64f* pDlyLine);
ZORAPI ZorStatus zorsIIRSetDlyLine64fc_16sc(ZorsIIRState64fc_16sc* pState, const Zor64fc* pDlyLine);

/* IIR: filter a block through the state (in place: _I); integer data scaled
   by 2^-scaleFactor, rounded to nearest even and saturated. */
ZORAPI ZorStatus zorsIIR_32f(const Zor32f* pSrc, Zor32f* pDst, int len, ZorsIIRState_32f* pState);
ZORAPI ZorStatus zorsIIR_32f_I(Zor32f* pSrcDst, int len, ZorsIIRState_32f* pState);
ZORAPI ZorStatus zorsIIR_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len, ZorsIIRState_32fc* pState);
ZORAPI ZorStatus zorsIIR_32fc_I(Zor32fc* pSrcDst, int len, ZorsIIRState_32fc* pState);
ZORAPI ZorStatus zorsIIR32f_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, int len, ZorsIIRState32f_16s* pState, int scaleFactor);
ZORAPI ZorStatus zorsIIR32f_16s_ISfs(Zor16s* pSrcDst, int len, ZorsIIRState32f_16s* pState, int scaleFactor);
ZORAPI ZorStatus zorsIIR32fc_16sc_Sfs(const Zor16sc* pSrc, Zor16sc* pDst, int len, ZorsIIRState32fc_16sc* pState, int scaleFactor);
ZORAPI ZorStatus zorsIIR32fc_16sc_ISfs(Zor16sc* pSrcDst, int len, ZorsIIRState32fc_16sc* pState, int scaleFactor);
ZORAPI ZorStatus zorsIIR32s_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, int len, ZorsIIRState32s_16s* pState, int scaleFactor);
ZORAPI ZorStatus zorsIIR32s_16s_ISfs(Zor16s* pSrcDst, int len, ZorsIIRState32s_16s* pState, int scaleFactor);
ZORAPI ZorStatus zorsIIR32sc_16sc_Sfs(const Zor16sc* pSrc, Zor16sc* pDst, int len, ZorsIIRState32sc_16sc* pState, int scaleFactor);
ZORAPI ZorStatus zorsIIR32sc_16sc_ISfs(Zor16sc* pSrcDst, int len, ZorsIIRState32sc_16sc* pState, int scaleFactor);
ZORAPI ZorStatus zorsIIR_64f(const Zor64f* pSrc, Zor64f* pDst, int len, ZorsIIRState_64f* pState);
ZORAPI ZorStatus zorsIIR_64f_I(Zor64f* pSrcDst, int len, ZorsIIRState_64f* pState);
ZORAPI ZorStatus zorsIIR_64fc(const Zor64fc* pSrc, Zor64fc* pDst, int len, ZorsIIRState_64fc* pState);
ZORAPI ZorStatus zorsIIR_64fc_I(Zor64fc* pSrcDst, int len, ZorsIIRState_64fc* pState);
ZORAPI ZorStatus zorsIIR64f_32f(const Zor32f* pSrc, Zor32f* pDst, int len, ZorsIIRState64f_32f* pState);
ZORAPI ZorStatus zorsIIR64f_32f_I(Zor32f* pSrcDst, int len, ZorsIIRState64f_32f* pState);
ZORAPI ZorStatus zorsIIR64fc_32fc(const Zor32fc* pSrc, Zor32fc* pDst, int len, ZorsIIRState64fc_32fc* pState);
ZORAPI ZorStatus zorsIIR64fc_32fc_I(Zor32fc* pSrcDst, int len, ZorsIIRState64fc_32fc* pState);
ZORAPI ZorStatus zorsIIR64f_32s_Sfs(const Zor32s* pSrc, Zor32s* pDst, int len, ZorsIIRState64f_32s* pState, int scaleFactor);
ZORAPI ZorStatus zorsIIR64f_32s_ISfs(Zor32s* pSrcDst, int len, ZorsIIRState64f_32s* pState, int scaleFactor);
ZORAPI ZorStatus zorsIIR64fc_32sc_Sfs(const Zor32sc* pSrc, Zor32sc* pDst, int len, ZorsIIRState64fc_32sc* pState, int scaleFactor);
ZORAPI ZorStatus zorsIIR64fc_32sc_ISfs(Zor32sc* pSrcDst, int len, ZorsIIRState64fc_32sc* pState, int scaleFactor);
ZORAPI ZorStatus zorsIIR64f_16s_Sfs(const Zor16s* pSrc, Zor16s* pDst, int len, ZorsIIRState64f_16s* pState, int scaleFactor);
ZORAPI ZorStatus zorsIIR64f_16s_ISfs(Zor16s* pSrcDst, int len, ZorsIIRState64f_16s* pState, int scaleFactor);
ZORAPI ZorStatus zorsIIR64fc_16sc_Sfs(const Zor16sc* pSrc, Zor16sc* pDst, int len, ZorsIIRState64fc_16sc* pState, int scaleFactor);
ZORAPI ZorStatus zorsIIR64fc_16sc_ISfs(Zor16sc* pSrcDst, int len, ZorsIIRState64fc_16sc* pState, int scaleFactor);

/* IIROne: one sample through the state. */
ZORAPI ZorStatus zorsIIROne_32f(Zor32f src, Zor32f* pDstVal, ZorsIIRState_32f* pState);
ZORAPI ZorStatus zorsIIROne_32fc(Zor32fc src, Zor32fc* pDstVal, ZorsIIRState_32fc* pState);
ZORAPI ZorStatus zorsIIROne32f_16s_Sfs(Zor16s src, Zor16s* pDstVal, ZorsIIRState32f_16s* pState, int scaleFactor);
ZORAPI ZorStatus zorsIIROne32fc_16sc_Sfs(Zor16sc src, Zor16sc* pDstVal, ZorsIIRState32fc_16sc* pState, int scaleFactor);
ZORAPI ZorStatus zorsIIROne32s_16s_Sfs(Zor16s src, Zor16s* pDstVal, ZorsIIRState32s_16s* pState, int scaleFactor);
ZORAPI ZorStatus zorsIIROne32sc_16sc_Sfs(Zor16sc src, Zor16sc* pDstVal, ZorsIIRState32sc_16sc* pState, int scaleFactor);
ZORAPI ZorStatus zorsIIROne_64f(Zor64f src, Zor64f* pDstVal, ZorsIIRState_64f* pState);
ZORAPI ZorStatus zorsIIROne_64fc(Zor64fc src, Zor64fc* pDstVal, ZorsIIRState_64fc* pState);
ZORAPI ZorStatus zorsIIROne64f_32f(Zor32f src, Zor32f* pDstVal, ZorsIIRState64f_32f* pState);
ZORAPI ZorStatus zorsIIROne64fc_32fc(Zor32fc src, Zor32fc* pDstVal, ZorsIIRState64fc_32fc* pState);
ZORAPI ZorStatus zorsIIROne64f_32s_Sfs(Zor32s src, Zor32s* pDstVal, ZorsIIRState64f_32s* pState, int scaleFactor);
ZORAPI ZorStatus zorsIIROne64fc_32sc_Sfs(Zor32sc src, Zor32sc* pDstVal, ZorsIIRState64fc_32sc* pState, int scaleFactor);
ZORAPI ZorStatus zorsIIROne64f_16s_Sfs(Zor16s src, Zor16s* pDstVal, ZorsIIRState64f_16s* pState, int scaleFactor);
ZORAPI ZorStatus zorsIIROne64fc_16sc_Sfs(Zor16sc src, Zor16sc* pDstVal, ZorsIIRState64fc_16sc* pState, int scaleFactor);

/* IIRFree: releases a state made by InitAlloc (a caller-buffer state: nothing). */
ZORAPI ZorStatus zorsIIRFree_32f(ZorsIIRState_32f* pState);
ZORAPI ZorStatus zorsIIRFree_32fc(ZorsIIRState_32fc* pState);
ZORAPI ZorStatus zorsIIRFree32f_16s(ZorsIIRState32f_16s* pState);
ZORAPI ZorStatus zorsIIRFree32fc_16sc(ZorsIIRState32fc_16sc* pState);
ZORAPI ZorStatus zorsIIRFree32s_16s(ZorsIIRState32s_16s* pState);
ZORAPI ZorStatus zorsIIRFree32sc_16sc(ZorsIIRState32sc_16sc* pState);
ZORAPI ZorStatus zorsIIRFree_64f(ZorsIIRState_64f* pState);
ZORAPI ZorStatus zorsIIRFree_64fc(ZorsIIRState_64fc* pState);
ZORAPI ZorStatus zorsIIRFree64f_32f(ZorsIIRState64f_32f* pState);
ZORAPI ZorStatus zorsIIRFree64fc_32fc(ZorsIIRState64fc_32fc* pState);
ZORAPI ZorStatus zorsIIRFree64f_32s(ZorsIIRState64f_32s* pState);
ZORAPI ZorStatus zorsIIRFree64fc_32sc(ZorsIIRState64fc_32sc* pState);
ZORAPI ZorStatus zorsIIRFree64f_16s(ZorsIIRState64f_16s* pState);
ZORAPI ZorStatus zorsIIRFree64fc_16sc(ZorsIIRState64fc_16sc* pState);

/* IIR_Direct, IIR_BiQuadDirect: integer filters with Q-format taps (the a0
   slot holds the shift S) and a 32-bit delay line; the block forms run in
   single precision, the one-sample forms in wrapping 32-bit integers with
   rounding to nearest even. */
ZORAPI ZorStatus zorsIIR_Direct_16s(const Zor16s* pSrc, Zor16s* pDst, int len, const Zor16s* pTaps, int order, Zor32s* pDlyLine);
ZORAPI ZorStatus zorsIIR_Direct_16s_I(Zor16s* pSrcDst, int len, const Zor16s* pTaps, int order, Zor32s* pDlyLine);
ZORAPI ZorStatus zorsIIROne_Direct_16s(Zor16s src, Zor16s* pDstVal, const Zor16s* pTaps, int order, Zor32s* pDlyLine);
ZORAPI ZorStatus zorsIIROne_Direct_16s_I(Zor16s* pSrcDstVal, const Zor16s* pTaps, int order, Zor32s* pDlyLine);
ZORAPI ZorStatus zorsIIR_BiQuadDirect_16s(const Zor16s* pSrc, Zor16s* pDst, int len, const Zor16s* pTaps, int numBq, Zor32s* pDlyLine);
ZORAPI ZorStatus zorsIIR_BiQuadDirect_16s_I(Zor16s* pSrcDst, int len, const Zor16s* pTaps, int numBq, Zor32s* pDlyLine);
ZORAPI ZorStatus zorsIIROne_BiQuadDirect_16s(Zor16s src, Zor16s* pDstVal, const Zor16s* pTaps, int numBq, Zor32s* pDlyLine);
ZORAPI ZorStatus zorsIIROne_BiQuadDirect_16s_I(Zor16s* pSrcDstVal, const Zor16s* pTaps, int numBq, Zor32s* pDlyLine);


/* (end of filter) */

/* ======================================================================== */
/* trellis: modem trellis decoder support                                   */
/* ======================================================================== */

/* Trellis decoder support for 16-, 32- and 64-state 4-D codes: point
   metrics of one 2-D point, 4-D subset metrics, add-compare-select, and the
   path-metric normalisation (ties keep the lower index). */
ZORAPI ZorStatus zorsGetVarPointDV_16sc(const Zor16sc* pSrc, Zor16sc* pBasePoint, Zor32u* pVarPointValue, const Zor8u* pLabel, int numStates);
ZORAPI ZorStatus zorsBuildSymblTableDV4D_16sc(const Zor32u* pVarPointValue, Zor32u* pSubsetValue, int numStates, int subsetXor);
ZORAPI ZorStatus zorsCalcStatesDV_16sc(const Zor16u* pPathMetric, const Zor8u* pNextState, Zor16u* pNewMetric, const Zor16s* pSubsetValue, Zor32u* pSurvivor, int numStates, int survivorOffset);
ZORAPI ZorStatus zorsUpdatePathMetricsDV_16u(Zor16u* pNewMetric, Zor16u* pMinMetric, Zor8u* pMinState, Zor16u* pPathMetric, int numStates);

/* (end of trellis) */

#ifdef __cplusplus
}
#endif

#endif /* ZORS_H */
