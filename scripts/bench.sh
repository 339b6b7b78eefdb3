#!/usr/bin/env bash
# The benchmark command: builds what the benchmarks need (presets bench, win32 and win64),
# starts a Wine session of its own (Xvfb, the win64 build's prefix, drive O: mapped as a CD),
# runs every benchmark and writes their figures into docs/benchmarks.md.
#
# The figures are ratios against baselines run alternately in the same process or session,
# with medians and their spread; absolute times depend on the machine and on its other load.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

scripts/install-deps.sh
# shellcheck source=wine-session.sh
source scripts/wine-session.sh
trap wine_session_stop EXIT

jobs=$(nproc 2>/dev/null || echo 2)
mkdir -p build
for preset in bench win32 win64; do
  echo "== Building $preset"
  cmake --preset "$preset" >"build/configure-$preset.log" 2>&1 ||
    { cat "build/configure-$preset.log"; exit 1; }
  cmake --build --preset "$preset" -j "$jobs" >"build/build-$preset.log" 2>&1 ||
    { tail -n 60 "build/build-$preset.log"; exit 1; }
done

figures=$(mktemp -d)
trap 'wine_session_stop; rm -rf "$figures"' EXIT

# Runs a Windows benchmark of the win64 build; its output without carriage returns.
run_windows() {
  timeout 1200 "$WINE64" "$@" | tr -d '\r'
}

windows_path() {
  echo "Z:$1" | tr '/' '\\'
}

echo "== Sizes and imports"
{
  for build in win32 win64; do
    build/bench/bench/starter_figures "build/$build/starter/orbilan.exe"
    echo
  done
  for build in win32 win64; do
    printf '%s  %s bytes\n' "build/$build/editor/quillot.exe" \
      "$(stat -c %s "build/$build/editor/quillot.exe")"
  done
} | sed "s|$root/||" >"$figures/sizes"
cat "$figures/sizes"

echo "== INI document against libinih (native, preset bench)"
ini_work=$(mktemp -d)
build/bench/bench/ini_bench "$ini_work" | tee "$figures/ini"
rm -rf "$ini_work"

echo "== quillot-check's rules (native, preset bench)"
check_work=$(mktemp -d)
build/bench/bench/check_bench "$check_work/cd" | tee "$figures/check_native"
# The CDs on which the Windows program is timed as a whole.
build/bench/bench/check_bench --write "$check_work/keys" 20000
build/bench/bench/check_bench --write "$check_work/verbs" 6000 verbs
build/bench/bench/check_bench --write "$check_work/small" 10 verbs

echo "== An image against a copy of the same files (native, preset bench)"
bench/image_vs_copy.sh build/bench/image/quillot-image | tee "$figures/image"

echo "== Numbering clashing 8.3 names (native, preset bench)"
names_work=$(mktemp -d)
build/bench/bench/image_names_bench "$names_work" | tee "$figures/image_names"
rm -rf "$names_work"

echo "== Wine session"
wine_session_start build/win64
rm -rf build/win64/bench-cd
wine_map_drive o build/win64/bench-cd
wine_version=$("$WINE64" --version)

echo "== Starter start-up"
run_windows build/win64/bench/starter_startup_bench.exe | tee "$figures/starter"
echo "== Editor start-up"
run_windows build/win64/bench/editor_startup_bench.exe | tee "$figures/editor"
echo "== Copy into the CD root"
mkdir -p build/win64/bench-data
run_windows build/win64/bench/copy_bench.exe "$(windows_path "$root/build/win64/bench-data")" \
  'O:\' | tee "$figures/copy"
echo "== quillot-check under Wine"
run_windows build/win64/bench/check_bench.exe "$(windows_path "$check_work/cd-wine")" |
  tee "$figures/check_wine"
# Wall time of whole runs of the console program, Wine's start included: the small CD (10
# keys) is the baseline, which is mostly that start. Medians of 9 runs after one warm-up.
# Only the x86_64 build: these machines run no 32-bit Linux programs, so no 32-bit Wine.
time_check() {
  local exe=$1 name=$2 samples=() start end
  for run in $(seq 0 9); do
    start=$(date +%s%N)
    timeout 120 "$WINE64" "$exe" "$(windows_path "$check_work/$name")" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    [ "$run" -gt 0 ] && samples+=($(((end - start) / 1000000)))
  done
  printf '%s\n' "${samples[@]}" | sort -n | sed -n 5p
}
{
  exe=build/win64/check/quillot-check.exe
  echo "$exe, median wall time of 9 runs, Wine's start included"
  echo "  10 keys (baseline)                    $(time_check "$exe" small) ms"
  echo "  20000 keys                            $(time_check "$exe" keys) ms"
  echo "  3000 context-menu entries (6000 keys) $(time_check "$exe" verbs) ms"
} | tee "$figures/check_program"
wine_session_stop
rm -rf build/win64/bench-cd "$check_work"

