#pragma once
// A user style sheet the web view applies to every page: it carries the
// pages' older browser-specific rules over to WebKit without changing a
// byte of the pages themselves.
namespace versilo {

inline constexpr const char* kViewStyleSheet = R"css(
/* The section bars write their white heading colour in braces, which only
   older browsers read. */
td[style="{color:white}"] { color: white; }

/* The generated pages set their verses at 80% line height, which only the
   older browsers' minimum line box kept readable; here the lines would run
   into each other. */
pre.content, pre.comment, pre.english { line-height: 150% !important; }
/* A biography or commentary is one long line of text: wrap it at the
   window's edge instead of scrolling sideways. */
pre.content, pre.comment, pre.english { white-space: pre-wrap; }

/* The pages colour their scroll bars sky blue on a pink track. */
::-webkit-scrollbar { width: 16px; height: 16px; background: #FFB6C1; }
::-webkit-scrollbar-track { background: #FFB6C1; }
::-webkit-scrollbar-thumb {
  background: #87CEFA;
  border: 1px solid; border-color: #ffffff #000000 #000000 #ffffff;
  box-shadow: inset -1px -1px 0 #F0FFFF;
}
::-webkit-scrollbar-button:single-button {
  background: #87CEFA; display: block; height: 16px; width: 16px;
  border: 1px solid; border-color: #ffffff #000000 #000000 #ffffff;
}
::-webkit-scrollbar-corner { background: #FFB6C1; }
)css";

}  // namespace versilo
