#!/usr/bin/env bash
# Runs one vantor-cli command case and compares what it gives with the case's
# expected files.
#   run_command_case.sh VANTOR_CLI CASE_DIR EXAMPLES_DIR DATA_DIR SCRATCH_DIR
# A case folder holds `command`: a first line "# what this pins and why it
# matters" (a case without it is refused), then one line of vantor-cli
# arguments split at blanks, in which {case} stands for the case folder,
# {examples} for the examples, {data} for the program's support files and {out}
# for a fresh scratch folder, which is also the current folder of the run.
# Optionally:
#   given/                  files copied into {out} before the run (a target
#                           that a refused command must leave alone, say)
#   stdout.txt, stderr.txt  the whole expected output; a missing file means the
#                           output must be empty. The folders above appear in
#                           them as {case}, {examples}, {data} and {out}.
#   exit                    the expected exit code (0 without it)
#   files/NAME              compared byte for byte with {out}/NAME
#   absent                  names of files, one a line, that {out} must not hold
# VANTOR_UPDATE_CASES=1 writes what the run gave as the expected outputs, exit
# code and files/ instead (a _must_fail case is left alone); read every such
# change before committing it.
set -euo pipefail
cli=$1
case "$cli" in /*) ;; *) cli=$PWD/$cli ;; esac  # the run's current folder is {out}
case_dir=$(cd "$2" && pwd)
examples=$(cd "$3" && pwd)
data=$(cd "$4" && pwd)
scratch=$5
name=$(basename "$case_dir")
out=$scratch/out
rm -rf "$scratch"
mkdir -p "$out"
out=$(cd "$out" && pwd)

[ -d "$case_dir/given" ] && cp -R "$case_dir/given/." "$out/"

fail() { echo "command case $name: $*"; exit 1; }

[ -f "$case_dir/command" ] || fail "no command file"
comment='' line=''
{ IFS= read -r comment; IFS= read -r line; } < "$case_dir/command" || true
case "$comment" in
  "# "?*) ;;
  *) fail "the first line of command must be a comment saying what the case pins" ;;
esac
read -r -a words <<< "${line:-}"
args=()
for w in "${words[@]}"; do
  w=${w//\{case\}/$case_dir}
  w=${w//\{examples\}/$examples}
  w=${w//\{data\}/$data}
  w=${w//\{out\}/$out}
  args+=("$w")
done

set +e
(cd "$out" && exec "$cli" "${args[@]}") > "$scratch/stdout.raw" 2> "$scratch/stderr.raw"
got_exit=$?
set -e

# The folders go back to their names, so that the expected files do not depend
# on where the sources and the build are.
for f in stdout stderr; do
  CASE=$case_dir EXAMPLES=$examples DATA=$data OUT=$out perl -pe \
    's/\Q$ENV{OUT}\E/{out}/g; s/\Q$ENV{CASE}\E/{case}/g; s/\Q$ENV{EXAMPLES}\E/{examples}/g; s/\Q$ENV{DATA}\E/{data}/g' \
    < "$scratch/$f.raw" > "$scratch/$f.txt"
done

# A _must_fail case keeps its wrong expectation.
if [ "${VANTOR_UPDATE_CASES:-}" = 1 ] && [[ "$name" != *_must_fail ]]; then
  for f in stdout.txt stderr.txt; do
    if [ -s "$scratch/$f" ]; then cp "$scratch/$f" "$case_dir/$f"; else rm -f "$case_dir/$f"; fi
  done
  if [ "$got_exit" != 0 ]; then echo "$got_exit" > "$case_dir/exit"; else rm -f "$case_dir/exit"; fi
  if [ -d "$case_dir/files" ]; then
    for want in "$case_dir"/files/*; do
      [ -f "$out/$(basename "$want")" ] && cp "$out/$(basename "$want")" "$want"
    done
  fi
  echo "updated $case_dir"
  exit 0
fi

status=0
want_exit=0
[ -f "$case_dir/exit" ] && want_exit=$(tr -d '[:space:]' < "$case_dir/exit")
if [ "$got_exit" != "$want_exit" ]; then
  echo "command case $name: exit code $got_exit, expected $want_exit"; status=1
fi
for f in stdout.txt stderr.txt; do
  want=$case_dir/$f
  [ -f "$want" ] || want=/dev/null
  if ! diff -u --label "expected $f" --label "actual $f" "$want" "$scratch/$f"; then
    echo "command case $name: $f differs"; status=1
  fi
done
if [ -d "$case_dir/files" ]; then
  for want in "$case_dir"/files/*; do
    got=$out/$(basename "$want")
    if [ ! -f "$got" ]; then
      echo "command case $name: $(basename "$want") was not written"; status=1
    elif ! cmp -s "$want" "$got"; then
      diff -u --label "expected $(basename "$want")" --label "actual $(basename "$want")" \
        "$want" "$got" || true
      echo "command case $name: $(basename "$want") differs"; status=1
    fi
  done
fi
if [ -f "$case_dir/absent" ]; then
  while IFS= read -r file; do
    [ -n "$file" ] || continue
    if [ -e "$out/$file" ] || [ -L "$out/$file" ]; then
      echo "command case $name: $file was written, and must not be"; status=1
    fi
  done < "$case_dir/absent"
fi
exit $status
