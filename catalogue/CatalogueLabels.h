#pragma once
// The tree's labels and the page titles it hands to bookmarks.
namespace versilo::catalogue_labels {

inline constexpr const char* kRoot = "雅韵集";
inline constexpr const char* kTopLevel[] = {
    "使用说明",      "卷01·五言古诗", "卷02·五言乐府", "卷03·七言古诗", "卷04·七言乐府",
    "卷05·五言律诗", "卷06·七言律诗", "卷07·七言乐府", "卷08·五言绝句", "卷09·五言乐府",
    "卷10·七言绝句", "卷11·七言乐府", "唐诗作者小传",  "关于",
};
inline constexpr const char* kHelpTopics[] = {"软件简介", "软件使用"};
inline constexpr const char* kHelpAnchors[] = {"info.htm#Jianjie", "info.htm#Shiyong"};

inline constexpr const char* kAuthorsPageTitle = "唐诗作者小传主页";
inline constexpr const char* kAuthorEntryTitle = "唐诗作者小传";

// Images of the tree's strip.
enum Image { kBooks = 0, kClosedVolume = 1, kOpenVolume = 2, kPicturePage = 3, kTextPage = 4 };

}  // namespace versilo::catalogue_labels
