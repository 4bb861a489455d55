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
