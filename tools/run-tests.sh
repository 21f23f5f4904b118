#!/usr/bin/env bash
# Builds everything and runs every test: the normal build (unit tests and the
# program under Xvfb in isolated namespaces), the unit tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzz targets for a
# bounded time. Exits non-zero when anything fails.
set -uo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh || exit 1

jobs=$(nproc)
failed=()

build() { # folder, target ("all" for everything), cmake options...
    local dir=$1 target=$2; shift 2
    cmake -S . -B "build/$dir" "$@" >"build/$dir.configure.log" 2>&1 ||
        { cat "build/$dir.configure.log"; return 1; }
    cmake --build "build/$dir" -j"$jobs" --target "$target"
}

run() { # name, folder, ctest options...
    local name=$1 dir=$2; shift 2
    echo "=== $name"
    (cd "build/$dir" && ctest --output-on-failure "$@") || failed+=("$name")
}

mkdir -p build
if build release all -DCMAKE_BUILD_TYPE=RelWithDebInfo; then
    run "tests" release
else
    failed+=("release build")
fi

if build sanitize unit_tests -DCMAKE_BUILD_TYPE=Debug -DORB_SANITIZE=ON; then
    run "unit tests under ASan+UBSan" sanitize -L unit
else
    failed+=("sanitizer build")
fi

if build fuzz all -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DORB_FUZZ=ON; then
    run "fuzz targets" fuzz -L fuzz
else
    failed+=("fuzz build")
fi

if [ ${#failed[@]} != 0 ]; then
    echo "FAILED: ${failed[*]}"
    exit 1
fi
echo "all test runs passed"
