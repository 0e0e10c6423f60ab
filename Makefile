# Quarlo: two commands set everything up on a fresh Debian machine.
#   make run   installs what is missing, builds and starts the game
#   make test  installs what is missing, builds and runs every test
BUILD ?= build
JOBS ?= 2
MODULES ?= engine;records;resources;net;online;extras;table;app;server;tools;bench

.PHONY: all deps configure build test run layout server bench clean

all: build

deps:
	@bash tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUARLO_MODULES="$(MODULES)" >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

# The program directory: the game, its club files and help. Shared state
# files go one level up, in $(BUILD)/run.
RUNDIR = $(BUILD)/run/Quarlo

layout: build
	@mkdir -p $(RUNDIR)
	@cp -f $(BUILD)/bin/quarlo $(RUNDIR)/quarlo
	@cp -f docs/Quarlo2.html $(RUNDIR)/Quarlo2.html
	@for f in Quarlo2.clb Quarlo2.net; do \
	  [ -e $(RUNDIR)/$$f ] || $(BUILD)/bin/quarlo-club init $(RUNDIR)/$$f; \
	done

run: layout
	@$(RUNDIR)/quarlo

# The online services on this machine (see server/README.md).
server: build
	@$(BUILD)/bin/quarlo-server

bench: build
	@$(BUILD)/bin/quarlo-bench

clean:
	@rm -rf $(BUILD)
