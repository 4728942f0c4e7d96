# SPDX-License-Identifier: GPL-3.0-or-later
# Front door: `make run` and `make test` set everything up on a fresh Debian 12.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
# The build's own progress is enough: no "Entering/Leaving directory" from the makes below this one.
MAKEFLAGS += --no-print-directory

.PHONY: all deps build run test bench sanitize fuzz screenshot screenshots install uninstall package check-install check-package clean

all: build

deps:
	@scripts/abhaengigkeiten.sh basis

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/bin/tempara

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

bench:
	@scripts/abhaengigkeiten.sh basis bench
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DTEMPARA_BENCH=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j$(JOBS)
	scripts/benchmarks.sh $(BUILD)

# The numeric core with AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTEMPARA_NUR_KERN=ON -DTEMPARA_SANITIZE=ON -DTEMPARA_BENCH=OFF
	cmake --build build-asan -j$(JOBS)
	cd build-asan && ctest --output-on-failure -j$(JOBS)

# Short libFuzzer runs of the number and line parsers (FUZZ_SECONDS each).
FUZZ_SECONDS ?= 20
fuzz:
	@scripts/abhaengigkeiten.sh basis fuzz
	CXX=clang++-14 cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTEMPARA_NUR_KERN=ON -DTEMPARA_FUZZ=ON -DBUILD_TESTING=OFF -DTEMPARA_BENCH=OFF
	cmake --build build-fuzz -j$(JOBS)
	scripts/fuzz.sh build-fuzz $(FUZZ_SECONDS)

screenshot: build
	@scripts/abhaengigkeiten.sh bild
	scripts/bildschirmfoto.sh $(BUILD) doc/hauptfenster.png

# A picture of every window and dialog under Xvfb, into $(BUILD)/bilder/ for looking them over.
screenshots: build
	@scripts/abhaengigkeiten.sh bild
	scripts/bildschirmfotos.sh $(BUILD) $(BUILD)/bilder

# Installs under PREFIX (default /usr/local); DESTDIR stages it elsewhere. Build as yourself
# first (make build), then `sudo make install`. What was installed is listed in
# $(BUILD)/install_manifest.txt, from which `sudo make uninstall` removes it again.
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

uninstall:
	@DESTDIR="$(DESTDIR)" scripts/deinstallieren.sh $(BUILD)/install_manifest.txt

# The Debian package, its dependencies worked out from the binaries.
package: build
	@scripts/abhaengigkeiten.sh paket
	cd $(BUILD) && cpack -G DEB
	@ls $(BUILD)/tempara_*.deb

# Installs into a staging folder and checks what landed there.
check-install: build
	@scripts/abhaengigkeiten.sh paket
	scripts/pruefe-installation.sh $(BUILD)

# Installs the package with apt, starts it from its menu entry, removes it (changes the system).
check-package: package
	@scripts/abhaengigkeiten.sh bild
	scripts/pruefe-paket.sh $(BUILD)

clean:
	rm -rf $(BUILD) build-asan build-fuzz
