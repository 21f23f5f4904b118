#!/bin/sh
# Runs a test that leaks on purpose and fails (exit 1) only when it failed for
# that leak: its slots passed, and LeakSanitizer reported a direct leak whose
# stack names FUNCTION. Anything else (no report, a crash, another failure)
# exits 0, which the test's "expected to fail" registration turns into a
# failure.
# Usage: expect-leak-report.sh FUNCTION PROGRAM [ARGS...]
function=$1
shift
output=$("$@" 2>&1)
status=$?
printf '%s\n' "$output"
[ "$status" -ne 0 ] || { echo "no failure: leak detection is not live"; exit 0; }
printf '%s\n' "$output" | grep -q '^Totals: [0-9]* passed, 0 failed' ||
    { echo "the slots themselves failed or never finished"; exit 0; }
printf '%s\n' "$output" | grep -q 'ERROR: AddressSanitizer' &&
    { echo "a memory error, not the leak"; exit 0; }
# The stack of each direct leak, up to the blank line that ends it.
printf '%s\n' "$output" | awk '/^Direct leak/{inside=1} inside&&/^$/{inside=0} inside' | grep -q "$function" ||
    { echo "no direct leak names $function"; exit 0; }
echo "failed as expected: the leak in $function was reported"
exit 1
