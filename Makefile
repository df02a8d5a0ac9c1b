# Vask: `make run` builds and starts the bar, `make test` runs every test.
# Both install what they need on a fresh Debian machine first.
.PHONY: deps build run test check-format check-clang check-tidy format dist msi bench fuzz screenshots clean

CROSS := build/windows-cross
CLANG := build/windows-clang
NATIVE := build/native
# The C++ files clang-format keeps in the house style (.clang-format).
FORMATTED := $(shell find src tests bench fuzz -name '*.cpp' -o -name '*.h' | sort)

deps:
	@tools/install-deps

$(CROSS)/build.ninja: | deps
	cmake --preset windows-cross >/dev/null

$(NATIVE)/build.ninja: | deps
	cmake --preset native >/dev/null

$(CLANG)/build.ninja: | deps
	cmake --preset windows-clang >/dev/null

build: deps $(CROSS)/build.ninja $(NATIVE)/build.ninja
	cmake --build --preset windows-cross
	cmake --build --preset native

run: deps $(CROSS)/build.ninja
	@tools/install-deps imagemagick x11-utils
	cmake --build --preset windows-cross --target vask
	tools/run-vask $(CROSS)/src/vask.exe

# Every window as the test display shows it, at 96 and 144 DPI, in one
# folder for looking; the screen tests also say which differ from their
# references under tests/screen/reference.
screenshots: deps $(CROSS)/build.ninja
	cmake --build --preset windows-cross --target screen_tests browser_logger
	@rm -rf $(CROSS)/screenshots
	@ctest --preset windows-cross -R 'screen_tests|wine_prefix' >$(CROSS)/screenshots.log 2>&1 \
		&& echo "every picture matches its reference" \
		|| echo "some pictures differ from their references (or no reference yet): $(CROSS)/screenshots.log"
	@echo "the windows' pictures are in $(CROSS)/screenshots"

# Formatting and the second compiler first: both fail fast.
test: check-format check-clang check-tidy build
	ctest --preset native
	ctest --preset windows-cross

check-format: deps
	clang-format --dry-run --Werror $(FORMATTED)

format: deps
	clang-format -i $(FORMATTED)

# Everything for Windows again with clang, warnings as errors; it is built and
# linked, not run. The linker's notes on clang's and GCC's differently sized
# type names of the same classes are left out.
check-clang: deps $(CLANG)/build.ninja
	@bash -o pipefail -c "cmake --build --preset windows-clang 2>&1 | { grep -v 'duplicate section .* has different size' || true; }"

# clang-tidy over the program's sources as the clang build compiles them
# (.clang-tidy says which checks); any finding fails, as a format fault does.
check-tidy: check-clang
	run-clang-tidy -p $(CLANG) -quiet -j $$(nproc) "$(CURDIR)/src/" >$(CLANG)/tidy.log 2>&1 \
		|| { grep -A3 'error:' $(CLANG)/tidy.log; echo "clang-tidy findings: $(CLANG)/tidy.log"; exit 1; }

# vask-<version>-win64.zip of the vask.exe that make test tests.
dist: deps $(CROSS)/build.ninja
	cmake --build --preset windows-cross --target dist
	@ls $(CROSS)/vask-*-win64.zip

# vask-<version>-x64.msi of the same vask.exe, for installing and deploying.
msi: deps $(CROSS)/build.ninja
	cmake --build --preset windows-cross --target msi_package
	@ls $(CROSS)/vask-*-x64.msi

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
