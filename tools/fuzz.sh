#!/usr/bin/env bash
# Builds the core's and the answer key's libFuzzer targets (tests/fuzz) with clang into build/fuzz
# and runs each for the given number of seconds (default 20) on a fresh copy
# of its seed corpus, two at a time. Prints each target's executions and
# coverage; exits non-zero when any target finds an input that breaks one of
# its properties (the input is saved as build/fuzz/artifacts/<target>-crash-*).
#   tools/fuzz.sh          # quick run, as the checks do
#   tools/fuzz.sh 600      # the soak
# Installs nothing: tools/setup.sh brings clang and the fuzzer runtime.
set -euo pipefail

seconds=${1:-20}
if ! [[ $seconds =~ ^[0-9]+$ ]] || ((seconds < 1)); then
    echo "usage: $0 [seconds per target]" >&2
    exit 2
fi

cd "$(dirname "$0")/.."
root=$PWD
build=$root/build/fuzz
targets=(fuzz_val fuzz_text_to_number fuzz_number_to_text fuzz_line_texts fuzz_exact fuzz_sheet_cells
    fuzz_equation fuzz_practice)

if [[ ! -f $build/build.ninja ]]; then
    CC=clang CXX=clang++ cmake -S tests/fuzz -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target "${targets[@]}"

work=$build/corpus-work
artifacts=$build/artifacts
mkdir -p "$artifacts"

run() {
    local target=$1 options=()
    if [[ $target == fuzz_number_to_text ]]; then
        options=(-max_len=14) # a double, a single and a 16-bit integer
    elif [[ $target == fuzz_equation ]]; then
        options=(-dict="$root/tests/fuzz/equation.dict")
    elif [[ $target == fuzz_practice ]]; then
        options=(-dict="$root/tests/fuzz/practice.dict")
    else
        options=(-dict="$root/tests/fuzz/numbers.dict")
    fi
    rm -rf "${work:?}/$target"
    mkdir -p "$work/$target"
    cp -R "$root/tests/fuzz/corpus/$target/." "$work/$target/"
    "$build/$target" "$work/$target" "${options[@]}" \
        -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$artifacts/$target-" >"$build/$target.log" 2>&1
}

# Two at a time: the machine has two cores.
declare -A status
for ((k = 0; k < ${#targets[@]}; k += 2)); do
    pids=()
    for target in "${targets[@]:k:2}"; do
        run "$target" &
        pids+=("$!:$target")
    done
    for entry in "${pids[@]}"; do
        if wait "${entry%%:*}"; then status[${entry#*:}]=0; else status[${entry#*:}]=$?; fi
    done
done

failed=0
for target in "${targets[@]}"; do
    log=$build/$target.log
    echo "== $target (${seconds} s)"
    grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | sed 's/^/   /' || true
    grep -E '^stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb)' "$log" |
        sed 's/^/   /' || true
    if ((status[$target] != 0)); then
        failed=1
        echo "   FAILED (exit ${status[$target]}); log: $log"
        echo "   replay a saved input with: $build/$target <input file>"
        grep -E 'property broken|^/.*:[0-9]+: |runtime error|ERROR: (Address|Leak)Sanitizer|terminate called|what\(\)|Test unit written|^Base64' \
            "$log" | sed 's/^/   /' | head -20 || true
    fi
done

if ((failed)); then
    echo "fuzz: a target found an input that breaks a property" >&2
    exit 1
fi
echo "fuzz: ${#targets[@]} targets ran ${seconds} s each without a failure"
