# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
# Thin wrapper over the CMake presets; the build logic lives in CMake.
.PHONY: all run test test-default test-sanitize bench monkey package deps build build-sanitize format clean

JOBS ?= $(shell nproc)

all: build

deps:
	@scripts/install-deps

build: deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default -j $(JOBS)

build-sanitize: deps
	@cmake --preset sanitize >/dev/null
	@cmake --build --preset sanitize -j $(JOBS)

run: build
	@scripts/run-app build/default/bin/tintwell

test: test-default test-sanitize

test-default: build
	@ctest --preset default -j $(JOBS)

test-sanitize: build-sanitize
	@ctest --preset sanitize -j $(JOBS)

bench: build
	@scripts/run-bench build/default

# Random keys and clicks on the sanitizer build: make monkey EVENTS=5000 SEED=42
# (without SEED a seed is drawn and printed).
EVENTS ?= 3000
SEED ?=
monkey: build-sanitize
	@tests/monkey/monkey.sh build/sanitize/bin/tintwell $(EVENTS) $(SEED)

# A Debian package of the default build: build/default/tintwell_<version>_<arch>.deb
package: build
	@cmake --build --preset default --target package

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	@rm -rf build
