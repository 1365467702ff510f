# Two commands for a newcomer: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
# Optional: build only these targets, and pass these arguments to ctest (e.g. -R pattern).
TARGETS ?=
CTEST_ARGS ?=
# The program `make run` starts: Wyx_r2m (the VQ-R2M radio) or Wyx_r2 (the VQ-R2 radio).
PROGRAM ?= Wyx_r2m
PACKAGES = qt6-base-dev cmake g++ make libgtest-dev libgmock-dev xvfb xauth clang libclang-rt-dev

.PHONY: run test deps configure build asan clean

run: build
	$(BUILD)/app/$(PROGRAM)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) $(CTEST_ARGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS) $(if $(TARGETS),--target $(TARGETS))

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

# Installs the Debian packages that are missing (only as root or through sudo).
deps:
	@missing=$$(for p in $(PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then SUDO=; elif command -v sudo >/dev/null; then SUDO=sudo; \
	  else echo "missing packages: $$missing (install them as root)"; exit 1; fi; \
	  $$SUDO apt-get update -qq && DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y -qq $$missing; \
	fi

clean:
	rm -rf build build-*
