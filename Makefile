# The two commands of the README: `make run` and `make test`.
JOBS ?= $(shell nproc)
CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test setup build build-program build-asan release-check fuzz bench clean deb

setup:
	@scripts/setup.sh

build: setup
	@cmake -S . -B build $(CMAKE_FLAGS) $(WERROR_FLAG) >/dev/null
	@cmake --build build -j $(JOBS)

# Only what the program needs, so that a fresh clone opens the window without building the tests.
build-program: setup
	@cmake -S . -B build $(CMAKE_FLAGS) $(WERROR_FLAG) >/dev/null
	@cmake --build build -j $(JOBS) --target graceful-trees

run: build-program
	@scripts/run.sh build/graceful-trees

build-asan: setup
	@cmake -S . -B build-asan $(CMAKE_FLAGS) $(WERROR_FLAG) -DGRACEFUL_SANITIZE=ON -DGRACEFUL_BENCH=OFF >/dev/null
	@cmake --build build-asan -j $(JOBS)

# How many random actions the window endures under the sanitizers; CI asks for a longer run.
SANITIZED_RANDOM_ACTIONS ?= 1500

# Warnings are errors in the builds that test (and so in CI); a plain `make build` or a packager's
# build leaves them warnings. Make hands this on to the builds `test` depends on.
test: WERROR_FLAG = -DGRACEFUL_WERROR=ON

# A packager's Release build with either compiler: configured afresh with the defaults it must
# carry no -Werror, and the unit where GCC 12 once warned at -O3 must build (kept to one unit, so
# that the check stays cheap).
release-check: setup
	@for pair in gcc:g++ clang:clang++; do \
		dir=build-release-$${pair%%:*}; rm -f $$dir/CMakeCache.txt; \
		cmake -S . -B $$dir -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=$${pair#*:} \
			-DGRACEFUL_BENCH=OFF >/dev/null || exit 1; \
		if grep -q -e -Werror $$dir/compile_commands.json; then echo "$$dir: warnings are errors by default"; exit 1; fi; \
		cmake --build $$dir --target CMakeFiles/graceful_logic.dir/tree/IntConversion.cpp.o >/dev/null || exit 1; \
	done

test: build build-asan release-check
	@echo "== tests (plain build) =="
	@cd build && ctest --output-on-failure -j $(JOBS) -LE long
	@echo "== tests (AddressSanitizer + UndefinedBehaviorSanitizer) =="
	@cd build-asan && ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp \
		UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 GRACEFUL_RANDOM_ACTIONS=$(SANITIZED_RANDOM_ACTIONS) ctest --output-on-failure -j $(JOBS) -LE 'long|bench'

bench: build
	@build/bench/graceful-bench

clean:
	rm -rf build build-asan build-release-gcc build-release-clang

# libFuzzer (clang, ASan + UBSan) over the text readers, FUZZ_TIME seconds per target, starting
# from the seeds in fuzz/corpus/; what it learns stays in build-fuzz/corpus/.
FUZZ_TIME ?= 60
FUZZ_TARGETS = int_conversion edge_list box_labels tree_file
fuzz: setup
	@cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DGRACEFUL_WERROR=ON >/dev/null
	@cmake --build build-fuzz -j $(JOBS)
	@for t in $(FUZZ_TARGETS); do \
		echo "== fuzz $$t ($(FUZZ_TIME) s) =="; mkdir -p build-fuzz/corpus/$$t; \
		build-fuzz/fuzz_$$t -max_total_time=$(FUZZ_TIME) -print_final_stats=1 -artifact_prefix=build-fuzz/$$t- \
			build-fuzz/corpus/$$t fuzz/corpus/$$t >build-fuzz/$$t.log 2>&1 \
			|| { tail -n 40 build-fuzz/$$t.log; exit 1; }; \
		grep -E 'number_of_executed_units|new_units_added' build-fuzz/$$t.log; \
	done

# A Debian package of the program, its menu entry and icon, in build/.
deb: build
	@cd build && cpack -G DEB
