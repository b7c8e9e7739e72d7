#!/bin/bash
# The page verbs end to end over the bundled anthology: poem-page,
# author-page and speech-text, their output, files and exit codes.
set -u
TOOL="$1"
ANTHOLOGY="$2"
WORK=$(mktemp -d)
trap 'chmod -R u+w "$WORK"; rm -rf "$WORK"' EXIT
cd "$WORK"
fail() { echo "FAIL: $*"; exit 1; }

"$TOOL" poem-page 1 2>err && fail "poem-page without data files succeeded"
grep -q '数据文件 poem1e.dat 不存在.' err || fail "missing-memo message: $(cat err)"
grep -q 'Open Versilo data file error.' err || fail "data-file message: $(cat err)"

"$TOOL" build-anthology "$ANTHOLOGY" . >/dev/null || fail "build-anthology"

"$TOOL" poem-page 1 || fail "poem-page 1"
[ "$(head -c 9 poem.htm | od -An -c | tr -s ' ')" = " < H T M L > \r \r \n" ] || fail "page start"
[ "$(stat -c %a poem.htm)" = 444 ] || fail "poem.htm is not read-only"
"$TOOL" poem-page 2 || fail "poem-page over a read-only page"
iconv -f GBK -t UTF-8 poem.htm | grep -q '【英译】：' || fail "poem page sections"
"$TOOL" poem-page 0 2>/dev/null && fail "poem-page 0 succeeded"
"$TOOL" poem-page 999 2>err && fail "poem-page 999 succeeded"
grep -q 'there is no poem 999' err || fail "poem-page 999 message: $(cat err)"

"$TOOL" author-page >authors || fail "author-page"
[ "$(wc -l <authors)" -ge 1 ] && [ "$(wc -l <authors)" -le 79 ] || fail "author count $(wc -l <authors)"
awk -F'\t' 'NF != 3 || $1 != NR - 1 { exit 1 }' authors || fail "author lines: $(head -3 authors)"
anchor=$(head -1 authors | cut -f3)
iconv -f GBK -t UTF-8 author.htm | grep -q "<A NAME=$anchor></A>" || fail "anchor $anchor not on the page"

[ "$("$TOOL" speech-text 12 --items '')" = "第12首" ] || fail "speech-text with every item off"
[ "$("$TOOL" speech-text 0 | wc -l)" = 4 ] || fail "the introduction is not four utterances"
"$TOOL" speech-text 0 | head -1 | grep -qx '雅韵集 ' || fail "introduction title line"
lines=$("$TOOL" speech-text 3 --items title,author,content,note,translate,comment | wc -l)
[ "$lines" = 10 ] || fail "every item gives 10 utterances, not $lines"
"$TOOL" speech-text 3 --items english 2>/dev/null && fail "an English item was accepted"
"$TOOL" speech-text 314 2>/dev/null && fail "speech-text 314 succeeded"
echo ok
