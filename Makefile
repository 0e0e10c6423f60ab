# Quarlo: two commands set everything up on a fresh Debian machine.
#   make run   installs what is missing, builds and starts the game
#   make test  installs what is missing, builds and runs every test
BUILD ?= build
JOBS ?= 2

.PHONY: all deps configure build test run bench clean

all: build

deps:
	@bash tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

run: build
	@$(BUILD)/bin/quarlo-engine selfplay --games 1000

bench: build
	@$(BUILD)/bin/quarlo-bench

clean:
	@rm -rf $(BUILD)
