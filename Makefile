# Quick start: `make run` opens the window, `make test` runs every test.
# Both first install whatever Debian packages are missing.

BUILD     ?= build
JOBS      ?= $(shell nproc)
# Every Debian package the project needs to build, test, benchmark and package.
PACKAGES  := cmake make g++ pkg-config qt6-base-dev libgtest-dev libbenchmark-dev \
             xvfb xauth fonts-liberation2 dbus at-spi2-core \
             desktop-file-utils appstream dpkg-dev file lintian

SUDO      := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)
XVFB      := xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp"

.PHONY: all deps configure build test run bench package clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed$$' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

configure: deps
	@[ -f $(BUILD)/CMakeCache.txt ] || cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && $(XVFB) ctest --output-on-failure -j $(JOBS)

run: build
	$(BUILD)/distinct-digits

REPEAT := --benchmark_repetitions=15 --benchmark_report_aggregates_only=true
bench: build
	$(BUILD)/logic_bench $(REPEAT)
	$(XVFB) $(BUILD)/window_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	$(XVFB) bench/with-accessibility.sh $(BUILD)/window_bench \
	  --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	$(XVFB) $(BUILD)/startup_bench

# The Debian package, checked by lintian (any error fails).
package: build
	cd $(BUILD) && rm -f distinct-digits_*.deb && cpack -G DEB
	lintian --fail-on error $(BUILD)/distinct-digits_*.deb

clean:
	rm -rf $(BUILD)
