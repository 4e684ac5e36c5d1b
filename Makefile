# Tarvinde: the two everyday commands are `make run` and `make test`.
# JOBS (default: the number of processors) is how many compilers run at once;
# `make build JOBS=1` on a machine short of memory.
# The page's tests run npm; a node that brings its own npm (not Debian's) conflicts
# with Debian's package, so npm is only asked for where there is none.
WEB_NPM := $(if $(shell command -v npm),,npm)
# Every Debian package the project needs is in this one list.
PACKAGES := build-essential cmake g++ libgtest-dev libgmock-dev libbenchmark-dev \
            qt6-base-dev libgl-dev xvfb xauth fonts-urw-base35 clang libclang-rt-14-dev \
            desktop-file-utils clang-format clang-tidy fonts-dejavu-extra qt6-wayland \
            poppler-utils libqt6printsupport6 \
            libcli11-dev nlohmann-json3-dev gcal ccache \
            emscripten nodejs chromium python3 $(WEB_NPM)

BUILD   ?= build
RELEASE ?= build-release
ASAN    ?= build-asan
FUZZ    ?= build-fuzz
WEB     ?= build-web
FUZZ_SECONDS ?= 60
JOBS    ?= $(shell nproc)
PREFIX  ?= /usr/local

# The build tree that is run, tested and installed: optimized as released, with
# line tables only (-g1): backtraces name file and line, and it builds in a
# quarter less time than with full debug information.
BUILD_CONFIG := -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG"

# What `make build` builds and `make install` installs: the command line, the
# window program and its icons; not the test programs, which `make test` builds.
PROGRAM_TARGETS := tarvinde tarvinde-window tarvinde_icons

.PHONY: deps build build-all test run display bench fuzz screenshot install lint clean \
        web web-native web-test web-bench screenshot-web

deps:
	@scripts/install-deps.sh $(PACKAGES)

build: deps
	cmake -S . -B $(BUILD) $(BUILD_CONFIG)
	cmake --build $(BUILD) -j $(JOBS) --target $(PROGRAM_TARGETS)

# Everything in $(BUILD), the test programs included, in one run of the build:
# the programs first and then the rest would leave a processor idle in between.
build-all: deps
	cmake -S . -B $(BUILD) $(BUILD_CONFIG)
	cmake --build $(BUILD) -j $(JOBS)

# The suite runs twice: as built, then under AddressSanitizer and UBSan, where any
# report stops the test program and so fails its test. The sanitizer tree is
# optimized with -O1 and keeps line tables only (-g1), as the sanitizers advise:
# its reports still name file and line, and it builds in far less time.
ASAN_FLAGS := -O1 -g1 -DNDEBUG
test: build-all web-test
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVINDE_SANITIZE=ON \
	  "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=$(ASAN_FLAGS)"
	cmake --build $(ASAN) -j $(JOBS)
	cd $(ASAN) && UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

# The page: build-web/tarvinde.html, one file with the WebAssembly inside. Debian's
# emscripten looks for acorn in /usr/share/nodejs, where another node may not search.
WEB_ENV := NODE_PATH=/usr/share/nodejs
web: deps
	$(WEB_ENV) emcmake cmake -S . -B $(WEB) -DCMAKE_BUILD_TYPE=Release
	$(WEB_ENV) cmake --build $(WEB) -j $(JOBS) --target tarvinde_page

# The native command line the page is compared with.
web-native: deps
	cmake -S . -B $(BUILD) $(BUILD_CONFIG)
	cmake --build $(BUILD) -j $(JOBS) --target tarvinde

# puppeteer-core as the lock file has it, in the build folder; again only when the lock changed.
$(WEB)/npm/node_modules/.package-lock.json: web/package.json web/package-lock.json
	mkdir -p $(WEB)/npm
	cp web/package.json web/package-lock.json $(WEB)/npm/
	cd $(WEB)/npm && npm ci --no-audit --no-fund

# Parity with the native program in node, then the page in headless Chromium;
# its screenshots stay in $(WEB)/browser-test.
WEB_TOOLS = NODE_PATH=$(WEB)/npm/node_modules node
web-test: web web-native $(WEB)/npm/node_modules/.package-lock.json
	node web/tests/parity_test.js $(WEB)/web/tarvinde_module.js $(BUILD)/app/tarvinde
	$(WEB_TOOLS) web/tests/browser_test.js $(WEB)/tarvinde.html $(BUILD)/app/tarvinde $(WEB)/browser-test

screenshot-web: web-test
	cp $(WEB)/browser-test/screenshot-web.png docs/screenshot-web.png

