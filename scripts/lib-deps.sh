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
  if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
      echo "Missing packages: ${missing[*]}" >&2
      echo "Install them with:" >&2
      echo "  sudo apt-get install -y --no-install-recommends ${missing[*]}" >&2
      exit 1
    fi
    echo "Installing missing packages: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq && apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
  [[ " $* " == *" locales "* ]] && gmath_require_locales
  return 0
}

# The text tests print and read under a decimal comma too and skip those
# cases without the locale. Compiling a locale needs root; anyone else is
# told how.
gmath_require_locales() {
  local name available
  available=$(locale -a 2>/dev/null || true)
  for name in "${GMATH_TEST_LOCALES[@]}"; do
    grep -qix "${name/UTF-8/utf8}" <<<"$available" && continue
    if [ "$(id -u)" -ne 0 ]; then
      echo "Locale $name is missing; the tests that need it will skip." >&2
      echo "Generate it with:  sudo localedef -i ${name%%.*} -f UTF-8 $name" >&2
      continue
    fi
    echo "Generating locale $name"
    localedef -i "${name%%.*}" -f UTF-8 "$name"
  done
}

GMATH_BUILD_PACKAGES=(cmake ninja-build g++)
# clang++ and python3 read the public headers for the exports check.
# locales: the locale definitions the text tests compile (GMATH_TEST_LOCALES).
GMATH_TEST_PACKAGES=(cmake ninja-build g++ libgtest-dev pkgconf clang python3 locales)
GMATH_TEST_LOCALES=(de_DE.UTF-8)
GMATH_PYTHON_PACKAGES=(cmake ninja-build g++ python3-dev python3-venv python3-pip python3-setuptools
  python3-wheel pybind11-dev python3-pybind11 python3-numpy python3-pytest python3-hypothesis mypy
  python3-dask python3-distributed)
GMATH_BENCH_PACKAGES=(cmake ninja-build g++ libbenchmark-dev libeigen3-dev libboost-dev python3-matplotlib)
# The API reference (doxygen, graphviz for its diagrams), the packages and
# the ABI record and comparison (libabigail's abidw and abidiff).
GMATH_RELEASE_PACKAGES=(cmake ninja-build g++ doxygen graphviz abigail-tools dpkg-dev file
  pkgconf zip)
# The build the packages ship and the ABI is read from: optimised as the
# release preset, with debug information for abidw (the packages are
# stripped), and only what the packages hold.
GMATH_RELEASE_CMAKE_ARGS=(-G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INTERPROCEDURAL_OPTIMIZATION=ON
  -DCMAKE_CXX_FLAGS=-g -DCMAKE_INSTALL_PREFIX=/usr -DGMATH_WARNINGS_AS_ERRORS=ON -DGMATH_BUILD_TESTS=OFF
  -DGMATH_BUILD_EXAMPLES=OFF -DGMATH_BUILD_PYTHON=OFF -DGMATH_BUILD_TOOLS=ON -DGMATH_BUILD_DOCS=ON)

# Builds the Python wheel into build/python-wheel (pip drives the project's
# CMake build, offline) and installs it into the project's environment
# build/venv, made from Debian's interpreter so that it sees Debian's numpy,
# pytest and hypothesis. GMATH_CMAKE_ARGS replaces the extra CMake arguments.
gmath_python_env() {
  [ -x build/venv/bin/python ] || /usr/bin/python3 -m venv --system-site-packages build/venv
  rm -rf build/python-wheel
  # One set of build options for every caller, so that a second build of
  # the package is incremental: warnings are errors here as everywhere.
  GMATH_CMAKE_ARGS=${GMATH_CMAKE_ARGS:--DGMATH_WARNINGS_AS_ERRORS=ON} \
    build/venv/bin/pip wheel --no-build-isolation --no-index --no-deps -q -w build/python-wheel python/
  build/venv/bin/pip install --no-index --no-deps --force-reinstall -q build/python-wheel/gmath-*.whl
}
