// The page verbs: the poem page, the author page and the spoken text, made
// from the data files of the current directory exactly as the reader makes
// them.
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "catalogue/AuthorPage.h"
#include "catalogue/PoemCatalogue.h"
#include "catalogue/PoemPage.h"
#include "catalogue/SpokenText.h"
#include "tools/versilo-tool/Commands.h"
#include "tools/versilo-tool/TextOutput.h"

namespace versilo::tool {
namespace {

bool ParseNumber(const std::string& text, int* n) {
  if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
    return false;
  *n = std::atoi(text.c_str());
  return true;
}

// Opens the poem files as the tree build does; the storage layer has
// already said why when they cannot be opened.
bool OpenPoem(PoemCatalogue& catalogue, int n) {
  catalogue.OpenAndListPoems(nullptr);
  if (!catalogue.IsOpen()) return false;
  if (n < 1 || n > catalogue.PoemCount()) {
    Fail("there is no poem " + std::to_string(n) + ": " + PoemCatalogue::kPoemTable + " holds " +
         std::to_string(catalogue.PoemCount()));
    return false;
  }
  return true;
}

bool ParseItems(const std::string& list, SpeechItems* items) {
  *items = SpeechItems{false, false, false, false, false, false};
  std::istringstream in(list);
  std::string item;
  while (std::getline(in, item, ',')) {
    if (item == "title")
      items->title = true;
    else if (item == "author")
      items->author = true;
    else if (item == "content")
      items->content = true;
    else if (item == "note")
      items->notes = true;
    else if (item == "translate")
      items->translation = true;
    else if (item == "comment")
      items->commentary = true;
    else if (!item.empty())
      return false;
  }
  return true;
}

}  // namespace

int PoemPage(const Args& args) {
  int n = 0;
  if (args.size() != 1 || !ParseNumber(args[0], &n)) return Fail("usage: versilo-tool poem-page N");
  PoemCatalogue catalogue;
  if (!OpenPoem(catalogue, n)) return 1;
  if (!MakePoemPage(catalogue, kPoemPageFile, n))
    return Fail(std::string("no page written: ") + kPoemPageFile);
  return 0;
}

int AuthorPage(const Args& args) {
  if (!args.empty()) return Fail("usage: versilo-tool author-page");
  PoemCatalogue catalogue;
  if (!MakeAuthorPage(catalogue, nullptr)) return Fail(std::string("no page written: ") + kAuthorPageFile);
  for (int i = 0; i < catalogue.AuthorCount(); ++i)
    std::printf("%d\t%s\t%s\n", i, EscapedUtf8(catalogue.AuthorName(i)).c_str(),
                EscapedUtf8(catalogue.AuthorAnchor(i)).c_str());
  return 0;
}

int SpeechText(const Args& args) {
  const char* usage =
      "usage: versilo-tool speech-text N [--items title,author,content,note,translate,comment]";
  int n = 0;
  SpeechItems items;
  if (args.empty() || !ParseNumber(args[0], &n)) return Fail(usage);
  if (args.size() == 3 && args[1] == "--items") {
    if (!ParseItems(args[2], &items)) return Fail("unknown item in " + args[2] + "; " + usage);
  } else if (args.size() != 1) {
    return Fail(usage);
  }
  PoemCatalogue catalogue;
  ShownNode shown = ShownNode::Root;
  if (n > 0) {
    if (!OpenPoem(catalogue, n) || !catalogue.LoadPoem(n)) return 1;
    shown = ShownNode::Poem;
  }
  for (const std::string& text : SpokenTexts(catalogue, shown, n, items, Introduction::Embedded()))
    std::printf("%s\n", EscapedUtf8(text).c_str());
  return 0;
}

}  // namespace versilo::tool
