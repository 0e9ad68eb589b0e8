# make run | make test | make bench | make build | make install [PREFIX=...]
BUILD      ?= build
SAN_BUILD  ?= build-san
JOBS       ?= 2
PREFIX     ?= $(HOME)/.local
CMAKE_ARGS := -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
ifdef CI
CMAKE_ARGS += -DSIDORA_WERROR=ON
endif

FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 120

.PHONY: setup build build-san run test bench install fuzz fuzz-run screenshots clean

setup:
	@bash scripts/setup.sh

$(BUILD)/build.ninja: | setup
	cmake -S . -B $(BUILD) $(CMAKE_ARGS)

build: setup $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

$(SAN_BUILD)/build.ninja: | setup
	cmake -S . -B $(SAN_BUILD) $(CMAKE_ARGS) -DCMAKE_BUILD_TYPE=Debug -DSIDORA_SANITIZE=ON -DSIDORA_BENCH=OFF

build-san: setup $(SAN_BUILD)/build.ninja
	cmake --build $(SAN_BUILD) -j $(JOBS)

run: build
	./$(BUILD)/sidora

# Every test, then every test again under AddressSanitizer and UndefinedBehaviorSanitizer.
test: build build-san
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	cd $(SAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

bench: build
	./$(BUILD)/bench/sidora-bench

# libFuzzer targets of every decoder, built by clang with ASan and UBSan (scripts/setup.sh --fuzz
# installs clang). `make fuzz-run` runs each FUZZ_SECONDS, two at a time.
$(FUZZ_BUILD)/build.ninja:
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) $(CMAKE_ARGS) -DSIDORA_FUZZ=ON -DSIDORA_GUI=OFF \
	  -DSIDORA_BENCH=OFF -DBUILD_TESTING=OFF

fuzz: $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

fuzz-run: fuzz
	bash scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# The programs, their data, the desktop entry and the icon under PREFIX (default ~/.local).
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The seven tabs of the main window at one moment, for the documentation.
screenshots: build
	bash tools/screenshots.sh ./$(BUILD)/sidora docs/screenshots

clean:
	rm -rf $(BUILD) $(SAN_BUILD)
