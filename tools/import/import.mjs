// One-off importer for the Versilo anthology.
//
// Reads the classic Tang selection and the poet biographies from the
// `chinese-poetry` npm package (traditional characters), converts them to
// simplified characters with opencc-js, adds pinyin with pinyin-pro, and
// writes the anthology's editable source files:
//
//   anthology/poems.txt     the 313 poems in reading order
//   anthology/authors.txt   one record per poet, in order of first appearance
//   anthology/pinyin.txt    a pinyin memo per poem
//
// After the import these text files are the truth; this script is kept only
// to show where they came from and to redo the import from scratch.
// Running it twice gives byte-identical output (no dates, no randomness,
// only the pinned package versions as input).
//
// Usage:  cd tools/import && npm ci && node import.mjs

import { readFileSync, writeFileSync, mkdirSync } from 'node:fs';
import { createRequire } from 'node:module';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import * as OpenCC from 'opencc-js';
import { pinyin, customPinyin } from 'pinyin-pro';

const HERE = dirname(fileURLToPath(import.meta.url));
const OUT = join(HERE, '..', '..', 'anthology');
const require = createRequire(import.meta.url);
const DATA = join(dirname(require.resolve('chinese-poetry/package.json')), 'dist');

const EXPECTED_TOTAL = 313;

// ---------------------------------------------------------------------------
// Character conversion
// ---------------------------------------------------------------------------

// The data is in OpenCC's standard traditional forms (爲, 裏, 羣 ...), so the
// plain 't' dictionary is the right one. The 'tw' dictionary would also turn
// every 著 into 着, which is wrong here (e.g. the poet 冯著, "未著花").
const openccT2S = OpenCC.Converter({ from: 't', to: 'cn' });

// The reader stores text as GBK, so every character must have a GBK code.
// OpenCC simplifies a few rare characters to forms that GBK lacks; for those
// the traditional form, which GBK has, is used.
const GBK_VARIANTS = {
  '䝙': '貙', // 李商隐《韩碑》 封狼生貙貙生罴
  '䯄': '騧', // 杜甫《韦讽录事宅观曹将军画马图》 拳毛騧
  '㧑': '撝', // 韩愈《石鼓歌》 烦撝呵
  '𫖮': '顗', // 杜牧 biography
  '𫖳': '頵', // 杜荀鹤 biography
  '𣲗': '湋', // 李端 biography
};
const substitutions = new Map(); // character -> times replaced, for the report

// Characters with a two-byte GBK code, found by decoding every such code.
// The decoder is GB18030's, which agrees with GBK on these codes except that
// it maps a few to private-use or recently added code points; those are left
// out so that only characters every GBK converter knows are accepted.
const GBK_CHARS = (() => {
  const dec = new TextDecoder('gbk');
  const set = new Set();
  for (let hi = 0x81; hi <= 0xfe; hi++) {
    for (let lo = 0x40; lo <= 0xfe; lo++) {
      if (lo === 0x7f) continue;
      const c = dec.decode(new Uint8Array([hi, lo]));
      const cp = c.codePointAt(0);
      if (c.length !== 1 || c === '\ufffd') continue;
      if ((cp >= 0xe000 && cp <= 0xf8ff) || (cp >= 0x9fa6 && cp <= 0x9fff) || (cp >= 0xfe10 && cp <= 0xfe19)) continue;
      set.add(c);
    }
  }
  return set;
})();
const hasGbk = (c) => c.codePointAt(0) < 0x80 || GBK_CHARS.has(c);

// OpenCC turns 乾 into 干 except in a few words it knows; in the names of
// reign periods (乾宁, 乾符 ...) it must stay. It is hidden from the converter
// behind a private-use character.
const QIAN_ERA = /乾(?=[寧宁符元封化祐貞德亨])/g;

function toSimplified(s) {
  const converted = openccT2S(s.replace(QIAN_ERA, '\ue000')).replace(/\ue000/g, '乾');
  return Array.from(converted, (c) => {
    if (hasGbk(c) || !GBK_VARIANTS[c]) return c;
    substitutions.set(c, (substitutions.get(c) || 0) + 1);
    return GBK_VARIANTS[c];
  }).join('');
}

