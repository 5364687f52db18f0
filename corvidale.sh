#!/usr/bin/env bash
# Corvidale's two set-up commands:
#   ./corvidale.sh play   install what is missing, build, start the game
#   ./corvidale.sh test   install what is missing, build, run every test
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
BUILD="${CORVIDALE_BUILD_DIR:-$ROOT/build}"

PACKAGES=(build-essential cmake pkg-config libsdl2-dev libsdl2-mixer-dev libfreetype-dev
  libfreeimage-dev libtinyxml-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core
  xvfb xdotool x11-utils libxdamage1 libxrandr2 python3 libgl1-mesa-dri mesa-utils locales-all clang libclang-rt-dev)

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Error: missing packages (${missing[*]}) and no sudo to install them" >&2; exit 1; }
    sudo=(sudo)
  fi
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}

configure() {
  cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
}

# Tests that need a window share one Xvfb on a display number it picks
# itself; it is stopped when the script ends, however it ends.
start_xvfb() {
  local ready
  ready="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$ready" >/dev/null 2>&1 &
  XVFB_PID=$!
  trap 'kill "${XVFB_PID:-}" 2>/dev/null || true' EXIT
  for _ in $(seq 100); do
    [ -s "$ready" ] && break
    sleep 0.1
  done
  local number
  number="$(head -n1 "$ready")"
  rm -f "$ready"
  [ -n "$number" ] || { echo "Error: Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$number"
}

run_tests() {
  start_xvfb
  # No sound card in CI: SDL plays into its dummy driver; GL is Mesa's software renderer.
  export SDL_AUDIODRIVER=dummy LIBGL_ALWAYS_SOFTWARE=1
  (cd "$BUILD" && ctest --output-on-failure -j"$(nproc)")
}

case "${1:-}" in
  play)
    install_missing
    configure
    cmake --build "$BUILD" -j"$(nproc)" --target corvidale
    exec "$BUILD/game/corvidale"
    ;;
  test)
    install_missing
    # Two passes in one ctest run, so its closing summary and status cover
    # both: the plain build, then the same tests (named "asan.*") built with
    # AddressSanitizer and UndefinedBehaviorSanitizer, where any report
    # fails its test. The fuzz targets run in the plain pass only.
    configure -DCORVIDALE_WERROR=ON -DCORVIDALE_ASAN_TESTS_DIR="$BUILD/asan"
    cmake -S "$ROOT" -B "$BUILD/asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVIDALE_WERROR=ON \
      -DCORVIDALE_ASAN=ON -DCORVIDALE_FUZZ=OFF >/dev/null
    export CMAKE_BUILD_PARALLEL_LEVEL="$(nproc)"
    cmake --build "$BUILD"
    cmake --build "$BUILD/asan"
    export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1"
    export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
    run_tests
    ;;
  *)
    echo "usage: $0 play|test" >&2
    exit 2
    ;;
esac
