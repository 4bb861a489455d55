#!/usr/bin/env python3
"""Runs the benchmarks of a build and writes bench/REPORT.md and
bench/fft_ratio.svg: for each family the zors time, each baseline's time
and the ratio (zors time / baseline time, below 1 is faster) per size.

Usage: bench_report.py BUILD_DIR OUT_DIR [--min-time S] [--rounds N]
Every program runs N times, the programs in turn (round robin), so that a
slow spell of a shared machine falls on single rounds; within a round each
zors benchmark runs next to its baselines. The median over the rounds of
each benchmark's real time is reported. Peers that were not installed when
the benchmarks were built are absent."""
import datetime
import json
import math
import os
import re
import statistics
import subprocess
import sys

# Families: (title, program, zors name, [baselines]). The thread count, when
# the zors benchmark has one and its baselines do not, is the last argument
# and only its one-thread runs are compared.
FAMILIES = [
    ("FFT, complex single precision (order)", "fft_bench", "zors_32fc", ["fftw_32fc"]),
    ("FFT, complex double precision (order)", "fft_bench", "zors_64fc", ["fftw_64fc"]),
    ("FFT, real single precision, Perm (order)", "fft_bench", "zors_r32f", ["fftw_r32f"]),
    ("Inverse FFT, complex single precision (order)", "fft_bench", "zors_32fc_inv", ["fftw_32fc_inv"]),
    ("Inverse FFT, complex double precision (order)", "fft_bench", "zors_64fc_inv", ["fftw_64fc_inv"]),
    ("Inverse FFT, real single precision, Perm (order)", "fft_bench", "zors_r32f_inv", ["fftw_r32f_inv"]),
    ("DFT, complex single precision (length)", "dft_bench", "zors_dft_32fc", ["fftw_dft_32fc"]),
    ("DCT-II, single precision (length)", "dft_bench", "zors_dct_32f", ["fftw_dct_32f"]),
    ("FIR, real (taps/samples/threads)", "fir_bench", "BM_zors_32f", ["BM_fftw<false>", "BM_liquid_32f", "BM_plain<float>"]),
    ("FIR, complex (taps/samples/threads)", "fir_bench", "BM_zors_32fc",
     ["BM_fftw<true>", "BM_liquid_32fc", "BM_plain<std::complex<float>>"]),
    ("Multi-rate FIR 3/2, 48 taps (samples/threads)", "fir_bench", "BM_mr_32f", ["BM_mr_baseline"]),
    ("Convolution (lengths/threads)", "conv_bench", "BM_zorsConv", ["BM_fftwOverlapAdd", "BM_directConv"]),
    ("Median filter, 1048576 samples (mask)", "conv_bench", "BM_zorsMedian", ["BM_nthElementMedian"]),
    ("IIR biquad, single (samples)", "iir_bench", "zors_biquad_32f", ["liquid_biquad", "plain_biquad<float>"]),
    ("IIR biquad, double (samples)", "iir_bench", "zors_biquad_64f", ["plain_biquad<double>"]),
    ("IIR order 8, single (samples)", "iir_bench", "zors_order8_32f", ["liquid_order8", "plain_order8<float>"]),
    ("IIR order 8, double (samples)", "iir_bench", "zors_order8_64f", ["plain_order8<double>"]),
    ("Sum, default hint (length)", "stats_bench", "BM_Sum_32f_hint_none", ["BM_scalar_sum"]),
    ("Sum, fast hint (length)", "stats_bench", "BM_Sum_32f_hint_fast", ["BM_scalar_sum"]),
    ("Dot product (length)", "stats_bench", "BM_DotProd_32f", ["BM_scalar_dot"]),
    ("MinMax (length)", "stats_bench", "BM_MinMax_32f", ["BM_scalar_minmax"]),
    ("Sort ascending (length)", "stats_bench", "BM_SortAscend_32f_I", ["BM_std_sort"]),
    ("Copy (length)", "buffer_bench", "BM_Copy_32f", ["BM_memcpy_32f"]),
    ("Set (length)", "buffer_bench", "BM_Set_32f", ["BM_memset_32f"]),
    ("Convert 16s to 32f (length)", "convert_bench", "BM_Convert_16s32f", ["BM_16s32f_scalar", "BM_16s32f_memcpy"]),
    ("Convert 32f to 16s, scaled (length)", "convert_bench", "BM_Convert_32f16s_Sfs", ["BM_32f16s_scalar", "BM_32f16s_memcpy"]),
]
# Element-wise families: the zors benchmark and its suffixed baselines.
for fn in ["Add_32f", "Add_16s_Sfs1", "Mul_32fc", "MulC_32f16s_Sfs", "And_8u"]:
    FAMILIES.append((f"{fn} (length)", "arith_bench", f"BM_{fn}", [f"BM_{fn}_scalar", f"BM_{fn}_memcpy"]))
