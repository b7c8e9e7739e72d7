#pragma once
// CFPTOBJ: one open memo file in the FoxPro layout (big-endian header and
// block headers, fixed-size blocks). ReadMemo turns a block number from a
// table row into the memo's descrambled text.
#include <cstdint>
#include <string>

#include "storage/PosixFile.h"

namespace versilo {

class CFPTOBJ {
 public:
  static constexpr int kTextBufferSize = 102400;
  // The longest memo text read: the buffer less its zero byte, less one more.
  static constexpr uint32_t kMaxMemoLength = kTextBufferSize - 2;
  static constexpr int kHeaderSize = 512;
  // Blocks below 8 lie in the header and never hold a memo.
  static constexpr int32_t kFirstMemoBlock = 8;
  static constexpr int32_t kDefaultBlockSize = 64;
  // Memo files up to this size are read whole at open: the reader never
  // rewrites a memo file in place, and one read replaces two per memo.
  static constexpr uint64_t kSnapshotLimit = 32 << 20;

  CFPTOBJ() = default;
  ~CFPTOBJ() { Close(); }
  CFPTOBJ(const CFPTOBJ&) = delete;
  CFPTOBJ& operator=(const CFPTOBJ&) = delete;

  // Mode 5, and every value outside 1-4, opens read-only and shared; 2 to 4
  // open for reading and writing, for tools that maintain memo files.
  bool Open(const char* name, int mode);
  bool Close();
  bool IsOpen() const { return m_bOpen; }
  bool ReadMemo(int32_t block);

  const std::string& Message() const { return m_strMessage; }
  int32_t BlockType() const { return m_nBlockType; }
  int32_t MemoLength() const { return m_lMemoLength; }

  std::string m_strMemo;
  int32_t m_lNextFree = 0;
  int32_t m_lBlockSize = kDefaultBlockSize;

 private:
  bool OpenFile();
  void Show(const std::string& message);

  PosixFile m_file;
  bool m_bOpen = false;
  std::string m_strName;
  std::string m_strMessage;
  int m_nMode = 0;
  int32_t m_nBlockType = 0;
  int32_t m_lMemoLength = 0;
  int32_t m_lResult = 0;
  // Reads length bytes at offset from the snapshot where it holds them, else
  // from the file.
  size_t ReadAt(uint64_t offset, void* buffer, size_t length);

  std::string m_raw;       // reused between reads, so a memo allocates only once
  std::string m_snapshot;  // the file as it was opened, when small enough
};

}  // namespace versilo
