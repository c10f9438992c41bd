#!/bin/sh
# Builds the fuzz targets with clang/libFuzzer (package libclang-rt-14-dev) into
# build-fuzz/ and runs each for N seconds (default 180):
#   parser_fuzz  the command-file parser
#   mesh_fuzz    the 2dm mesh reader and the grid built from it
#   series_fuzz  the series-file reader and the boundary series
#   fuzz/run.sh [seconds] [target ...]
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
SECONDS_TO_RUN=${1:-180}
[ $# -gt 0 ] && shift
TARGETS=${*:-parser_fuzz mesh_fuzz series_fuzz}
OUT="$ROOT/build-fuzz"
CXX=${CXX_FUZZ:-clang++-14}
mkdir -p "$OUT/obj"

FLAGS="-std=c++20 -g -O1 -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fopenmp -I$ROOT/src"
# Rebuilds an object when its source or any header it includes is newer (clang -MMD lists them).
stale() {
    [ -f "$1" ] && [ -f "$1.d" ] || return 0
    for dep in $(sed -e 's/^[^:]*://' -e 's/\\$//' "$1.d"); do
        [ "$dep" -nt "$1" ] && return 0
    done
    return 1
}
objs=""
for src in $(find "$ROOT/src/core" "$ROOT/src/input" "$ROOT/src/physics/series" "$ROOT/src/plane/mesh" \
             -name '*.cpp' | sort); do
    obj="$OUT/obj/$(echo "${src#$ROOT/}" | tr '/' '_' | sed 's/\.cpp$/.o/')"
    if stale "$obj"; then
        echo "compiling ${src#$ROOT/}"
        $CXX $FLAGS -MMD -MF "$obj.d" -c "$src" -o "$obj"
    fi
    objs="$objs $obj"
done

# Seed corpora: the test inputs. The parser's first byte selects its schema.
seed() {
    mkdir -p "$OUT/corpus_$1"
}
seed parser_fuzz
for f in "$ROOT"/tests/data/input/*.fmc; do printf '\000' | cat - "$f" > "$OUT/corpus_parser_fuzz/seed_$(basename "$f")"; done
for f in "$ROOT"/tests/data/input/*.fmg; do printf '\001' | cat - "$f" > "$OUT/corpus_parser_fuzz/seed_$(basename "$f")"; done
seed mesh_fuzz
cp "$ROOT"/tests/data/plane/*.2dm "$OUT/corpus_mesh_fuzz/"
seed series_fuzz
cp "$ROOT"/tests/data/physics/series/*.txt "$ROOT"/examples/river-reach/flood.txt "$OUT/corpus_series_fuzz/"

for t in $TARGETS; do
    $CXX $FLAGS -fsanitize=fuzzer "$ROOT/fuzz/$t.cpp" $objs -lfmt -o "$OUT/$t"
done
cd "$OUT"
for t in $TARGETS; do
    dict=$(echo "$t" | sed -e 's/parser_fuzz/fmc/' -e 's/_fuzz$//')
    echo "== $t for $SECONDS_TO_RUN s"
    ./"$t" -max_total_time="$SECONDS_TO_RUN" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
        -dict="$ROOT/fuzz/$dict.dict" "corpus_$t"
done
