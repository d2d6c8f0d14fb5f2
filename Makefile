# The front door: `make test` installs what is missing, builds and runs every
# test; `make test SANITIZE=1` does the same under the sanitizers in build-sanitize/.

JOBS ?= $(shell nproc)
CMAKE_ARGS ?=

ifeq ($(SANITIZE),1)
BUILD_DIR ?= build-sanitize
CMAKE_ARGS += -DMORVANE_SANITIZE=ON -DMORVANE_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
else
BUILD_DIR ?= build
endif

.PHONY: all deps configure build test install package docs bench fuzz run demo format check-format clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_ARGS) > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	@ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

# Installs the runtime's libraries, headers, tools, CMake package and
# pkg-config file under PREFIX.
PREFIX ?= /usr/local
install: build
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# Builds the Debian package of the runtime in $(BUILD_DIR)/.
package: build
	@cd $(BUILD_DIR) && cpack -G DEB

# Writes the command reference, made from the public headers by Doxygen, into
# $(BUILD_DIR)/docs/html/.
docs: configure
	@cmake --build $(BUILD_DIR) --target docs

# Starts the game on this desktop; without a display, says how to see it headless.
run: build
	@if [ -z "$${DISPLAY:-}$${WAYLAND_DISPLAY:-}" ]; then \
		echo "There is no display here (neither DISPLAY nor WAYLAND_DISPLAY is set), so the game cannot open its window."; \
		echo "To watch it drive without a display, run:  make demo"; \
		exit 1; \
	fi
	@$(BUILD_DIR)/bin/gravelrider

# Plays the shipped demo drive headless with the one-file program, from an empty
# folder, and writes screenshots of chosen frames.
DEMO_DIR ?= $(BUILD_DIR)/demo
DEMO_FRAMES ?= 10,25,45,90,120,140
demo: build
	@rm -rf $(DEMO_DIR) && mkdir -p $(DEMO_DIR)/run $(DEMO_DIR)/screenshots
	@cp $(BUILD_DIR)/onefile/gravelrider $(DEMO_DIR)/run/
	@cd $(DEMO_DIR)/run && SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy MORVANE_NO_NOTICE=1 \
		MORVANE_REPLAY=$(CURDIR)/data/demo.replay MORVANE_REPLAY_SPEED=0 MORVANE_SHOTS=$(abspath $(DEMO_DIR))/screenshots \
		MORVANE_SHOT_FRAMES=$(DEMO_FRAMES) ./gravelrider
	@echo "The demo drive ran headless. Screenshots (bitmaps) of frames $(DEMO_FRAMES):"
	@ls -1 $(abspath $(DEMO_DIR))/screenshots/*.bmp

# Runs every benchmark program once and prints its figures.
bench: build
	@for b in $(BUILD_DIR)/bin/*_bench; do echo "== $$b"; $$b; done

# Builds the fuzz harnesses with clang, libFuzzer and the sanitizers in
# build-fuzz/ and runs each for FUZZ_SECONDS over a copy of its seed corpus;
# any finding fails.
FUZZ_SECONDS ?= 60
FUZZ_BUILD_DIR ?= build-fuzz
fuzz: deps
	@cmake -S . -B $(FUZZ_BUILD_DIR) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DMORVANE_FUZZ=ON \
		-DMORVANE_BUILD_TESTS=OFF -DMORVANE_BUILD_BENCH=OFF > /dev/null
	@cmake --build $(FUZZ_BUILD_DIR) -j $(JOBS) --target fuzzers
	@scripts/run-fuzzers $(FUZZ_BUILD_DIR) $(FUZZ_SECONDS)

format:
	@git ls-files --cached --others --exclude-standard '*.cpp' '*.h' | xargs clang-format -i

check-format:
	@git ls-files --cached --others --exclude-standard '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

clean:
	@rm -rf build build-sanitize build-fuzz
