# Two commands do everything on a fresh Debian machine:
#   make run    build and start the viewer (on a virtual display when there is none)
#   make test   build everything and run every test, native and under Wine

NATIVE_DIR := build/native
WIN_DIR    := build/win
EXE        := $(WIN_DIR)/MirloViewer.exe
STRIPREAD  := $(NATIVE_DIR)/tools/stripread/stripread
VERSION    := 2.0.1
DIST_DIR   := build/dist
DIST_ZIP   := $(DIST_DIR)/MirloViewer-$(VERSION)-win64.zip
FUZZ_DIR   := build/fuzz
BENCH_DIR  := build/bench
JOBS       := $(shell nproc 2>/dev/null || echo 2)
# Seconds each fuzz target runs under `make fuzz`; `make test` gives each a few.
FUZZ_SECONDS ?= 60

.PHONY: all deps build native win dist fuzz-build fuzz test test-native test-dist test-fuzz test-e2e run soak bench-build bench clean

# A long random session: make soak SEED=7 STEPS=200000 (SEEDS=10 runs seeds
# SEED .. SEED+9; SNAP=1 holds Ctrl now and then). The first broken invariant
# stops it with the seed, the step and the actions before it.
SEED  ?= 1
STEPS ?= 100000
SEEDS ?= 1

all: build

deps:
	@scripts/install-deps.sh

build: deps native win

native:
	cmake -S . -B $(NATIVE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(NATIVE_DIR) -j $(JOBS)

win:
	cmake -S . -B $(WIN_DIR) -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
	cmake --build $(WIN_DIR) -j $(JOBS)

# The download: the exe, its help file and a readme in one zip.
dist: deps win
	scripts/make-dist.sh $(WIN_DIR) $(DIST_DIR) $(VERSION)

# The fuzz targets: clang with libFuzzer and the address and undefined-behaviour sanitizers.
fuzz-build:
	cmake -S . -B $(FUZZ_DIR) -DMIRLO_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14
	cmake --build $(FUZZ_DIR) -j $(JOBS)

fuzz: deps fuzz-build
	scripts/run-fuzz.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

# The benchmarks: the native ones without sanitizers, the Windows one under
# Wine; one table at the end (docs/performance.md). Not part of `make test`.
bench-build:
	cmake -S . -B $(BENCH_DIR) -DMIRLO_BENCH=ON -DMIRLO_SANITIZE=OFF -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BENCH_DIR) -j $(JOBS)

bench: deps win bench-build
	scripts/run-bench.sh $(WIN_DIR) $(BENCH_DIR) $(BENCH_DIR)/results

test: build fuzz-build test-native test-fuzz test-dist test-e2e

test-native:
	ctest --test-dir $(NATIVE_DIR) --output-on-failure -j $(JOBS)

test-dist: dist
	tests/dist/check_dist.py $(DIST_ZIP) resources/help

test-fuzz:
	scripts/run-fuzz.sh $(FUZZ_DIR) 5

test-e2e:
	MIRLO_WIN_DIR=$(WIN_DIR) STRIPREAD=$(STRIPREAD) tests/e2e/run_all.sh

soak: native
	$(NATIVE_DIR)/tests/session/soak --seed $(SEED) --steps $(STEPS) --seeds $(SEEDS) $(if $(SNAP),--snap)

run: build
	@scripts/run-viewer.sh $(EXE) $(STRIPREAD)

clean:
	rm -rf build
