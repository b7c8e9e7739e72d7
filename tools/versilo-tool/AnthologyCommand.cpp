#include <cstdio>

#include "tools/anthology/Anthology.h"
#include "tools/anthology/SourceFile.h"
#include "tools/versilo-tool/Commands.h"

namespace versilo::tool {

int BuildAnthology(const Args& args) {
  if (args.size() != 2) return Fail("usage: versilo-tool build-anthology SOURCE_DIR OUT_DIR");
  try {
    const auto anthology = anthology::ReadAnthology(args[0]);
    anthology::WriteAnthologyFiles(anthology::MakeAnthologyFiles(anthology), args[1]);
    std::printf("%zu poems, %zu poets written to %s\n", anthology.poems.size(), anthology.poets.size(),
                args[1].c_str());
    return 0;
  } catch (const anthology::SourceError& e) {
    return Fail(e.what());
  }
}

}  // namespace versilo::tool
