#!/usr/bin/env bash
# Runs the built gmath tool and checks its output and exit status, one group
# of cases per call: tool_test.sh TOOL VERSION GROUP. The dumps in dumps/
# are what the library prints for the bare values below.
set -u
tool=$1
version=$2
group=$3
dumps=$(cd "$(dirname "$0")" && pwd)/dumps
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failed=0

declare -A bare=(
  [matrix]="0.1 -0.2 0.30000000000000004 0.3333333333333333 4.9e-324 -2.5e17
            1.2345678901234567e-5 -9.87654321e29 2"
  [transf]="0 1 0 -1 0 0 0 0 1 1 2 3 2 1 0 0"
  [box]="-1 -2 -3 0.1 0.2 0.3"
  [4x4]="0 2 0 -2 0 0 0 0 2 5 6 7 0 0 0 1"
  [boreline]="0 0 0 1 0 0 2 -1 0.5"
  [borecone]="0 0 0 0 0 1 1 -1 0.5 0 0 2"
  [prism]="1 0 0 0 1 0 0 0 1 0 0 0 1 1 0 0 5 0 0 0 1 0 0 1 1 0 0 1 0 0 0 0 2"
  [fence]="5 0 0 0 1 0 0 1 1 0 0 1 0 0 0 0 0 0 1 1 0"
  [frustum]="5 -1 -1 0 1 -1 0 1 1 0 -1 1 0 -1 -1 0 0 0 1 1 -1 0 0 2"
  [box2d]="-1 -2 0.5 0.25"
  [matrix2d]="0.6 0.8 -0.8 0.6"
  [transf2d]="0.6 0.8 -0.8 0.6 1 2 1 1 0 0"
)

fail() {
  echo "FAIL: $*"
  echo "--- stdout:"; cat out
  echo "--- stderr:"; cat err
  failed=1
}

# run STATUS ARGUMENTS...: the tool's output lands in out and err.
run() {
  local want=$1
  shift
  "$tool" "$@" >out 2>err
  local got=$?
  [ "$got" -eq "$want" ] || fail "gmath $*: status $got, expected $want"
}

# expect_text TEXT: stdout is exactly TEXT and a newline.
expect_text() {
  [ "$(cat out)" = "$1" ] && [ "$(tail -c 1 out | od -An -c | tr -d ' ')" = '\n' ] ||
    fail "expected stdout: $1"
}

expect_nothing() {
  [ ! -s out ] && [ ! -s err ] || fail "expected no output"
}

# expect_value TYPE NUMBERS: stdout is the dump of the value NUMBERS give.
expect_value() {
  cp out got
  echo "$2" | "$tool" print "$1" >want || fail "cannot print the expected $1: $2"
  cmp -s got want || { diff want got; fail "expected the $1 $2"; }
}

# expect_error TEXT: nothing on stdout, the one line "gmath: TEXT" on stderr.
expect_error() {
  [ ! -s out ] && [ "$(cat err)" = "gmath: $1" ] && [ "$(wc -l <err)" -eq 1 ] ||
    fail "expected the one error line: gmath: $1"
}

case $group in
roundtrip)
  for type in "${!bare[@]}"; do
    run 0 print "$type" "$dumps/$type.txt"
    cmp -s out "$dumps/$type.txt" || fail "the $type dump does not print back as it is"
    run 0 print "$type" <<<"${bare[$type]}"
    cmp -s out "$dumps/$type.txt" || fail "bare $type numbers do not print as the dump"
  done
  run 0 print box - <"$dumps/box.txt"
  cmp -s out "$dumps/box.txt" || fail "'-' does not read standard input"
  run 0 print prism < <(sed 's/$/\r/' "$dumps/prism.txt")
  cmp -s out "$dumps/prism.txt" || fail "a dump with CRLF line ends does not read"
  ;;
check)
  for type in "${!bare[@]}"; do
    run 0 check "$type" "$dumps/$type.txt" && expect_nothing
  done
  run 1 check fence <<<"4 0 0 0 1 0 0 1 1 5 0 0 0.5 0 0 1 1 0"
  expect_text "GPtFence: point set is not closed
GPtFence: point set is not planar with respect to direction vector
GPtFence: point set is not planar with respect to direction vector
GPtFence: point set is not planar with respect to direction vector
GPtFence: point set is not planar with respect to direction vector"
  run 1 check transf <<<"1 0.001 0 0 1 0 0 0 1 0 0 0 1 1 0 0"
  expect_text "GTransf is not Euclidean"
  ;;
range)
  while read -r type box; do
    run 0 range "$type" "$dumps/$type.txt" && expect_value box "$box"
  done <<'CASES'
