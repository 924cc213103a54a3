#!/usr/bin/env bash
# The tool's memory on hostile input, one group per call:
# tool_memory.sh TOOL PEAK_RSS SANITIZER GROUP.
#   rss    endless, huge and binary inputs end with status 2 and their one
#          reason line, the tool's peak resident set staying under 32 MiB;
#   limit  under address-space limits from the least the tool starts in
#          upwards, each run prints the value or says it ran out of memory
#          (status 2): an allocation failure never aborts it.
# A sanitizer or valgrind owns the memory these measure, so under one
# (SANITIZER other than "none", or a TOOL that is a wrapper script rather
# than the tool itself) the group says why it skips and exits 77.
set -u
tool=$1
peak_rss=$2
sanitizer=$3
group=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failed=0

skip() {
  echo "SKIPPED: tool memory $group: $*"
  exit 77
}

[ "$sanitizer" = none ] ||
  skip "$sanitizer reserves and shadows memory beyond what is measured"
[ "$(head -c 4 "$tool" | od -An -c | tr -d ' ')" = 177ELF ] ||
  skip "$tool is a wrapper (valgrind?), not the tool"

fail() {
  echo "FAIL: $*"
  echo "--- stderr:"; head -c 2000 err
  failed=1
}

# A 100-point frustum, the largest value, in one line padded towards the
# line cap, so that the line and the words the tool holds are near their
# largest too.
big_frustum() {
  printf '100'
  for ((i = 0; i < 100; ++i)); do printf ' 0.%d 0.25 0' "$i"; done
  printf ' 0 0 1 1 -1 0 0 2%60000s\n' ''
}

rss() {
  local cap_kib=32768
  # What an unbounded tool could take before it aborts rather than
  # exhausting the machine: the cases then fail instead of hanging it.
  local guard_kib=262144
  # measure WHAT ERROR_PATTERN ARGUMENTS...: the tool reads this function's
  # standard input; it must exit 2 with the one line gmath: ERROR_PATTERN.
  measure() {
    local what=$1 pattern=$2
    shift 2
    (ulimit -v $guard_kib && timeout 20 "$peak_rss" kib "$tool" "$@") >out 2>err
    local status=$? kib
    kib=$(cat kib 2>/dev/null || echo "$cap_kib")
    echo "peak RSS, $what: $kib KiB"
    [ "$status" -eq 2 ] || fail "$what: status $status, expected 2"
    # shellcheck disable=SC2053 # the pattern is a glob on purpose
    [[ $(cat err) == "gmath: "$pattern ]] && [ "$(wc -l <err)" -eq 1 ] ||
      fail "$what: expected the one line gmath: $pattern"
    [ "$kib" -lt "$cap_kib" ] || fail "$what: peak RSS $kib KiB, not under $cap_kib KiB"
  }
  local nul="line 1, column 1: a NUL byte, which no text holds"
  local endless="more than 1048576 bytes, longer than any value's text"
  measure "/dev/zero" "/dev/zero: $nul" print box /dev/zero
  measure "/dev/zero on standard input" "standard input: $nul" print fence </dev/zero
  measure "/dev/urandom" "/dev/urandom: line *, column *: a NUL byte, which no text holds" \
    print frustum /dev/urandom
  measure "a 1 GiB line" "standard input: line 1 is longer than 65536 bytes" print box \
    < <(head -c 1G /dev/zero | tr '\0' 7)
  measure "endless lines" "standard input: $endless" check prism < <(yes '1 2 3')
  measure "endless empty lines" "standard input: $endless" print 4x4 < <(yes '')
  # The most the tool takes in: every line at the cap, each word a number.
  local line
  line=$(printf '7 %.0s' {1..32767})
  for ((i = 0; i < 16; ++i)); do echo "$line"; done >full
  measure "1 MiB of 64 KiB lines of numbers" "standard input: unexpected '7' after the box" \
    print box <full
}

limit() {
  big_frustum >frustum.txt
  "$tool" print frustum frustum.txt >want 2>&1 || { fail "the frustum does not print"; return; }
  # The least address space, in KiB, that the tool starts and runs in.
  local low=1024 high=1048576
  while ((high - low > 64)); do
    local middle=$(((low + high) / 2))
    if (ulimit -v "$middle" && "$tool" --version) >/dev/null 2>&1; then
      high=$middle
    else
      low=$middle
    fi
  done
  echo "the tool starts in $high KiB of address space"
  local kib status out_of_memory=0
  for ((kib = high; kib < high + 1024; kib += 16)); do
    (ulimit -v "$kib" && "$tool" print frustum frustum.txt) >out 2>err
    status=$?
    if [ "$status" -eq 0 ]; then
      cmp -s out want || fail "at $kib KiB: the frustum printed differently"
    elif [ "$status" -eq 2 ] && [ ! -s out ] && [ "$(wc -l <err)" -eq 1 ] &&
      grep -q '^gmath: ' err; then
      grep -qx 'gmath: out of memory' err && out_of_memory=$((out_of_memory + 1))
    else
      fail "at $kib KiB: status $status, expected the frustum or one line and status 2"
    fi
  done
  echo "$out_of_memory runs said: gmath: out of memory"
  [ "$out_of_memory" -gt 0 ] || fail "no limit made the tool run out of memory"
}

case $group in
rss | limit) "$group" ;;
*)
  echo "unknown group $group"
  exit 2
  ;;
esac
exit $failed
