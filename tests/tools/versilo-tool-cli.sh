#!/bin/bash
# versilo-tool end to end: build a small anthology, then dump, scramble,
# delete and pack its tables, checking output and exit codes.
set -u
TOOL="$1"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cd "$WORK"
fail() { echo "FAIL: $*"; exit 1; }

"$TOOL" dump missing.man 2>err && fail "dump of a missing table succeeded"
grep -q '数据文件 missing.man 不存在.' err || fail "missing-table message: $(cat err)"
"$TOOL" bogus 2>/dev/null && fail "unknown verb succeeded"

mkdir src out
printf '@poem 001\nvolume: 10\ngenre: 七言绝句\nauthor: 王翰\ntitle: 凉州词\n@text\n葡萄美酒夜光杯，\\欲饮琵琶马上催。\n' > src/poems.txt
printf '@poem 002\nvolume: 1\ngenre: 五言古诗\nauthor: 王翰\ntitle: 二\n@text\n二\n' >> src/poems.txt
printf '@author 王翰\nanchor: wanghan\n@bio\n字子羽。\n' > src/authors.txt
printf '@pinyin 001\n凉州词\n' > src/pinyin.txt
"$TOOL" build-anthology src out >/dev/null || fail "build-anthology"
cd out

"$TOOL" dump poem1e.man poem1e.dat > dump.txt || fail "dump"
head -1 dump.txt | grep -qx '# version=0x30 codepage=0x7A records=2 physical=2 header=648 reclen=152 fields=11' \
  || fail "header line: $(head -1 dump.txt)"
grep -qx '# field 5 TITLE C 100 32' dump.txt || fail "field line"
grep -q $'^1\t001\t十\t001\t七言绝句\t王翰\t凉州词\t葡萄美酒夜光杯，\\\\\\\\欲饮琵琶马上催。\t\t\t\t$' dump.txt \
  || fail "record line: $(sed -n 13p dump.txt)"
"$TOOL" dump poem1e.man | grep -q $'\t#8\t#0\t#0\t#0\t#0$' || fail "memo block numbers"

cp poem1e.man before.man
"$TOOL" scramble poem1e.man || fail "scramble"
"$TOOL" dump poem1e.man --plain | grep -q $'^1\t001\t十' || fail "scrambled table does not read plain"
"$TOOL" scramble poem1e.man && cmp -s poem1e.man before.man || fail "scrambling twice does not restore"

"$TOOL" delete poem1e.man 1 || fail "delete"
"$TOOL" delete poem1e.man 1 2>/dev/null && fail "deleting a deleted record succeeded"
"$TOOL" dump poem1e.man | head -1 | grep -q 'records=1 physical=2' || fail "count after delete"
"$TOOL" delete poem1e.man 9 2>/dev/null && fail "delete past the end succeeded"
"$TOOL" pack poem1e.man || fail "pack"
"$TOOL" dump poem1e.man | head -1 | grep -q 'records=1 physical=1' || fail "pack count"
"$TOOL" dump poem1e.man | grep -q $'^1\t002' || fail "the live record did not survive packing"
echo "versilo-tool: all checks passed"
