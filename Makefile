# The two commands the README shows: `make run` and `make test`. Both set up a fresh Debian machine first.
BUILD      ?= build
SAN_BUILD  ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 60

.PHONY: all setup build run test test-sanitize fuzz bench format clean

all: build

setup:
	@scripts/setup.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: setup $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bundle/bin/MorvalitDL

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

$(SAN_BUILD)/build.ninja:
	cmake -S . -B $(SAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMORVALIT_SANITIZE=ON

test-sanitize: setup $(SAN_BUILD)/build.ninja
	cmake --build $(SAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	ctest --test-dir $(SAN_BUILD) --output-on-failure -j $(JOBS)

$(FUZZ_BUILD)/build.ninja:
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DMORVALIT_FUZZ=ON -DMORVALIT_TESTS=OFF -DMORVALIT_BENCH=OFF

# Every fuzz_* target under tests/fuzz, FUZZ_SECONDS each, each with its own corpus and, where there is one,
# its dictionary (tests/fuzz/<target>.dict). Font caches kept for the life of the process are no leak.
fuzz: setup $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@set -e; for target in $(FUZZ_BUILD)/tests/fuzz/fuzz_*; do \
	    [ -f "$$target" ] && [ -x "$$target" ] || continue; \
	    name=$$(basename "$$target"); \
	    corpus=$(FUZZ_BUILD)/corpus/$$name; \
	    mkdir -p "$$corpus"; \
	    dict=; [ -f tests/fuzz/$$name.dict ] && dict=-dict=tests/fuzz/$$name.dict; \
	    echo "== $$name"; \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	    "$$target" "$$corpus" $$dict -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1; \
	done

bench: build
	$(BUILD)/bench/bench_checkcode
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_mainwindow

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD)
