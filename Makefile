# Front door: every target installs what is missing, then builds with at most two jobs.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all bootstrap configure build test test-fast bench demo run package clean

all: build

bootstrap:
	@scripts/bootstrap

configure: bootstrap
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# Every test, the slow end-to-end ones over a pseudo-terminal included.
test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

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
	rm -rf $(BUILD)
