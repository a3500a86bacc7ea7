# Thin wrappers over CMake. `make run` and `make test` install what a fresh Debian 12 machine lacks.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=
SAMPLE_MAP ?= samples/maps/Archipelago.Civ4WorldBuilderSave
SAMPLE_GAME ?= samples/game

PREFIX ?= /usr/local

PACKAGES = cmake g++ make pkg-config qt6-base-dev libjpeg-dev zlib1g-dev libgtest-dev libbenchmark-dev \
           xvfb xauth clang-14 libclang-rt-14-dev fonts-liberation2 libpugixml-dev desktop-file-utils \
           shared-mime-info dpkg-dev file

.PHONY: all deps configure build run test test-asan bench install package clean test-desktop desktop-deps

all: build

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  if [ "$$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi; \
	  $$sudo apt-get update && $$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/tessel --game-dir $(SAMPLE_GAME) $(SAMPLE_MAP)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# The program, its desktop entry, map file type and icons below PREFIX (default /usr/local).
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The installed program on a real X server, driven with the pointer and keys and read through the
# accessibility bus: a real map when ../shared/realdata is there, else the sample map.
DESKTOP_PACKAGES = xvfb xauth x11-utils xdotool dbus dbus-x11 at-spi2-core python3-pyatspi imagemagick
REAL_MAP = ../shared/realdata/maps/Europe.Civ4WorldBuilderSave
REAL_GAME = ../shared/realdata/game
DESKTOP_MAP = $(if $(wildcard $(REAL_MAP)),$(REAL_MAP),$(SAMPLE_MAP))
DESKTOP_GAME = $(if $(wildcard $(REAL_GAME)),$(REAL_GAME),$(SAMPLE_GAME))

desktop-deps:
	@$(MAKE) --no-print-directory deps PACKAGES="$(DESKTOP_PACKAGES)"

test-desktop: build desktop-deps
	rm -rf $(BUILD)/desktop-prefix
	cmake --install $(BUILD) --prefix $(CURDIR)/$(BUILD)/desktop-prefix >/dev/null
	tests/desktop/xsession.sh /usr/bin/python3 tests/desktop/desktop_test.py \
	  $(CURDIR)/$(BUILD)/desktop-prefix/bin/tessel "$(DESKTOP_GAME)" "$(DESKTOP_MAP)"

# Random clicks, drags, wheel turns, keys and typed values for MONKEY_SECONDS against the sanitizer
# build of the editor, over copies of real maps (the sample map without them); MONKEY_SEED replays.
MONKEY_SECONDS ?= 60
REAL_MAPS = $(wildcard ../shared/realdata/maps/Europe.Civ4WorldBuilderSave ../shared/realdata/maps/a_BenchmarkTiny.Civ4WorldBuilderSave ../shared/realdata/maps/tutorial1.CivBeyondSwordWBSave)
.PHONY: monkey
monkey: deps desktop-deps
	cmake -S . -B $(BUILD)-asan -DTESSEL_SANITIZE=ON -DTESSEL_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build $(BUILD)-asan -j$(JOBS) --target tessel
	tests/desktop/xsession.sh /usr/bin/python3 tests/desktop/monkey.py $(CURDIR)/$(BUILD)-asan/tessel \
	  "$(DESKTOP_GAME)" $(MONKEY_SECONDS) $(SAMPLE_MAP) $(REAL_MAPS)

# A Debian package, tessel_<version>_amd64.deb, from a Release build of the program alone; its
# dependencies come from the libraries the program links.
package: deps
	cmake -S . -B $(BUILD)-package -DCMAKE_BUILD_TYPE=Release -DTESSEL_BUILD_TESTS=OFF -DTESSEL_BUILD_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(BUILD)-package -j$(JOBS) --target tessel
	cd $(BUILD)-package && cpack -G DEB
	@ls $(BUILD)-package/*.deb

# Every test again in a build with AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	cmake -S . -B $(BUILD)-asan -DTESSEL_SANITIZE=ON -DTESSEL_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build $(BUILD)-asan -j$(JOBS)
	cd $(BUILD)-asan && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j$(JOBS)

bench: deps
	cmake -S . -B $(BUILD)-bench -DCMAKE_BUILD_TYPE=Release -DTESSEL_BUILD_TESTS=OFF $(CMAKE_FLAGS)
	cmake --build $(BUILD)-bench -j$(JOBS)
	@for b in $$(find $(BUILD)-bench/bench -name "tessel_bench_*" -type f -perm -u+x | sort); do "$$b" --benchmark_min_time=0.5 || exit 1; done

# The libFuzzer targets, built by clang with the sanitizers; each runs FUZZ_SECONDS on its corpus.
FUZZ_SECONDS ?= 600
.PHONY: fuzz fuzz-smoke fuzz-build

fuzz-build: deps
	CC=clang-14 CXX=clang++-14 cmake -S . -B $(BUILD)-fuzz -DTESSEL_FUZZ=ON -DTESSEL_BUILD_GUI=OFF \
	  -DTESSEL_BUILD_TESTS=OFF -DTESSEL_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build $(BUILD)-fuzz -j$(JOBS)

fuzz: fuzz-build
	fuzz/run.sh $(BUILD)-fuzz $(FUZZ_SECONDS)

fuzz-smoke: fuzz-build
	fuzz/run.sh $(BUILD)-fuzz 60

clean:
	rm -rf $(BUILD) $(BUILD)-bench $(BUILD)-asan $(BUILD)-fuzz $(BUILD)-package
