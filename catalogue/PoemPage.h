#pragma once
// The poem page: one HTML file, rewritten for every poem the reader looks
// at, made of fixed fragments with the poem's texts inserted as they are
// (GBK, no escaping).
#include <string>

#include "catalogue/PoemCatalogue.h"

namespace versilo {

inline constexpr const char* kPoemPageFile = "poem.htm";

// The stored bytes of the page of the catalogue's current poem.
std::string PoemPageBytes(const PoemCatalogue& catalogue);

// Loads poem n and writes its page to fileName ("poem.htm"), leaving it
// read-only. False without a message when the poem cannot be loaded (the
// file is not touched); false after "Make HTML file error." when the file
// cannot be written (the previous page stays whole).
bool MakePoemPage(PoemCatalogue& catalogue, const std::string& fileName, int n);

}  // namespace versilo
