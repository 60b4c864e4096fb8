# Front door: every target installs what is missing, then builds with at most two jobs.
BUILD ?= build
SANITIZE_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
# How long each fuzz target runs in `make test`.
FUZZ_SECONDS ?= 30
JOBS ?= 2
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all bootstrap configure build configure-sanitize build-sanitize configure-fuzz \
	build-fuzz test test-sanitize test-fuzz test-fast bench demo run package clean

all: build

bootstrap:
	@scripts/bootstrap

configure: bootstrap
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# The same program built with AddressSanitizer and UndefinedBehaviorSanitizer, unoptimised:
# it compiles in half the time, and the tests need no speed.
configure-sanitize: bootstrap
	@cmake -S . -B $(SANITIZE_BUILD) -G Ninja $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Debug \
		-DQUORL_SANITIZE=ON >/dev/null

build-sanitize: configure-sanitize
	@cmake --build $(SANITIZE_BUILD) -j $(JOBS)

# The fuzz targets alone (the codec round trip, the CSV import), built by clang for libFuzzer
# with both sanitizers; no Qt, so the build is small.
configure-fuzz: bootstrap
	@cmake -S . -B $(FUZZ_BUILD) -G Ninja $(CMAKE_FLAGS) -DCMAKE_CXX_COMPILER=clang++ \
		-DQUORL_FUZZ=ON -DQUORL_FUZZ_SECONDS=$(FUZZ_SECONDS) >/dev/null

build-fuzz: configure-fuzz
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)

# Every test, the slow end-to-end ones over a pseudo-terminal included; then every test
# again under the sanitizers, one build after the other so that no more than JOBS run; then
# a short fuzz run.
test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory test-sanitize
	@$(MAKE) --no-print-directory test-fuzz

# Any sanitizer report ends the program that made it, so its test fails.
test-sanitize: build-sanitize
	cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --output-on-failure -j $(JOBS)

# Each fuzz target for FUZZ_SECONDS from the seeds in tests/fuzz/corpus, side by side; a crash,
# a hang, a sanitizer report or a broken round trip fails, its input kept in $(FUZZ_BUILD).
test-fuzz: build-fuzz
	cd $(FUZZ_BUILD) && ctest --output-on-failure -j $(JOBS)

# Everything but the tests labelled slow.
test-fast: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) -LE slow

bench: build
	@for b in $(BUILD)/bench/*; do [ -x "$$b" ] && "$$b"; done

demo: build
	@scripts/demo $(BUILD)

run: build
	@$(BUILD)/app/quorl

# A Debian package of everything `cmake --install` puts in place, in $(BUILD).
package: build
	@cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
