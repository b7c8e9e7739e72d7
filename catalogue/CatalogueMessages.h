#pragma once
// The catalogue's fixed texts in one place, in the order the reader uses
// them: messages, the fragments of the two generated pages, and the labels
// of the spoken text. Written in UTF-8 here and turned into GBK once, where
// they are used.
#include <string>

namespace versilo::catalogue_texts {

// ---- Messages --------------------------------------------------------------

inline constexpr const char* kOpenDataFileError = "Open Versilo data file error.";
inline constexpr const char* kMakeHtmlFileError = "Make HTML file error.";
inline constexpr const char* kMakeAuthorHtmlFileError = "Make author HTML file Error.";

// The catalogue has 386 poem slots; a larger table is listed up to them.
// Composed as prefix + file name + middle + record count + suffix.
inline constexpr const char* kTooManyPoemsPrefix = "数据文件 ";
inline constexpr const char* kTooManyPoemsMiddle = " 有 ";
inline constexpr const char* kTooManyPoemsSuffix = " 条记录，只列出前 386 首诗.";

// ---- The poem page ----------------------------------------------------------
// Each fragment is written as it stands; the page file turns every LF into
// CR LF, so a fragment ending in "\r\n" reaches the disk as CR CR LF. The
// irregular tag sequences are the page's own and stay as they are.

// Items 1 to 15; the title follows.
inline constexpr const char* kPoemPageHead[] = {
    "<HTML>\r\n",
    "<HEAD>\r\n",
    "<TITLE>雅韵集</TITLE>\r\n",
    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=gb2312\">\r\n",
    "<STYLE type='text/css'>\r\n",
    ".content {color:blue; margin-top:1em; line-height:80%; font-size: 12pt; font-family:宋体}\r\n",
    ".comment {color:black; margin-top:1em; line-height:80%; font-size: 11pt; font-family:宋体}\r\n",
    ".title {color:black; font-size: 12pt; font-family:宋体}\r\n",
    ".english {color:#008080; margin-top:1em; line-height:80%; font-size: 12pt; "
    "font-family:Verdana;font-weight:700 }\r\n",
    "body {scrollbar-face-color:#87CEFA;scrollbar-highlight-color:#ffffff;scrollbar-shadow-color:#F0FFFF;"
    "scrollbar-3dlight-color:#ffffff;scrollbar-arrow-color:#000000;scrollbar-track-color:#FFB6C1;"
    "scrollbar-darkshadow-color:#000000}\r\n",
    "</STYLE>\r\n",
    "</HEAD>\r\n",
    "<BODY TEXT=BLUE BGCOLOR=#E4EBF1 background=poembg.jpg "
    "onContextMenu=\"window.event.returnValue=false\">\r\n",
    "<CENTER>\r\n",
    "<FONT FACE=楷体_GB2312 COLOR=GREEN SIZE=6>《",
};

// Items 17 to 19; the author name follows.
inline constexpr const char* kPoemPageBeforeAuthor[] = {
    "》</FONT>\r\n",
    "<P>\r\n",
    "<FONT FACE=宋体 COLOR=BLACK SIZE=3>作者：",
};

// Items 21 to 26; the poem follows.
inline constexpr const char* kPoemPageBeforeContent[] = {
    "</FONT>\r\n",          "</CENTER>\r\n", "<div align=center>\r\n",
    "<table border=0>\r\n", "<tr><td>\r\n",  "<PRE class=content>\r\n",
};

// Items 28 to 39; the notes follow.
inline constexpr const char* kPoemPageBeforeNotes[] = {
    "</PRE>\r\n",
    "</td></tr>\r\n",
    "</table></div>\r\n",
    "<P><P>\r\n",
    "<div align=left>\r\n",
    "<table width=100% border=0 BGCOLOR=#6495ED>\r\n",
    "<tr><td style=\"{color:white}\">\r\n",
    "【注解】：\r\n",
    "<td><tr><table></div>\r\n",
    "<table border=0>\r\n",
    "<tr><td>\r\n",
    "<PRE class=comment>\r\n",
};

// Items 41 to 54; the verse translation follows.
inline constexpr const char* kPoemPageBeforeTranslation[] = {
    "</PRE></td></tr></table>\r\n",
    "<P><P>\r\n",
    "<div align=left>\r\n",
    "<table width=100% border=0 BGCOLOR=#6495ED>\r\n",
    "<tr><td style=\"{color:white}\">\r\n",
    "【韵译】：\r\n",
    "<td><tr>\r\n",
    "</table>\r\n",
    "</div>\r\n",
    "\r\n",
    "<div align=center>\r\n",
    "<table border=0>\r\n",
    "<tr><td>\r\n",
    "<PRE class=content>\r\n",
};

// Items 56 to 69; the commentary follows.
inline constexpr const char* kPoemPageBeforeCommentary[] = {
    "</PRE>\r\n",
    "</td></tr>\r\n",
    "</table>\r\n",
    "</div>\r\n",
    "<P><P>\r\n",
    "<div align=left>\r\n",
    "<table width=100% border=0 BGCOLOR=#6495ED>\r\n",
    "<tr><td style=\"{color:white}\">\r\n",
    "【评析】：\r\n",
    "<td><tr></table></div>\r\n",
    "<div align=left>\r\n",
    "<table border=0>\r\n",
    "<tr><td>\r\n",
    "<PRE class=comment>\r\n",
};

// Items 71 to 81; the English translation follows.
inline constexpr const char* kPoemPageBeforeEnglish[] = {
    "</PRE></td></tr></table></div>\r\n",
    "<P><P>\r\n",
    "<div align=left>\r\n",
    "<table width=100% border=0 BGCOLOR=#6495ED>\r\n",
    "<tr><td style=\"{color:white}\">\r\n",
    "【英译】：\r\n",
    "<td><tr></table></div>\r\n",
    "<div align=center>\r\n",
    "<table border=0>\r\n",
    "<tr><td>\r\n",
    "<PRE class=english>\r\n",
};

// Items 83 to 85.
inline constexpr const char* kPoemPageTail[] = {
    "</PRE></td></tr></table></div>\r\n",
    "</BODY>\r\n",
    "</HTML>\r\n",
};

// ---- The author page --------------------------------------------------------

// Written before the author files are opened. The heading has no line end of
// its own: "<P>" follows on the same line.
inline constexpr const char* kAuthorPageHead[] = {
    "<HTML>\r\n",
    "<HEAD>\r\n",
    "<TITLE>雅韵集作者小传</TITLE>\r\n",
    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=gb2312\">\r\n",
    "<STYLE type='text/css'>\r\n",
    ".content {color:blue; margin-top:1em; line-height:80%; font-size: 12pt; font-family:宋体}\r\n",
    ".comment {color:black; margin-left:2em; margin-top:1em; line-height:80%; font-size: 11pt; "
    "font-family:宋体}\r\n",
    ".title {color:black; font-size: 12pt; font-family:宋体}\r\n",
    "body {scrollbar-face-color:#87CEFA;scrollbar-highlight-color:#ffffff;scrollbar-shadow-color:#F0FFFF;"
    "scrollbar-3dlight-color:#ffffff;scrollbar-arrow-color:#000000;scrollbar-track-color:#FFB6C1;"
    "scrollbar-darkshadow-color:#000000}\r\n",
    "</STYLE>\r\n",
    "</HEAD>\r\n",
    "<BODY background=poembg.jpg onContextMenu=\"window.event.returnValue=false\">\r\n",
    "<CENTER>\r\n",
    "<FONT FACE=楷体_GB2312 COLOR=GREEN SIZE=6>雅韵集作者小传</FONT>",
    "<P>\r\n",
    "</CENTER>\r\n",
};

// One entry per poet: these, the anchor code (an unquoted attribute value),
inline constexpr const char* kAuthorEntryBeforeAnchor[] = {
    "<P><P>\r\n",
    "<div align=left>\r\n",
    "<A NAME=",
};
// these, the name,
inline constexpr const char* kAuthorEntryBeforeName[] = {
    "></A>\r\n",
    "<table width=100% border=0 BGCOLOR=#6495ED>\r\n",
    "<tr><td style=\"{color:white}\">\r\n",
    "【",
};
// these, the biography,
inline constexpr const char* kAuthorEntryBeforeBiography[] = {
    "】\r\n", "<td><tr><table></div>\r\n", "<table border=0>\r\n", "<tr><td>\r\n", "<PRE class=comment>\r\n",
};
// and this.
inline constexpr const char* kAuthorEntryEnd[] = {
    "</PRE></td></tr></table></div>\r\n",
};

inline constexpr const char* kAuthorPageTail[] = {
    "</BODY>\r\n",
    "</HTML>\r\n",
};

// ---- The spoken text ----------------------------------------------------------

// The introduction, spoken for the root. The paragraphs themselves are shared
// with the home page (res/intro.txt).
inline constexpr const char* kSpokenTitleLine = "雅韵集 ";
inline constexpr const char* kCompilerCreditPrefix = "选辑：【清】";
inline constexpr const char* kEditorCreditPrefix = "整理：";
// The credited names: the pen name tradition gives the anthology's compiler,
// and the team that prepared this edition.
inline constexpr const char* kCompilerName = "蘅塘退士";
inline constexpr const char* kEditorName = "雅韵集编辑组";

// A poem: the number line, then the switched-on items.
inline constexpr const char* kSpokenNumberFormat = "第%d首";
inline constexpr const char* kSpokenAuthorPrefix = "作者：";
inline constexpr const char* kSpokenNotesHead = "【注解】：";
inline constexpr const char* kSpokenTranslationHead = "【韵译】：";
inline constexpr const char* kSpokenCommentaryHead = "【评析】：";

// ---- The reading state ----------------------------------------------------------

// The status bar's poem pane, for poems 1 to 313; two blanks otherwise.
inline constexpr const char* kStatusPoemFormat = "【第%03d首】";
inline constexpr const char* kStatusNoPoem = "  ";

}  // namespace versilo::catalogue_texts
