# Quick start: `make run` opens the window, `make test` runs every test.
# Both first install whatever Debian packages they need and are missing:
# make run only those that building and running the program need.

# The five builds are CMake presets (CMakePresets.json), each in its folder;
# build-windows is cross-compiled for Windows and tested under Wine,
# build-web is compiled to WebAssembly and tested under node and Chromium.
# make run uses build/ too, through the program preset (the program alone).
BUILD      := build
SAN_BUILD  := build-sanitize
FUZZ_BUILD := build-fuzz
WIN_BUILD  := build-windows
WEB_BUILD  := build-web
FUZZ_SECONDS ?= 60
JOBS      ?= $(shell nproc)
# Every Debian package the project needs, in groups by what needs it. make
# run installs the run group only; every other target installs every group.
# run:     building and running the program
# test:    the tests and benchmarks, their sanitizer build, the fuzz build
#          (clang) and the install-layout validators
# windows: the cross-build for Windows, its installer, Wine to test them
# package: the .deb and its check
# web:     the web page: emscripten, python3-fonttools for its font (with the
#          Liberation fonts above); its tests and benchmark drive Debian's
#          Chromium through chromium-driver with python3-selenium
PACKAGES_run     := cmake make g++ qt6-base-dev librsvg2-bin pngquant fonts-liberation2 \
                    qt6-translations-l10n
PACKAGES_test    := libgtest-dev libbenchmark-dev xvfb xauth dbus at-spi2-core locales \
                    desktop-file-utils appstream clang libclang-rt-dev
PACKAGES_windows := g++-mingw-w64-x86-64-posix googletest nsis wine wine64 python3 x11-apps
# The Windows release files: the icon packed by icoutils' icotool, the
# installer's pictures and the Wine screenshots by netpbm, the MSI package
# (wixl, msitools), signing and its check (osslsigncode, openssl for the
# tests' throw-away certificate), and a look at the program's windows under
# Wine (x11-utils' xwininfo).
PACKAGES_windows += icoutils netpbm wixl msitools osslsigncode openssl x11-utils
PACKAGES_package := dpkg-dev file lintian
PACKAGES_web     := emscripten python3-fonttools chromium chromium-driver python3-selenium
PACKAGE_GROUPS   := run test windows package web

# Warnings are errors in every build made here (see DD_WERROR in CMakeLists.txt).
# A build directory configured without it is configured again.
CONFIGURED = grep -qs '^DD_WERROR:BOOL=ON$$' $(1)/CMakeCache.txt
# build/ as make run leaves it has no tests and benchmarks.
WITH_TESTS = grep -qs '^DD_TESTS:BOOL=ON$$' $(1)/CMakeCache.txt

SUDO      := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)
XVFB      := xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp"

.PHONY: all deps deps-run configure build program sanitize-build fuzz-build windows web test run \
        bench fuzz package clean

all: build

