# Two commands: `make run` and `make test`.
SANITIZE ?=
ifeq ($(SANITIZE),1)
BUILD ?= build-sanitize
CMAKE_FLAGS += -DPELORIN_SANITIZE=ON -DPELORIN_BUILD_BENCH=OFF
endif
BUILD ?= build
FUZZ_TIME ?= 20
SOAK_TIME ?= 600
PREFIX ?= /usr/local
ARGS ?=
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: deps configure build run test bench fuzz soak install uninstall package clean

deps:
	bash scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=$(PREFIX) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/pelorin95 $(ARGS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	bash bench/run $(BUILD)

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)
	cp $(BUILD)/install_manifest.txt $(BUILD)/installed-files.txt
	-update-desktop-database -q $(PREFIX)/share/applications 2>/dev/null

# Removes what the last make install put in place.
uninstall:
	@test -f $(BUILD)/installed-files.txt || { echo "Nothing installed from $(BUILD)"; exit 1; }
	xargs -d '\n' rm -f < $(BUILD)/installed-files.txt
	rm -f $(BUILD)/installed-files.txt
	-update-desktop-database -q $(PREFIX)/share/applications 2>/dev/null

# A .deb through CPack: build/pelorin95_<version>_<arch>.deb
package: build
	cd $(BUILD) && cpack -G DEB

# Every fuzz target for FUZZ_TIME seconds; the crashers they find go to tests/fuzz/regressions.
fuzz:
	bash scripts/install-deps --fuzz
	cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DPELORIN_FUZZ=ON -DPELORIN_BUILD_BENCH=OFF
	cmake --build build-fuzz -j $(JOBS) --target pelorin_fuzzers
	bash tests/fuzz/run build-fuzz $(FUZZ_TIME)

# The main window driven at random for SOAK_TIME seconds under the sanitizers; it prints its seed
# (SOAK_SEED=n replays a run).
soak:
	$(MAKE) build SANITIZE=1
	cd build-sanitize && SOAK_TIME=$(SOAK_TIME) ctest -R '^soak_main_window_test$$' --output-on-failure -V

clean:
	rm -rf $(BUILD)
