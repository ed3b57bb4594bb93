# The two commands that matter: `make run` and `make test`. Both install what a
# fresh Debian machine lacks first (scripts/setup).
MAKEFLAGS += --no-print-directory
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PRESETS := native win32 win64

.PHONY: all setup build native win32 win64 unit e2e test run bench dist fuzz clean

all: build

setup:
	@scripts/setup

build: $(PRESETS)

$(PRESETS): setup
	@test -f build/$@/CMakeCache.txt || cmake --preset $@ >/dev/null
	@cmake --build --preset $@ -j $(JOBS)

unit: native
	@build/native/unit_tests --gtest_brief=1

e2e: win64
	@scripts/e2e

# Native unit tests, the replay of the fuzzing inputs, both Windows builds, then
# the end-to-end tests and the installers under Wine.
test: build
	@scripts/test-summary

run: win64
	@scripts/run

# For users: a portable zip and a per-user MSI of each Windows build, in build/dist/.
dist: win32 win64
	@scripts/dist

# Every fuzzing harness for FUZZ_SECONDS (60 by default) with libFuzzer,
# AddressSanitizer and UBSan; findings go to build/fuzz/findings/.
fuzz: setup
	@test -f build/fuzz/CMakeCache.txt || cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz -j $(JOBS)
	@scripts/fuzz

bench: native
	@if [ -x build/native/benchmarks ]; then build/native/benchmarks; \
	else echo "no benchmarks yet"; fi

clean:
	rm -rf build
