# Two commands set everything up on a fresh Debian machine:
#   make run   - install what is missing, build, start Kinloom
#   make test  - install what is missing, build, run every test headless
#   make package - the Debian package kinloom_<version>_<arch>.deb in $(BUILD_DIR)
BUILD_DIR ?= build
BUILD_TYPE ?= Release
CTEST_ARGS ?=
FUZZ_DIR ?= fuzz-build

.PHONY: run test build deps test-deps package bench screenshot fuzz format configure reconfigure clean

deps:
	@bash scripts/install-deps.sh build

test-deps:
	@bash scripts/install-deps.sh build test

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

configure: $(BUILD_DIR)/build.ninja

# Looks again for the tools the set-up script may just have installed
# (help2man makes the manual pages).
reconfigure: configure
	cmake -S . -B $(BUILD_DIR)

build: deps configure
	cmake --build $(BUILD_DIR)

run: build
	$(BUILD_DIR)/app/kinloom

test: test-deps reconfigure
	cmake --build $(BUILD_DIR)
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure $(CTEST_ARGS)

package: deps
	@bash scripts/install-deps.sh package
	$(MAKE) reconfigure
	cmake --build $(BUILD_DIR) --target package

# The benchmarks' peers are found when the build is configured: after their packages.
bench: deps
	@bash scripts/install-deps.sh bench
	bash bench/install-read-gedcom.sh $(BUILD_DIR)
	$(MAKE) reconfigure
	cmake --build $(BUILD_DIR)
	bash bench/run-all.sh $(BUILD_DIR)

screenshot: build
	@bash scripts/install-deps.sh screenshots
	bash scripts/screenshot.sh $(BUILD_DIR) docs

# The workbook reader's libFuzzer target, in a build folder of its own
# (clang, address and undefined-behaviour checks), with its seed corpus.
# Run it with fuzz/run-fuzzer.sh [SECONDS].
fuzz:
	@bash scripts/install-deps.sh build fuzz
	cmake -S fuzz -B $(FUZZ_DIR) -G Ninja -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ_DIR)
	bash fuzz/make-corpus.sh $(FUZZ_DIR)/seeds $(BUILD_DIR)

# Lays out every C++ file git knows as .clang-format says.
format:
	@bash scripts/install-deps.sh format
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR)