# Installs whichever packages of the groups named in $(1) are missing.
define install-packages
@missing=$$(for p in $(foreach group,$(1),$(PACKAGES_$(group))); do \
    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed$$' || echo $$p; \
  done); \
if [ -n "$$missing" ]; then \
  echo "Installing:" $$missing; \
  $(SUDO) apt-get update -qq && \
  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
fi
endef

deps-run:
	$(call install-packages,run)

deps:
	$(call install-packages,$(PACKAGE_GROUPS))
	@# The tests also run under bg_BG.UTF-8, the locale the program is used in.
	@locale -a 2>/dev/null | grep -qix 'bg_BG\.utf-\?8' || { \
	  echo "Generating the bg_BG.UTF-8 locale"; \
	  $(SUDO) localedef -i bg_BG -f UTF-8 bg_BG.UTF-8; }

configure: deps
	@$(call CONFIGURED,$(BUILD)) && $(call WITH_TESTS,$(BUILD)) || \
	  cmake --preset default -DDD_WERROR=ON

build: configure
	cmake --build --preset default -j $(JOBS)

# Only the program, in build/: a build/ made here is configured without the
# tests and benchmarks, and make build or make test adds them later; one
# that has them already builds just the program.
program: deps-run
	@$(call CONFIGURED,$(BUILD)) || cmake --preset program -DDD_WERROR=ON
	cmake --build --preset program -j $(JOBS)

# The logic, model and window tests again with AddressSanitizer (leaks
# included) and UndefinedBehaviorSanitizer; any report fails the run.
sanitize-build: deps
	@$(call CONFIGURED,$(SAN_BUILD)) || cmake --preset sanitize -DDD_WERROR=ON
	cmake --build --preset sanitize -j $(JOBS)

# libFuzzer targets, built with clang.
fuzz-build: deps
	@$(call CONFIGURED,$(FUZZ_BUILD)) || cmake --preset fuzz -DDD_WERROR=ON
	cmake --build --preset fuzz -j $(JOBS)

# The Windows program, cross-compiled with MinGW-w64 and linked statically:
# build-windows/distinct-digits.exe (portable), the installer
# build-windows/distinct-digits-<version>-setup.exe, and the Win32 tests.
windows: deps
	@$(call CONFIGURED,$(WIN_BUILD)) || cmake --preset windows -DDD_WERROR=ON
	cmake --build --preset windows -j $(JOBS)

# The web page build-web/distinct-digits.html (one file, the WebAssembly
# inside) and its tests, made with Debian's emscripten. The preset points
# emscripten at Debian's node modules (NODE_PATH), which it needs where the
# machine's node is not Debian's.
web: deps
	@$(call CONFIGURED,$(WEB_BUILD)) || cmake --preset web -DDD_WERROR=ON
	cmake --build --preset web -j $(JOBS)

# Runs a Windows program under Wine in the Windows build's prefix.
RUN_UNDER_WINE := sh tests/win32/run-under-wine.sh run $(WIN_BUILD)/wineprefix

# Allocations are unwound fully, so that a leak suppression can name the Qt
# function that allocates (tests/leak-suppressions.txt).
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:fast_unwind_on_malloc=0 \
                 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
                 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/leak-suppressions.txt:print_suppressions=0

# The Windows build's tests run under Wine, in a prefix made afresh; the web
# build's under node and in headless Chromium, which needs no display.
test: build sanitize-build fuzz-build windows web
	cd $(SAN_BUILD) && $(SANITIZER_ENV) $(XVFB) ctest --output-on-failure -j $(JOBS)
	cd $(FUZZ_BUILD) && ctest --output-on-failure -j $(JOBS)
	cd $(BUILD) && $(XVFB) ctest --output-on-failure -j $(JOBS)
	cd $(WIN_BUILD) && $(XVFB) ctest --output-on-failure -j $(JOBS)
	cd $(WEB_BUILD) && ctest --output-on-failure -j $(JOBS)

# Each fuzz target for FUZZ_SECONDS (default 60), from the seed corpus.
fuzz: fuzz-build
	for target in conversions interval; do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$target && \
	  $(FUZZ_BUILD)/fuzz_$$target -max_total_time=$(FUZZ_SECONDS) -timeout=10 -print_final_stats=1 \
	    $(FUZZ_BUILD)/corpus/$$target fuzz/corpus/$$target || exit 1; \
	done

run: program
	$(BUILD)/distinct-digits

REPEAT := --benchmark_repetitions=15 --benchmark_report_aggregates_only=true
bench: build windows web
	$(BUILD)/logic_bench $(REPEAT)
	$(XVFB) $(BUILD)/window_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	$(XVFB) bench/with-accessibility.sh $(BUILD)/window_bench \
	  --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	$(XVFB) $(BUILD)/startup_bench
	@# The Win32 window's figures under Wine.
	$(XVFB) $(RUN_UNDER_WINE) $(WIN_BUILD)/win32_bench.exe
	@# The web page in headless Chromium, with Debian's Python and selenium.
	/usr/bin/python3 bench/web_bench.py $(WEB_BUILD)/distinct-digits.html

# The Debian package, checked by lintian (any error fails).
package: build
	cd $(BUILD) && rm -f distinct-digits_*.deb && cpack -G DEB
	lintian --fail-on error $(BUILD)/distinct-digits_*.deb

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD) $(WIN_BUILD) $(WEB_BUILD)
