#!/usr/bin/env bash
# Installs what Vantor needs on Debian 12, builds it, and runs it or its tests.
#   scripts/setup.sh format     check that clang-format leaves every C++ file as it is
#   scripts/setup.sh run        build, then open a bundled example in the editor
#                               (without a display: list and resave it with vantor-cli)
#   scripts/setup.sh test       build, then run the whole test suite
#   scripts/setup.sh sanitize   build the tests with AddressSanitizer and UBSan and run them
#   scripts/setup.sh coverage   build with coverage, run the tests, print line and branch
#                               coverage of src/ per layer (scripts/coverage_table.py)
#   scripts/setup.sh package    build, then make the Debian package build/vantor_VERSION_amd64.deb
#   scripts/setup.sh check-package
#                               check that package: unpacked, its vantor-cli works on an example;
#                               its desktop entry, manual pages and lintian
# Works as root, or as a user who may use sudo.
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
mode=${1:-}

packages=(build-essential cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev
          libboost-dev libginac-dev libeigen3-dev qt6-base-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev
          poppler-utils fonts-liberation strace)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  elif command -v sudo >/dev/null 2>&1; then
    sudo "$@"
  else
    echo "setup: installing packages needs root; run this as root or install sudo" >&2
    exit 1
  fi
}

install_packages() {  # install_packages [EXTRA-PACKAGES...]
  install_only "${packages[@]}" "$@"
}

install_only() {  # install_only PACKAGES...
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
  fi
}

build() {  # build DIR CMAKE-OPTIONS...
  local dir=$1
  shift
  cmake -S "$top" -B "$dir" -G Ninja -DVANTOR_WERROR=ON "$@"
  cmake --build "$dir"
}

jobs=$(nproc 2>/dev/null || echo 2)

case "$mode" in
  format)
    install_only clang-format
    # The tracked files; a tree that is not a git checkout, everything but the builds.
    if git -C "$top" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
      git -C "$top" ls-files -z -- '*.h' '*.cpp' | (cd "$top" && xargs -0 -r clang-format --dry-run -Werror)
    else
      find "$top" -path "$top/build*" -prune -o -path "$top/.git" -prune -o \
        -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | xargs -0 -r clang-format --dry-run -Werror
    fi
    echo "setup: every C++ file is as clang-format leaves it"
    ;;
  run)
    install_packages
    build "$top/build" -DCMAKE_BUILD_TYPE=Release
    example="$top/examples/series_rlc.bgf"
    if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
      exec "$top/build/vantor" "$example"
    fi
    echo "setup: no display, so the editor cannot start; the command-line road instead:"
    "$top/build/vantor-cli" info "$example"
    "$top/build/vantor-cli" resave "$example" "$top/build/series_rlc.resaved.bgf"
    cmp "$example" "$top/build/series_rlc.resaved.bgf"
    echo "setup: resaved $example byte for byte to build/series_rlc.resaved.bgf"
    ;;
  test)
    install_packages
    build "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    ctest --test-dir "$top/build" --output-on-failure -j "$jobs"
    ;;
  sanitize)
    install_packages
    # Leaks inside the system's libraries (fonts, GUI, the number library under
    # GiNaC) are theirs, not ours. Set for the build too: it lists each test
    # program's tests by running it.
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    export LSAN_OPTIONS="suppressions=$top/scripts/lsan.supp:print_suppressions=0"
    build "$top/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DVANTOR_SANITIZE=ON -DVANTOR_BUILD_BENCH=OFF
    ctest --test-dir "$top/build-sanitize" --output-on-failure -j "$jobs"
    ;;
  coverage)
    install_packages gcovr
    # A cached object can carry the counters' file name of another tree.
    CCACHE_DISABLE=1 build "$top/build-coverage" -DCMAKE_BUILD_TYPE=Debug -DVANTOR_COVERAGE=ON -DVANTOR_BUILD_BENCH=OFF
    # Two passes, each read by gcovr on its own and added up by the table: the
    # test programs, then the data cases' program. Different programs carry
    # different copies of the same inline functions, and gcov throws away a
    # file's counts when a second program's copy does not match.
    cov=$top/build-coverage
    rm -f "$cov/gcov-errors.txt"
    for pass in programs cases; do
      find "$cov" -name '*.gcda' -delete
      if [ "$pass" = programs ]; then select=(-E '^data_cases[.]'); else select=(-R '^data_cases[.]'); fi
      # gcov's own complaints go to a file of their own, never into the output
      # that the command cases compare.
      GCOV_ERROR_FILE="$cov/gcov-errors.txt" \
        ctest --test-dir "$cov" --output-on-failure -j "$jobs" "${select[@]}"
      (cd "$cov" && gcovr --root "$top" --filter "$top/src/" \
        --exclude-throw-branches --exclude-unreachable-branches \
        --json "$cov/coverage-$pass.json" -j "$jobs" .)
    done
    [ -s "$cov/gcov-errors.txt" ] && sort "$cov/gcov-errors.txt" | uniq -c >&2
    python3 "$top/scripts/coverage_table.py" "$cov/coverage-programs.json" "$cov/coverage-cases.json"
    ;;
  package)
    install_packages
    build "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    (cd "$top/build" && cpack -G DEB)
    ;;
  check-package)
    install_packages lintian desktop-file-utils man-db
    deb=$(ls "$top"/build/vantor_*_amd64.deb 2>/dev/null | head -n 1)
    if [ -z "$deb" ]; then
      echo "setup: no package in build/; run scripts/setup.sh package first" >&2
      exit 1
    fi
    "$top/scripts/check_package.sh" "$deb"
    ;;
  *)
    sed -n '2,14p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//' >&2
    exit 2
    ;;
esac
