#include "storage/FPTOBJ.h"

#include <cstring>

#include "base/MessageSink.h"
#include "storage/DataKey.h"
#include "storage/FileError.h"
#include "storage/StorageMessages.h"

namespace versilo {
namespace {

uint32_t Be32(const uint8_t* p) {
  return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | uint32_t{p[3]};
}

}  // namespace

void CFPTOBJ::Show(const std::string& message) {
  m_strMessage = message;
  ShowMessage(message);
}

bool CFPTOBJ::Open(const char* name, int mode) {
  if (name == nullptr) return false;
  m_strName = name;
  m_nMode = mode;
  if (m_bOpen) return true;
  try {
    if (!PosixFile::Exists(m_strName)) {
      Show(storage_messages::Missing(m_strName));
      return false;
    }
    if (!OpenFile()) {
      m_bOpen = false;
      Show(storage_messages::ReadError(m_strName));
      return false;
    }
    m_bOpen = true;
    return true;
  } catch (const FileError& e) {
    m_file.Close();
    m_bOpen = false;
    Show(e.Description());
    return false;
  }
}

bool CFPTOBJ::OpenFile() {
  const bool writable = m_nMode >= 2 && m_nMode <= 4;
  try {
    m_file.Open(m_strName, writable ? PosixFile::Access::ReadWrite : PosixFile::Access::ReadOnly,
                PosixFile::Sharing::Shared);
  } catch (const FileError&) {
    Show(storage_messages::CannotOpen(m_strName));
    m_lResult = 0;
    return false;
  }
  uint8_t head[8];
  if (m_file.Length() < static_cast<uint64_t>(kHeaderSize) ||
      m_file.ReadAt(0, head, sizeof head) < sizeof head) {
    m_file.Close();
    Show(storage_messages::NotStandard(m_strName));
    m_lResult = 0;
    return false;
  }
  m_snapshot.clear();
  const uint64_t length = m_file.Length();
  if (length <= kSnapshotLimit) {
    m_snapshot.resize(length);
    m_snapshot.resize(m_file.ReadAt(0, m_snapshot.data(), length));
  }
  m_lNextFree = static_cast<int32_t>(Be32(head));
  m_lBlockSize = static_cast<int32_t>(Be32(head + 4));
  m_lResult = 1;
  return true;
}

size_t CFPTOBJ::ReadAt(uint64_t offset, void* buffer, size_t length) {
  if (offset + length <= m_snapshot.size()) {
    std::memcpy(buffer, m_snapshot.data() + offset, length);
    return length;
  }
  return m_file.ReadAt(offset, buffer, length);
}

bool CFPTOBJ::Close() {
  m_snapshot.clear();
  m_snapshot.shrink_to_fit();
  m_file.Close();
  m_bOpen = false;
  return true;
}

// A block past the end of the file, or a length running past it, yields the
// bytes that are there.
bool CFPTOBJ::ReadMemo(int32_t block) {
  if (block < kFirstMemoBlock || !m_file.IsOpen()) return false;
  const uint64_t at = static_cast<uint64_t>(block) * static_cast<uint32_t>(m_lBlockSize);
  uint8_t head[8] = {};
  size_t got = ReadAt(at, head, sizeof head);
  uint32_t length = got == sizeof head ? Be32(head + 4) : 0;
  m_nBlockType = head[3];
  if (length > kMaxMemoLength) length = kMaxMemoLength;
  m_raw.resize(length);
  length = static_cast<uint32_t>(ReadAt(at + 8, m_raw.data(), length));
  m_lMemoLength = static_cast<int32_t>(length);
  m_strMemo.resize(length);
  uint32_t end = length;
  for (uint32_t i = 0; i < length; ++i) {
    uint8_t plain = Descramble(static_cast<uint8_t>(m_raw[i]));
    if (plain == 0) {
      end = i;
      break;
    }
    m_strMemo[i] = static_cast<char>(plain);
  }
  m_strMemo.resize(end);
  return true;
}

}  // namespace versilo
