# The user's door: make demo, make test (both install what they need).
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps build test demo demo-png bench sanitize fuzz clean

all: build

deps:
	@scripts/install-deps.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest -j $(JOBS) --output-on-failure

demo: build
	@scripts/run-demo.sh $(BUILD)/flumaris

# Pictures of the demo's results: the flood map, an animation and the hydrographs.
demo-png: demo
	@scripts/install-deps.sh python3-matplotlib python3-pil
	/usr/bin/python3 examples/river-reach/render.py

bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DFLUM_TESTS=OFF -DFLUM_BENCH=ON
	cmake --build build-bench -j $(JOBS)
	@scripts/run-bench.sh build-bench

sanitize: deps
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DFLUM_SANITIZE=ON
	cmake --build build-sanitize -j $(JOBS)
	cd build-sanitize && ctest -j $(JOBS) --output-on-failure

# The command-file parser, mesh reader and series reader under libFuzzer (clang);
# FUZZ_SECONDS bounds the run of each.
FUZZ_SECONDS ?= 180
fuzz:
	@scripts/install-deps.sh clang libclang-rt-14-dev libomp-14-dev
	@fuzz/run.sh $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) build-bench build-sanitize build-fuzz
