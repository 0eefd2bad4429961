# The README's commands: set-up, build, tests and the demo, on a fresh Debian machine.
PRESETS := native win32 win64
JOBS ?= 2

.PHONY: all deps build test demo bench clean $(addprefix build-,$(PRESETS))

all: build

deps:
	@bash scripts/deps.sh

# A static pattern rule: make applies no implicit rule to a phony target.
$(addprefix build-,$(PRESETS)): build-%: deps
	@cmake --preset $* >/dev/null
	@cmake --build --preset $* -j $(JOBS)

build: $(addprefix build-,$(PRESETS))

# One CTest run over all three builds gives one summary line.
build/CTestTestfile.cmake:
	@mkdir -p build
	@echo 'subdirs("native" "win32" "win64")' >$@

test: build build/CTestTestfile.cmake
	@ctest --test-dir build -j $(JOBS) --output-on-failure --timeout 600 --no-tests=error

demo: deps
	@cmake --preset native >/dev/null
	@cmake --build --preset native -j $(JOBS)
	@bash scripts/demo.sh

bench: deps
	@cmake --preset native -DBUILD_BENCHMARKS=ON >/dev/null
	@cmake --build --preset native -j $(JOBS)
	@bash scripts/bench.sh

clean:
	rm -rf build
