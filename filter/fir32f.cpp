// FIR states with single-precision taps: 32f, 32fc, and 16-bit data through
// single precision (32f_16s, 32fc_16sc). Contract in filter/fir_impl.h.
#include "filter/fir_impl.h"

ZORS_FIR_SIZE(_32f, Zor32f, Zor32f)
ZORS_FIR_SIZE(_32fc, Zor32fc, Zor32fc)
ZORS_FIR_SIZE(32f_16s, Zor32f, Zor16s)
ZORS_FIR_SIZE(32fc_16sc, Zor32fc, Zor16sc)

ZORS_FIR_STATE_FLOAT(_32f, ZorsFIRState_32f, Zor32f, Zor32f)
ZORS_FIR_STATE_FLOAT(_32fc, ZorsFIRState_32fc, Zor32fc, Zor32fc)
ZORS_FIR_STATE_SCALED(32f_16s, ZorsFIRState32f_16s, Zor32f, Zor16s)
ZORS_FIR_STATE_SCALED(32fc_16sc, ZorsFIRState32fc_16sc, Zor32fc, Zor16sc)
