#pragma once
// What the speech engine reads for the page on show: the introduction for
// the root, the current poem item by item for a poem page, nothing for any
// other node. English is never read.
#include <string>
#include <vector>

#include "aids/SpeechEngine.h"
#include "base/Profile.h"
#include "catalogue/Introduction.h"
#include "catalogue/PoemCatalogue.h"

namespace versilo {

// Which items of a poem are read, from the profile section "Speech"; an item
// is on exactly when its stored value is 1.
struct SpeechItems {
  bool title = true;
  bool author = true;
  bool content = true;
  bool notes = false;
  bool translation = true;
  bool commentary = true;

  static SpeechItems FromProfile(Profile& profile);
};

// The kind of tree node whose page is on show.
enum class ShownNode {
  Root,   // the home page: the introduction is read
  Poem,   // a poem page: the poem loaded last is read
  Other,  // volumes, help topics, authors, 关于: nothing is read
};

// The utterances in the order they are queued, as GBK texts. For a poem,
// itemData is its number; it is read only while both poem files are open and
// 1 <= itemData <= the poem count.
std::vector<std::string> SpokenTexts(const PoemCatalogue& catalogue, ShownNode shown, int itemData,
                                     const SpeechItems& items, const Introduction& intro);

// Queues the utterances on the engine, each as its own UTF-16 text. Does
// nothing without an engine.
void SpeakCurrentPage(SpeechEngine* engine, const PoemCatalogue& catalogue, ShownNode shown, int itemData,
                      const SpeechItems& items, const Introduction& intro = Introduction::Embedded());

}  // namespace versilo
