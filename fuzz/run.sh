#!/bin/sh
# Builds the command-file parser fuzz target with clang/libFuzzer (package
# libclang-rt-14-dev) into build-fuzz/ and runs it for N seconds (default 180).
#   fuzz/run.sh [seconds]
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
SECONDS_TO_RUN=${1:-180}
OUT="$ROOT/build-fuzz"
CXX=${CXX_FUZZ:-clang++-14}
mkdir -p "$OUT/corpus" "$OUT/obj"

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
for src in $(find "$ROOT/src/core" "$ROOT/src/input" -name '*.cpp' | sort); do
    obj="$OUT/obj/$(echo "${src#$ROOT/}" | tr '/' '_' | sed 's/\.cpp$/.o/')"
    if stale "$obj"; then
        echo "compiling ${src#$ROOT/}"
        $CXX $FLAGS -MMD -MF "$obj.d" -c "$src" -o "$obj"
    fi
    objs="$objs $obj"
done
$CXX $FLAGS -fsanitize=fuzzer "$ROOT/fuzz/parser_fuzz.cpp" $objs -lfmt -o "$OUT/parser_fuzz"

# Seed corpus: the test inputs, each behind the byte that selects its schema.
for f in "$ROOT"/tests/data/input/*.fmc; do printf '\000' | cat - "$f" > "$OUT/corpus/seed_$(basename "$f")"; done
for f in "$ROOT"/tests/data/input/*.fmg; do printf '\001' | cat - "$f" > "$OUT/corpus/seed_$(basename "$f")"; done

cd "$OUT"
exec ./parser_fuzz -max_total_time="$SECONDS_TO_RUN" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
    -dict="$ROOT/fuzz/fmc.dict" corpus
