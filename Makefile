# SPDX-License-Identifier: GPL-2.0-or-later
# Kiva's entry points. Each target installs what is missing, configures and builds first.
#   make            build into build/
#   make test       build and run the whole suite, then again under ASan and UBSan (build-asan/)
#   make run        build and start the viewer
#   make bench      build and run the benchmarks
#   make compare    build and time Kiva beside RasMol (installs RasMol)
#   make release    build the Release configuration into build-release/ (CI does it once)
#   make disks      build the installer's distribution disks from the Release build into build/disks/
#   make fuzz       build the fuzz targets with clang (build-fuzz/) and run each for FUZZ_SECONDS
#   make deb        build the Debian package into build-deb/ and check it with lintian
#   make web        build the browser's page, build-web/kiva.html, with emscripten (build-web/)
#   make test-web   build the page and run the core's tests under Node and the page's in Chromium

BUILD      ?= build
ASAN_BUILD ?= build-asan
RELEASE_BUILD ?= build-release
FUZZ_BUILD ?= build-fuzz
DEB_BUILD  ?= build-deb
WEB_BUILD  ?= build-web
JOBS       ?= $(shell nproc)
# Seconds a test may take: one that waits on a window nobody closes fails instead of stalling CI.
TEST_TIMEOUT ?= 600
CMAKE_GEN  := -G Ninja
# Where we build, a warning is an error; a plain configure by a user or packager leaves it off.
CMAKE_OPTS := $(CMAKE_GEN) -DKIVA_WERROR=ON

.PHONY: all deps deps-fuzz deps-web build test test-fast test-sanitize release run bench compare disks fuzz deb web test-web clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) $(CMAKE_OPTS) -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(ASAN_BUILD)/build.ninja: | deps
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_OPTS) -DCMAKE_BUILD_TYPE=Debug -DKIVA_SANITIZE=ON -DKIVA_BUILD_BENCH=OFF

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

test-fast: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) --timeout $(TEST_TIMEOUT)

# Any sanitizer report fails the run: recovery is off and leaks are errors.
test-sanitize: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen \
	    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	    ctest --output-on-failure -j $(JOBS) --timeout $(TEST_TIMEOUT)

test: test-fast test-sanitize

$(RELEASE_BUILD)/build.ninja: | deps
	cmake -S . -B $(RELEASE_BUILD) $(CMAKE_OPTS) -DCMAKE_BUILD_TYPE=Release -DKIVA_BUILD_TESTS=OFF -DKIVA_BUILD_BENCH=OFF

release: deps $(RELEASE_BUILD)/build.ninja
	cmake --build $(RELEASE_BUILD) -j $(JOBS)

# The catalogue (Molecule.dat, Index.dat) lies beside the program in $(BUILD)/bin.
run: build
	$(BUILD)/bin/kiva

bench: build
	$(BUILD)/bin/kiva_bench

# Kiva beside RasMol in one run: frames, whole processes and the viewer's start (bench/compare_rasmol.py).
compare: build
	@scripts/install-deps --bench
	python3 bench/compare_rasmol.py --bin $(BUILD)/bin

# Disks of DISK_SIZE bytes (K and M allowed); run $(BUILD)/disks/disk1/setup to install. They carry
# the Release programs: the everyday build's debugging information would more than double them.
DISK_SIZE ?= 8M
disks: release
	$(RELEASE_BUILD)/bin/kiva-mkdisks $(RELEASE_BUILD)/bin $(BUILD)/disks --disk-size $(DISK_SIZE)

# Each target for FUZZ_SECONDS (FUZZ_TARGETS="scene index" for some); any finding fails the run.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?=
deps-fuzz:
	@scripts/install-deps --fuzz

$(FUZZ_BUILD)/build.ninja: | deps-fuzz
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) $(CMAKE_OPTS) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKIVA_FUZZ=ON \
	    -DKIVA_BUILD_TESTS=OFF -DKIVA_BUILD_BENCH=OFF

fuzz: deps-fuzz $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) --target kiva_fuzz -j $(JOBS)
	fuzz/run-fuzzers $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

deb:
	@scripts/install-deps --package
	scripts/build-deb $(DEB_BUILD)

# The browser's build compiles the core a second time with emscripten. Its catalogue and the
# pictures' checksums come from the desktop build, whose kiva-mkdb compiles the catalogue.
# emscripten's tools load Debian's Node modules (acorn) from /usr/share/nodejs.
WEB_ENV := NODE_PATH=/usr/share/nodejs
deps-web:
	@scripts/install-deps --web

$(WEB_BUILD)/build.ninja: | deps-web
	$(WEB_ENV) emcmake cmake -S . -B $(WEB_BUILD) $(CMAKE_OPTS) -DCMAKE_BUILD_TYPE=Release \
	    -DKIVA_NATIVE_BUILD=$(CURDIR)/$(BUILD)

web: deps-web build $(WEB_BUILD)/build.ninja
	$(WEB_ENV) cmake --build $(WEB_BUILD) -j $(JOBS)

test-web: web
	cd $(WEB_BUILD) && $(WEB_ENV) ctest --output-on-failure -j $(JOBS) --timeout $(TEST_TIMEOUT)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(RELEASE_BUILD) $(FUZZ_BUILD) $(DEB_BUILD) $(WEB_BUILD)
