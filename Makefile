# Set-up commands. `make demo` and `make test` each work on a fresh Debian 12 machine: they
# install what is missing, build, start the local Firebird server and the CUPS spooler when
# they do not run, and then open the demo till or run every test.

BUILD_DIR ?= build
export BUILD_DIR

.PHONY: demo test build deps services bench screenshots stop stop-all clean

demo: build services
	scripts/demo.sh

test: build services
	scripts/run-tests.sh

bench: build services
	scripts/run-bench.sh

screenshots: build services
	scripts/screenshots.sh

# The demo's till and stand-in printer; stop-all also the Firebird server and CUPS spooler.
stop:
	scripts/stop.sh

stop-all:
	scripts/stop.sh --services

build: deps
	scripts/build.sh

deps:
	scripts/install-deps.sh

services: deps
	scripts/start-firebird.sh
	scripts/start-cups.sh

clean:
	rm -rf $(BUILD_DIR)
