# Tarvinde: the two everyday commands are `make run` and `make test`.
# Every Debian package the project needs is in this one list.
PACKAGES := build-essential cmake g++ libgtest-dev libgmock-dev libbenchmark-dev \
            qt6-base-dev libgl-dev xvfb xauth fonts-urw-base35

BUILD   ?= build
RELEASE ?= build-release
JOBS    ?= $(shell nproc)

.PHONY: deps build test run bench screenshot clean

deps:
	@scripts/install-deps.sh $(PACKAGES)

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display (DISPLAY and WAYLAND_DISPLAY are unset): the window cannot open here; 'make screenshot' renders it to docs/ instead."; \
	  exit 1; \
	fi
	$(BUILD)/app/tarvinde

bench: deps
	cmake -S . -B $(RELEASE) -DCMAKE_BUILD_TYPE=Release -DTARVINDE_BENCH=ON -DBUILD_TESTING=OFF
	cmake --build $(RELEASE) -j $(JOBS)
	@for b in $(RELEASE)/bench/bench_*; do [ -x "$$b" ] && "$$b" || exit 1; done

clean:
	rm -rf $(BUILD) $(RELEASE)