block() {
  echo '```'
  cat "$1"
  echo '```'
}

{
  cat <<HEADER
# Benchmarks

Written by \`scripts/bench.sh\` on $(date -u '+%Y-%m-%d %H:%M UTC'), on a machine with
$(nproc) processors ($(grep -m1 'model name' /proc/cpuinfo | sed 's/.*: //')), load average
$(cut -d' ' -f1-3 /proc/loadavg) when the figures were written, under ${wine_version}.
Every comparison runs the subject and its baseline alternately (the order flips from one
pair to the next), discards warm-up runs and reports medians with the interquartile range
(IQR), the extremes, the ratio of the medians and, for the programs under Wine, the median
of the ratios within each pair (the two runs of a pair are neighbours in time, so a slow
spell of the machine touches both). The machine was shared with other work, which widens
the spread of wall times; the ratios are the figures to read, and a second run of the
script can move them by a few tenths.

## Sizes and imports

The shipped starter (i686) and the one the tests run (x86_64), read by
\`bench/starter_figures\`; the editor's size on disk (it carries the starter of its build).

HEADER
  block "$figures/sizes"
  cat <<'TEXT'

## Starter: start to question box

`bench/starter_startup_bench` (x86_64, under Wine) starts `O:\Orbilan.EXE` from the CD
drive, with an AutoRun.INF whose [Orbilan] section asks the question, and alternately
`bench/bare_question` (a plain program whose only work is the same MessageBoxA, placed on
the same drive). The clock is QueryPerformanceCounter in the driver (wall time): from just
before CreateProcess until the box is visible and neither it nor any of its controls has an
update region left (polled every millisecond). The box's caption and text are checked, then
it is answered with No and the process's end is awaited. Under Wine most of either time is
the creation of a Wine process.

TEXT
  block "$figures/starter"
  cat <<'TEXT'

## Editor: start to file dialog, file to main window

`bench/editor_startup_bench` (x86_64, under Wine) starts `quillot.exe` and alternately
`bench/bare_editor` (the same GetOpenFileNameA call; after the choice the editor's dialog
layout, template 3, as a plain dialog captioned "Marlisk V1.0", with nothing read or
filled), both from the same folder outside the CD. First phase: from just before
CreateProcess until the open-file dialog is visible and painted. Second phase: from typing
`O:\AutoRun.INF` into it and confirming until the window "Marlisk V1.0" is visible and
painted (itself and every visible control in it). The INF uses the starter, an icon and two
context-menu entries. Each run is then ended by force. Clock as above.

TEXT
  block "$figures/editor"
  cat <<'TEXT'

## INI document: load and save

`bench/ini_bench` (native, preset `bench`: Release, -O3, no sanitizers) on deterministic files
of 1,000, 10,000 and 100,000 lines: first in sections of 40 lines (realistic keys and values,
comment lines, trailing comments, blank lines; sections in scattered order), then the same
kind of lines with all keys in one section, in scattered order. Load: INIFile constructed and
destroyed, against libinih's ini_parse with a counting handler and its INIReader, which
stores the values. Save: one value changed and INIFile::Save, against writing the same bytes,
flushing them to the disk and renaming, as the document's writer does. Each sample handles
100,000 lines (the smaller files repeated), 3 warm-up and 15 counted samples. Two clocks: the
thread's CPU time (hardly disturbed by other work on the machine) and wall time (includes
waiting for the disk and for a processor). Only a save waits for the disk: the new file must
be stored before it replaces the old one. The program tells glibc to keep freed memory
(`mallopt`): otherwise each repetition may hand a large document's memory back to the system
and fault it in again, depending on the order of the frees, and a page fault costs about
15 us on the virtual machines these figures come from, more than reading a hundred lines.

The document reads the file in blocks of 64 KB and keeps the lines as read in blocks of its
own; a section's key lines are collected, sorted once by the first 16 bytes of their keys
(the keys themselves only where those are alike) and made into entries in that order, so
that the later passes over them, saving and freeing, go through memory in order. Where the
names of the sections, or the keys of a section, sort the same way without letter case (the
document notes it as they come in), no two of them are one name: a name is then found by
halving, and the writer does not look for names of one spelling to keep together.

TEXT
  block "$figures/ini"
  cat <<'TEXT'

## Copy into the CD root

`bench/copy_bench` (x86_64, under Wine) copies two files from the build folder into `O:\`
with FileHelp::CopyFileTo and with CopyFileA, alternately: 100 MB of data, and 1 GB that is
one hole (a sparse file: reading it costs next to nothing, the copy writes every byte). The
target is deleted before and after every copy and checked for its size. One warm-up pair,
then 15 counted pairs for 100 MB (a copy of a tenth of a second, whose time a busy machine
spreads widely) and 7 for 1 GB; clock QueryPerformanceCounter around the call.

CopyFileTo expands a source in the compress tool's SZDD format through the LZ expansion
library and copies every other file in pieces of 64 KB with ReadFile and WriteFile, on a
thread of its own in the editor, so that it can show its progress and be cancelled. Under
Wine, CopyFileExA never calls its progress routine (measured with Wine 8.0: no call for a
100 MB copy), so it can neither show progress nor be cancelled; Wine's CopyFileA is the same
loop in pieces of 64 KB. Pieces of 512 KB and 1 MB made the 1 GB copy up to 1.8 times as slow
as CopyFileA on this machine; 64 KB to 256 KB kept pace. The LZ library's LZCopy, which
copied every file before, took 6 times as long as CopyFileA for the 100 MB (0.265 s against
0.044 s, the run of this script before the change).

TEXT
  block "$figures/copy"
  cat <<'TEXT'

## quillot-check: time per key

`bench/check_bench` runs quillot-check's rules in-process on generated CDs: an AutoRun.INF
whose [AutoRun] holds Open, Icon, Label and context-menu entries (a text key and a command
key each; the commands name 16 programs that lie on the CD in turn, every eighth one a
program that is missing), [AutoRun.Amd64] repeating a tenth of the entries; the 20,000-key
CD spreads most of its keys over 90 more sections of 200 keys. Baseline: reading the same
INF into the INI document alone, which the check does first. "check - read" is what the
checks add, pair by pair: level from 1,000 to 100,000 keys when they take linear time. 7
counted samples after one warm-up, alternating, wall time. Natively (preset `bench`):

TEXT
  block "$figures/check_native"
  cat <<'TEXT'

The same program built for Windows (x86_64), under Wine:

TEXT
  block "$figures/check_wine"
  cat <<'TEXT'

The console program as a whole (start, check, report written to a file) under Wine, on the
20,000-key and the 3,000-entry CD:

TEXT
  block "$figures/check_program"
  cat <<'TEXT'

## An image against a copy of the same files

`bench/image_vs_copy.sh` (Linux, the `bench` preset's optimised `quillot-image`) makes a tree
of about 1 GB: eight files of 120 MB of random data and 2,000 small files of up to 40 KB. It
copies the tree with `cp -r` and writes it as an image with `quillot-image`, three times in
turns; each is flushed to the disk (`sync -f` on the copy's file system, the writer's own
`fsync` of the image before its rename). It prints the medians and their ratio; the goal is at
most 1.25.

The writer reads each file straight into a buffer of 4 MB and writes the buffer whole: no call
per sector, the directories and path tables are built in memory before the first byte.

TEXT
  block "$figures/image"
  cat <<'TEXT'

The image is faster than the copy: one file to create and flush, where the copy creates 2,008
files and their directories. The first turn of each is slower (the page cache fills). A copy
flushed with `find -exec sync` (an `fsync` per copied file) took 7.8 s when this was written:
that measures the disk's flushes, not the copy.

## Numbering clashing 8.3 names

`bench/image_names_bench` (native, preset `bench`) writes with `quillot-image` one folder of
empty files named like a camera's photos (`photo_2023_000001.jpg`: every name cuts to the
same 8.3 name and is numbered), 10,000 and 20,000 of them, and alternately a folder of 10,000
names that are 8.3 already (the baseline). Medians of 5 runs after one warm-up. The numbering
remembers for each stem the numbers already found taken: twice the names take about twice
the time.

TEXT
  block "$figures/image_names"
} >docs/benchmarks.md
echo "== Written docs/benchmarks.md"
