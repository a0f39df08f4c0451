# make        installs what is missing and builds build/Dravelin.exe (32-bit)
# make run    builds and shows the program under Wine
# make test   builds and runs every test
# make bench  builds and prints the benchmark table
BUILD      ?= build
TEST_BUILD ?= $(BUILD)/win64
JOBS       ?= 2
ABS_BUILD  := $(abspath $(BUILD))

.PHONY: all setup program test-programs run test bench clean
all: program

setup:
	@bash tools/setup.sh

program: setup
	@cmake -S . -B $(BUILD) -DDRAVELIN_ARCH=i686 -DDRAVELIN_TESTS=OFF >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

# The same sources for x86_64, with every test and helper program: the only
# Windows programs this machine's Wine can run.
test-programs: program
	@cmake -S . -B $(TEST_BUILD) -DDRAVELIN_ARCH=x86_64 -DDRAVELIN_TESTS=ON \
	  -DDRAVELIN_PRODUCT=$(ABS_BUILD)/Dravelin.exe >/dev/null
	@cmake --build $(TEST_BUILD) -j $(JOBS)

run: test-programs
	@DRAVELIN_BUILD=$(abspath $(TEST_BUILD)) SCREENSHOT=$(ABS_BUILD)/screenshot.png bash tools/run.sh

test: test-programs
	@cd $(TEST_BUILD) && ctest --output-on-failure --timeout 900

bench: test-programs
	@DRAVELIN_BUILD=$(abspath $(TEST_BUILD)) OUT=$(ABS_BUILD)/bench.md bash tools/bench.sh

clean:
	rm -rf $(BUILD)
