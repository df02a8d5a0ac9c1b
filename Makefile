# Vask: `make run` builds and starts the bar, `make test` runs every test.
# Both install what they need on a fresh Debian machine first.
.PHONY: deps build run test bench fuzz clean

CROSS := build/windows-cross
NATIVE := build/native

deps:
	@tools/install-deps

$(CROSS)/build.ninja: | deps
	cmake --preset windows-cross >/dev/null

$(NATIVE)/build.ninja: | deps
	cmake --preset native >/dev/null

build: deps $(CROSS)/build.ninja $(NATIVE)/build.ninja
	cmake --build --preset windows-cross
	cmake --build --preset native

run: deps $(CROSS)/build.ninja
	@tools/install-deps imagemagick x11-utils
	cmake --build --preset windows-cross --target vask
	tools/run-vask $(CROSS)/src/vask.exe

test: build
	ctest --preset native
	ctest --preset windows-cross

bench: deps
	cmake --preset bench >/dev/null
	cmake --build --preset bench
	tools/bench $(BENCH_RUNS)

fuzz: deps
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz
	tools/fuzz $(FUZZ_SECONDS)

clean:
	rm -rf build
