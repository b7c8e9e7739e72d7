// Arbitrary bytes as a table: Open, then every record load must stay inside
// the buffers whatever the header claims.
#include "fuzz/FuzzFile.h"
#include "storage/DBFObj.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = FuzzFile(data, size, "t.man");
  versilo::CDBFObj dbf;
  if (!dbf.Open(path.c_str(), 5)) return 0;
  const int32_t last = dbf.m_lActRecCount < 64 ? dbf.m_lActRecCount : 64;
  for (int32_t n = -1; n <= last + 1; ++n) {
    dbf.ReadRecord(n);
    dbf.GoTo(n);
  }
  dbf.GoTop();
  return 0;
}
