#!/usr/bin/env bash
# quillot-image against copying the same files: a tree of about 1 GB (large files and many
# small ones) is copied with cp and written as an image, each flushed to the disk, three times
# in turns; prints the medians and their ratio (the goal is at most 1.25).
#
#   bench/image_vs_copy.sh [QUILLOT_IMAGE] [WORK_DIR]
set -euo pipefail

image=${1:-build/bench/image/quillot-image}
work=$(mktemp -d "${2:-${TMPDIR:-/tmp}}/image-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

src="$work/cd"
mkdir -p "$src/Daten" "$src/Kleinkram"
for n in 1 2 3 4 5 6 7 8; do
  head -c $((120 * 1024 * 1024)) /dev/urandom >"$src/Daten/teil $n.bin"
done
for n in $(seq 1 2000); do
  head -c $((n * 17 % 40000 + 1)) /dev/urandom >"$src/Kleinkram/Datei $n.txt"
done
total=$(du -sb "$src" | cut -f1)

seconds() { date +%s.%N; }
copy_once() {
  rm -rf "$work/copy"
  local start; start=$(seconds)
  cp -r "$src" "$work/copy"
  # One flush of the file system, as the image gets one flush of its file.
  sync -f "$work/copy"
  echo "$(seconds) - $start" | bc
}
image_once() {
  rm -f "$work/cd.iso"
  local start; start=$(seconds)
  "$image" "$src" "$work/cd.iso" >/dev/null
  echo "$(seconds) - $start" | bc
}
median() { printf '%s\n' "$@" | sort -n | sed -n 2p; }

copies=(); images=()
for _ in 1 2 3; do
  copies+=("$(copy_once)")
  images+=("$(image_once)")
done
copy=$(median "${copies[@]}")
written=$(median "${images[@]}")
printf 'tree: %d bytes in %d files\n' "$total" "$(find "$src" -type f | wc -l)"
printf 'cp -r + sync:  %s s  (%s)\n' "$copy" "${copies[*]}"
printf 'quillot-image: %s s  (%s)\n' "$written" "${images[*]}"
printf 'ratio image/copy: %.2f\n' "$(echo "$written / $copy" | bc -l)"