// ---------------------------------------------------------------------------
// Volumes
// ---------------------------------------------------------------------------

// Volume number -> genre label shown in the reader's tree.
const VOLUMES = {
  1: '五言古诗',
  2: '五言乐府',
  3: '七言古诗',
  4: '七言乐府',
  5: '五言律诗',
  6: '七言律诗',
  7: '七言乐府',
  8: '五言绝句',
  9: '五言乐府',
  10: '七言绝句',
  11: '七言乐府',
};

// Non-乐府 groups of the source go to a volume directly.
const GROUP_VOLUME = {
  五言古诗: 1,
  七言古诗: 3,
  五言律诗: 5,
  七言律诗: 6,
  五言绝句: 8,
  七言绝句: 10,
};

// ---------------------------------------------------------------------------
// Editorial decisions (each one is checked against the data, so a changed
// source makes the importer stop instead of silently doing something else)
// ---------------------------------------------------------------------------

// Poems of the source that the usual 313-poem editions do not contain.
// Keyed by traditional author + chapter, as in the source.
const LEFT_OUT = [
  { author: '張九齡', chapter: '感遇·孤鴻海上來',
    why: '《感遇十二首》其四；通行三百一十三首本只收其一（兰叶春葳蕤）与其七（江南有丹橘）' },
  { author: '張九齡', chapter: '感遇·幽人歸獨臥',
    why: '《感遇十二首》其二；同上，通行本不收' },
  { author: '李白', chapter: '子夜吳歌·春歌',
    why: '《子夜吴歌》四首之春歌；通行本只收秋歌（长安一片月）' },
  { author: '李白', chapter: '子夜吳歌·夏歌',
    why: '《子夜吴歌》四首之夏歌；同上' },
  { author: '李白', chapter: '子夜吳歌·冬歌',
    why: '《子夜吴歌》四首之冬歌；同上' },
  { author: '李白', chapter: '行路難·大道如青天',
    why: '《行路难三首》其二；通行本只收其一（金樽清酒斗十千）' },
  { author: '李白', chapter: '行路難·有耳莫洗潁川水',
    why: '《行路难三首》其三；同上' },
];

// Text repairs. Each entry names the poem, says what is wrong and returns the
// corrected list of text lines (already cleaned of inline notes).
const TEXT_FIXES = [
  {
    author: '王昌齡', chapter: '長信怨',
    why: '源数据把《长信秋词五首》全部五首并在一条里；《长信怨》只是其三（奉帚平明金殿开）',
    fix(lines) {
      const i = lines.findIndex((l) => l.startsWith('奉帚平明'));
      if (i < 0 || lines.length !== 10) throw new Error('長信怨: unexpected source text');
      return lines.slice(i, i + 2);
    },
  },
];

// Titles where the source's short title (chapter) is wrong and its long title
// (subchapter) is not a plain extension of it, or where both are cut short.
const TITLE_FIXES = [
  // chapter has a wrong 銷 and is cut short; subchapter is right.
  { author: '王昌齡', chapter: '同從弟銷南齋玩月憶山陰', title: '同從弟南齋玩月憶山陰崔少府' },
  // subchapter elides the middle with "…"; this is the full title.
  { author: '杜甫', chapter: '至德二載甫自京金光門',
    title: '至德二載甫自京金光門出間道歸鳳翔乾元初從左拾遺移華州掾與親故別因出此門有悲往事' },
];

// Poets whose entry in authors.tang.json is under another name
// (simplified forms). 昚 and 眘 are two forms of one character.
const AUTHOR_ALIASES = {
  刘昚虚: '刘眘虚',
};

// Short biographies for poets the biography file lacks or has empty.
// Keyed by simplified name; written by hand, one plain factual sentence.
const HAND_BIOS = {
  西鄙人: '西鄙人，唐代西北边地人，姓名不详，《哥舒歌》为其所作，见于《全唐诗》。',
  佚名: '佚名，作者姓名已不可考。',
  李隆基: '李隆基（685—762），即唐玄宗，睿宗第三子，712年至756年在位，开创“开元之治”，晚年有安史之乱。通音律，善诗文。',
};

