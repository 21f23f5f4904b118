#!/usr/bin/env bash
# Runs every QtTest function of the release build on its own, in a fresh
# process with its test's wrappers (isolated namespaces, Xvfb), to show that
# no test function leans on one that ran before it. Slow, so it is not part
# of tools/run-tests.sh; run it after changing a test.
#
#   tools/run-tests-alone.sh [TEST_NAME_REGEX]
set -uo pipefail
cd "$(dirname "$0")/../build/release/tests" || { echo "build first: tools/run-tests.sh" >&2; exit 1; }
export QTWEBENGINE_DISABLE_SANDBOX=1
failed=()
while IFS= read -r line; do
    eval "command=(${line#*Test command: })"
    program=
    for word in "${command[@]}"; do [[ $word == */test_* && -x $word ]] && program=$word; done
    # The start-up scenarios are one function each already.
    [ -n "$program" ] && [[ $program != */test_startup ]] || continue
    functions=$(QT_QPA_PLATFORM=offscreen "$program" -functions 2>/dev/null | sed 's/()$//')
    [ -n "$functions" ] || { echo "FAIL $(basename "$program") lists no test functions"; failed+=("$program"); }
    for function in $functions; do
        if "${command[@]}" "$function" >"/tmp/alone.$$.log" 2>&1; then
            echo "ok   $(basename "$program") $function"
        else
            echo "FAIL $(basename "$program") $function"
            grep -E '^(FAIL|   Loc)' "/tmp/alone.$$.log"
            failed+=("$(basename "$program") $function")
        fi
    done
done < <(ctest -N -V -R "${1:-.}" | grep 'Test command:')
rm -f "/tmp/alone.$$.log"
[ ${#failed[@]} = 0 ] || { printf 'failed alone: %s\n' "${failed[@]}"; exit 1; }
echo "every test function passed on its own"
