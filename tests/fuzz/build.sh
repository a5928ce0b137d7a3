#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer
# into build/fuzz, and runs each for the given number of seconds when a duration is given:
#   tests/fuzz/build.sh 120
# Each run starts from the seeds kept in tests/fuzz/seeds and grows a corpus in build/fuzz; a crash
# leaves its input in build/fuzz and fails the script. The mutations follow a fixed random seed, so
# that a run of the tests fails only where the code changed; RAVIX_FUZZ_SEED=0 makes them random,
# for longer runs that look for new inputs.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$root/build/fuzz
mkdir -p "$out/obj"
flags=(-std=c++20 -O1 -g -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
       -I"$root/src" -I"$root/tests/fuzz" -isystem /usr/include/stb)
compiler=(${CMAKE_CXX_COMPILER_LAUNCHER:-} clang++)
targets=(encode_library_fuzz:EncodeLibraryFuzz ini_document_fuzz:IniDocumentFuzz
         profile_file_fuzz:ProfileFileFuzz report_descriptor_fuzz:ReportDescriptorFuzz
         colour_select_skin_fuzz:ColourSelectSkinFuzz png_picture_fuzz:PngPictureFuzz)

# The core is compiled once, two files at a time; then each target is one link.
objects=()
for source in "$root"/src/core/*/*.cpp "$root"/src/linux/device/ReportDescriptor.cpp; do
    object="$out/obj/$(basename "$(dirname "$source")")-$(basename "$source" .cpp).o"
    objects+=("$object")
    while [ "$(jobs -rp | wc -l)" -ge 2 ]; do wait -n; done
    "${compiler[@]}" "${flags[@]}" -c "$source" -o "$object" &
done
while [ "$(jobs -rp | wc -l)" -gt 0 ]; do wait -n; done
for target in "${targets[@]}"; do
    clang++ "${flags[@]}" -fsanitize=fuzzer "$root/tests/fuzz/${target#*:}.cpp" "${objects[@]}" \
        -o "$out/${target%%:*}"
done

if [ $# -gt 0 ]; then
    for target in "${targets[@]}"; do
        name=${target%%:*}
        mkdir -p "$out/corpus-$name"
        if ! (cd "$out" && "./$name" -max_total_time="$1" -max_len=65536 -timeout=10 -seed="${RAVIX_FUZZ_SEED:-1}" \
                  "corpus-$name" "$root/tests/fuzz/seeds" >"$name.log" 2>&1); then
            tail -n 40 "$out/$name.log"
            exit 1
        fi
        echo "$name: $(grep -E '^Done' "$out/$name.log")"
    done
fi
