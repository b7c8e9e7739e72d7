// versilo-tool: the reader's core without a window, for anthology authors,
// scripts and tests. It works on the files of its current directory.
#include <cstdio>
#include <exception>
#include <functional>
#include <map>

#include "tools/versilo-tool/Commands.h"

namespace versilo::tool {

int Fail(const std::string& text) {
  std::fprintf(stderr, "versilo-tool: %s\n", text.c_str());
  return 1;
}

}  // namespace versilo::tool

namespace {

const char* kUsage =
    "usage: versilo-tool VERB [ARGS]\n"
    "  dump TABLE [MEMO] [--plain]   print a table's header and records\n"
    "  scramble TABLE                turn every record into its other form\n"
    "  delete TABLE N                mark physical record N deleted\n"
    "  pack TABLE                    drop the deleted records\n"
    "  build-anthology SOURCE OUT    compile anthology source text into data files\n"
    "  poem-page N                   write poem.htm for poem N\n"
    "  author-page                   write author.htm; print INDEX NAME ANCHOR per poet\n"
    "  speech-text N [--items LIST]  print what is read aloud for poem N (0: the introduction)\n";

}  // namespace

int main(int argc, char** argv) {
  using namespace versilo::tool;
  const std::map<std::string, std::function<int(const Args&)>> verbs = {
      {"dump", Dump},
      {"scramble", Scramble},
      {"delete", Delete},
      {"pack", Pack},
      {"build-anthology", BuildAnthology},
      {"poem-page", PoemPage},
      {"author-page", AuthorPage},
      {"speech-text", SpeechText},
  };
  if (argc < 2 || verbs.find(argv[1]) == verbs.end()) {
    std::fputs(kUsage, stderr);
    return 1;
  }
  try {
    return verbs.at(argv[1])(Args(argv + 2, argv + argc));
  } catch (const std::exception& e) {
    return Fail(e.what());
  }
}
