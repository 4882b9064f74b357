# The two commands of the README, and a few more for developers.
#   make demo    runs the wizard (against a simulated adapter once there is one)
#   make check   builds everything and runs every test: a normal build, then an
#                AddressSanitizer/UndefinedBehaviorSanitizer build, then the thread suites
#                under ThreadSanitizer, then the Windows build's tests under Wine; the tests
#                that prove the real timing (label realtime) run in the normal pass only
#   make terminal-screenshots  writes the text of every page at 80 x 24 (the terminal host)
#   make deb     builds the Debian package build/quoran-wizard_VERSION_ARCH.deb
#   make windows builds the Windows programs with MinGW-w64 in build-windows/, with the portable
#                zip and the installer (it takes two tools from a Linux build in build/: the
#                artwork exporter and tasim, which the Windows tests talk to under Wine)
#   make install installs into PREFIX (default /usr/local; DESTDIR honoured), programs stripped
JOBS ?= $(shell nproc)
# Tests spend most of their time waiting (on pseudo-terminals, tmux, Wine, their clocks), so
# twice as many run at once as there are cores.
TEST_JOBS ?= $(shell echo $$(( $$(nproc) * 2 )))
CMAKE_FLAGS ?=

PREFIX ?= /usr/local

.PHONY: all bootstrap build check check-normal check-asan check-tsan check-windows windows \
	windows-tools demo screenshots terminal-screenshots bench deb install format clean

all: build

bootstrap:
	@scripts/bootstrap

# The build says what it compiles; make's own lines about the folders it enters are left out.
QUIET_MAKE := -- --no-print-directory

build: bootstrap
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null
	cmake --build build -j $(JOBS) $(QUIET_MAKE)

check: check-normal check-asan check-tsan check-windows

check-normal: build
	ctest --test-dir build --output-on-failure -j $(TEST_JOBS)

check-asan: bootstrap
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DQUORAN_SANITIZE=address,undefined $(CMAKE_FLAGS) >/dev/null
	cmake --build build-asan -j $(JOBS) $(QUIET_MAKE)
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
		UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --test-dir build-asan --output-on-failure -LE realtime -j $(TEST_JOBS)

check-tsan: bootstrap
	cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug -DQUORAN_SANITIZE=thread $(CMAKE_FLAGS) >/dev/null
	cmake --build build-tsan -j $(JOBS) --target thread_tests $(QUIET_MAKE)
	TSAN_OPTIONS=halt_on_error=1 ctest --test-dir build-tsan --output-on-failure -L thread -j $(TEST_JOBS)

windows-tools: bootstrap
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null
	cmake --build build -j $(JOBS) --target quoran-windows-artwork tasim $(QUIET_MAKE)

windows: windows-tools
	cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DQUORAN_ARTWORK_TOOL=$(CURDIR)/build/tools/quoran-windows-artwork \
		-DQUORAN_TASIM=$(CURDIR)/build/bin/tasim $(CMAKE_FLAGS) >/dev/null
	cmake --build build-windows -j $(JOBS) $(QUIET_MAKE)

# Under Wine, in a Wine prefix made afresh for the run (scripts/wine-run).
check-windows: windows
	rm -rf build-windows/wine build-windows/wine.lock
	ctest --test-dir build-windows --output-on-failure -j $(TEST_JOBS)

demo: build
	@scripts/demo

screenshots: build
	@scripts/screenshots

terminal-screenshots: build
	@scripts/terminal-screenshots

bench: build
	@scripts/bench

deb: build
	cd build && cpack -G DEB

install: build
	cmake --install build --prefix $(PREFIX) --strip

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-asan build-tsan build-windows
