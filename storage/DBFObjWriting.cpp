// The rewriting half of CDBFObj: header update, append, overwrite, delete,
// moving between live records, and packing. Every write locks the byte range
// it touches, so several processes can share one table.
#include <cstdio>
#include <ctime>
#include <vector>

#include "base/MessageSink.h"
#include "storage/DBFObj.h"
#include "storage/FileError.h"
#include "storage/StorageMessages.h"

namespace versilo {
namespace {

// Appenders serialise on this byte, far past any data, so that two processes
// never pick the same end of file.
constexpr uint64_t kAppendGuardByte = (uint64_t{1} << 40) + 1;
constexpr const char* kPackTempName = "TEMP_XX.DBF";

void PutLe32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

}  // namespace

void CDBFObj::ShowWriteFailure(const FileError& error, bool otherAsWriteError) {
  const char* text = nullptr;
  switch (error.cause()) {
    case FileError::Cause::AccessDenied:
      text = storage_messages::kAccessDenied;
      break;
    case FileError::Cause::SharingViolation:
      text = storage_messages::kSharingViolation;
      break;
    case FileError::Cause::LockViolation:
      text = storage_messages::kLockViolation;
      break;
    case FileError::Cause::EndOfFile:
      text = otherAsWriteError ? storage_messages::kWriteError : storage_messages::kEndOfFile;
      break;
    case FileError::Cause::Other:
      if (otherAsWriteError) text = storage_messages::kWriteError;
      break;
  }
  if (text) Show(text);
}

void CDBFObj::UpdateHeader() {
  if (!m_file.IsOpen()) return;
  try {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    uint8_t bytes[7] = {static_cast<uint8_t>(local.tm_year), static_cast<uint8_t>(local.tm_mon + 1),
                        static_cast<uint8_t>(local.tm_mday)};
    PutLe32(bytes + 3, static_cast<uint32_t>(m_lRecCount));
    RangeLock lock(m_file, 1, 32);
    m_file.WriteAt(1, bytes, sizeof bytes);
  } catch (const FileError& e) {
    ShowWriteFailure(e, false);
  }
}

// The header's count is read afresh before it is changed: another process
// may have appended since this table was opened.
bool CDBFObj::DeleteRecord() {
  if (!m_file.IsOpen() || m_lActCurRec < 1) return false;
  const int32_t a = m_lActCurRec;
  const int32_t savedCount = m_lRecCount, savedCur = m_lCurRec, savedActCur = m_lActCurRec;
  try {
    RangeLock guard(m_file, kAppendGuardByte, 1);
    {
      RangeLock lock(m_file, 0, RecordOffset(a) + m_lRecordLength + 1);
      const uint8_t flag = kDeletedFlag;
      m_file.WriteAt(RecordOffset(a), &flag, 1);
      m_lRecCount = HeaderCount();
    }
    const int32_t before = m_lRecCount;
    m_lRecCount -= 1;
    Skip(m_lCurRec != before, true);
    if (m_lRecCount < 1) m_lRecCount = 0;
    if (m_lCurRec > m_lRecCount) m_lCurRec = 0;
    UpdateHeader();
  } catch (const FileError& e) {
    m_lRecCount = savedCount;
    m_lCurRec = savedCur;
    m_lActCurRec = savedActCur;
    ShowWriteFailure(e, false);
    return false;
  }
  return true;
}

int32_t CDBFObj::HeaderCount() {
  uint8_t count[4] = {};
  m_file.ReadAt(4, count, sizeof count);
  return static_cast<int32_t>(count[0] | count[1] << 8 | count[2] << 16 | uint32_t{count[3]} << 24);
}

// The end of the file and the header's count are taken afresh under a lock
// shared by all appenders: counts remembered from Open would make two
// processes write their records over each other.
bool CDBFObj::AppendRecord() {
  if (!m_file.IsOpen()) return false;
  const size_t length = static_cast<size_t>(m_lRecordLength);
  try {
    RangeLock guard(m_file, kAppendGuardByte, 1);
    const uint64_t fileLength = m_file.Length();
    const uint64_t physical =
        fileLength > static_cast<uint64_t>(m_lHeaderLength) ? (fileLength - m_lHeaderLength) / length : 0;
    const uint64_t p = m_lHeaderLength + physical * length;
    m_record[length] = kEndOfData;
    {
      RangeLock lock(m_file, p, length + 1);
      m_file.WriteAt(p, m_record, length + 1);
    }
    m_record[length] = 0;
    m_lRecCount = HeaderCount() + 1;
    m_lCurRec = m_lRecCount;
    m_lActRecCount = static_cast<int32_t>(physical + 1);
    m_lActCurRec = m_lActRecCount;
    UpdateHeader();
  } catch (const FileError& e) {
    m_record[length] = 0;
    ShowWriteFailure(e, false);
    return false;
  }
  return true;
}

bool CDBFObj::WriteRecord() {
  if (!m_file.IsOpen() || m_lActCurRec < 1) return false;
  try {
    RangeLock guard(m_file, kAppendGuardByte, 1);
    const uint64_t p = RecordOffset(m_lActCurRec);
    {
      RangeLock lock(m_file, p, m_lRecordLength + 1);
      m_file.WriteAt(p, m_record, static_cast<size_t>(m_lRecordLength));
    }
    m_lRecCount = HeaderCount();
    UpdateHeader();
  } catch (const FileError& e) {
    ShowWriteFailure(e, true);
    return false;
  }
  return true;
}

// Record numbers outside the table are refused: record 0 would land on the
// header.
bool CDBFObj::WriteRecordAt(int32_t n) {
  if (!m_file.IsOpen() || n < 1 || n > m_lActRecCount) return false;
  try {
    const uint64_t p = RecordOffset(n);
    RangeLock lock(m_file, p, m_lRecordLength + 1);
    m_file.WriteAt(p, m_descrambled, static_cast<size_t>(m_lRecordLength));
  } catch (const FileError& e) {
    ShowWriteFailure(e, false);
    return false;
  }
  return true;
}

bool CDBFObj::ReadCurrent() {
  if (!m_file.IsOpen() || m_lActCurRec < 1) return true;
  size_t got = m_file.ReadAt(RecordOffset(m_lActCurRec), m_record, static_cast<size_t>(m_lRecordLength));
  for (size_t i = got; i <= static_cast<size_t>(m_lRecordLength); ++i) m_record[i] = 0;
  return true;
}

bool CDBFObj::Skip(bool forward, bool keep) {
  if (!m_file.IsOpen()) return false;
  if (forward) {
    for (int32_t n = m_lActCurRec + 1; n <= m_lActRecCount; ++n) {
      if (!FlagIsDeleted(n)) {
        m_lActCurRec = n;
        if (!keep) m_lCurRec += 1;
        return true;
      }
    }
    m_lActCurRec = m_lActRecCount;
    m_lCurRec = m_lRecCount + 1;
    return false;
  }
  for (int32_t n = m_lActCurRec - 1; n >= 1; --n) {
    if (!FlagIsDeleted(n)) {
      m_lActCurRec = n;
      m_lCurRec -= 1;
      return true;
    }
  }
  m_lCurRec = 0;
  m_lActCurRec = 1;
  return false;
}

// Copies the live records through "TEMP_XX.DBF" and renames it over the
// table. The rename replaces the table in one step, so no moment passes in
// which the table's name holds nothing.
bool CDBFObj::Pack() {
  if (m_lRecordLength <= 0 || m_strName.empty()) return false;
  PosixFile table, temp;
  try {
    table.Open(m_strName, PosixFile::Access::ReadWrite, PosixFile::Sharing::Exclusive);
  } catch (const FileError&) {
    return false;
  }
  try {
    temp.Open(kPackTempName, PosixFile::Access::CreateWrite, PosixFile::Sharing::Exclusive);
  } catch (const FileError&) {
    return false;
  }
  try {
    const uint64_t h = static_cast<uint64_t>(m_lHeaderLength);
    const size_t l = static_cast<size_t>(m_lRecordLength);
    const uint64_t length = table.Length();
    const uint64_t n = length > h ? (length - h) / l : 0;
    std::vector<uint8_t> header(h);
    if (table.ReadAt(0, header.data(), h) < h) throw FileError(FileError::Cause::EndOfFile, m_strName);
    temp.WriteAt(0, header.data(), h);
    std::vector<uint8_t> record(l);
    uint32_t kept = 0;
    for (uint64_t r = 0; r < n; ++r) {
      table.ReadAt(h + r * l, record.data(), l);
      if (record[0] == kDeletedFlag) continue;
      temp.WriteAt(h + uint64_t{kept} * l, record.data(), l);
      ++kept;
    }
    uint8_t count[4];
    PutLe32(count, kept);
    if (h >= 8) temp.WriteAt(4, count, sizeof count);
    const uint8_t end = kEndOfData;
    temp.WriteAt(h + uint64_t{kept} * l, &end, 1);
    temp.SyncWithModeOf(table);
    m_lRecCount = static_cast<int32_t>(kept);
  } catch (const FileError&) {
    temp.Close();
    std::remove(kPackTempName);
    return false;
  }
  temp.Close();
  // The table stays held until it is replaced, so no other writer can slip
  // a record into the old file in between.
  const bool renamed = std::rename(kPackTempName, m_strName.c_str()) == 0;
  table.Close();
  if (!renamed) {
    // The packed data stay in the temporary file; the table is untouched.
    Show(storage_messages::kRenameError);
    return false;
  }
  return true;
}

}  // namespace versilo
