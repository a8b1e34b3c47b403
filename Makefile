# Drives CMake; every target first installs what the machine lacks.
BUILD      ?= build
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=
ifeq ($(CI),true)
  CMAKE_ARGS += -DRECKORA_WERROR=ON
endif

.PHONY: all deps configure build run test bench fuzz format clean

all: build

deps:
	@scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run-app $(BUILD)/app/reckora

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

bench: build
	@scripts/run-bench $(BUILD)

format:
	find engine tape window input settings platform app tools tests bench fuzz \
	  -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) build-*
