#!/usr/bin/env bash
# Builds everything and runs every test: the program under Xvfb in isolated
# namespaces and the tests that time the window in the normal build, the unit
# tests under AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzz
# targets over a fixed number of runs. Exits non-zero when anything fails, and
# says how long each build and each test run took.
#
# The tests mostly wait on the switches' and the cloud's time-outs, so the
# sanitizer and fuzz builds compile meanwhile, at the lowest priority: the
# tests keep the processor whenever they need it.
set -uo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh || exit 1

jobs=$(nproc)
mkdir -p build
started=$SECONDS

# Prints "<seconds>s <what>" once the command has run; returns its status.
timed() { # what, command...
    local what=$1 from=$SECONDS status
    shift
    "$@"
    status=$?
    echo "--- $((SECONDS - from))s $what"
    return $status
}

configure() { # folder, cmake options...
    local dir=$1
    shift
    cmake -S . -B "build/$dir" "$@" >"build/$dir.configure.log" 2>&1 || { cat "build/$dir.configure.log"; return 1; }
}

build() { # folder, target
    cmake --build "build/$1" -j"$jobs" --target "$2" >"build/$1.build.log" 2>&1 || { cat "build/$1.build.log"; return 1; }
}

run() { # folder, ctest options...
    local dir=$1
    shift
    (cd "build/$dir" && ctest -j"$jobs" --output-on-failure --no-tests=error "$@")
}

# The builds behind the release tests, in the background and niced; their
# outcome is written to build/<folder>.ok.
background_builds() {
    { timed "sanitizer build" build sanitize unit_tests && touch build/sanitize.ok; } >build/sanitize.stage.log 2>&1
    { timed "fuzz build" build fuzz all && touch build/fuzz.ok; } >build/fuzz.stage.log 2>&1
}

failed=()
rm -f build/sanitize.ok build/fuzz.ok
configure sanitize -DCMAKE_BUILD_TYPE=Debug -DORB_SANITIZE=ON || failed+=("sanitizer configure")
configure fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DORB_FUZZ=ON || failed+=("fuzz configure")
if configure release -DCMAKE_BUILD_TYPE=RelWithDebInfo && timed "release build" build release all; then
    nice -n 19 bash -c "$(declare -f timed build background_builds); jobs=$jobs; background_builds" &
    background=$!
    echo "=== tests"
    timed "tests" run release -L 'webview|package|timing' || failed+=("tests")
    wait $background
else
    failed+=("release build")
    background_builds
fi
cat build/sanitize.stage.log build/fuzz.stage.log

if [ -f build/fuzz.ok ]; then
    nice -n 19 bash -c "$(declare -f timed run); jobs=$jobs; timed 'fuzz targets' run fuzz -L fuzz" >build/fuzz.test.log 2>&1 &
    fuzzing=$!
fi
if [ -f build/sanitize.ok ]; then
    echo "=== unit tests under ASan+UBSan"
    timed "unit tests under ASan+UBSan" run sanitize -L unit || failed+=("unit tests under ASan+UBSan")
else
    failed+=("sanitizer build")
fi
if [ -f build/fuzz.ok ]; then
    wait $fuzzing || failed+=("fuzz targets")
    echo "=== fuzz targets"
    cat build/fuzz.test.log
else
    failed+=("fuzz build")
fi

echo "--- $((SECONDS - started))s in all"
if [ ${#failed[@]} != 0 ]; then
    echo "FAILED: ${failed[*]}"
    exit 1
fi
echo "all test runs passed"
