# Tessarion: set up, build, run, test and benchmark with one command each.

BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES := cmake make g++ qt6-base-dev libgl-dev xvfb xauth xdotool xclip
LINT_PACKAGES := clang-format clang-tidy
# The install test validates the desktop and metainfo files and builds the package.
TEST_PACKAGES := desktop-file-utils appstream dpkg-dev file
PACKAGE_PACKAGES := dpkg-dev file
SCREENSHOT_PACKAGES := imagemagick
SANITIZE_DIR ?= build-sanitize
FUZZ_DIR ?= build-fuzz
# CI treats every compiler warning as an error.
WERROR := $(if $(CI),ON,OFF)
SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)
CPP_FILES = $(shell find src tests bench fuzz -name '*.cpp' -o -name '*.h' | sort)

.PHONY: all deps lint-deps test-deps package-deps screenshot-deps configure build program run \
	test check-format check-tidy test-sanitize bench package screenshots fuzz tidy format clean

all: build

# Installs whatever system package of the list is missing; does nothing when all are there.
define install_missing
	@missing=""; \
	for p in $(1); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
		echo "Installing:$$missing"; \
		$(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -qq && \
		$(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	fi
endef

deps:
	$(call install_missing,$(PACKAGES))

lint-deps:
	$(call install_missing,$(LINT_PACKAGES))

test-deps:
	$(call install_missing,$(TEST_PACKAGES))

package-deps:
	$(call install_missing,$(PACKAGE_PACKAGES))

screenshot-deps:
	$(call install_missing,$(SCREENSHOT_PACKAGES))

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release -DTESSARION_WERROR=$(WERROR) >/dev/null

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# The program alone, with its data files beside it: no tests, no benchmarks.
program: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target tessarion

run: program
	cd $(BUILD_DIR) && ./tessarion

# The suite twice: the Release build, then a build with AddressSanitizer and
# UndefinedBehaviorSanitizer; in between, the house rules: formatting and clang-tidy.
test: build test-deps
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)
	$(MAKE) check-format check-tidy
	$(MAKE) test-sanitize

check-format: lint-deps
	@clang-format --dry-run --Werror $(CPP_FILES) && echo "clang-format: no differences"

# Any finding of the checks in .clang-tidy fails the build.
check-tidy: build lint-deps
	find src -name '*.cpp' | sort | xargs -P $(JOBS) -n 4 clang-tidy -p $(BUILD_DIR) --quiet --warnings-as-errors='*'

test-sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DTESSARION_SANITIZE=ON -DTESSARION_WERROR=$(WERROR) >/dev/null
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --test-dir $(SANITIZE_DIR) --output-on-failure -j $(JOBS)

bench: build
	$(BUILD_DIR)/bench/tessarion_bench
	$(BUILD_DIR)/bench/tessarion_ui_bench
	$(BUILD_DIR)/bench/tessarion_odds_bench
	$(BUILD_DIR)/bench/tessarion_log_bench

# A Debian package of the standard install (build/tessarion_<version>_<arch>.deb).
package: program package-deps
	cd $(BUILD_DIR) && cpack -G DEB

# The README's screenshots, taken again on a virtual display.
screenshots: program screenshot-deps
	tools/screenshot.sh $(BUILD_DIR)/tessarion docs/screenshot.png
	tools/screenshot.sh $(BUILD_DIR)/tessarion docs/step-odds.png 1 odds
	tools/screenshot.sh $(BUILD_DIR)/tessarion docs/step-odds-2x.png 2 odds
	tools/screenshot.sh $(BUILD_DIR)/tessarion docs/roll-log.png 1 log
	tools/screenshot.sh $(BUILD_DIR)/tessarion docs/roll-sheet.png 1 sheet
	tools/screenshot.sh $(BUILD_DIR)/tessarion docs/roll-sheet-2x.png 2 sheet

# libFuzzer targets (clang), each run for FUZZ_SECONDS (default 120); not part of CI.
fuzz: deps
	@command -v clang++ >/dev/null || $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq clang
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DTESSARION_FUZZ=ON >/dev/null
	cmake --build $(FUZZ_DIR) -j $(JOBS)
	fuzz/run.sh

# Static analysis with the checks in .clang-tidy, and the house formatting.
tidy: check-tidy

format: lint-deps
	clang-format -i $(CPP_FILES)

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR)
