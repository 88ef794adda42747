# make run: set up what is missing, build, start Quorvik.
# make test: set up what is missing, build every tree, run every test.
# make dist: the release archives in build/dist.
SHELL := /bin/bash
ROOT := $(CURDIR)
JOBS ?= $(shell nproc)
CMAKE_GEN := -G Ninja

.PHONY: all setup build build-host build-win64 build-win32 test test-host test-win64 check-format run dist clean

all: build

setup:
	@tools/setup.sh

build-host: setup
	cmake -S . -B build/host $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build build/host -j $(JOBS)

build-win64: setup
	cmake -S . -B build/win64 $(CMAKE_GEN) -DCMAKE_TOOLCHAIN_FILE=$(ROOT)/cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build build/win64 -j $(JOBS)

build-win32: setup
	cmake -S . -B build/win32 $(CMAKE_GEN) -DCMAKE_TOOLCHAIN_FILE=$(ROOT)/cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build build/win32 -j $(JOBS)

build: build-host build-win64 build-win32

test-host: build-host
	ctest --test-dir build/host --output-on-failure -j $(JOBS)

test-win64: build-win64
	ctest --test-dir build/win64 --output-on-failure

# Every C++ file keeps the one style of .clang-format.
check-format: setup
	tools/check-format.sh

test: check-format test-host test-win64 build-win32

run: setup
	cmake -S . -B build/win64 $(CMAKE_GEN) -DCMAKE_TOOLCHAIN_FILE=$(ROOT)/cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build build/win64 -j $(JOBS) --target Quorvik qv
	@tools/run.sh

dist: setup
	cmake -S . -B build/host $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build build/host -j $(JOBS) --target dist_linux
	cmake -S . -B build/win64 $(CMAKE_GEN) -DCMAKE_TOOLCHAIN_FILE=$(ROOT)/cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build build/win64 -j $(JOBS) --target dist_win64
	@ls -l build/dist

clean:
	rm -rf build/host build/win64 build/win32 build/dist
