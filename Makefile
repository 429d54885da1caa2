# Front door: `make run` (the main job), `make test` (the whole suite), `make build`.
SHELL := /bin/bash
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
# No "Entering directory" lines from the nested makes of the CMake build.
MAKEFLAGS  += --no-print-directory
# Debian packages the build and the tests need.
# help2man writes the manual pages, rsvg-convert the icon's PNG sizes; the
# install check validates the menu entry and the metainfo; Qt's own texts in
# Chinese come from qt6-translations-l10n.
PACKAGES := cmake g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev libssl-dev clang qt6-base-dev libgl-dev fonts-dejavu-core fonts-wqy-microhei \
            help2man librsvg2-bin desktop-file-utils appstream qt6-translations-l10n
# `make package` only: dpkg-shlibdeps (dpkg-dev, file) and lintian.
PACKAGE_PACKAGES := dpkg-dev file lintian
# `make install`: the prefix; DESTDIR, when given, is put before it.
PREFIX ?= /usr/local

.PHONY: all build run test test-normal test-asan deps deps-package install package bench clean

all: build

# Installs the Debian packages of $(1) that are missing (as root), or names
# the apt-get line to run.
define ensure_packages
	@missing=$$(for p in $(1); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing missing packages:" $$missing; \
	    DEBIAN_FRONTEND=noninteractive apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	  else \
	    echo "Missing packages. Run as root:"; \
	    echo "  apt-get update && apt-get install -y" $$missing; \
	    exit 1; \
	  fi; \
	fi
endef

deps:
	$(call ensure_packages,$(PACKAGES))

deps-package:
	$(call ensure_packages,$(PACKAGE_PACKAGES))

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(ASAN_BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DEXPERT_SANITIZE=ON -DEXPERT_BENCH=OFF

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

# The desktop host on the demo projectors; without a display, screenshots of
# every window into out/screens instead. The build's progress goes to a log.
run: deps $(BUILD)/CMakeCache.txt
	@echo "Building (progress in $(BUILD)/build.log)..."
	@cmake --build $(BUILD) -j $(JOBS) > $(BUILD)/build.log 2>&1 || { tail -n 40 $(BUILD)/build.log; exit 1; }
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  $(BUILD)/bin/expert-host --demo; \
	else \
	  echo "No display: writing screenshots of every window into out/screens."; \
	  $(BUILD)/bin/expert-host --demo --screenshots out/screens; \
	fi

# The README's pictures: the host window and the control page of a type-4
# projector, in English.
.PHONY: screenshots
screenshots: build
	rm -rf out/readme-screens
	LC_ALL=C LANG=C $(BUILD)/bin/expert-host --screenshots out/readme-screens
	mkdir -p docs/images
	cp out/readme-screens/host.png docs/images/host.png
	cp out/readme-screens/pv-4090-demo_tab8-control.png docs/images/page.png

# The programs, their libraries, data, manual pages and desktop files under
# $(DESTDIR)$(PREFIX) (docs/install.md).
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# The Debian package in $(BUILD)/package/, checked by lintian.
package: build deps-package
	rm -f $(BUILD)/package/*.deb
	cd $(BUILD) && cpack --config CPackConfig.cmake
	lintian --fail-on error $(BUILD)/package/expert-control_*.deb
	@echo "Package:" $(BUILD)/package/expert-control_*.deb

# The normal build's suite includes the install check (tests/install/).
test-normal: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: deps $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

test: test-normal test-asan

bench: build
	@for b in $(BUILD)/bin/bench_*; do echo "== $$b"; $$b; done

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
