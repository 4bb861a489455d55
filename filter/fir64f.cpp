// FIR states with double-precision taps: 64f, 64fc, and 32f, 32s and 16s
// data (real and complex) through double precision. Contract in
// filter/fir_impl.h.
#include "filter/fir_impl.h"

ZORS_FIR_SIZE(_64f, Zor64f, Zor64f)
ZORS_FIR_SIZE(_64fc, Zor64fc, Zor64fc)
ZORS_FIR_SIZE(64f_32f, Zor64f, Zor32f)
ZORS_FIR_SIZE(64fc_32fc, Zor64fc, Zor32fc)
ZORS_FIR_SIZE(64f_32s, Zor64f, Zor32s)
ZORS_FIR_SIZE(64fc_32sc, Zor64fc, Zor32sc)
ZORS_FIR_SIZE(64f_16s, Zor64f, Zor16s)
ZORS_FIR_SIZE(64fc_16sc, Zor64fc, Zor16sc)

ZORS_FIR_STATE_FLOAT(_64f, ZorsFIRState_64f, Zor64f, Zor64f)
ZORS_FIR_STATE_FLOAT(_64fc, ZorsFIRState_64fc, Zor64fc, Zor64fc)
ZORS_FIR_STATE_FLOAT(64f_32f, ZorsFIRState64f_32f, Zor64f, Zor32f)
ZORS_FIR_STATE_FLOAT(64fc_32fc, ZorsFIRState64fc_32fc, Zor64fc, Zor32fc)
ZORS_FIR_STATE_SCALED(64f_32s, ZorsFIRState64f_32s, Zor64f, Zor32s)
ZORS_FIR_STATE_SCALED(64fc_32sc, ZorsFIRState64fc_32sc, Zor64fc, Zor32sc)
ZORS_FIR_STATE_SCALED(64f_16s, ZorsFIRState64f_16s, Zor64f, Zor16s)
ZORS_FIR_STATE_SCALED(64fc_16sc, ZorsFIRState64fc_16sc, Zor64fc, Zor16sc)
