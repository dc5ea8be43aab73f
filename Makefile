# Quick start: `make run` opens the window, `make test` runs every test.
# Both first install whatever Debian packages they need and are missing:
# make run only those that building and running the program need.

# The builds are CMake presets (CMakePresets.json), in five folders (the
# program preset shares build/); the folders named here are those the
# programs below are run from.
BUILD      := build
FUZZ_BUILD := build-fuzz
WIN_BUILD  := build-windows
FUZZ_SECONDS ?= 60
JOBS      ?= $(shell nproc)
# How many jobs each build of a workflow preset runs.
export CMAKE_BUILD_PARALLEL_LEVEL := $(JOBS)
# The publisher: its home address, which the window's caption, the packages
# and the site show (make site HOME_URL=https://school.example/digits/), and
# the address to write to, "Name <mail@example.org>" (CONTACT=...). Every
# build's configure step reads them (cmake/Publisher.cmake); a build without
# them has the defaults again.
HOME_URL ?=
CONTACT ?=
export DD_HOME_URL := $(HOME_URL)
export DD_CONTACT := $(CONTACT)
# Every Debian package the project needs, in groups by what needs it. make
# run installs the run group only; every other target installs every group.
# run:     building and running the program
# test:    the tests and benchmarks, their sanitizer build, the fuzz build
#          (clang), the install-layout validators, and xdotool, which zooms
#          the Qt window with real X key and wheel events
# windows: the cross-build for Windows, its installer, Wine to test them
# web:     the web page: emscripten, esbuild, which bundles the page's script
#          modules into one, python3-fonttools for its font (with the
#          Liberation fonts above); its tests and benchmark drive Debian's
#          Chromium through chromium-driver with python3-selenium, and run
#          axe-core, from npm, inside it (npm: Debian's, unless the machine
#          has one already, as Node.js's own packages bring it); WebKitGTK's
#          MiniBrowser through webkit2gtk-driver, as Safari's engine, and
#          Firefox ESR, which puppeteer-core (npm) drives
PACKAGES_run     := cmake make g++ qt6-base-dev librsvg2-bin pngquant fonts-liberation2 \
                    qt6-translations-l10n
PACKAGES_test    := libgtest-dev libbenchmark-dev xvfb xauth xdotool dbus at-spi2-core locales \
                    desktop-file-utils appstream clang libclang-rt-dev
PACKAGES_windows := g++-mingw-w64-x86-64-posix googletest nsis wine wine64 python3 x11-apps
# The Windows release files: the icon packed by icoutils' icotool, the
# installer's pictures and the Wine screenshots by netpbm, the MSI package
# (wixl, msitools), signing and its check (osslsigncode, openssl for the
# tests' throw-away certificate), and a look at the program's windows under
# Wine (x11-utils' xwininfo).
PACKAGES_windows += icoutils netpbm wixl msitools python3-olefile osslsigncode openssl x11-utils
# package: the .deb and its check; make release's: strip-nondeterminism,
#          which the .deb's files go through as Debian's own do, and
#          diffoscope, which shows how two releases differ, if they do;
#          make site's QR code (qrencode), and zbarimg, which its test reads
#          the code back with
PACKAGES_package := dpkg-dev file lintian strip-nondeterminism diffoscope-minimal qrencode \
                    zbar-tools
PACKAGES_web     := emscripten esbuild python3-fonttools chromium chromium-driver \
                    python3-selenium webkit2gtk-driver firefox-esr
# Debian's npm only where the machine has none: one that Node.js's own
# packages bring would clash with it.
PACKAGES_web     += $(if $(shell command -v npm),,npm)
PACKAGE_GROUPS   := run test windows package web
# npm's record of what it installed.
NPM_MODULES      := tests/web/node_modules/.package-lock.json

SUDO      := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)
XVFB      := xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp"

.PHONY: all deps deps-run build program sanitize-build fuzz-build windows web test run \
        bench fuzz package release site check-reproducible clean

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
	@# What the page's tests take from npm, as the lock file pins it, again
	@# only when the lock file is newer than npm's record of what it installed.
	@[ $(NPM_MODULES) -nt tests/web/package-lock.json ] || { cd tests/web && \
	  npm ci --ignore-scripts --no-audit --no-fund --loglevel=error; }

