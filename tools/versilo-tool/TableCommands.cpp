// The maintenance verbs: scramble, delete and pack a table in place.
#include <cstdlib>
#include <string>

#include "storage/DBFObj.h"
#include "tools/versilo-tool/Commands.h"

namespace versilo::tool {
namespace {

bool ParseRecordNumber(const std::string& text, int32_t* n) {
  char* end = nullptr;
  long v = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || v < 1 || v > INT32_MAX) return false;
  *n = static_cast<int32_t>(v);
  return true;
}

}  // namespace

// Loading a record descrambles it; writing the descrambled copy back stores
// its other form, since the step is its own inverse.
int Scramble(const Args& args) {
  if (args.size() != 1) return Fail("usage: versilo-tool scramble TABLE");
  CDBFObj dbf;
  if (!dbf.Open(args[0].c_str(), 5)) return 1;
  for (int32_t n = 1; n <= dbf.m_lActRecCount; ++n) {
    dbf.ReadRecord(n);
    if (!dbf.WriteRecordAt(n)) return Fail("cannot write record " + std::to_string(n) + " of " + args[0]);
  }
  return 0;
}

// Stands on record N (its place among the live records as the logical
// position), refusing one already deleted: deleting it again would count
// one live record less than there is.
int Delete(const Args& args) {
  int32_t n = 0;
  if (args.size() != 2 || !ParseRecordNumber(args[1], &n)) return Fail("usage: versilo-tool delete TABLE N");
  CDBFObj dbf;
  if (!dbf.Open(args[0].c_str(), 5)) return 1;
  if (n > dbf.m_lActRecCount)
    return Fail(args[0] + " has " + std::to_string(dbf.m_lActRecCount) + " records, not " + args[1]);
  int32_t live = 0;
  for (int32_t r = 1; r <= n; ++r) {
    dbf.m_lActCurRec = r;
    dbf.ReadCurrent();
    const bool deleted = dbf.RecordBuffer()[0] == CDBFObj::kDeletedFlag;
    if (r == n && deleted) return Fail("record " + args[1] + " of " + args[0] + " is deleted already");
    live += deleted ? 0 : 1;
  }
  dbf.m_lCurRec = live;
  return dbf.DeleteRecord() ? 0 : Fail("cannot delete record " + args[1] + " of " + args[0]);
}

// The table must be closed for packing: open it to read its header, close
// it, then pack.
int Pack(const Args& args) {
  if (args.size() != 1) return Fail("usage: versilo-tool pack TABLE");
  CDBFObj dbf;
  if (!dbf.Open(args[0].c_str(), 5)) return 1;
  dbf.Close();
  return dbf.Pack() ? 0 : Fail("cannot pack " + args[0]);
}

}  // namespace versilo::tool
