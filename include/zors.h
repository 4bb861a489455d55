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
    zorStsNotSupportedModeErr = -9999,
    zorStsDummy_ = 0
};

/* Algorithm hint; never range-checked. */
typedef enum {
    zorAlgHintNone = 0,
    zorAlgHintFast = 1,
    zorAlgHintAccurate = 2
} ZorHintAlgorithm;

/* Rounding mode of float-to-integer conversions; every value other than 1
   rounds toward zero. */
typedef enum {
    zorRndZero = 0,
    zorRndNear = 1
} ZorRoundMode;

/* Processor classes reported by zorGetCpuType. */
typedef enum {
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

/* (end of convert) */

/* ======================================================================== */
/* stats: reductions, extrema, ordering and search                          */
/* ======================================================================== */

/* (end of stats) */

/* ======================================================================== */
/* gen: tone and triangle generators, random generators, windows            */
/* ======================================================================== */

/* (end of gen) */

/* ======================================================================== */
/* transform: FFT, real FFT and packed formats, DFT, DCT, Hilbert, wavelets  */
/* ======================================================================== */

/* (end of transform) */

/* ======================================================================== */
/* filter: FIR, multi-rate FIR, design, LMS, IIR, convolution, resampling    */
/* ======================================================================== */

/* (end of filter) */

/* ======================================================================== */
/* trellis: modem trellis decoder support                                   */
/* ======================================================================== */

/* (end of trellis) */

#ifdef __cplusplus
}
#endif

#endif /* ZORS_H */
