#!/usr/bin/env bash
# Runs every libFuzzer target side by side for a bounded time, starting from the committed
# seeds. Usage: scripts/fuzz.sh BUILD_DIR [SECONDS_PER_TARGET]
# Any crash, leak, undefined behaviour, time-out (one input running over 10 s) or memory
# blow-up fails the run; the input that caused it is kept in BUILD_DIR/fuzz/findings/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "$1" && pwd)"
seconds="${2:-60}"
# Leaks are reported (libFuzzer checks after each input), except the known ones of system
# libraries.
export LSAN_OPTIONS="suppressions=$root/scripts/lsan-suppressions.txt:print_suppressions=0"

# Each target with the folders that seed it. New inputs go to the build's own corpus; the
# seeds stay as they are.
declare -A seeds=(
  [rtf_reader]="$root/fuzz/corpus/rtf $root/resources/help"
  [skin_file]="$root/fuzz/corpus/skin $root/resources/skins"
  [smtp_reply]="$root/fuzz/corpus/smtp"
)
# The longest input each target is given: the reply reader's must pass its 64 KiB limit.
declare -A max_len=([rtf_reader]=8192 [skin_file]=8192 [smtp_reply]=72000)

findings="$build/fuzz/findings"
mkdir -p "$findings"
declare -A pids
for name in "${!seeds[@]}"; do
  mkdir -p "$build/fuzz/corpus/$name"
  # shellcheck disable=SC2086 # the seed folders are separate arguments
  "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len="${max_len[$name]}" -dict="$root/fuzz/$name.dict" -artifact_prefix="$findings/$name-" \
    -print_final_stats=1 "$build/fuzz/corpus/$name" ${seeds[$name]} \
    >"$build/fuzz/$name.log" 2>&1 &
  pids[$name]=$!
done

failed=0
for name in "${!pids[@]}"; do
  status=0
  wait "${pids[$name]}" || status=$?
  echo "== fuzz_$name, ${seconds} s: $([ $status -eq 0 ] && echo "no finding" || echo "FAILED ($status)")"
  # libFuzzer's progress lines ("#1234 NEW ...") and its dictionary advice are left out; its
  # reports are not.
  sed -e '/^#[0-9]/d' -e '/^###### Recommended dictionary/,/^###### End of recommended dictionary/d' \
    "$build/fuzz/$name.log"
  [ $status -eq 0 ] || failed=1
done
exit $failed
