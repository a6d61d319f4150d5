# The two commands of the README: `make run` and `make test`.
JOBS ?= $(shell nproc)
CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test setup build build-asan fuzz bench clean

setup:
	@scripts/setup.sh

build: setup
	@cmake -S . -B build $(CMAKE_FLAGS) >/dev/null
	@cmake --build build -j $(JOBS)

run: build
	@scripts/run.sh build/graceful-trees

build-asan: setup
	@cmake -S . -B build-asan $(CMAKE_FLAGS) -DGRACEFUL_SANITIZE=ON -DGRACEFUL_BENCH=OFF >/dev/null
	@cmake --build build-asan -j $(JOBS)

test: build build-asan
	@echo "== tests (plain build) =="
	@cd build && ctest --output-on-failure -j $(JOBS) -LE long
	@echo "== tests (AddressSanitizer + UndefinedBehaviorSanitizer) =="
	@cd build-asan && ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp \
		UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ctest --output-on-failure -j $(JOBS) -LE 'long|bench'

bench: build
	@build/bench/graceful-bench

clean:
	rm -rf build build-asan
