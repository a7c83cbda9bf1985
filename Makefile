# The two commands: `make run` and `make test`; `make package` builds the Debian package. Each installs what is missing first.
BUILD     ?= build
BENCHDIR  ?= build-bench
PKGDIR    ?= build-package
FUZZDIR   ?= build-fuzz-clang
FUZZ_SECONDS ?= 300
FUZZ_TARGETS := text_decoder layout_text
PACKAGES  := $(shell grep -v -E '^\s*(\#|$$)' debian-packages.txt)
SUDO      := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS      ?= $(shell nproc)

.PHONY: run test bench bench-startup bench-latency sanitize fuzz fuzz-short fuzz-build package screenshots guide-preview test-debian13 build deps clean

run: build
	./$(BUILD)/kelmora

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BENCHDIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DKELMORA_BENCH=ON
	cmake --build $(BENCHDIR) -j $(JOBS) --target kelmora_bench
	QT_QPA_PLATFORM=offscreen ./$(BENCHDIR)/bench/kelmora_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

# Start-up to the first window and memory against two floors and TIPP10 (when installed), then
# CPU idle and in an exercise: whole processes under Xvfb on display :5 (bench/StartUpBench.py).
STARTUP_ROUNDS ?= 9
bench-startup: deps
	cmake -S . -B $(BENCHDIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DKELMORA_BENCH=ON
	cmake --build $(BENCHDIR) -j $(JOBS) --target kelmora floor_bare_window floor_chinese
	python3 bench/StartUpBench.py --build $(BENCHDIR) --display :5 --rounds $(STARTUP_ROUNDS)

# Key press to first painted pixels, Kelmora and TIPP10 taking turns under Xvfb on display :6
# (bench/KeyLatencyBench.py). TIPP10, the peer it is measured against, is installed when missing.
LATENCY_RUNS ?= 3
LATENCY_DISPLAY ?= :6
bench-latency: deps
	@$(MAKE) --no-print-directory deps PACKAGES="tipp10 libqt6sql6-sqlite"
	cmake -S . -B $(BENCHDIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DKELMORA_BENCH=ON
	cmake --build $(BENCHDIR) -j $(JOBS) --target kelmora
	python3 bench/KeyLatencyBench.py --build $(BENCHDIR) --display $(LATENCY_DISPLAY) --runs $(LATENCY_RUNS)

# Every test again under AddressSanitizer and UndefinedBehaviorSanitizer (slower; CI runs it too).
sanitize: deps
	cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKELMORA_SANITIZE=ON
	cmake --build build-asan -j $(JOBS)
	cd build-asan && ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# libFuzzer with ASan and UBSan, clang in a tree of its own: each target FUZZ_SECONDS seconds
# (`make fuzz FUZZ_SECONDS=3600`), from its seeds in tests/fuzz/corpus/ and what earlier runs
# found, kept in $(FUZZDIR)/corpus/. A crash fails the run; its input is left in $(FUZZDIR)/artifacts/.
fuzz: fuzz-build
	$(call run-fuzzers,$(FUZZ_SECONDS))

# About a minute in all, for CI.
fuzz-short: fuzz-build
	$(call run-fuzzers,20)

fuzz-build: deps
	cmake -S . -B $(FUZZDIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DKELMORA_FUZZ=ON
	cmake --build $(FUZZDIR) -j $(JOBS) --target $(addprefix fuzz_,$(FUZZ_TARGETS))

define run-fuzzers
	@mkdir -p $(FUZZDIR)/artifacts
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZDIR)/corpus/$$t; \
	  if ./$(FUZZDIR)/tests/fuzz/fuzz_$$t -max_total_time=$(1) -timeout=10 -print_final_stats=1 \
	       -artifact_prefix=$(FUZZDIR)/artifacts/$$t- $(FUZZDIR)/corpus/$$t tests/fuzz/corpus/$$t \
	       >$(FUZZDIR)/fuzz_$$t.log 2>&1; then \
	    echo "fuzz_$$t: $$(grep -h '^Done' $(FUZZDIR)/fuzz_$$t.log), corpus $$(ls $(FUZZDIR)/corpus/$$t | wc -l) inputs"; \
	  else \
	    tail -n 60 $(FUZZDIR)/fuzz_$$t.log; echo "fuzz_$$t FAILED (log: $(FUZZDIR)/fuzz_$$t.log)"; exit 1; \
	  fi; \
	done
endef

# The Debian package (CPack), from a Release tree of its own: $(PKGDIR)/kelmora_<version>_<arch>.deb.
# Only the program and its guide are built for it, the guide's pictures taken anew from the
# program packaged; the tests are `make test`'s business.
package: deps
	cmake -S . -B $(PKGDIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON -DCMAKE_INSTALL_PREFIX=/usr
	rm -f $(PKGDIR)/docs/guide/pictures.stamp
	cmake --build $(PKGDIR) -j $(JOBS) --target kelmora guide
	cd $(PKGDIR) && cpack

# The guide's pictures, taken again from the program as it now is (a build tree takes them once;
# the program runs under a private Xvfb, in $(BUILD)/docs/guide/pictures/).
screenshots: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS) --target kelmora guide_examples
	rm -f $(BUILD)/docs/guide/pictures.stamp
	@start=$$(date +%s); cmake --build $(BUILD) --target guide_pictures && \
	  echo "screenshots: $$(ls $(BUILD)/docs/guide/pictures | wc -l) pictures in $$(( $$(date +%s) - start )) s"

# The guide as a browser shows it, one tall picture: $(BUILD)/docs/guide-preview.png. Chromium
# is installed here when missing, not with the other packages: nothing else needs it.
guide-preview: build
	@dpkg-query -W -f='$${Status}\n' chromium 2>/dev/null | grep -q '^install ok installed' || \
	  { $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends chromium; }
	chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size=1000,16000 \
	  --screenshot=$(CURDIR)/$(BUILD)/docs/guide-preview.png file://$(CURDIR)/$(BUILD)/docs/guide/index.html

# The same on Debian 13, as root (.ci/debian13.sh): `make test` and `make package` in a Debian 13
# tree made by mmdebstrap, the package installed there and its program started under Xvfb. The
# tree is kept in $(DEBIAN13_CACHE) and made again when debian-packages.txt changes.
DEBIAN13_CACHE ?= /var/cache/kelmora-debian13
test-debian13: deps
	$(SUDO) env KELMORA_DEBIAN13_CACHE=$(DEBIAN13_CACHE) JOBS=$(JOBS) \
	  $(if $(DEBIAN13_MIRROR),DEBIAN13_MIRROR=$(DEBIAN13_MIRROR)) .ci/debian13.sh

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
	rm -rf $(BUILD) $(BENCHDIR) $(PKGDIR) build-asan $(FUZZDIR)
