#include <cstdio>
#include <string>

#include "storage/DBFObj.h"
#include "storage/FPTOBJ.h"
#include "tools/versilo-tool/Commands.h"
#include "tools/versilo-tool/TextOutput.h"

namespace versilo::tool {

int Dump(const Args& args) {
  std::string table, memo;
  bool plain = false;
  for (const auto& a : args) {
    if (a == "--plain")
      plain = true;
    else if (table.empty())
      table = a;
    else if (memo.empty())
      memo = a;
    else
      return Fail("dump: too many arguments");
  }
  if (table.empty()) return Fail("usage: versilo-tool dump TABLE [MEMO] [--plain]");

  CDBFObj dbf;
  if (!dbf.Open(table.c_str(), 5)) return 1;
  CFPTOBJ fpt;
  if (!memo.empty() && !fpt.Open(memo.c_str(), 5)) return 1;

  std::printf("# version=0x%02X codepage=0x%02X records=%d physical=%d header=%d reclen=%d fields=%d\n",
              CDBFObj::kVersion, CDBFObj::kCodePageGbk, dbf.m_lRecCount, dbf.m_lActRecCount,
              dbf.HeaderLength(), dbf.RecordLength(), dbf.FieldCount());
  for (int i = 0; i < dbf.FieldCount(); ++i) {
    const auto& f = dbf.Field(i);
    std::printf("# field %d %s %c %d %d\n", i, EscapedUtf8(f.name).c_str(), f.type ? f.type : '?', f.length,
                f.displacement);
  }
  for (int32_t n = 1; n <= dbf.m_lActRecCount; ++n) {
    if (plain)
      dbf.GoTo(n);
    else
      dbf.ReadRecord(n);
    std::string line = std::to_string(n);
    for (int i = 0; i < dbf.FieldCount(); ++i) {
      line += '\t';
      if (dbf.Field(i).type != 'M') {
        line += EscapedUtf8(dbf.m_strField[i]);
      } else if (!memo.empty()) {
        if (fpt.ReadMemo(dbf.m_lMemoBlock[i])) line += EscapedUtf8(fpt.m_strMemo);
      } else {
        line += '#' + std::to_string(static_cast<uint32_t>(dbf.m_lMemoBlock[i]));
      }
    }
    std::printf("%s\n", line.c_str());
  }
  return 0;
}

}  // namespace versilo::tool
