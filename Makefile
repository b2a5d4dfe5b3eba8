# The two commands a new user needs: `make demo` and `make test`. Everything else is a helper.
JOBS ?= $(shell nproc)
CMAKE ?= cmake
BUILD ?= build
SAN_BUILD ?= build-san
FUZZ_BUILD ?= build-fuzz
BENCH_BUILD ?= build-release
FUZZ_SECONDS ?= 60

.PHONY: all deps build test test-plain test-san fuzz-smoke fuzz bench demo format clean

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD)/CMakeCache.txt:
	$(CMAKE) -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	$(CMAKE) --build $(BUILD) -j $(JOBS)

test: deps test-plain test-san fuzz-smoke

test-plain: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-san: deps
	$(CMAKE) -S . -B $(SAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DQARNOLOG_SANITIZE=ON
	$(CMAKE) --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

$(FUZZ_BUILD)/CMakeCache.txt:
	CC=clang CXX=clang++ $(CMAKE) -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DQARNOLOG_FUZZ=ON -DQARNOLOG_TESTS=OFF

# Every fuzz target runs for a bounded time on the project's seed corpus.
fuzz-smoke: deps $(FUZZ_BUILD)/CMakeCache.txt
	$(CMAKE) --build $(FUZZ_BUILD) -j $(JOBS)
	bash scripts/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

fuzz: deps $(FUZZ_BUILD)/CMakeCache.txt
	$(CMAKE) --build $(FUZZ_BUILD) -j $(JOBS)
	bash scripts/run-fuzzers.sh $(FUZZ_BUILD) 1800

bench: deps
	$(CMAKE) -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DQARNOLOG_TESTS=OFF -DQARNOLOG_BENCH=ON
	$(CMAKE) --build $(BENCH_BUILD) -j $(JOBS)
	bash scripts/run-benchmarks.sh $(BENCH_BUILD)

demo: build
	bash scripts/run-demo.sh $(BUILD)

format:
	git ls-files '*.cpp' '*.h' '*.c' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD) $(BENCH_BUILD)