// ---------------------------------------------------------------------------
// Helpers
// ---------------------------------------------------------------------------

function readJson(rel) {
  return JSON.parse(readFileSync(join(DATA, rel), 'utf8'));
}

const chars = (s) => Array.from(s);
const isHan = (c) => /\p{Script=Han}/u.test(c);

// The source writes notes on variant readings inline, in half- or full-width
// brackets, e.g. "王孫歸不歸？(明年 一作：年年)"; some of these brackets are
// even broken across array entries. They are taken out of the poem text and
// kept as notes. Returns { lines, notes }.
// (Notes that say nothing are dropped later, see emptyNote.)
function splitInlineNotes(paragraphs) {
  const notes = [];
  const joined = paragraphs.join('\n').replace(/[ \t]*[（(]([^()（）]*)[)）]/g, (_, inner) => {
    notes.push(inner.replace(/\s+/g, ' ').trim());
    return '';
  });
  if (/[()（）]/.test(joined)) throw new Error(`unbalanced bracket in: ${joined}`);
  const lines = joined.split('\n').map((l) => l.trim()).filter((l) => l !== '');
  return { lines, notes };
}

// A note whose variant equals the text, such as the source's garbled
// "回樂 一作：回樂", or "餘 通：餘" (two forms that are one once simplified).
function emptyNote(note) {
  const m = note.match(/^(.+?)\s*(?:一作|通)[：:]?\s*(.+)$/);
  return m !== null && m[1] === m[2];
}

// Verse lines (句) of a poem: its text split at punctuation, Han characters
// only. Used to tell 五言 from 七言 and 绝句/律诗/古诗 length for the 乐府.
function verseLines(lines) {
  return lines
    .join('')
    .split(/[，。？！；、,.?!;：:]/)
    .map((s) => chars(s).filter(isHan).length)
    .filter((n) => n > 0);
}

// Volume of a poem of the source's 乐府 group.
//   五言: 4 lines -> 9, otherwise -> 2 (an 8-line 五言乐府 such as 王昌龄's
//         塞上曲/塞下曲 is an old-style poem, not a 律诗, so it stays in 2)
//   七言: 4 lines -> 11, 8 lines -> 7, otherwise -> 4
// A poem is 七言 when it has more seven-character than five-character lines
// (this also places the mixed-metre songs such as 蜀道难 in 七言).
function yuefuVolume(lines) {
  const v = verseLines(lines);
  const five = v.filter((n) => n === 5).length;
  const seven = v.filter((n) => n === 7).length;
  if (seven > five) return v.length === 4 ? 11 : v.length === 8 ? 7 : 4;
  return v.length === 4 ? 9 : 2;
}

// Title from the source's chapter (short title, which for parts of a set
// already names the part, e.g. 赠别·其一) and subchapter (long title, a list
// of alternative titles "A / B", or the name of the set "X二首·其一").
// Returns { title, note } in traditional characters; note may be ''.
function chooseTitle(p) {
  const fixed = TITLE_FIXES.find((f) => f.author === p.author && f.chapter === p.chapter);
  if (fixed) return { title: fixed.title, note: '' };
  const ch = p.chapter.trim();
  const sub = (p.subchapter || '').trim();
  if (!sub || sub === ch) return { title: ch, note: '' };
  if (sub.includes('·其') || /[二三四五六七八九十]首/.test(sub)) {
    return { title: ch, note: `组诗：${sub}` };
  }
  const alts = sub.split('/').map((s) => s.trim()).filter(Boolean);
  // The long title is the chapter with a part name cut off (塞下曲·...).
  if (alts.length === 1 && ch.startsWith(sub)) return { title: ch, note: '' };
  // The chapter is a long title cut short: use the (longest) long title.
  const longer = alts.filter((a) => a.length > ch.length && a.startsWith(ch));
  const title = longer.length ? longer.reduce((x, y) => (y.length > x.length ? y : x)) : ch;
  const others = alts.filter((a) => a !== title);
  return { title, note: others.length ? `又题：${others.join('；')}` : '' };
}

