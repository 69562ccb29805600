#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
#
# The project's own scripts on any Debian 12: set-up as root without sudo and as a user
# without it, a configure without Google Benchmark, and a fuzz run whose merge fails.
#   bash ScriptsTest.sh SOURCE_DIR
set -euo pipefail
src="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# --- setup.sh, with every command it runs stood in for
stubs="$work/stubs"
mkdir -p "$stubs"
ln -s "$(command -v grep)" "$stubs/grep"
ln -s "$(command -v env)" "$stubs/env"
cat >"$stubs/dpkg-query" <<'SH'
#!/bin/bash
[ "$3" = cmake ] && exit 1 # one package is missing
echo "install ok installed"
SH
cat >"$stubs/apt-get" <<SH
#!/bin/bash
echo "apt-get \$*" >>"$work/calls"
SH
cat >"$stubs/sudo" <<SH
#!/bin/bash
echo "sudo" >>"$work/calls"
"\$@"
SH
run_setup() { # uid, with sudo or not
  local dir="$work/path-$1-$2"
  mkdir -p "$dir"
  cp -P "$stubs"/{grep,env,dpkg-query,apt-get} "$dir/"
  [ "$2" = sudo ] && cp "$stubs/sudo" "$dir/"
  printf '#!/bin/bash\necho %s\n' "$1" >"$dir/id"
  chmod +x "$dir"/*
  rm -f "$work/calls"
  PATH="$dir" /bin/bash "$src/scripts/setup.sh" >"$work/out" 2>&1
}
run_setup 0 nosudo || fail "root without sudo: $(cat "$work/out")"
grep -q "^apt-get install .*cmake" "$work/calls" || fail "root without sudo installed nothing"
grep -q sudo "$work/calls" && fail "root used sudo"
run_setup 1000 sudo || fail "a user with sudo: $(cat "$work/out")"
[ "$(head -n 1 "$work/calls")" = sudo ] || fail "a user did not go through sudo"
if run_setup 1000 nosudo; then fail "a user without sudo went on"; fi
grep -q "install sudo" "$work/out" || fail "a user without sudo was not told why: $(cat "$work/out")"
[ -e "$work/calls" ] && fail "a user without sudo ran apt-get"
echo "setup.sh: root without sudo, a user with and without it"

# --- a configure without Google Benchmark builds no benchmarks and fails nothing
cmake -S "$src" -B "$work/build" -G Ninja -DKOVAQ_BUILD_TESTS=OFF \
  -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON >"$work/configure" 2>&1 ||
  fail "configure without Google Benchmark: $(tail -n 5 "$work/configure")"
grep -q "Google Benchmark not found" "$work/configure" || fail "nothing said of the benchmarks"
echo "configure: without Google Benchmark"

# --- fuzz/run.sh keeps the committed corpus when a merge fails
tree="$work/tree"
mkdir -p "$tree/fuzz/corpus/recipe" "$tree/fuzz/corpus/numbers" "$tree/bf/fuzz"
cp "$src/fuzz/run.sh" "$tree/fuzz/"
echo kept >"$tree/fuzz/corpus/recipe/seed"
echo kept >"$tree/fuzz/corpus/numbers/seed"
for target in fuzz_recipe fuzz_numbers; do
  cat >"$tree/bf/fuzz/$target" <<'SH'
#!/bin/bash
for a in "$@"; do [ "$a" = -merge=1 ] && exit 1; done
exit 0
SH
  chmod +x "$tree/bf/fuzz/$target"
done
if (cd "$tree" && KOVAQ_FUZZ_PREBUILT=1 KOVAQ_FUZZ_BUILD_DIR=bf bash fuzz/run.sh 1 \
      >"$work/fuzz" 2>&1); then
  fail "a failed merge was reported as success"
fi
for c in recipe numbers; do
  [ "$(cat "$tree/fuzz/corpus/$c/seed" 2>/dev/null)" = kept ] ||
    fail "the $c corpus was lost: $(cat "$work/fuzz")"
done
echo "fuzz/run.sh: a failed merge keeps the corpus"
