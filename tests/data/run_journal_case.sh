#!/usr/bin/env bash
# Replays one journal case with vantor-cli edit and compares what it gives with
# the case's expected files.
#   run_journal_case.sh VANTOR_CLI CASE_DIR SCRATCH_DIR
# A case folder holds journal.jnl, whose first line is a comment ("# ...")
# saying what the case pins and why it matters, and, optionally:
#   model.bgf   the model the window opens (without it: --new)
#   args        further arguments of vantor-cli edit, on one line (--window 2, say)
#   state.json  the expected state file after the replay
#   saved.bgf   the expected model file after the replay (vantor-cli edit -o)
#   stdout.txt  the expected standard output (the messages)
#   stderr.txt  the expected standard error, the case folder's path left out
#               (not compared without it)
#   exit        the expected exit code (0 without it)
# VANTOR_UPDATE_CASES=1 writes what the replay gave as the expected files instead
# (an empty saved.bgf asks for the saved model; stderr.txt is written when it
# exists or the exit code is not 0; a _must_fail case is left alone);
# read every such change before committing it.
set -euo pipefail
cli=$1
case_dir=$2
scratch=$3
name=$(basename "$case_dir")
rm -rf "$scratch"
mkdir -p "$scratch"

first=''
IFS= read -r first < "$case_dir/journal.jnl" || true
case "$first" in
  "# "?*) ;;
  *) echo "journal case $name: the first line of journal.jnl must be a comment saying what the case pins"
     exit 1 ;;
esac

model=(--new)
[ -f "$case_dir/model.bgf" ] && model=("$case_dir/model.bgf")
extra=()
[ -f "$case_dir/args" ] && read -r -a extra < "$case_dir/args"
want_exit=0
[ -f "$case_dir/exit" ] && want_exit=$(tr -d '[:space:]' < "$case_dir/exit")
saved=()
[ -f "$case_dir/saved.bgf" ] && saved=(-o "$scratch/saved.bgf")

set +e
"$cli" edit "${model[@]}" "$case_dir/journal.jnl" --state "$scratch/state.json" "${saved[@]}" "${extra[@]}" \
  > "$scratch/stdout.txt" 2> "$scratch/stderr.txt"
got_exit=$?
set -e
if [ -s "$scratch/stderr.txt" ]; then
  err=$(cat "$scratch/stderr.txt")
  printf '%s\n' "${err//"$case_dir/"/}" > "$scratch/stderr.txt"
fi

if [ "${VANTOR_UPDATE_CASES:-}" = 1 ] && [[ "$name" != *_must_fail ]]; then
  [ -s "$scratch/state.json" ] && cp "$scratch/state.json" "$case_dir/state.json"
  [ -s "$scratch/stdout.txt" ] && cp "$scratch/stdout.txt" "$case_dir/stdout.txt"
  [ -f "$case_dir/saved.bgf" ] && [ -f "$scratch/saved.bgf" ] && cp "$scratch/saved.bgf" "$case_dir/saved.bgf"
  if [ -f "$case_dir/stderr.txt" ] || [ "$got_exit" != 0 ]; then
    cp "$scratch/stderr.txt" "$case_dir/stderr.txt"
  fi
  [ "$got_exit" != 0 ] && echo "$got_exit" > "$case_dir/exit"
  echo "updated $case_dir"
  exit 0
fi

status=0
if [ "$got_exit" != "$want_exit" ]; then
  echo "journal case $name: exit code $got_exit, expected $want_exit"; cat "$scratch/stderr.txt"; status=1
fi
for f in state.json stdout.txt stderr.txt saved.bgf; do
  if [ -f "$case_dir/$f" ] && ! diff -u "$case_dir/$f" "$scratch/$f"; then
    echo "journal case $name: $f differs from the expected one (- expected, + got)"; status=1
  fi
done
exit $status
