# The two set-up commands of the README: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test build deps bench sanitize fuzz clean install package test-kill

run: build
	cd $(BUILD)/bin && ./quillo $(ARGS)

test: build
	cd $(BUILD) && ctest --output-on-failure

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

deps:
	@scripts/deps.sh

bench: build
	@for b in $(BUILD)/bin/bench_*; do echo "== $$b"; $$b; done

# The game killed at random moments while a script plays it; every file must survive whole.
KILL_RUNS ?= 200
test-kill: build
	QT_QPA_PLATFORM=offscreen python3 tests/kill/kill_test.py $(KILL_RUNS) --bin $(BUILD)/bin

# The unit and tool tests under AddressSanitizer and UndefinedBehaviorSanitizer (CI runs this).
sanitize: deps
	cmake -S . -B $(BUILD)-san -DCMAKE_BUILD_TYPE=Debug -DQUILLO_SANITIZE=ON -DQUILLO_WITH_QT=OFF -DQUILLO_BENCH=OFF
	cmake --build $(BUILD)-san -j $(JOBS)
	cd $(BUILD)-san && ctest --output-on-failure

# Every fuzz target for FUZZ_SECONDS each, built with clang in $(BUILD)-fuzz (CI runs this).
FUZZ_SECONDS ?= 60
fuzz: deps
	FUZZ_SECONDS=$(FUZZ_SECONDS) FUZZ_BUILD=$(BUILD)-fuzz JOBS=$(JOBS) scripts/fuzz.sh

install: build
	cmake --install $(BUILD) --prefix $(or $(PREFIX),/usr/local)

# The Debian package $(BUILD)/quillo_<version>_<arch>.deb, for the /usr prefix.
package: build
	cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD) $(BUILD)-san
