#include "storage/DBFObj.h"

#include <cstring>

#include "base/MessageSink.h"
#include "storage/DataKey.h"
#include "storage/FileError.h"
#include "storage/StorageMessages.h"

namespace versilo {
namespace {

uint32_t Le32(const uint8_t* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}
uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

}  // namespace

CDBFObj::CDBFObj() = default;

CDBFObj::~CDBFObj() { Close(); }

void CDBFObj::Show(const std::string& message) {
  m_strMessage = message;
  ShowMessage(message);
}

bool CDBFObj::Open(const char* name, int mode) {
  if (name == nullptr) return false;
  m_strName = name;
  m_nMode = mode;
  if (m_bOpen) return true;
  try {
    if (!PosixFile::Exists(m_strName)) {
      m_bOpen = false;
      Show(storage_messages::Missing(m_strName));
      return false;
    }
    if (!ReadHeader()) {
      m_bOpen = false;
      Show(storage_messages::ReadError(m_strName));
      return false;
    }
    m_bOpen = true;
    if (m_lRecCount > 0) GoTop();
    return true;
  } catch (const FileError& e) {
    m_file.Close();
    m_bOpen = false;
    Show(e.Description());
    return false;
  }
}

bool CDBFObj::Close() {
  m_file.Close();
  m_bOpen = false;
  return true;
}

bool CDBFObj::ReadHeader() {
  try {
    m_file.Open(m_strName, PosixFile::Access::ReadWrite, PosixFile::Sharing::Shared);
  } catch (const FileError& e) {
    // A table installed read-only can still be read; its writes then fail
    // as access denied.
    try {
      if (e.cause() != FileError::Cause::AccessDenied) throw;
      m_file.Open(m_strName, PosixFile::Access::ReadOnly, PosixFile::Sharing::Shared);
    } catch (const FileError&) {
      Show(storage_messages::CannotOpen(m_strName));
      return false;
    }
  }
  if (!ParseHeader(m_file.Length())) {
    m_file.Close();
    Show(storage_messages::NotStandard(m_strName));
    return false;
  }
  return true;
}

// Refuses, besides a wrong version or code page, every header the fixed
// buffers cannot hold: more than 128 fields, no descriptor terminator, a
// record length of 0 or above 499, a header past the end of the file, or a
// field reaching past the end of its record, or records that would start
// inside the descriptors.
bool CDBFObj::ParseHeader(uint64_t fileLength) {
  uint8_t head[32];
  if (fileLength < sizeof head || m_file.ReadAt(0, head, sizeof head) < sizeof head) return false;
  if (head[0] != kVersion || head[29] != kCodePageGbk) return false;
  const uint32_t recCount = Le32(head + 4);
  const uint16_t headerLength = Le16(head + 8);
  const uint16_t recordLength = Le16(head + 10);
  if (recordLength == 0 || recordLength > kMaxRecordLength || headerLength > fileLength) return false;

  int count = 0;
  for (uint64_t at = 32;; at += kDescriptorSize) {
    uint8_t d[kDescriptorSize] = {};
    size_t got = m_file.ReadAt(at, d, sizeof d);
    if (got >= 1 && d[0] == kDescriptorEnd) break;
    if (got < sizeof d || count == kMaxFields) return false;
    FieldInfo& f = m_fields[count];
    f.name.assign(reinterpret_cast<const char*>(d), strnlen(reinterpret_cast<const char*>(d), 10));
    f.type = static_cast<char>(d[11]);
    f.displacement = Le16(d + 12);
    f.length = d[16];
    if (f.displacement + f.length > recordLength) return false;
    ++count;
  }
  if (headerLength < 32 + kDescriptorSize * count + 1) return false;
  m_nFieldCount = count;
  m_lRecCount = static_cast<int32_t>(recCount);
  m_lHeaderLength = headerLength;
  m_lRecordLength = recordLength;
  m_lActRecCount = static_cast<int32_t>((fileLength - headerLength) / recordLength);
  m_lCurRec = 0;
  m_lActCurRec = 0;
  return true;
}

uint64_t CDBFObj::RecordOffset(int32_t n) const {
  return static_cast<uint64_t>(m_lHeaderLength) + static_cast<uint64_t>(n - 1) * m_lRecordLength;
}

bool CDBFObj::GoTo(int32_t n) { return LoadRecord(n, false); }

bool CDBFObj::ReadRecord(int32_t n) { return LoadRecord(n, true); }

bool CDBFObj::LoadRecord(int32_t n, bool descramble) {
  if (!m_file.IsOpen() || m_lActRecCount <= 0) return false;
  if (n < 1) n = 1;
  if (n > m_lActRecCount) n = m_lActRecCount;
  const size_t length = static_cast<size_t>(m_lRecordLength);
  size_t got = m_file.ReadAt(RecordOffset(n), m_record, length);
  // A table cut short while we read it yields zeros, never stale bytes.
  std::memset(m_record + got, 0, kRecordBufferSize - got);
  std::memcpy(m_copy, m_record, kRecordBufferSize);
  const uint8_t* row = m_copy;
  if (descramble) {
    for (size_t i = 0; i < length; ++i) m_descrambled[i] = Descramble(m_copy[i]);
    m_descrambled[length] = 0;
    row = m_descrambled;
  }
  for (int i = 0; i < m_nFieldCount; ++i) {
    const FieldInfo& f = m_fields[i];
    const uint8_t* at = row + f.displacement;
    if (f.type == 'M') {
      uint8_t block[4] = {};
      std::memcpy(block, at, f.length < 4 ? f.length : 4);
      m_lMemoBlock[i] = static_cast<int32_t>(Le32(block));
      continue;
    }
    size_t len = strnlen(reinterpret_cast<const char*>(at), f.length);
    while (len > 1 && at[len - 1] == ' ') --len;
    m_strField[i].assign(reinterpret_cast<const char*>(at), len);
  }
  return true;
}

bool CDBFObj::FlagIsDeleted(int32_t n) {
  uint8_t flag = 0;
  m_file.ReadAt(RecordOffset(n), m_record, static_cast<size_t>(m_lRecordLength));
  flag = m_record[0];
  m_record[m_lRecordLength] = 0;
  return flag == kDeletedFlag;
}

bool CDBFObj::GoTop() {
  if (m_file.IsOpen()) {
    for (int32_t n = 1; n <= m_lActRecCount; ++n) {
      if (!FlagIsDeleted(n)) {
        m_lCurRec = 1;
        m_lActCurRec = n;
        return true;
      }
    }
  }
  m_lCurRec = 0;
  m_lActCurRec = 1;
  return false;
}

}  // namespace versilo