# Short vectors against VOLK, on the same buffers.
for fn, peer in [("Add_32f", "Add_32f"), ("Mul_32fc", "Mul_32fc"), ("DotProd_32f", "DotProd_32f"),
                 ("Sum_32f_fast", "Sum_32f"), ("Sum_32f_default", "Sum_32f")]:
    FAMILIES.append((f"{fn} against VOLK (length)", "vector_peers_bench", f"BM_{fn}", [f"BM_{peer}_volk"]))
# Single-size families named BM_<what>_zors with peers BM_<what>_<peer>.
SUFFIXED = ["elementary_bench", "polar_bench"]


def run(build, program, min_time):
    """One round of a program: real time in ns by benchmark name."""
    exe = os.path.join(build, "bench", program)
    if not os.path.exists(exe):
        return {}
    out = subprocess.run([exe, f"--benchmark_min_time={min_time}", "--benchmark_format=json"],
                         check=True, capture_output=True, text=True).stdout
    times = {}
    for b in json.loads(out)["benchmarks"]:
        scale = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}[b.get("time_unit", "ns")]
        times[b["run_name"]] = b["real_time"] * scale
    return times


def run_rounds(build, programs, min_time, rounds):
    """The median over `rounds` round-robin runs of every program."""
    got = {p: {} for p in programs}
    for _ in range(rounds):
        for p in programs:
            for name, t in run(build, p, min_time).items():
                got[p].setdefault(name, []).append(t)
    return {p: {name: statistics.median(v) for name, v in times.items()} for p, times in got.items()}


def split(name):
    base, _, args = name.partition("/")
    return base, args


def fmt(ns):
    if ns >= 1e6:
        return f"{ns / 1e6:.2f} ms"
    if ns >= 1e3:
        return f"{ns / 1e3:.2f} µs"
    return f"{ns:.0f} ns"


def rows_for(times, zors, peers):
    """(args, zors time, [(peer, time or None)]) for every size of `zors`."""
    by = {}
    for name, t in times.items():
        base, args = split(name)
        by.setdefault(base, {})[args] = t
    out = []
    for args, t in sorted(by.get(zors, {}).items(), key=lambda kv: [int(a) for a in re.findall(r"-?\d+", kv[0])]):
        cells = []
        for p in peers:
            pt = by.get(p, {})
            alt = args.rsplit("/", 1)[0] if args.endswith("/1") else None
            cells.append((p, pt.get(args, pt.get(alt) if alt is not None else None)))
        out.append((args, t, cells))
    return out


def table(title, rows):
    peers = [p for p, _ in rows[0][2]] if rows else []
    lines = [f"### {title}", "", "| size | zors | " + " | ".join(f"{p} (ratio)" for p in peers) + " |",
             "|---|---|" + "---|" * len(peers)]
    for args, t, cells in rows:
        cols = [f"{fmt(v)} ({t / v:.2f})" if v else "—" for _, v in cells]
        lines.append(f"| {args or '—'} | {fmt(t)} | " + " | ".join(cols) + " |")
    return lines + [""]


