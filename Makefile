# Drives CMake through the presets in CMakePresets.json (dev: build/, asan: build-sanitize/);
# every target first installs what the machine lacks.
BUILD      ?= build
# Everything but the benchmarks again, with AddressSanitizer and UndefinedBehaviorSanitizer over
# our code (Qt uninstrumented); the Qt tests run there under the offscreen platform too.
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 300
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=
ifeq ($(CI),true)
  CMAKE_ARGS += -DRECKORA_WERROR=ON
endif

# make install: where the program goes (DESTDIR, if set, is put in front of it).
PREFIX     ?= /usr/local
WINDOWS_BUILD ?= build-windows
# What make cross-windows builds: the plain C++ libraries and the harness. Libraries that need
# third-party libraries are left out (RECKORA_WITH_SQLITE=OFF, RECKORA_WITH_CAIRO=OFF). The golden
# scripts that keep no tape store and save no PDF then run through the built reckora-script.exe
# under Wine.
CROSS_TARGETS ?= engine tape window input settings core testsupport reckora-script

.PHONY: all deps configure build run test sanitize-build bench fuzz format clean install \
  package uninstall check-translations cross-windows

all: build

deps:
	@scripts/install-deps

configure: deps
	cmake --preset dev -B $(BUILD) $(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run-app $(BUILD)/app/reckora

test: build sanitize-build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitize/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j $(JOBS)

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# Removes what the last make install put there, as listed in the build folder's
# install_manifest.txt (without DESTDIR, so give the same DESTDIR again).
uninstall:
	@test -f $(BUILD)/install_manifest.txt || { echo "nothing installed from $(BUILD)"; exit 1; }
	sed 's|^|$(DESTDIR)|' $(BUILD)/install_manifest.txt | xargs -d '\n' rm -fv

package: build
	cd $(BUILD) && cpack

check-translations: build
	ctest --test-dir $(BUILD) --output-on-failure -R translations

cross-windows: deps
	cmake -S . -B $(WINDOWS_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DRECKORA_WITH_QT=OFF \
	  -DRECKORA_WITH_BENCH=OFF -DRECKORA_WITH_TESTS=OFF -DRECKORA_WITH_SQLITE=OFF -DRECKORA_WITH_CAIRO=OFF \
	  $(CMAKE_ARGS)
	cmake --build $(WINDOWS_BUILD) -j $(JOBS) --target $(CROSS_TARGETS)
	@scripts/run-golden-windows $(WINDOWS_BUILD)

sanitize-build: deps
	cmake --preset asan -B $(SANITIZE_BUILD) $(CMAKE_ARGS)
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)

fuzz: deps
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DRECKORA_FUZZ=ON -DRECKORA_SANITIZE=ON -DRECKORA_WITH_QT=OFF -DRECKORA_WITH_BENCH=OFF \
	  -DRECKORA_WITH_TESTS=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target script_fuzzer store_fuzzer
	@scripts/run-fuzz $(FUZZ_BUILD)/fuzz/script_fuzzer $(FUZZ_SECONDS)
	@scripts/run-fuzz $(FUZZ_BUILD)/fuzz/store_fuzzer $(FUZZ_SECONDS)

bench: build
	@scripts/run-bench $(BUILD)

format:
	find engine tape window input settings tapestore desktop app tools tests bench fuzz \
	  -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) build-*
