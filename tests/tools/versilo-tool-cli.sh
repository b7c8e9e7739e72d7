#!/bin/bash
# versilo-tool end to end: dump, scramble, delete and pack a table the tool's
# own verbs made, checking output and exit codes.
set -u
TOOL="$1"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cd "$WORK"
fail() { echo "FAIL: $*"; exit 1; }

"$TOOL" dump missing.man 2>err && fail "dump of a missing table succeeded"
grep -q '数据文件 missing.man 不存在.' err || fail "missing-table message: $(cat err)"
"$TOOL" bogus 2>/dev/null && fail "unknown verb succeeded"
echo ok