// Biography text from a desc of authors.tang.json (simplified already).
// A desc often holds the main biography followed, after a run of spaces, by
// more copies of it and by shorter entries from supplements, which may even
// be about another person of the same name (皎然). Only the main biography,
// the first part, is kept. Within it, an editor's correction "[X]Y" (X to be
// read for the wrongly written Y of the same length) is applied, and a text
// written twice without a break is kept once.
function cleanBio(desc) {
  const c = chars(desc.trim().split(/\s+/)[0] || '');
  const out = [];
  for (let i = 0; i < c.length; ) {
    const close = c[i] === '[' ? c.indexOf(']', i) : -1;
    if (close > i + 1) {
      const right = c.slice(i + 1, close);
      out.push(...right);
      i = close + 1 + right.length; // skip the wrong text
    } else out.push(c[i++]);
  }
  const half = out.length / 2;
  const t = out.join('');
  if (Number.isInteger(half) && out.slice(0, half).join('') === out.slice(half).join('')) {
    return out.slice(0, half).join('');
  }
  return t;
}

// Toneless pinyin code for a name: lowercase letters only.
function anchorBase(name) {
  return pinyin(name, { toneType: 'none', type: 'array', surname: 'head', nonZh: 'removed' })
    .join('')
    .toLowerCase()
    .replace(/[^a-z0-9]/g, '');
}

// pinyin-pro follows modern usage, which misreads a few characters that are
// frequent in these poems: 还 "return" (huán), 教 "let, cause" (jiāo) and 长 in
// 长相思 and the like (cháng). These words, each checked against every line of
// the anthology in which it occurs, are given their reading here.
customPinyin({
  人还: 'rén huán', 不还: 'bù huán', 未还: 'wèi huán', 时还: 'shí huán',
  者还: 'zhě huán', 与还: 'yǔ huán', 北还: 'běi huán', 醉还: 'zuì huán',
  棹还: 'zhào huán', 日还: 'rì huán', 还家: 'huán jiā', 还丹: 'huán dān',
  还寝: 'huán qǐn', 无还期: 'wú huán qī',
  遂教: 'suì jiāo', 转教: 'zhuǎn jiāo', 但教: 'dàn jiāo', 曾教: 'céng jiāo',
  亲教: 'qīn jiāo', 更教: 'gèng jiāo', 莫教: 'mò jiāo', 悔教: 'huǐ jiāo',
  不教: 'bù jiāo', 教妾: 'jiāo qiè', 教吹: 'jiāo chuī', 谁教: 'shuí jiāo',
  长相思: 'cháng xiāng sī', 长相忆: 'cháng xiāng yì', 长风: 'cháng fēng',
  长别离: 'cháng bié lí', 长生: 'cháng shēng',
});

// Pinyin line for a text line: one space-separated token per character of the
// line, so the n-th token belongs to the n-th character; punctuation is kept
// as the character itself. pinyin-pro reads the whole line, which resolves
// most polyphonic characters from their context.
function pinyinLine(line) {
  const tokens = pinyin(line, { toneType: 'symbol', type: 'array' });
  const cs = chars(line);
  if (tokens.length !== cs.length || tokens.some((t) => t.trim() === '')) {
    throw new Error(`pinyin does not align with: ${line}`);
  }
  cs.forEach((c, i) => check(!isHan(c) || /^[a-zāáǎàēéěèīíǐìōóǒòūúǔùüǖǘǚǜńňǹḿ]+$/.test(tokens[i]),
    `no pinyin for ${c} in: ${line}`));
  return tokens.join(' ');
}

function gbkBytes(s) {
  // Every character the anthology uses is BMP and GBK has 2 bytes for each
  // non-ASCII one; the real GBK check is done on the written files.
  return chars(s).reduce((n, c) => n + (c.charCodeAt(0) < 0x80 ? 1 : 2), 0);
}

function check(cond, msg) {
  if (!cond) throw new Error(msg);
}

// ---------------------------------------------------------------------------
// Read and select
// ---------------------------------------------------------------------------