boreline -1 -0.5 -0.5 2 0.5 0.5
borecone -0.75 -0.75 -1 0.75 0.75 1
prism 0 0 0 1 1 2
fence 0 0 0 1 1 1
frustum -1.5 -1.5 -1 1.5 1.5 1
CASES
  # A message of the library goes to standard error, never into the dump.
  run 0 range fence <<<"0 0 0 1 1 0"
  expect_value box "1e30 1e30 1e30 -1e30 -1e30 -1e30"
  [ "$(cat err)" = "#~# GBox: can't build with 0 points" ] || fail "no message on stderr"
  ;;
overlap)
  while read -r type answer box; do
    run 0 overlap "$type" "$dumps/$type.txt" - <<<"$box" && expect_text "$answer"
  done <<'CASES'
boreline 1 0 0 0 1 1 1
boreline 0 0 3 3 1 4 4
fence 1 0.5 0.5 0.5 2 2 2
fence 0 2 2 2 3 3 3
CASES
  ;;
convert)
  run 0 convert "$dumps/4x4.txt" && expect_value transf "0 1 0 -1 0 0 0 0 1 5 6 7 2 1 0 0"
  run 1 convert <<<"0 2 0 -2 0 0 0 0 2 5 6 7 0.5 0 0 2"
  expect_error "not a similarity: G4x4: m_matrix[3] is not 0; G4x4: m_matrix[15] is not 1"
  run 1 convert <<<"1 1 0 0 1 0 0 0 1 0 0 0 0 0 0 1"
  expect_error "not a similarity: its linear block is not a uniform scale times a rotation or reflection"
  ;;
heal)
  # A sheared matrix comes back as one the check accepts.
  run 0 heal <<<"1 0.001 0 0 1 0 0 0 1 1 2 3 1 1 0 0"
  cp out healed
  run 0 check transf healed && expect_nothing
  zero="0 0 0 0 0 0 0 0 0 1 2 3 1 1 0 0"
  run 1 heal <<<"$zero" && expect_value transf "$zero"
  [ "$(wc -l <err)" -eq 1 ] || fail "an unrepairable matrix is not said in one line"
  ;;
angles)
  run 0 angles "$dumps/transf.txt"
  expect_text "Rotation angles (radians, x applied first):
 x: 0.000000000000000e+00
 y: -0.000000000000000e+00
 z: 1.570796326794897e+00
 origin: 1.000000000000000e+00 2.000000000000000e+00 3.000000000000000e+00"
  ;;
cli)
  run 0 --version && expect_text "gmath $version"
  run 0 --help
  for subcommand in print check range overlap convert heal angles; do
    grep -q "^  $subcommand " out || fail "the help does not list $subcommand"
  done
  for subcommand in print check range overlap convert heal angles; do
    run 0 "$subcommand" --help
    head -n 1 out | grep -q "^usage: gmath $subcommand" || fail "$subcommand --help"
  done
  ;;
errors)
  # Each case: input on standard input | arguments | the error line.
  while IFS='|' read -r input arguments error; do
    printf '%b' "$input" >in
    # shellcheck disable=SC2086 # the arguments are words
    run 2 $arguments <in && expect_error "$error"
  done <<CASES
||no subcommand (see gmath --help)
|frob|unknown subcommand 'frob' (see gmath --help)
|print --frob|unknown option '--frob' (see gmath --help)
|print|usage: gmath print TYPE [FILE]
|print box - -|usage: gmath print TYPE [FILE]
|print vector|unknown type 'vector' (known: matrix, transf, box, 4x4, boreline, borecone, prism, fence, frustum, box2d, matrix2d, transf2d)
|range box|unknown type 'box' (known: boreline, borecone, prism, fence, frustum)
|overlap prism a b|unknown type 'prism' (known: boreline, fence)
|print box /nonexistent/box|/nonexistent/box: cannot open: No such file or directory
|print box .|.: cannot read: Is a directory
|print box|standard input: short input: the box is incomplete
1 2 3|print box|standard input: short input: the box is incomplete
1 2 x 4 5 6|print box|standard input: malformed box: 'x' is not a number
GBox:\n low: 1 2 3\n high 4 5 6|print box|standard input: malformed box: 'high' is not a number
1 2 3 4 5 6 7|print box|standard input: unexpected '7' after the box
101|print fence|standard input: the fence has more than 100 points
-1|print frustum|standard input: the frustum has more than 100 points
\x01\xff\x00 7|check prism|standard input: malformed prism: '??' is not a number
0 0 0|overlap boreline $dumps/boreline.txt -|standard input: short input: the box is incomplete
CASES
  ;;
*)
  echo "unknown group $group"
  exit 2
  ;;
esac
exit $failed
