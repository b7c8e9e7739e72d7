#pragma once
// The main window's texts, in the order the window uses them: menus with
// their prompts and tooltips, toolbar labels, status-bar panes.
#include "shell/CommandIds.h"

namespace versilo::frame_texts {

inline constexpr const char* kTitle = "雅韵集";

struct MenuCommand {
  int id;
  const char* text;     // with its mnemonic
  const char* prompt;   // status bar while the item is highlighted
  const char* tooltip;  // toolbar tooltip
};

inline constexpr const char* kSystemMenu = "系统(&F)";
inline constexpr MenuCommand kSystemItems[] = {
    {cmd::kSpeechParameters, "朗读参数设置(&S)", "朗读参数设置.", "参数设置"},
    {cmd::kSpeechItems, "朗读项目设置(&I)", "朗读项目设置.", "朗读项目设置"},
    {cmd::kMusicSettings, "背景音乐设置(&M)", "背景音乐设置.", "背景音乐设置"},
    {cmd::kPageTurningSettings, "自动翻页设置(&K)", "自动翻页设置.", "自动翻页设置"},
};
inline constexpr const char* kExit = "退出(&X)";
inline constexpr const char* kExitPrompt = "退出应用程序.";

inline constexpr const char* kReadMenu = "朗读(&E)";
inline constexpr MenuCommand kReadItems[] = {
    {cmd::kStartReading, "开始朗读(&P)\tCtrl+P", "开始朗读.", "开始朗读"},
    {cmd::kStopReading, "停止朗读(&S)\tCtrl+S", "停止朗读.", "停止朗读"},
    // separator before this one
    {cmd::kTogglePageTurning, "自动翻页(&A)", "自动翻页.", "自动翻页"},
    // Ctrl+M is shown but bound to nothing, so no tab: GTK would bind it.
    {cmd::kToggleMusic, "开启背景音乐(&M)        Ctrl+M", "开启背景音乐.", "开启背景音乐"},
};
inline constexpr const char* kPageTurningOn = "停止自动翻页";
inline constexpr const char* kPageTurningOff = "自动翻页阅读";
inline constexpr const char* kMusicOn = "关闭背景音乐";
inline constexpr const char* kMusicOff = "开启背景音乐";

inline constexpr const char* kViewMenu = "查看(&V)";
inline constexpr MenuCommand kViewItems[] = {
    {cmd::kHomePage, "显示主页(&H)", "显示主页.", "主页"},
    {cmd::kBack, "翻前一页 Alt+Left", "翻前一页.", ""},
    {cmd::kForward, "翻后一页 Alt+Right", "翻后一页.", ""},
    {cmd::kShowPinyin, "显示拼音(&P)", "显示唐诗的加上汉语拼音.", "显示拼音"},
    {cmd::kShowAuthor, "显示作者(&A)", "显示作者.", "显示作者"},
    {cmd::kBookmarks, "书签管理(&B)", "书签管理.", "书签管理"},
    {cmd::kSearch, "唐诗查询(&L)", "查询功能.", "查询功能"},
    {cmd::kPoemsByAuthor, "按作者排列(&N)", "按作者排列.", "按作者排列"},
    // separator before these two
    {cmd::kToggleToolBar, "工具栏(&T)", "显示或隐藏工具栏.", ""},
    {cmd::kToggleStatusBar, "状态栏(&S)", "显示或隐藏状态栏.", ""},
};

inline constexpr const char* kHelpMenu = "帮助(&H)";
inline constexpr const char* kAbout = "关于系统(&A)...";
inline constexpr const char* kAboutPrompt = "显示程序信息、版本号和版权.";

// Commands with no menu entry.
inline constexpr MenuCommand kPauseReading = {cmd::kPauseReading, "", "暂停朗读.", "暂停朗读"};

struct ToolButton {
  int id;
  int image;  // index into the 16-image strips
  const char* label;
};
inline constexpr ToolButton kToolButtons[] = {
    {cmd::kSpeechParameters, 6, "设置"}, {cmd::kStartReading, 15, "朗读"}, {cmd::kStopReading, 2, "停止"},
    {cmd::kPoemsByAuthor, 14, "排序"},   {cmd::kBookmarks, 9, "书签"},     {cmd::kHomePage, 4, "主页"},
    {cmd::kShowPinyin, 8, "拼音"},       {cmd::kShowAuthor, 13, "作者"},   {cmd::kSearch, 5, "搜索"},
};

inline constexpr const char* kReady = "就绪";
inline constexpr const char* kPoemPaneSample = "【第001首】";
inline constexpr const char* kCredit = "雅韵集 3.0版 · 唐诗三百一十三首";
inline constexpr const char* kCapsLock = "大写";
inline constexpr const char* kNumLock = "数字";
inline constexpr const char* kScrollLock = "滚动";

}  // namespace versilo::frame_texts
