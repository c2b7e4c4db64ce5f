#!/usr/bin/env bash
# The usage of tolvex-cli: asked for with --help, it goes to standard output and the call
# succeeds; after a wrong call it goes to standard error and the call fails.
set -u
cli=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0

# expect STATUS(0|fail) STREAM(out|err) TEXT ARGS...
expect() {
  local status=$1 stream=$2 text=$3
  shift 3
  "$cli" "$@" >"$scratch/out" 2>"$scratch/err"
  local rc=$?
  local other=err
  [ "$stream" = err ] && other=out
  if { [ "$status" = 0 ] && [ $rc -ne 0 ]; } || { [ "$status" = fail ] && [ $rc -eq 0 ]; }; then
    echo "FAIL: tolvex-cli $*: exit status $rc"
    failures=$((failures + 1))
  fi
  if ! grep -qF -- "$text" "$scratch/$stream"; then
    echo "FAIL: tolvex-cli $*: \"$text\" missing on std$stream"
    failures=$((failures + 1))
  fi
  if [ -s "$scratch/$other" ]; then
    echo "FAIL: tolvex-cli $*: unexpected output on std$other"
    failures=$((failures + 1))
  fi
}

expect 0 out "gebruik: tolvex-cli dump BESTAND.tvs" --help
expect 0 out "tolvex-cli schedule OPZET.json" -h
expect 0 out "gebruik: tolvex-cli schedule OPZET.json [--literal] [--max-candidates N]" \
  schedule --help
expect 0 out "gebruik: tolvex-cli report OPZET.json --kind 1..5" report --help
expect 0 out "gebruik: tolvex-cli dump BESTAND.tvs" dump --help
expect fail err "gebruik: tolvex-cli dump BESTAND.tvs"
expect fail err "gebruik: tolvex-cli dump BESTAND.tvs" onbekend
expect fail err "gebruik: tolvex-cli dump BESTAND.tvs" --help extra
expect fail err "gebruik: tolvex-cli schedule OPZET.json" schedule
expect fail err "gebruik: tolvex-cli dump BESTAND.tvs" dump
expect fail err "gebruik: tolvex-cli report OPZET.json" report

[ $failures -eq 0 ] && echo "tolvex-cli usage: all cases pass"
exit $((failures > 0))
