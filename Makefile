# The two commands: `make run` and `make test`; `make package` builds the Debian package. Each installs what is missing first.
BUILD     ?= build
BENCHDIR  ?= build-bench
PKGDIR    ?= build-package
PACKAGES  := $(shell grep -v -E '^\s*(\#|$$)' debian-packages.txt)
SUDO      := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS      ?= $(shell nproc)

.PHONY: run test bench sanitize package build deps clean

run: build
	./$(BUILD)/kelmora

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BENCHDIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DKELMORA_BENCH=ON
	cmake --build $(BENCHDIR) -j $(JOBS) --target kelmora_bench
	QT_QPA_PLATFORM=offscreen ./$(BENCHDIR)/bench/kelmora_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

# Every test again under AddressSanitizer and UndefinedBehaviorSanitizer (slower; not part of CI).
sanitize: deps
	cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKELMORA_SANITIZE=ON
	cmake --build build-asan -j $(JOBS)
	cd build-asan && ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The Debian package (CPack), from a Release tree of its own: $(PKGDIR)/kelmora_<version>_<arch>.deb.
# Only the program is built for it; the tests are `make test`'s business.
package: deps
	cmake -S . -B $(PKGDIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
	cmake --build $(PKGDIR) -j $(JOBS) --target kelmora
	cd $(PKGDIR) && cpack

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

# Idempotent: asks apt only for the packages dpkg does not already list as installed.
deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

clean:
	rm -rf $(BUILD) $(BENCHDIR) $(PKGDIR) build-asan