# The page's speed and size beside the native program's.
web-bench: web web-native $(WEB)/npm/node_modules/.package-lock.json
	$(WEB_TOOLS) bench/web_bench.js $(WEB)/tarvinde.html $(BUILD)/app/tarvinde

# Without a display there is nothing to open: say so before installing or building.
run: display build
	$(BUILD)/app/tarvinde

display:
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display (DISPLAY and WAYLAND_DISPLAY are unset): the window cannot open here; 'make screenshot' renders it to docs/ instead." >&2; \
	  exit 1; \
	fi

bench: deps
	cmake -S . -B $(RELEASE) -DCMAKE_BUILD_TYPE=Release -DTARVINDE_BENCH=ON -DBUILD_TESTING=OFF
	cmake --build $(RELEASE) -j $(JOBS)
	@for b in $(RELEASE)/bench/bench_*; do [ -x "$$b" ] && "$$b" || exit 1; done
	$(MAKE) web $(WEB)/npm/node_modules/.package-lock.json
	$(WEB_TOOLS) bench/web_bench.js $(WEB)/tarvinde.html $(RELEASE)/app/tarvinde

# libFuzzer (clang) on Weekdag and on the window's number texts, FUZZ_SECONDS each.
# What a run finds stays in $(FUZZ)/corpus for the next one; a failing input is
# kept as $(FUZZ)/crash-*.
fuzz: deps
	cmake -S . -B $(FUZZ) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DTARVINDE_FUZZ=ON -DTARVINDE_WINDOW=OFF -DBUILD_TESTING=OFF
	cmake --build $(FUZZ) -j $(JOBS)
	@for f in weekdag number_text dating; do \
	  mkdir -p $(FUZZ)/corpus/$$f && \
	  $(FUZZ)/fuzz/$$f/fuzz_$$f -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 -artifact_prefix=$(FUZZ)/ \
	    $(FUZZ)/corpus/$$f fuzz/$$f/seeds || exit 1; \
	done

# Pictures of the window for the README, rendered on a virtual X display; the
# last on a 640 x 480 screen, where the window scrolls.
SHOT = QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 $(1)x24" $(BUILD)/docs/tarvinde_screenshot
screenshot: deps
	cmake -S . -B $(BUILD) $(BUILD_CONFIG)
	cmake --build $(BUILD) -j $(JOBS) --target tarvinde_screenshot
	$(call SHOT,1600x1200) 2000 docs/screenshot.png
	$(call SHOT,1600x1200) 1582 docs/screenshot-1582.png
	$(call SHOT,1600x1200) --region luik 1583 docs/screenshot-luik-1583.png
	$(call SHOT,1600x1200) 210 2101 docs/screenshot-refused.png
	QT_SCALE_FACTOR=2 $(call SHOT,1600x1200) 2000 docs/screenshot-2x.png
	$(call SHOT,640x480) 2000 docs/screenshot-small.png
	$(call SHOT,1600x1200) feestkalender docs/screenshot-feestkalender.png
	$(call SHOT,1600x1200) feestkalender-alle docs/screenshot-feestkalender-alle.png
	$(MAKE) screenshot-web

# Installs what `make build` built, stripped, and nothing else: no packages, no
# build (under sudo that would build as root). PREFIX may hold blanks.
install:
	@if [ ! -f "$(BUILD)/cmake_install.cmake" ] || [ ! -x "$(BUILD)/app/tarvinde" ]; then \
	  echo "Nothing is built in $(BUILD)/: run 'make build' first, then 'sudo make install'." >&2; \
	  exit 1; \
	fi
	cmake --install "$(BUILD)" --prefix "$(PREFIX)" --strip

# clang-format must leave every file as it is, and clang-tidy find nothing. The
# benchmarks and fuzz targets have their compile commands only in their own trees
# (make bench, make fuzz), and the page's in build-web/ (make web), so clang-tidy
# reads the rest, each source with its own command (scripts/lint-commands.py: the
# build compiles several sources as one file); g++'s warning options are not all clang's.
SOURCES = $(shell git ls-files '*.cpp' '*.h')
lint: build-all
	clang-format --dry-run --Werror $(SOURCES)
	python3 scripts/lint-commands.py $(BUILD) $(BUILD)/lint
	clang-tidy --quiet -p $(BUILD)/lint --extra-arg=-Wno-unknown-warning-option \
	  $(filter %.cpp,$(filter-out fuzz/% bench/% web/%,$(SOURCES)))

clean:
	rm -rf $(BUILD) $(RELEASE) $(ASAN) $(FUZZ) $(WEB)
