# The two commands: `make run` and `make test`. See README.md.
JOBS ?= $(shell nproc)
BUILD_DIR ?= build
ASAN_DIR ?= build-asan
PROGRAM_DIR := $(CURDIR)/Orvelia

.PHONY: all deps build run install test screens bench clean format

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

test: deps
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DORVELIA_SANITIZE=ON
	cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && QT_QPA_PLATFORM=offscreen \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	    ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    ctest --output-on-failure -j $(JOBS)

screens: build
	cmake --build $(BUILD_DIR) -j $(JOBS) --target orvelia_screens
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ./tests/orvelia_screens screens

# Timing of orvelia-cli against reading the same archives with dd (see README.md).
bench: deps
	bash bench/run

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR)
