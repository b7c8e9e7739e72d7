#pragma once
// What the catalogue tells the tree while it lists the anthology. The window
// inserts a node per call; the command-line tool and the tests record them.
#include <string>

namespace versilo {

class CatalogueTreeSink {
 public:
  virtual ~CatalogueTreeSink() = default;
  // Poem n (1-based, its node's item data) under volume node 0 to 11; the
  // title is trimmed.
  virtual void AddPoemNode(int n, int volume, const std::string& gbkTitle) = 0;
  // Author index i from 0 (item data i + 1) under "唐诗作者小传".
  virtual void AddAuthorNode(int index, const std::string& gbkName) = 0;
};

}  // namespace versilo
