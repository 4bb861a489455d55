# Wraps the CMake presets. `make test` and `make demo` work on a fresh machine:
# scripts/deps.sh installs the Debian packages the build needs when missing.
PRESET ?= release

.PHONY: all deps build test demo bench bench-report asan fuzz test-tsan dll test-i686 clean

all: build

deps:
	@bash scripts/deps.sh $(PRESET)

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)

test: build
	ctest --preset $(PRESET)
	@grep -h -E '^(exports|isa isolation):' build/$(PRESET)/Testing/Temporary/LastTest.log || true

demo: build
	./build/$(PRESET)/examples/zors_demo

bench: build
	@for b in build/$(PRESET)/bench/*_bench; do echo "== $$b"; $$b --benchmark_min_time=0.2; done

# bench/REPORT.md and bench/fft_ratio.svg from a run of every benchmark.
bench-report: build
	python3 scripts/bench_report.py build/$(PRESET) bench

asan:
	$(MAKE) test PRESET=asan

# The differential fuzz targets (built in the asan tree, which is clang's)
# from their seed corpora, FUZZ_TIME seconds each with a fixed seed.
FUZZ_TIME ?= 20
fuzz:
	@bash scripts/deps.sh asan
	cmake --preset asan
	cmake --build --preset fuzz
	bash scripts/fuzz.sh build/asan/fuzz fuzz/corpus $(FUZZ_TIME)

# Shared specifications and thread teams under the thread sanitizer.
test-tsan:
	@bash scripts/deps.sh tsan
	cmake --preset tsan
	cmake --build --preset tsan
	ctest --preset tsan

dll:
	@bash scripts/deps.sh win32
	cmake --preset win32
	cmake --build --preset win32

# The suite built for 32-bit x86 Linux and run under qemu-i386: on the
# emulator's default processor (baseline and AVX2 levels) with the export and
# isa checks, then on a processor without AVX (baseline level only).
test-i686:
	@bash scripts/deps.sh i686
	cmake --preset i686
	cmake --build --preset i686
	ctest --preset i686
	ctest --preset i686-qemu32

clean:
	rm -rf build
