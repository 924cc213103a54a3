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
  GMATH_SIMD=scalar run 0 --version && expect_text "gmath $version
vector path: scalar"
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
\x01\xff 7|check prism|standard input: malformed prism: '??' is not a number
1 2 3\x00 4 5 6|print box|standard input: line 1, column 6: a NUL byte, which no text holds
GBox:\n low: 1 2 3\n\x00|print box|standard input: line 3, column 1: a NUL byte, which no text holds
0 0 0|overlap boreline $dumps/boreline.txt -|standard input: short input: the box is incomplete
CASES
  ;;
hostile)
  # Each case: the input's bytes at a cap and one past it.
  value="1 2 3 4 5 6"
  for length in 65536 65537; do
    { echo "GBox:"; printf "%-${length}s\n" "$value"; } >in
    if [ "$length" -eq 65536 ]; then
      run 0 print box in && expect_value box "$value"
    else
      run 2 print box in && expect_error "in: line 2 is longer than 65536 bytes"
    fi
  done
  padding=$(printf '%1023s' '')
  for length in 1048576 1048577; do
    { echo "$value"; yes "$padding"; } | head -c "$length" >in
    if [ "$length" -eq 1048576 ]; then
      run 0 print box in && expect_value box "$value"
    else
      run 2 print box in &&
        expect_error "in: more than 1048576 bytes, longer than any value's text"
    fi
  done
  # Endless and binary streams end with their reason.
  run 2 print box /dev/zero &&
    expect_error "/dev/zero: line 1, column 1: a NUL byte, which no text holds"
  run 2 print box < <(head -c 1G /dev/zero | tr '\0' 7) &&
    expect_error "standard input: line 1 is longer than 65536 bytes"
  run 2 print box < <(yes) &&
    expect_error "standard input: more than 1048576 bytes, longer than any value's text"
  run 2 print frustum /dev/urandom
  [[ $(cat err) == "gmath: /dev/urandom: line "*", column "*": a NUL byte, which no text holds" ]] ||
    fail "/dev/urandom is not refused at its first NUL byte"
  ;;
names)
  # Each case: a name (printf %b escapes) | how an error line shows it.
  # Control bytes and bytes outside valid UTF-8 are escaped; characters,
  # however many bytes, are kept.
  while IFS='|' read -r name shown; do
    name=$(printf '%b' "$name")
    run 2 print box "$name" &&
      expect_error "$shown: cannot open: No such file or directory"
  done <<'CASES'
a\033[31mb\033]0;t\007|a\x1b[31mb\x1b]0;t\x07
tab\there\nnew line\rx|tab\x09here\x0anew line\x0dx
del\177|del\x7f
café 😀|café 😀
\377\376 latin-1 \351|\xff\xfe latin-1 \xe9
overlong \300\257 \340\200\257|overlong \xc0\xaf \xe0\x80\xaf
C1 \302\233 and no-break\302\240space|C1 \xc2\x9b and no-break space
cut \342\202 short|cut \xe2\x82 short
surrogate \355\240\200 beyond \364\220\200\200|surrogate \xed\xa0\x80 beyond \xf4\x90\x80\x80
CASES
  # Operands reach error lines the same way.
  name=$(printf 'a\033[2Jb\302\233')
  shown='a\x1b[2Jb\xc2\x9b'
  run 2 "$name" && expect_error "unknown subcommand '$shown' (see gmath --help)"
  run 2 range "$name" &&
    expect_error "unknown type '$shown' (known: boreline, borecone, prism, fence, frustum)"
  run 2 print "-$name" && expect_error "unknown option '-$shown' (see gmath --help)"
  ;;
*)
  echo "unknown group $group"
  exit 2
  ;;
esac
exit $failed
