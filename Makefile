# Entry points. Every target works from a fresh clone: it installs what is
# missing (scripts/install-deps), configures and builds.
JOBS ?= $(shell nproc)
BUILD ?= build
SAN_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
BENCH_BUILD ?= build-bench
INSTALL_BUILD ?= build-install
PREFIX ?= /usr/local
FUZZ_SECONDS ?= 60

.PHONY: all deps run test previews sanitize bench fuzz fuzz-run install clean

all: $(BUILD)/.configured
	cmake --build $(BUILD) -j $(JOBS)

deps:
	@scripts/install-deps

$(BUILD)/.configured: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	@touch $@

# Builds only the program it runs; the tests are built by `make test`.
run: $(BUILD)/.configured
	cmake --build $(BUILD) -j $(JOBS) --target keyboard-simulator
	$(BUILD)/bin/keyboard-simulator $(ARGS)

test: all
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Every component preview as a picture, in $(BUILD)/previews.
previews: $(BUILD)/.configured
	cmake --build $(BUILD) -j $(JOBS) --target keyloom-previews
	$(BUILD)/bin/keyloom-previews --out $(BUILD)/previews $(ARGS)

sanitize: deps
	cmake -S . -B $(SAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DKEYLOOM_SANITIZE=ON
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DKEYLOOM_TESTS=OFF -DKEYLOOM_BENCH=ON
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target run_benchmarks

fuzz: deps
	CXX=clang++-16 cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKEYLOOM_TESTS=OFF -DKEYLOOM_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

# Runs every fuzz target for FUZZ_SECONDS each.
fuzz-run: fuzz
	scripts/run-fuzzers $(FUZZ_BUILD)/bin $(FUZZ_SECONDS)

# The libraries, headers, resource bundle, programs and CMake package, into
# PREFIX. A build of its own: the prefix is built into the library (it finds its
# resource bundle there), and the tests are not needed. -O2, because g++ 12 at
# -O3 warns falsely (-Wrestrict) inside libstdc++'s string code.
install: deps
	cmake -S . -B $(INSTALL_BUILD) -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
	  -DKEYLOOM_TESTS=OFF -DCMAKE_INSTALL_PREFIX="$(abspath $(PREFIX))"
	cmake --build $(INSTALL_BUILD) -j $(JOBS)
	cmake --install $(INSTALL_BUILD)

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD) $(BENCH_BUILD) $(INSTALL_BUILD)