const source = readJson('mengxue/tangshisanbaishou.json');
const leftOutHits = new Map(LEFT_OUT.map((e) => [e, 0]));
const fixHits = new Map(TEXT_FIXES.map((e) => [e, 0]));
const titleFixHits = new Map(TITLE_FIXES.map((e) => [e, 0]));
const leftOut = []; // for the report
const repaired = [];

const selected = []; // { volume, order, author, title, lines, notes }
let order = 0;
for (const group of source.content) {
  const groupName = toSimplified(group.type);
  for (const p of group.content) {
    order++;
    const skip = LEFT_OUT.find((e) => e.author === p.author && e.chapter === p.chapter);
    if (skip) {
      leftOutHits.set(skip, leftOutHits.get(skip) + 1);
      leftOut.push({ group: groupName, author: toSimplified(p.author), title: toSimplified(p.chapter), why: skip.why });
      continue;
    }
    let { lines, notes } = splitInlineNotes(p.paragraphs);
    const fix = TEXT_FIXES.find((e) => e.author === p.author && e.chapter === p.chapter);
    if (fix) {
      fixHits.set(fix, fixHits.get(fix) + 1);
      lines = fix.fix(lines);
      repaired.push(`${toSimplified(p.author)}《${toSimplified(p.chapter)}》：${fix.why}`);
    }
    const tf = TITLE_FIXES.find((e) => e.author === p.author && e.chapter === p.chapter);
    if (tf) titleFixHits.set(tf, titleFixHits.get(tf) + 1);
    const { title, note } = chooseTitle(p);
    if (note) notes.unshift(note);

    let volume;
    if (groupName === '乐府') volume = yuefuVolume(lines);
    else {
      volume = GROUP_VOLUME[groupName];
      check(volume, `unknown group ${group.type}`);
    }
    selected.push({
      volume,
      order,
      author: toSimplified(p.author.trim()),
      title: toSimplified(title),
      lines: lines.map(toSimplified),
      notes: notes.map(toSimplified).filter((n) => !emptyNote(n)),
    });
  }
}
for (const [e, n] of [...leftOutHits, ...fixHits, ...titleFixHits]) {
  check(n === 1, `editorial entry matched ${n} times: ${e.author} ${e.chapter}`);
}

// Reading order: volume, then the source's order.
selected.sort((a, b) => a.volume - b.volume || a.order - b.order);
check(selected.length === EXPECTED_TOTAL, `selected ${selected.length} poems, want ${EXPECTED_TOTAL}`);

// ---------------------------------------------------------------------------
// Checks on the poems
// ---------------------------------------------------------------------------

for (const [i, p] of selected.entries()) {
  const where = `${String(i + 1).padStart(3, '0')} ${p.author}《${p.title}》`;
  check(p.lines.length > 0, `${where}: no text`);
  check(gbkBytes(p.title) <= 80, `${where}: title longer than 80 GBK bytes`);
  check(gbkBytes(p.author) <= 15, `${where}: author longer than 15 GBK bytes`);
  for (const s of [p.title, p.author, ...p.lines, ...p.notes]) {
    check(!s.includes('\n') && !s.startsWith('@') && s === s.trim(), `${where}: bad line "${s}"`);
  }
  // Shape warnings for the fixed-form groups (not fatal: printed for review).
  const v = verseLines(p.lines);
  const want = { 5: [8, 5], 6: [8, 7], 8: [4, 5], 10: [4, 7] }[p.volume];
  if (want && (v.length !== want[0] || v.some((n) => n !== want[1]))) {
    console.warn(`warning: ${where}: verse lines ${v.join(',')}`);
  }
}

// ---------------------------------------------------------------------------
// Authors
// ---------------------------------------------------------------------------

const bioSource = readJson('quantangshi/authors.tang.json');
const descByName = new Map(); // simplified name -> traditional desc
for (const a of bioSource) {
  const name = openccT2S(a.name.trim());
  // A name with several entries keeps the first one that has a text (the
  // later ones come from supplements).
  if ((a.desc || '').trim() && !descByName.has(name)) descByName.set(name, a.desc);
}

