#!/usr/bin/env bash
# Corvidale's two set-up commands:
#   ./corvidale.sh play   install what is missing, build, start the game
#   ./corvidale.sh test   install what is missing, build, run every test
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
BUILD="${CORVIDALE_BUILD_DIR:-$ROOT/build}"

PACKAGES=(build-essential cmake pkg-config libsdl2-dev libsdl2-mixer-dev libfreetype-dev
  libfreeimage-dev libtinyxml-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core
  xvfb xdotool x11-utils libgl1-mesa-dri mesa-utils)

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

build() {
  cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$BUILD" -j"$(nproc)"
}

run_tests() {
  # Tests that need a window share one Xvfb; sound goes to SDL's dummy driver.
  local display=":$((90 + RANDOM % 100))"
  Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  trap 'kill "${XVFB_PID:-}" 2>/dev/null || true' EXIT
  for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
  export DISPLAY="$display" SDL_AUDIODRIVER=dummy LIBGL_ALWAYS_SOFTWARE=1
  (cd "$BUILD" && ctest --output-on-failure -j"$(nproc)")
}

case "${1:-}" in
  play) install_missing; build; exec "$BUILD/game/corvidale" ;;
  test) install_missing; build -DCORVIDALE_WERROR=ON; run_tests ;;
  *) echo "usage: $0 play|test" >&2; exit 2 ;;
esac
