# VELD: `make run` builds and starts the wizard, `make test` builds and runs every test,
# `make package` builds the Debian package.
# All three install whatever Debian packages are missing first.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= 2

FUZZ_SECONDS ?= 60

.PHONY: all deps configure build run test package bench sanitize fuzz clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD_DIR) -j$(JOBS)

# The work files go to the directory the program starts in: here, the top folder.
run: build
	$(BUILD_DIR)/bin/veld

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

# The Debian package, $(BUILD_DIR)/veld_<version>_<arch>.deb.
package: build
	cmake --build $(BUILD_DIR) --target package

# Every benchmark, printed as one table of ratios measured side by side.
bench: build
	@bash scripts/bench.sh $(BUILD_DIR)

# Every test again, built with AddressSanitizer and UndefinedBehaviorSanitizer in a folder of
# its own. Any report fails the test that made it, leaks included (LeakSanitizer is on).
sanitize: deps
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVELD_SANITIZE=ON
	cmake --build build-sanitize -j$(JOBS)
	cd build-sanitize && \
	ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:check_initialization_order=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan-suppressions.txt:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	ctest --output-on-failure -j$(JOBS)

# The libFuzzer targets, built with clang in a folder of their own, each run FUZZ_SECONDS.
fuzz: deps
	cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	    -DVELD_FUZZ=ON
	cmake --build build-fuzz -j$(JOBS) --target fuzzers
	bash scripts/fuzz.sh build-fuzz $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD_DIR) build-sanitize build-fuzz
