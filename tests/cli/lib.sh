# Shared by the command-line checks: a throw-away directory and a counting check.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0
failed=0

check() {  # name, expected, actual
  if [ "$2" == "$3" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    printf 'FAIL %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3"
  fi
}

finish() {
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}

json_fields() {  # keys...: those members of the JSON object on stdin, as "key": value, ...
  python3 -c 'import json, sys
r = json.load(sys.stdin)
print(json.dumps({k: r[k] for k in sys.argv[1:]}, ensure_ascii=False)[1:-1])' "$@"
}

field() {  # python expression over the JSON `r` on stdin
  python3 -c 'import json, sys
r = json.load(sys.stdin)
print(json.dumps(eval(sys.argv[1]), ensure_ascii=False))' "$1"
}

# A refused command (in $cli's data directory $d): status 1 and exactly the message.
refused_plain() {  # expected message, args...
  local msg="$1"
  shift
  "$cli" --dir "$d" "$@" >/dev/null 2>"$work/err" </dev/null
  check "status of $*" "1" "$?"
  check "message of $*" "$msg" "$(cat "$work/err")"
}
