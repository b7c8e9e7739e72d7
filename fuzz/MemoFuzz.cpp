// Arbitrary bytes as a memo file: every block number, including those past
// the end, must read safely.
#include "fuzz/FuzzFile.h"
#include "storage/FPTOBJ.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = FuzzFile(data, size, "m.dat");
  versilo::CFPTOBJ fpt;
  if (!fpt.Open(path.c_str(), 5)) return 0;
  for (int32_t b : {0, 7, 8, 9, 10, 16, 100, 1 << 20, -5, 0x7FFFFFFF}) fpt.ReadMemo(b);
  return 0;
}
