# Front door for people: `make run` starts the program, `make test` runs every test.
JOBS ?= $(shell nproc)

.PHONY: deps build run test bench clean

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRV_BUILD_TESTS=OFF
	cmake --build build -j $(JOBS)

run: build
	build/app/brivane-webp

test: deps
	cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DBRV_SANITIZE=ON -DBRV_BUILD_BENCH=OFF
	cmake --build build-test -j $(JOBS)
	cd build-test && ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in build/bench/bench_*; do [ -x "$$b" ] && "$$b"; done; true

clean:
	rm -rf build build-test
