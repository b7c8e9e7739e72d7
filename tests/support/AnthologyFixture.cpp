#include "tests/support/AnthologyFixture.h"

#include <stdexcept>

#include "base/Gbk.h"
#include "catalogue/AnthologyTables.h"
#include "storage/MemoWriter.h"
#include "storage/TableWriter.h"
#include "tests/support/TestSupport.h"

namespace versilo::test {

void WritePoemFiles(const std::vector<PoemFixture>& poems) {
  // Wider fields than the bundled anthology's, so the tests can reach the
  // limits the reader accepts and write volume texts it does not know.
  TableWriter table(anthology_tables::PoemTableFields(255, 20, 4), true);
  MemoWriter memo(true);
  std::vector<std::vector<uint32_t>> blocks(poems.size());
  for (size_t k = poems.size(); k-- > 0;) {
    const PoemFixture& p = poems[k];
    for (const std::string* text : {&p.content, &p.notes, &p.translation, &p.commentary, &p.english})
      blocks[k].push_back(memo.Add(*text));
  }
  for (size_t k = 0; k < poems.size(); ++k) {
    auto r = table.NewRecord();
    table.SetText(r, 0, std::to_string(k + 1));
    table.SetText(r, 1, poems[k].volume);
    table.SetText(r, 4, poems[k].author);
    table.SetText(r, 5, poems[k].title);
    for (int f = 0; f < 5; ++f) table.SetMemo(r, 6 + f, blocks[k][f]);
    table.Add(r);
  }
  WriteBytes("poem1e.man", table.Bytes());
  WriteBytes("poem1e.dat", memo.Bytes());
}

void WriteAuthorFiles(const std::vector<AuthorFixture>& authors) {
  TableWriter table({{"NAME", 'C', 20}, {"CODE", 'C', 20}, {"BIO", 'M'}}, true);
  MemoWriter memo(true);
  for (const AuthorFixture& a : authors) {
    auto r = table.NewRecord();
    table.SetText(r, 0, a.name);
    table.SetText(r, 1, a.anchor);
    table.SetMemo(r, 2, memo.Add(a.biography));
    table.Add(r);
  }
  WriteBytes("zhu1e.man", table.Bytes());
  WriteBytes("zhu1e.dat", memo.Bytes());
}

std::string G(const std::string& utf8) { return Utf8ToGbk(utf8); }

std::string StoredPage(const std::string& utf8Lines,
                       const std::vector<std::pair<std::string, std::string>>& texts) {
  std::string page;
  for (char c : Utf8ToGbk(utf8Lines)) {
    if (c == '\n')
      page += "\r\r\n";
    else
      page += c;
  }
  for (const auto& [name, bytes] : texts) {
    const std::string mark = "{" + name + "}";
    const size_t at = page.find(mark);
    if (at == std::string::npos) throw std::logic_error("no " + mark + " in the page");
    page.replace(at, mark.size(), bytes);
  }
  return page;
}

}  // namespace versilo::test