# Each build is a workflow preset of CMakePresets.json (configure, then
# build), in its folder; build/ is the default preset's, and make run's
# program preset builds the program alone there (without the tests and
# benchmarks, which make build or make test add again).
build: deps
	cmake --workflow --preset default
program: deps-run
	cmake --workflow --preset program
# The logic, model and window tests again with AddressSanitizer (leaks
# included) and UndefinedBehaviorSanitizer; any report fails the run.
sanitize-build: deps
	cmake --workflow --preset sanitize
# libFuzzer targets, built with clang.
fuzz-build: deps
	cmake --workflow --preset fuzz
# The Windows program, cross-compiled with MinGW-w64 and linked statically,
# its installers and the Win32 tests.
windows: deps
	cmake --workflow --preset windows
# The web page build-web/distinct-digits.html (one file, the WebAssembly
# inside) and its tests, made with Debian's emscripten.
web: deps
	cmake --workflow --preset web

# Every build's tests, by the test presets: the sanitizer options are the
# sanitize preset's; the Windows build's tests run under Wine, in a prefix
# made afresh; the web build's under node and in headless Chromium, which
# needs no display.
test: build sanitize-build fuzz-build windows web
	$(XVFB) ctest --preset sanitize -j $(JOBS)
	ctest --preset fuzz -j $(JOBS)
	$(XVFB) ctest --preset default -j $(JOBS)
	$(XVFB) ctest --preset windows -j $(JOBS)
	ctest --preset web -j $(JOBS)

# Each fuzz target for FUZZ_SECONDS (default 60), from the seed corpus.
fuzz: fuzz-build
	for target in conversions interval; do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$target && \
	  $(FUZZ_BUILD)/fuzz_$$target -max_total_time=$(FUZZ_SECONDS) -timeout=10 -print_final_stats=1 \
	    $(FUZZ_BUILD)/corpus/$$target fuzz/corpus/$$target || exit 1; \
	done

run: program
	$(BUILD)/distinct-digits

# Every benchmark (bench/run.sh); with BEFORE=COMMIT, the same programs of
# that commit beside them, built into build-before/ (bench/before.sh).
BEFORE ?=
bench: build windows web
	$(if $(BEFORE),sh bench/before.sh $(BEFORE) build-before)
	sh bench/run.sh $(BUILD) $(WIN_BUILD) build-web/distinct-digits.html \
	  $$(sed -n 's/^DD_SYSTEM_PYTHON:FILEPATH=//p' build-web/CMakeCache.txt) \
	  $(if $(BEFORE),build-before)

# The Debian package, checked by lintian (any error fails). CPack gives the
# package's members the modes of the files it writes: umask 022 makes them
# the usual ones, whatever the caller's.
package: deps
	rm -f $(BUILD)/distinct-digits_*.deb
	umask 022 && cmake --workflow --preset package
	lintian --fail-on error $(BUILD)/distinct-digits_*.deb

# Every release file, from the last commit, into dist/ with SHA256SUMS
# (packaging/release.sh; docs/release.md). Only a commit is released: the
# tree must have no change that is not committed.
release: deps
	@[ -z "$$(git status --porcelain)" ] || { git status --short; \
	  echo "make release: commit or stash these changes first: a release is made of a commit"; \
	  exit 1; }
	sh packaging/release.sh build-release dist
	lintian --fail-on error dist/distinct-digits_*.deb

# The site to publish at HOME_URL: the release's files, made for that
# address, with the home page, the guides, the app under app/ and a QR code
# of its address, into dist/site/ (packaging/site/make_site.py, with
# Debian's Python, which has selenium for the picture of the window).
site:
	@[ -n "$(HOME_URL)" ] || { echo "make site: name the address the site is published at:" \
	  "make site HOME_URL=https://school.example/informatics/digits/"; exit 2; }
	$(MAKE) release
	/usr/bin/python3 packaging/site/make_site.py dist \
	  build-release/web/design.json dist/site

# The release made twice, each from a clone of the last commit, in two
# folders, time zones and umasks, and compared byte for byte.
check-reproducible: deps
	sh packaging/check_reproducible.sh --clone $${TMPDIR:-/tmp}/distinct-digits-reproducible

clean:
	rm -rf build build-sanitize build-fuzz build-windows build-web build-release build-before dist
