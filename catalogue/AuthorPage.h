#pragma once
// The author page: every poet's biography on one page, "author.htm",
// written once when the tree is built. The same pass gives the tree its
// author nodes and the catalogue its author anchors and names.
#include "catalogue/CatalogueTreeSink.h"
#include "catalogue/PoemCatalogue.h"

namespace versilo {

inline constexpr const char* kAuthorPageFile = "author.htm";
inline constexpr const char* kAuthorTable = "zhu1e.man";
inline constexpr const char* kAuthorMemo = "zhu1e.dat";
// Names and anchor codes are kept to this many bytes.
inline constexpr size_t kAuthorTextLimit = 15;

// Reads up to 79 poets from the author table, adds a node per poet to the
// sink (which may be null) and fills the catalogue's anchors and names, then
// writes "author.htm" in the working directory, read-only. Author files that
// cannot be opened give a page with head and tail only (the storage layer
// has shown why). Returns false after "Make author HTML file Error." when
// the page cannot be written; the poets taken stay.
bool MakeAuthorPage(PoemCatalogue& catalogue, CatalogueTreeSink* sink);

}  // namespace versilo