def svg(series, path):
    """FFT ratio (zors / FFTW) by order, one line per kind, 1.0 marked."""
    w, h, left, top, right, bottom = 640, 360, 50, 20, 140, 40
    orders = sorted({o for s in series.values() for o, _ in s})
    if not orders:
        return
    ymax = max(2.0, max(r for s in series.values() for _, r in s) * 1.1)
    x = lambda o: left + (o - orders[0]) * (w - left - right) / max(1, orders[-1] - orders[0])
    y = lambda r: top + (1 - r / ymax) * (h - top - bottom)
    colors = ["#1f77b4", "#d62728", "#2ca02c", "#9467bd", "#ff7f0e", "#17becf"]
    parts = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" font-family="sans-serif" font-size="12">',
             f'<rect width="{w}" height="{h}" fill="white"/>']
    for k in range(0, int(ymax * 2) + 1):
        r = k / 2
        parts.append(f'<line x1="{left}" x2="{w - right}" y1="{y(r):.1f}" y2="{y(r):.1f}" stroke="#ddd"/>')
        parts.append(f'<text x="{left - 6}" y="{y(r) + 4:.1f}" text-anchor="end">{r:.1f}</text>')
    parts.append(f'<line x1="{left}" x2="{w - right}" y1="{y(1):.1f}" y2="{y(1):.1f}" stroke="black" stroke-dasharray="4 3"/>')
    for o in orders:
        parts.append(f'<text x="{x(o):.1f}" y="{h - bottom + 16}" text-anchor="middle">{o}</text>')
    parts.append(f'<text x="{(left + w - right) / 2:.0f}" y="{h - 6}" text-anchor="middle">order (log2 of the length)</text>')
    parts.append(f'<text x="12" y="{top + 10}">zors time / FFTW time</text>')
    for i, (label, pts) in enumerate(series.items()):
        c = colors[i % len(colors)]
        pts = sorted(pts)
        parts.append('<polyline fill="none" stroke="%s" stroke-width="2" points="%s"/>' %
                     (c, " ".join(f"{x(o):.1f},{y(r):.1f}" for o, r in pts)))
        parts.append(f'<text x="{w - right + 10}" y="{top + 20 + 18 * i}" fill="{c}">{label}</text>')
    parts.append("</svg>")
    with open(path, "w") as f:
        f.write("\n".join(parts) + "\n")


