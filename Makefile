# The commands of the README. Each one installs what is missing first.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=

.PHONY: all deps build test test-asan test-kernel demo bench fuzz clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

# Every test: the unit and integration tests, the same under ASan and UBSan,
# and the kernel tests when this machine can run them.
test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) --no-print-directory test-asan
	@if [ -x tests/kernel/run ]; then $(MAKE) --no-print-directory test-kernel; fi

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVIREMO_SANITIZE=ON -DVIREMO_BENCH=OFF -DVIREMO_QT=OFF $(CMAKE_ARGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

test-kernel: build
	tests/kernel/run $(BUILD)

# The application on the emulated devices; without a display, every device
# page drawn offscreen instead.
demo: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "make demo: no display (DISPLAY and WAYLAND_DISPLAY are unset): drawing every device page offscreen"; \
	  mkdir -p demo-screenshots; \
	  for page in keyboard mouse pad headset; do \
	    $(BUILD)/src/app/viremo --demo --screenshot demo-screenshots/$$page.png --page $$page || exit 1; \
	    echo "  demo-screenshots/$$page.png"; \
	  done; \
	else \
	  $(BUILD)/src/app/viremo --demo; \
	fi

bench: build
	@for b in $(BUILD)/bench/bench_*; do echo "== $$b"; $$b; done

# The libFuzzer targets, each run briefly as a smoke test (fuzz/CMakeLists.txt
# says how to run one for long).
fuzz: deps
	CXX=clang++ cmake -S . -B build-fuzz -DVIREMO_FUZZ=ON -DVIREMO_BENCH=OFF -DVIREMO_QT=OFF
	cmake --build build-fuzz -j $(JOBS)
	cmake --build build-fuzz --target fuzz_smoke

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-fuzz
