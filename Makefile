# The two commands of the README: `make play` and `make test`. Both install what is missing,
# configure and build; play then starts the game, test runs every test.
BUILD ?= build
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)

.PHONY: play test build deps clean

play: build
	./$(BUILD)/vemu

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

deps:
	./tools/setup/install-deps

clean:
	rm -rf $(BUILD)
