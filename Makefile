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

.PHONY: all deps configure build test bench format check-format clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_ARGS) > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	@ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

# Runs every benchmark program once and prints its figures.
bench: build
	@for b in $(BUILD_DIR)/bin/*_bench; do echo "== $$b"; $$b; done

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

check-format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

clean:
	@rm -rf build build-sanitize