const authors = []; // { name, anchor, bio, hand }
const seenAnchors = new Set();
for (const p of selected) {
  if (authors.some((a) => a.name === p.author)) continue;
  const lookup = AUTHOR_ALIASES[p.author] || p.author;
  let bio = descByName.has(lookup) ? cleanBio(toSimplified(descByName.get(lookup))) : '';
  let hand = false;
  if (HAND_BIOS[p.author]) {
    check(!bio, `${p.author}: has a biography in the source, drop the hand-written one`);
    bio = HAND_BIOS[p.author];
    hand = true;
  }
  check(bio, `${p.author}: no biography in the source and none written by hand`);
  let base = anchorBase(p.author);
  check(base.length > 0, `${p.author}: empty anchor`);
  base = base.slice(0, 14);
  let anchor = base;
  for (let k = 2; seenAnchors.has(anchor); k++) anchor = `${base}${k}`;
  check(anchor.length <= 15, `${p.author}: anchor too long`);
  seenAnchors.add(anchor);
  authors.push({ name: p.author, anchor, bio, hand });
}
check(authors.length <= 79, `${authors.length} poets, at most 79 allowed`);

// ---------------------------------------------------------------------------
// Write
// ---------------------------------------------------------------------------

const num = (i) => String(i + 1).padStart(3, '0');

function poemsText() {
  const out = [
    '# 雅韵集 — the 313 poems, in reading order (volume, then source order).',
    '# Format: see README.md in this folder. UTF-8, LF line ends.',
  ];
  selected.forEach((p, i) => {
    out.push(`@poem ${num(i)}`);
    out.push(`volume: ${p.volume}`);
    out.push(`genre: ${VOLUMES[p.volume]}`);
    out.push(`author: ${p.author}`);
    out.push(`title: ${p.title}`);
    out.push('@text', ...p.lines);
    out.push('@notes', ...p.notes);
    out.push('@translation', '@commentary', '@english');
  });
  return out.join('\n') + '\n';
}

function authorsText() {
  const out = [];
  for (const a of authors) {
    const bio = a.bio.split(/\r?\n/).map((l) => l.trim()).filter((l) => l !== '');
    check(bio.every((l) => !l.startsWith('@')), `${a.name}: biography line starts with @`);
    out.push(`@author ${a.name}`, `anchor: ${a.anchor}`, '@bio', ...bio);
  }
  return out.join('\n') + '\n';
}

function pinyinText() {
  const out = [];
  selected.forEach((p, i) => {
    out.push(`@pinyin ${num(i)}`, p.title, p.author);
    for (const l of p.lines) out.push(pinyinLine(l), l);
  });
  return out.join('\n') + '\n';
}

const files = {
  'poems.txt': poemsText(),
  'authors.txt': authorsText(),
  'pinyin.txt': pinyinText(),
};
for (const [name, text] of Object.entries(files)) {
  text.split('\n').forEach((line, i) => {
    const bad = chars(line).filter((c) => !hasGbk(c));
    check(bad.length === 0, `${name}:${i + 1}: no GBK code for ${bad.join(' ')}; add a variant to GBK_VARIANTS`);
  });
}
mkdirSync(OUT, { recursive: true });
for (const [name, text] of Object.entries(files)) writeFileSync(join(OUT, name), text);

// ---------------------------------------------------------------------------
// Report
// ---------------------------------------------------------------------------

console.log('poems per volume:');
for (const v of Object.keys(VOLUMES).map(Number)) {
  console.log(`  ${String(v).padStart(2)} ${VOLUMES[v]}  ${selected.filter((p) => p.volume === v).length}`);
}
console.log(`total poems: ${selected.length}`);
console.log(`poets: ${authors.length}`);
console.log('left out:');
for (const e of leftOut) console.log(`  [${e.group}] ${e.author}《${e.title}》 — ${e.why}`);
console.log('text repaired:');
for (const r of repaired) console.log(`  ${r}`);
console.log('biographies written by hand:');
for (const a of authors.filter((x) => x.hand)) console.log(`  ${a.name}`);
console.log('characters replaced by a GBK variant:');
for (const [c, n] of substitutions) console.log(`  ${c} -> ${GBK_VARIANTS[c]}  (${n}x)`);
console.log(`poems with notes kept from the source: ${selected.filter((p) => p.notes.length).length}`);
