# Sourced by the scripts of this folder: makes sure the Debian packages a
# command needs are installed. As root it installs what is missing with
# apt-get; otherwise it prints the exact install line and stops.

gmath_require_packages() {
  local missing=()
  local package
  if ! command -v dpkg-query >/dev/null 2>&1; then
    for package in cmake ninja g++; do
      command -v "$package" >/dev/null 2>&1 || missing+=("$package")
    done
    if [ ${#missing[@]} -gt 0 ]; then
      echo "gmath needs: ${missing[*]} (and GoogleTest for the tests); install them with your package manager." >&2
      exit 1
    fi
    return 0
  fi
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing missing packages: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq && apt-get install -y -qq --no-install-recommends "${missing[@]}"
  else
    echo "Missing packages: ${missing[*]}" >&2
    echo "Install them with:" >&2
    echo "  sudo apt-get install -y --no-install-recommends ${missing[*]}" >&2
    exit 1
  fi
}

GMATH_BUILD_PACKAGES=(cmake ninja-build g++)
# clang++ and python3 read the public headers for the exports check.
GMATH_TEST_PACKAGES=(cmake ninja-build g++ libgtest-dev pkgconf clang python3)
GMATH_BENCH_PACKAGES=(cmake ninja-build g++ libbenchmark-dev libeigen3-dev python3-matplotlib)
