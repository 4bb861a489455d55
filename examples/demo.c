/* zors demo: the spectrum of a synthetic signal.
   Two tones plus low-level noise, a Hann window, a real FFT into the CCS
   layout, the strongest peaks printed in dB, and the magnitude spectrum
   written as an SVG plot. */
#include <math.h>
#include <stdio.h>
#include <zors.h>

#ifndef ZORS_DEMO_SVG
#define ZORS_DEMO_SVG "spectrum.svg"
#endif

enum { ORDER = 10, N = 1 << ORDER };
static const double kRate = 8000.0, kPi = 3.14159265358979323846;

/* A fixed-seed generator, uniform in [-0.5, 0.5). */
static unsigned long seed = 12345;
static double noise(void) {
    seed = (seed * 1103515245ul + 12345ul) & 0x7fffffff;
    return (double)seed / 2147483648.0 - 0.5;
}

int main(int argc, char** argv) {
    const char* path = argc > 1 ? argv[1] : ZORS_DEMO_SVG;
    Zor32f* x = zorsMalloc_32f(N);
    Zor32f* spec = zorsMalloc_32f(N + 2);
    double db[N / 2 + 1], gain = 0;
    for (int n = 0; n < N; ++n) {
        const double t = n / kRate, w = 0.5 - 0.5 * cos(2 * kPi * n / N);
        const double s = 1.0 * sin(2 * kPi * 1000.0 * t) + 0.25 * sin(2 * kPi * 2437.5 * t) + 0.002 * noise();
        x[n] = (Zor32f)(w * s);
        gain += w;
    }

    /* The real FFT: create the specification, ask for its work buffer, run. */
    ZorsFFTSpec_R_32f* fft;
    int bufSize;
    ZorStatus st = zorsFFTInitAlloc_R_32f(&fft, ORDER, ZOR_FFT_NO_DIV, zorAlgHintNone);
    if (st != zorStsNoErr) { printf("FFT setup: %s\n", zorGetStatusString(st)); return 1; }
    zorsFFTGetBufSize_R_32f(fft, &bufSize);
    Zor8u* buf = zorsMalloc_8u(bufSize > 0 ? bufSize : 1);
    st = zorsFFTFwd_RToCCS_32f(x, spec, fft, buf);
    printf("real FFT of %d samples at %.0f Hz: %s\n", N, kRate, zorGetStatusString(st));

    /* Level of every bin in dB relative to a full-scale sine. */
    for (int k = 0; k <= N / 2; ++k) {
        const double m = hypot(spec[2 * k], spec[2 * k + 1]) * 2 / gain;
        db[k] = 20 * log10(m > 1e-12 ? m : 1e-12);
    }
    printf("strongest peaks:\n");
    double last = 1e9;
    for (int shown = 0; shown < 4; ++shown) {
        int best = -1;
        for (int k = 1; k < N / 2; ++k)
            if (db[k] > db[k - 1] && db[k] >= db[k + 1] && db[k] < last && (best < 0 || db[k] > db[best])) best = k;
        if (best < 0) break;
        printf("  bin %4d  %7.1f Hz  %6.1f dB\n", best, best * kRate / N, db[best]);
        last = db[best];
    }

    /* The magnitude spectrum as an SVG polyline: 0 .. -120 dB. */
    FILE* f = fopen(path, "w");
    if (f) {
        fprintf(f, "<svg xmlns='http://www.w3.org/2000/svg' width='640' height='320'>\n"
                   "<rect width='640' height='320' fill='white'/>\n<polyline fill='none' stroke='navy' points='");
        for (int k = 0; k <= N / 2; ++k) {
            const double level = db[k] < -120 ? -120 : db[k];
            fprintf(f, "%.1f,%.1f ", 20 + 600.0 * k / (N / 2), 10 - level * 300 / 120);
        }
        fprintf(f, "'/>\n<text x='20' y='315' font-size='12'>0 Hz</text><text x='560' y='315' font-size='12'>%.0f Hz</text>\n</svg>\n", kRate / 2);
        fclose(f);
        printf("spectrum plot: %s\n", path);
    }
    zorsFFTFree_R_32f(fft);
    zorsFree(buf);
    zorsFree(spec);
    zorsFree(x);
    return 0;
}
