#!/usr/bin/env bash
# Records, or checks against a record, what the program makes of its games: the deal tool's
# piles for every game and 20 game numbers, the table picture of every game in the three card
# sizes, and a random play of every game. A change that should alter none of them (a faster
# deal, pile store or drawing) is checked by recording before it and checking after it.
#
#   tools/compare_outputs.sh record DIR [BUILD]   writes the outputs of BUILD (default build) to DIR
#   tools/compare_outputs.sh check DIR [BUILD]    makes them again and compares them byte by byte
set -euo pipefail

usage() {
  echo "usage: $0 record|check DIR [BUILD]" >&2
  exit 1
}

[ $# -ge 2 ] || usage
mode=$1
dir=$2
root=$(cd "$(dirname "$0")/.." && pwd)
build=${3:-$root/build}
case $mode in record | check) ;; *) usage ;; esac

bin=$build/bin
for tool in corvanet-deal corvanet-table-png corvanet-random-play; do
  [ -x "$bin/$tool" ] || { echo "$0: $bin/$tool is not built" >&2; exit 1; }
done

# A program folder of its own, so no preference file of a player changes the pictures.
folder=$(mktemp -d /tmp/compare-outputs.XXXXXX)
out=$(mktemp -d /tmp/compare-outputs-new.XXXXXX)
trap 'rm -rf "$folder" "$out"' EXIT
cp "$build/program/GAMES.DAT" "$build/program/QND.RGF" "$folder/"

ids=$(sed -n 's/^game = \([0-9]*\).*/\1/p' "$root"/data/games/*.game | sort -n)
numbers="1 7 42 1000 31417 99999 123456 7654321 10000000 55555555 123456789 987654321 1000000000
2718281828 31415926535 100000000000 1234567890123 9876543210987 5000000000000 9999999999999"
declare -A sizes=([B]=1280x1024 [M]=1024x768 [L]=800x600)

for id in $ids; do
  for number in $numbers; do
    "$bin/corvanet-deal" "$folder" "$id" "$number" >>"$out/deal-$id.txt"
  done
  for size in B M L; do
    QT_QPA_PLATFORM=offscreen "$bin/corvanet-table-png" "$folder" "$id" 31417 "$size" "${sizes[$size]}" \
      "$out/table-$id-$size.png"
  done
done
# The last line ends with the seconds the play took; only the counts must agree.
"$bin/corvanet-random-play" "$folder" 20 200 7 | sed 's/, in [0-9]* s$//' >"$out/random-play.txt"

if [ "$mode" = record ]; then
  mkdir -p "$dir"
  cp "$out"/* "$dir/"
  echo "recorded $(ls "$out" | wc -l) outputs in $dir"
  exit 0
fi

failed=0
for file in "$out"/*; do
  name=$(basename "$file")
  if ! cmp -s "$file" "$dir/$name"; then
    echo "differs: $name"
    failed=1
  fi
done
for file in "$dir"/*; do
  [ -e "$out/$(basename "$file")" ] || { echo "missing: $(basename "$file")"; failed=1; }
done
[ $failed = 0 ] && echo "all $(ls "$out" | wc -l) outputs are the same as in $dir"
exit $failed
