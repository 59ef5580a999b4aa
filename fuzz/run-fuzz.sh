#!/bin/sh
# Builds the EXIF reader's fuzzer with clang in its own build folder and runs it in one job,
# seeded with the files of the EXIF and media corpora beside the clone (copied to a temporary folder, so
# that the inputs libFuzzer adds never land in the corpus).
#
#   fuzz/run-fuzz.sh [seconds]        default 600
#
# Crashes, leaks and timeouts are written to the run's artifacts folder, printed at the end.
set -eu
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${MIRELTO_FUZZ_BUILD_DIR:-$source_dir/build-fuzz}
seconds=${1:-600}
corpora="$source_dir/../shared/exif-corpus/files $source_dir/../shared/media-corpus/files"

cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMIRELTO_BUILD_FUZZ=ON -DMIRELTO_BUILD_TESTS=OFF >/dev/null
ninja -C "$build_dir" -j2 metadata_fuzzer

work=$(mktemp -d /tmp/mirelto-fuzz.XXXXXX)
mkdir "$work/inputs" "$work/artifacts"
for corpus in $corpora; do
    if [ -d "$corpus" ]; then
        cp "$corpus"/* "$work/inputs/"
    else
        echo "No corpus at $corpus: starting without it" >&2
    fi
done
echo "Run folder: $work"

# max_len: EXIF lies in the first segments and boxes (the largest seed is 62 KB);
# malloc_limit_mb: no input may make the reader allocate by a size it read; timeout: a hang
# counts as a finding.
"$build_dir/fuzz/metadata_fuzzer" "$work/inputs" -max_total_time="$seconds" -max_len=131072 \
    -timeout=10 -malloc_limit_mb=256 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$work/artifacts/" 2>&1 | tee "$work/fuzz.log"
echo "Artifacts:"
ls -l "$work/artifacts"
