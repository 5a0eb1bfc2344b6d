#!/usr/bin/env bash
# Builds the libFuzzer targets of the engine's file formats with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs each for a bounded time on a copy of its corpus.
#   tests/fuzz/run.sh [seconds per target, default 25]
# Environment: FUZZ_BUILD_DIR (default build-fuzz in the repository), CXX (default clang++).
# Exits non-zero when a target does not build or finds a crash, a leak or undefined behaviour;
# the failing input is kept in the build folder and printed.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-25}
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
cxx=${CXX:-clang++}
if ! command -v "$cxx" >/dev/null; then
  echo "run.sh: $cxx not found (Debian: clang libclang-rt-14-dev)" >&2
  exit 1
fi
targets=(fuzz_cipher_reader fuzz_qz_file fuzz_shared_data fuzz_item_bag fuzz_save_slot
         fuzz_image fuzz_wave fuzz_midi fuzz_recipe_lines fuzz_settings)

# Only the file formats (the settings file among them) and what they stand on: no SDL, fonts or
# sound.
sources=(
  "$root"/engine/data/*.cpp
  "$root"/engine/common/game_path.cpp
  "$root"/engine/common/sjis.cpp
  "$root"/platform/common/files_posix.cpp
  "$root"/platform/common/ini_settings.cpp
  "$root"/platform/common/services.cpp
)
# A save slot's load also needs the game's records, rules and item table. Clang has no CP932
# execution character set, so their texts stay UTF-8 here: the names in the fuzz target are
# UTF-8 as well, and the parsers treat text as bytes either way.
game_sources=(
  "$root"/game/saves/*.cpp
  "$root"/game/food/*.cpp
  "$root"/game/rules/*.cpp
  "$root"/game/economy/item_table.cpp
  "$root"/game/economy/owned_items.cpp
  "$root"/engine/common/system.cpp
)
# The readers of the files a player may drop into the game folder: pictures (with the system's
# libjpeg and libpng, which are not instrumented), sounds and the recipe and bonus lines.
image_sources=("$root"/engine/graphics/image_{bmp,bmp_rle,codec,dds,jpeg,png,tga}.cpp)
sound_sources=("$root"/engine/sound/{wave_data,wave_format,wave_samples,midi_song}.cpp)
recipe_sources=(
  "$root"/game/data/{record_line,data_line_reader,recipe_records,recipe_keywords}.cpp
  "$root"/game/food/*.cpp
)
flags=(-std=c++20 -g -O1 -I"$root" -fno-omit-frame-pointer
       -fsanitize=address,undefined -fno-sanitize-recover=undefined)

mkdir -p "$build/obj"
# Compiles the given sources (when changed, four at a time, which keeps CI's fuzz step short)
# and prints their objects. A source that fails leaves no object, so its target fails to link.
compile() {
  for src in "$@"; do
    obj="$build/obj/$(echo "${src#$root/}" | tr '/' '_').o"
    if [[ ! -f $obj || $src -nt $obj || $0 -nt $obj ]]; then
      while (($(jobs -rp | wc -l) >= 4)); do wait -n || true; done
      rm -f "$obj"
      "$cxx" "${flags[@]}" -fsanitize=fuzzer-no-link -c "$src" -o "$obj" >&2 &
    fi
    echo "$obj"
  done
  wait
}
mapfile -t objects < <(compile "${sources[@]}")
mapfile -t game_objects < <(compile "${game_sources[@]}")
mapfile -t image_objects < <(compile "${image_sources[@]}")
mapfile -t sound_objects < <(compile "${sound_sources[@]}")
mapfile -t recipe_objects < <(compile "${recipe_sources[@]}")

status=0
for target in "${targets[@]}"; do
  extra=()
  [[ $target == fuzz_save_slot ]] && extra=("${game_objects[@]}")
  case $target in
    fuzz_image) extra=("${image_objects[@]}" -ljpeg -lpng) ;;
    fuzz_wave | fuzz_midi) extra=("${sound_objects[@]}") ;;
    fuzz_recipe_lines) extra=("${recipe_objects[@]}") ;;
  esac
  "$cxx" "${flags[@]}" -fsanitize=fuzzer "$root/tests/fuzz/$target.cpp" "${objects[@]}" "${extra[@]}" \
    -o "$build/$target"
  corpus="$build/corpus/$target"
  mkdir -p "$corpus" "$build/artifacts"
  if [[ -d $root/tests/fuzz/corpus/$target ]]; then
    cp -n "$root/tests/fuzz/corpus/$target"/* "$corpus"/ 2>/dev/null || true
  fi
  echo "== $target: ${seconds}s"
  # The targets' files live in memory where it can be had: every save flushes to the disk,
  # which on a real disk would slow the runs tenfold.
  files_base=$build/files
  [[ -w /dev/shm ]] && files_base=/dev/shm/vemu-fuzz-$$
  files="$files_base/$target"
  rm -rf "$files"
  if ! VEMU_FUZZ_DIR="$files" ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
      "$build/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
      -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" "$corpus" \
      >"$build/$target.log" 2>&1; then
    echo "$target FAILED; log: $build/$target.log"
    tail -n 40 "$build/$target.log"
    status=1
  else
    grep -E "stat::number_of_executed_units|Done" "$build/$target.log" | tail -n 2
  fi
  rm -rf "$files"
  rmdir "$files_base" 2>/dev/null || true
done
exit $status
