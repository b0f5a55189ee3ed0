# The two commands: `make run` and `make test`. See README.md.
JOBS ?= $(shell nproc)
BUILD_DIR ?= build
ASAN_DIR ?= build-asan
PROGRAM_DIR := $(CURDIR)/Orvelia
# The Windows build: Qt for Windows in a cache folder outside the repository (scripts/qt-windows.sh).
QT_WINDOWS ?= $(HOME)/.cache/orvelia/qt-6.4.2-mingw64
WINDOWS_DIR ?= build-windows
DIST_DIR := $(CURDIR)/dist

.PHONY: all deps build run install test asan-configure screens bench clean format lint
.PHONY: windows-deps windows-configure windows test-windows

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVELIA_SANITIZE=OFF
	cmake --build $(BUILD_DIR) -j $(JOBS) --target orvelia orvelia-cli orvelia-setup orvelia-guida

# The program folder keeps the user's data: only program files are copied in,
# the password store only when it is missing.
install: build
	cmake --install $(BUILD_DIR) --prefix "$(PROGRAM_DIR)"
	"$(BUILD_DIR)/src/orvelia-setup" "$(PROGRAM_DIR)"

run: install
	cd "$(PROGRAM_DIR)" && ./orvelia

asan-configure: deps
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DORVELIA_SANITIZE=ON

test: asan-configure
	cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && QT_QPA_PLATFORM=offscreen \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	    ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    ctest --output-on-failure -j $(JOBS)

# Cross-built with MinGW-w64 for 64-bit Windows (see README.md, "Windows").
windows-deps:
	@bash scripts/qt-windows.sh "$(QT_WINDOWS)"
	@bash scripts/xlsxwriter-windows.sh "$(QT_WINDOWS)"
	@bash scripts/libzip-windows.sh "$(QT_WINDOWS)"

windows-configure: windows-deps
	cmake -S . -B $(WINDOWS_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64.cmake \
	    -DQT_WINDOWS_PREFIX="$(QT_WINDOWS)" -DCMAKE_PREFIX_PATH="$(QT_WINDOWS)" \
	    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -DORVELIA_BENCH=OFF

# The portable program folder dist/Orvelia/ and its zip; the guide comes from the Linux build.
windows: build windows-configure
	cmake --build $(WINDOWS_DIR) -j $(JOBS) --target orvelia orvelia-cli orvelia-setup
	bash scripts/windows-dist.sh "$(WINDOWS_DIR)" "$(BUILD_DIR)" "$(QT_WINDOWS)" "$(DIST_DIR)"

# Every suite of the Windows build under Wine, and the folders of both builds against each other.
test-windows: windows-configure asan-configure
	cmake --build $(ASAN_DIR) -j $(JOBS) --target orvelia_interop orvelia-guida
	cmake --build $(WINDOWS_DIR) -j $(JOBS)
	bash scripts/test-windows.sh "$(WINDOWS_DIR)" "$(ASAN_DIR)" "$(QT_WINDOWS)"

screens: build
	cmake --build $(BUILD_DIR) -j $(JOBS) --target orvelia_screens
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ./tests/orvelia_screens screens

# Timing of orvelia-cli against reading the same archives with dd (see README.md).
bench: deps
	bash bench/run

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

# The house rules: format, include directions between layers and window folders, colours in the
# theme, clang-tidy on the files changed by the last commit (scripts/lint.sh).
lint: asan-configure
	@bash scripts/install-deps.sh --lint
	bash scripts/lint.sh $(ASAN_DIR)

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(WINDOWS_DIR)
