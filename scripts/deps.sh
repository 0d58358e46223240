#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing.
# Safe to run again and again; works as root or through sudo.
#   deps.sh [build|test|gui|e2e|fuzz]...   (default: build)
set -euo pipefail

build_pkgs=(build-essential cmake ninja-build ccache pkg-config
  libpugixml-dev zlib1g-dev libisal-dev libdeflate-dev
  qt6-base-dev qt6-svg-dev libqt6svg6-dev)
test_pkgs=(libgtest-dev libgmock-dev libbenchmark-dev)
fuzz_pkgs=(clang libclang-rt-14-dev)
e2e_pkgs=(xvfb xauth dbus at-spi2-core python3-pyatspi python3-gi gir1.2-atspi-2.0
  libglib2.0-bin xdotool imagemagick poppler-utils)

wanted=()
[ $# -eq 0 ] && set -- build
for set_name in "$@"; do
  case "$set_name" in
    build) wanted+=("${build_pkgs[@]}") ;;
    test) wanted+=("${build_pkgs[@]}" "${test_pkgs[@]}") ;;
    fuzz) wanted+=("${fuzz_pkgs[@]}") ;;
    e2e) wanted+=("${e2e_pkgs[@]}") ;;
    *) echo "deps.sh: unknown package set '$set_name'" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then SUDO=sudo; else
    echo "deps.sh: missing packages (${missing[*]}) and not root; install them or run as root" >&2
    exit 1
  fi
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
