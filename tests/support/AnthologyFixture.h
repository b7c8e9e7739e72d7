#pragma once
// Small scrambled anthologies written by the tests themselves: the poem
// table and memo file, the author table and memo file, in the field
// positions the catalogue reads.
#include <string>
#include <utility>
#include <vector>

namespace versilo::test {

// Texts are GBK.
struct PoemFixture {
  std::string volume;
  std::string author;
  std::string title;
  std::string content;
  std::string notes;
  std::string translation;
  std::string commentary;
  std::string english;
};

struct AuthorFixture {
  std::string name;
  std::string anchor;
  std::string biography;
};

// Writes "poem1e.man" and "poem1e.dat" in the working directory. The memos
// are stored in reverse record order, so block numbers do not follow the
// records.
void WritePoemFiles(const std::vector<PoemFixture>& poems);
// Writes "zhu1e.man" and "zhu1e.dat".
void WriteAuthorFiles(const std::vector<AuthorFixture>& authors);

// UTF-8 to GBK, for the tests' literals.
std::string G(const std::string& utf8);

// A page as the tests write it down: one line per fragment line, each LF
// standing for the stored CR CR LF; then each "{NAME}" replaced by the
// given stored bytes.
std::string StoredPage(const std::string& utf8Lines,
                       const std::vector<std::pair<std::string, std::string>>& texts);

}  // namespace versilo::test
