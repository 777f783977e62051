# The two commands: `make test` and `make run`. Everything else is a step of them.
BUILD    ?= build
JOBS     ?= 2
NATIVE   := $(BUILD)/native
ASAN     := $(BUILD)/asan
WIN      := $(BUILD)/win32
CMAKE_GEN := -G Ninja

.PHONY: all test run deps check-layers native asan windows test-native test-asan test-windows bench fuzz format clean \
        installer theme-package

all: native windows

deps:
	@tools/install-deps.sh

native: deps
	@cmake -S . -B $(NATIVE) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(NATIVE) -j $(JOBS)

asan: deps
	@cmake -S . -B $(ASAN) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" \
	  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
	@cmake --build $(ASAN) -j $(JOBS) --target unit_tests

windows: deps
	@cmake -S . -B $(WIN) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake --no-warn-unused-cli >/dev/null
	@cmake --build $(WIN) -j $(JOBS)

test-native: native
	@cd $(NATIVE) && ctest --output-on-failure

test-asan: asan
	@cd $(ASAN) && ctest --output-on-failure -R unit_tests

# The Wine tests share one prefix inside the build folder; a fresh wineserver per run,
# shut down afterwards so no Wine process outlives the run's private Xvfb.
test-windows: windows
	@tools/wine-stop.sh $(WIN)/wineprefix
	@tools/with-xvfb.sh sh -c 'cd $(WIN) && ctest --output-on-failure'; rc=$$?; \
	  tools/wine-stop.sh $(WIN)/wineprefix; exit $$rc

# No file includes from a folder that stands above its own.
check-layers:
	@tools/check-layers.sh

test: check-layers test-native test-asan test-windows
	@echo "All tests passed."

run: windows
	@tools/run.sh $(WIN) "$(THEME)"

# The setup program for Windows users, and a setup program for one theme (THEME=themes/Ocean).
installer: windows
	@installer/build-setup.sh $(WIN) $(BUILD)/setup

theme-package: deps
	@[ -n "$(THEME)" ] || { echo "usage: make theme-package THEME=<theme folder>" >&2; exit 2; }
	@installer/build-theme-package.sh "$(THEME)" $(BUILD)/setup

# Native benchmarks first, then the Windows one under Wine, in a prefix of its own inside the
# Windows build folder and a private Xvfb, its wineserver ended afterwards.
BENCH_PREFIX := $(WIN)/bench-prefix
bench: deps
	@cmake -S . -B $(BUILD)/bench $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DVELMORA_BENCH=ON >/dev/null
	@cmake --build $(BUILD)/bench -j $(JOBS) --target velmora_bench
	@$(BUILD)/bench/bench/velmora_bench
	@cmake -S . -B $(WIN) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake --no-warn-unused-cli >/dev/null
	@cmake --build $(WIN) -j $(JOBS) --target velmora_winbench
	@tools/wine-stop.sh $(BENCH_PREFIX)
	@tools/with-xvfb.sh env WINEPREFIX="$(abspath $(BENCH_PREFIX))" sh -c \
	  'tools/wine-run.sh $(WIN)/bench/win32/velmora_winbench.exe; rc=$$?; \
	   tools/wine-stop.sh "$$WINEPREFIX"; exit $$rc'

fuzz: deps
	@cmake -S . -B $(BUILD)/fuzz $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DVELMORA_FUZZ=ON \
	  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang >/dev/null
	@cmake --build $(BUILD)/fuzz -j $(JOBS)
	@tools/fuzz.sh $(BUILD)/fuzz

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
