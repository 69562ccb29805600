#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
# Builds the fuzz targets (clang, libraries instrumented) and runs each for a while:
#   bash fuzz/run.sh [seconds per target, default 600]
# Both run at once, seeded with the corpus in the repository and a few large files made
# here; what they find new is merged back, minimised, into fuzz/corpus/<target>.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
build="${KOVAQ_FUZZ_BUILD_DIR:-build-fuzz}"
if [ -z "${KOVAQ_FUZZ_PREBUILT:-}" ]; then # set: use the targets already in $build
  cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DKOVAQ_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build" -j "$(nproc)"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/seeds"
# Large seeds reach what a 1 KB input cannot: many sections, long notes, long values.
python3 - "$work/seeds" <<'PY'
import sys, os
d = sys.argv[1]
def put(name, text):
    open(os.path.join(d, name), "wb").write(text.encode("latin-1"))
put("sections", "".join(f"[S{i}]\r\nK{i}=v\r\n" for i in range(8000)) + "[Notes]\r\nLines=9999\r\n")
put("notes", "[Notes]\r\nLines=4000\r\n" + "".join(f"Text{i}=line {i} \xe9\r\n" for i in range(4000)))
put("empty", "\n" * 60000 + "[Title]\nName=x\n")
put("long", "[Title]\r\nName=" + "n" * 70000 + "\r\n[Spec]\r\nMixQty=" + "1." * 3000 + "\r\n")
PY

for target in fuzz_recipe fuzz_numbers fuzz_share; do
  corpus="fuzz/corpus/${target#fuzz_}"
  mkdir -p "$corpus" "$work/$target"
  cp "$corpus"/* "$work/$target/" 2>/dev/null || true
  seeds=()
  [ "$target" = fuzz_recipe ] && seeds=("$work/seeds")
  "$build/fuzz/$target" -max_total_time="$seconds" -max_len=131072 -print_final_stats=1 \
    -artifact_prefix="$work/" "$work/$target" "${seeds[@]}" >"$work/$target.log" 2>&1 &
done
status=0
wait || status=$?
for target in fuzz_recipe fuzz_numbers fuzz_share; do
  echo "== $target"
  grep -E "DONE|stat::number_of_executed_units|stat::peak_rss|ERROR|SUMMARY" \
    "$work/$target.log" || true
  # The corpus kept in the repository stays small: inputs up to 4 KB, minimised.
  corpus="fuzz/corpus/${target#fuzz_}"
  # The committed corpus is replaced only by a merge that worked and kept something.
  mkdir -p "$work/$target.min"
  if "$build/fuzz/$target" -merge=1 -max_len=4096 "$work/$target.min" "$corpus" "$work/$target" \
       >"$work/$target.merge.log" 2>&1 && [ -n "$(ls -A "$work/$target.min")" ]; then
    rm -rf "$corpus" && mv "$work/$target.min" "$corpus"
  else
    echo "  the merge failed: $corpus is kept as it was"
    tail -n 3 "$work/$target.merge.log"
    status=1
  fi
done
ls "$work"/crash-* "$work"/leak-* "$work"/timeout-* 2>/dev/null && exit 1
exit $status
