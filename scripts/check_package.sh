#!/usr/bin/env bash
# Checks a Vantor Debian package: unpacked into a scratch folder, its
# vantor-cli must run an example through info, causality, generate, render
# and simulate with the support files of the package; its desktop entry, MIME
# types and manual pages must validate without a word, and lintian must find
# no error. With VANTOR_CHECK_INSTALL=1 (CI, as root) it also installs the
# package and removes it again, which must leave nothing behind.
#   scripts/check_package.sh build/vantor_VERSION_amd64.deb
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
deb=$(realpath "$1")
version=$(dpkg-deb -f "$deb" Version)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
  echo "check-package: $*" >&2
  exit 1
}
step() { echo "check-package: $*"; }

# Runs a validator that must print nothing at all.
silent() {  # silent WHAT COMMAND...
  local what=$1
  shift
  local said
  said=$("$@" 2>&1 >/dev/null) || fail "$what failed: $said"
  [ -z "$said" ] || fail "$what: $said"
}

step "unpacking $deb"
dpkg-deb -x "$deb" "$scratch/root"
root=$scratch/root
program=$root/usr/lib/vantor
for name in vantor vantor-cli library/bondgraph.lib library/signals.lib library/priori1.dat \
            code1/sta.cod code2/sta.cod code3/sta.cod bndgph.html help_viewer.html About.txt; do
  [ -e "$program/$name" ] || fail "the package lacks /usr/lib/vantor/$name"
done
for name in vantor vantor-cli; do
  [ "$(readlink "$root/usr/bin/$name")" = "../lib/vantor/$name" ] ||
    fail "/usr/bin/$name is not a link to ../lib/vantor/$name"
done

# Started through the link, as a user starts it: the program must find its
# support files beside its real self.
cli=$root/usr/bin/vantor-cli
work=$scratch/work
mkdir "$work"
cp "$top/examples/series_rlc.bgf" "$work/"
step "running the unpacked vantor-cli on examples/series_rlc.bgf"
# The version line, then the licence.
for name in vantor vantor-cli; do
  said=$("$root/usr/bin/$name" --version) || fail "$name --version failed"
  [ "${said%%$'\n'*}" = "$name $version" ] || fail "$name --version does not say $version"
  grep -qx 'License GPL-3.0-or-later: .*' <<<"$said" || fail "$name --version does not name the licence"
done
"$cli" info "$work/series_rlc.bgf" | grep -q '^elements: 11$' || fail "info"
"$cli" causality "$work/series_rlc.bgf" -o "$work/causal.bgf" || fail "causality"
mkdir "$work/gen"
cp "$work/causal.bgf" "$work/gen/series_rlc.bgf"
"$cli" generate "$work/gen/series_rlc.bgf" -o "$work/gen/series_rlc.m" --strict || fail "generate"
cmp "$work/gen/series_rlc.m" "$top/tests/simulink/golden/series_rlc.code3.m" ||
  fail "generate wrote other text than the templates of the source tree give"
"$cli" render "$work/causal.bgf" -o "$work/causal.png" || fail "render"
[ -s "$work/causal.png" ] || fail "render wrote no picture"
"$cli" simulate "$work/causal.bgf" -o "$work/run.csv" || fail "simulate"
[ "$(head -n 1 "$work/run.csv")" = "t,9scope/1 (scope)" ] || fail "simulate wrote another CSV"

step "desktop entry, MIME types and manual pages"
silent "desktop-file-validate" desktop-file-validate "$root/usr/share/applications/vantor.desktop"
mime=$scratch/share/mime
mkdir -p "$mime/packages"
cp "$root/usr/share/mime/packages/vantor.xml" "$mime/packages/"
silent "update-mime-database" env XDG_DATA_DIRS="$scratch/share:/usr/share" \
  update-mime-database "$mime"
grep -q 'application/x-vantor-model:\*\.bgf' "$mime/globs2" || fail "no *.bgf glob"
grep -q 'application/x-vantor-library' "$mime/magic" || fail "no library content rule"
for page in vantor vantor-cli; do
  silent "man $page" env LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l \
    "$root/usr/share/man/man1/$page.1.gz"
done

step "lintian"
lintian --fail-on error "$deb" || fail "lintian found errors"

if [ "${VANTOR_CHECK_INSTALL:-0}" = 1 ]; then
  step "installing and removing the package"
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$deb"
  [ "$(vantor-cli --version | head -n 1)" = "vantor-cli $version" ] || fail "the installed vantor-cli"
  vantor-cli causality "$work/series_rlc.bgf" -o "$work/installed.bgf" || fail "installed causality"
  dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./|/|' >"$scratch/files"
  DEBIAN_FRONTEND=noninteractive apt-get purge -y -q vantor
  while read -r file; do
    [ ! -e "$file" ] && [ ! -L "$file" ] || fail "$file is left after removal"
  done <"$scratch/files"
  [ ! -e /usr/lib/vantor ] || fail "/usr/lib/vantor is left after removal"
fi
step "all good"
