/* zors demo: the version record, the processor class, a few status texts,
   and the buffer primitives at work. */
#include <stdio.h>
#include <zors.h>

int main(void) {
    const ZorVersionRecord* v = zorsGetLibVersion();
    printf("%s %s (%d.%d, build %d.%d, %s), target %s\n", v->libName, v->versionText, v->verMajor,
           v->verMinor, v->buildSeries, v->buildNumber, v->buildDate, v->targetCode);
    printf("processor class: %d\n", (int)zorGetCpuType());

    const ZorStatus codes[] = {zorStsNoErr, zorStsDivByZero, zorStsNullPtrErr, zorStsSizeErr, -1};
    for (unsigned i = 0; i < sizeof codes / sizeof codes[0]; ++i)
        printf("status %6d: %s\n", (int)codes[i], zorGetStatusString(codes[i]));

    /* A complex ramp, conjugated in reverse order, split into its parts. */
    enum { N = 8 };
    Zor32fc* x = zorsMalloc_32fc(N);
    Zor32fc y[N];
    Zor32f re[N], im[N];
    Zor32f ramp[N];
    for (int n = 0; n < N; ++n) ramp[n] = (Zor32f)n;
    zorsRealToCplx_32f(ramp, ramp, x, N);
    zorsConjFlip_32fc(x, y, N);
    zorsCplxToReal_32fc(y, re, im, N);
    printf("conjugate of the reversed ramp:");
    for (int n = 0; n < N; ++n) printf(" (%g,%g)", re[n], im[n]);
    printf("\n");

    /* Two channels interleaved into one 16-bit stream. */
    const Zor32f left[3] = {1.5f, 2.5f, -40000.0f}, right[3] = {-1.5f, 40000.0f, 0.49f};
    const Zor32f* channels[2] = {left, right};
    Zor16s stream[6];
    zorsJoin_32f16s_D2L(channels, 2, 3, stream);
    printf("joined stereo samples:");
    for (int n = 0; n < 6; ++n) printf(" %d", stream[n]);
    printf("\n");

    printf("bad call: %s\n", zorGetStatusString(zorsCopy_32f(ramp, NULL, N)));
    zorsFree(x);
    return 0;
}