def main():
    args = sys.argv[1:]
    if len(args) < 2:
        sys.exit(__doc__)
    build, out = args[0], args[1]
    min_time = float(args[args.index("--min-time") + 1]) if "--min-time" in args else 0.06
    reps = int(args[args.index("--rounds") + 1]) if "--rounds" in args else 5
    programs = sorted({f[1] for f in FAMILIES} | set(SUFFIXED))
    results = run_rounds(build, programs, min_time, reps)
    cpu = "unknown processor"
    try:
        with open("/proc/cpuinfo") as f:
            cpu = next(l.split(":", 1)[1].strip() for l in f if l.startswith("model name"))
    except (OSError, StopIteration):
        pass
    commit = subprocess.run(["git", "rev-parse", "--short", "HEAD"], capture_output=True, text=True).stdout.strip()
    lines = ["# Benchmark report", "",
             f"Measured {datetime.date.today().isoformat()} on {cpu} ({os.cpu_count()} logical processors), "
             f"commit {commit or 'unknown'}; release build, widest dispatch level, one thread unless the size says otherwise. "
             f"Times are medians of {reps} rounds (wall clock; the programs run in turn, each zors benchmark next to its "
             "baselines). The ratio is the zors time over the baseline's time: "
             "below 1.00 zors is faster. Baselines are FFTW, liquid-dsp, VOLK and SLEEF when installed, "
             "plain loops and the C library otherwise. The machine may be shared: read single figures with care.", "",
             "![FFT ratio against FFTW by order](fft_ratio.svg)", ""]
    fft = {}
    for title, prog, zors, peers in FAMILIES:
        rows = rows_for(results.get(prog, {}), zors, peers)
        if not rows:
            continue
        lines += table(title, rows)
        if prog == "fft_bench":
            label = {"zors_32fc": "complex 32fc", "zors_64fc": "complex 64fc", "zors_r32f": "real 32f",
                     "zors_32fc_inv": "32fc inverse", "zors_64fc_inv": "64fc inverse", "zors_r32f_inv": "real 32f inverse"}[zors]
            fft[label] = [(int(a), t / c[0][1]) for a, t, c in rows if c and c[0][1]]
    for prog in SUFFIXED:
        times = results.get(prog, {})
        groups = {}
        for name, t in times.items():
            base, size = split(name)
            m = re.match(r"(.+?)_(zors(?:_\w+)?|[A-Za-z0-9]+)$", base)
            if m:
                stem = m.group(1) + (f"/{size}" if size else "")
                groups.setdefault(stem, {})[m.group(2)] = t
        body = []
        for stem, g in sorted(groups.items()):
            for z in [k for k in g if k.startswith("zors")]:
                for peer, pt in sorted(g.items()):
                    if not peer.startswith("zors"):
                        body.append(f"| {stem} ({z}) | {fmt(g[z])} | {peer} | {fmt(pt)} | {g[z] / pt:.2f} |")
        if body:
            lines += [f"### {prog.replace('_bench', '')}", "", "| function | zors | baseline | baseline time | ratio |",
                      "|---|---|---|---|---|"] + body + [""]
    if fft:
        lines += ["### FFT against FFTW: geometric mean of the ratios, orders 4 to 20", "", "| kind | geometric mean | worst (order) |",
                  "|---|---|---|"]
        for label, pts in fft.items():
            sel = [(o, r) for o, r in pts if 4 <= o <= 20]
            if sel:
                g = math.exp(sum(math.log(r) for _, r in sel) / len(sel))
                wo, wr = max(sel, key=lambda p: p[1])
                lines.append(f"| {label} | {g:.2f} | {wr:.2f} ({wo}) |")
        lines.append("")
    # Two threads against one, and the machine's own ceiling where measured:
    # two independent one-thread calls at once (items of both per second).
    scal = []
    conv = results.get("conv_bench", {})
    for size in ["1048576/4096"]:
        t1, t2, tp = conv.get(f"BM_zorsConv/{size}/1"), conv.get(f"BM_zorsConv/{size}/2"), conv.get(f"BM_zorsConvPair/{size}")
        if t1 and t2:
            ceiling = f"{2 * t1 / tp:.2f}x" if tp else "—"
            scal.append(f"| zorsConv_32f {size} | {t1 / t2:.2f}x | {ceiling} |")
    for prog, name, sizes in [("fir_bench", "BM_zors_32f", ["64/262144", "256/262144", "1024/262144"]),
                              ("fir_bench", "BM_zors_32fc", ["256/262144"]), ("fir_bench", "BM_mr_32f", ["262144"])]:
        times = results.get(prog, {})
        for size in sizes:
            t1, t2 = times.get(f"{name}/{size}/1"), times.get(f"{name}/{size}/2")
            if t1 and t2:
                scal.append(f"| {name.replace('BM_', '')} {size} | {t1 / t2:.2f}x | — |")
    if scal:
        lines += ["### Two threads against one", "",
                  "Speed-up of two threads over one in the same run; the ceiling is what two independent one-thread "
                  "calls at once reach on this machine (twice the one-thread time over the time of the pair).", "",
                  "| function and size | two threads | ceiling |", "|---|---|---|"] + scal + [""]
    os.makedirs(out, exist_ok=True)
    with open(os.path.join(out, "REPORT.md"), "w") as f:
        f.write("\n".join(lines))
    svg(fft, os.path.join(out, "fft_ratio.svg"))


if __name__ == "__main__":
    main()
