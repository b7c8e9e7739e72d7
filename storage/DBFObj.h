#pragma once
// CDBFObj: one open table in the dBASE layout the anthology uses (version
// byte 0x30, GBK code page mark 0x7A). Records are loaded by 1-based number
// into a row of field texts and memo block numbers; callers address fields by
// position. The rewriting half (append, overwrite, delete, pack) lives in
// DBFObjWriting.cpp.
#include <cstdint>
#include <string>

#include "storage/PosixFile.h"

namespace versilo {

class CDBFObj {
 public:
  static constexpr int kMaxFields = 128;
  // Each record buffer holds the record and a terminating zero byte.
  static constexpr int kRecordBufferSize = 500;
  static constexpr int kMaxRecordLength = kRecordBufferSize - 1;
  static constexpr int kDescriptorSize = 32;
  static constexpr uint8_t kVersion = 0x30;
  static constexpr uint8_t kCodePageGbk = 0x7A;
  static constexpr uint8_t kDescriptorEnd = 0x0D;
  static constexpr uint8_t kEndOfData = 0x1A;
  static constexpr uint8_t kDeletedFlag = '*';

  struct FieldInfo {
    std::string name;  // up to 10 bytes, as stored
    char type = 0;     // only 'M' (memo) is treated differently
    int length = 0;
    int displacement = 0;
  };

  CDBFObj();
  virtual ~CDBFObj();
  CDBFObj(const CDBFObj&) = delete;
  CDBFObj& operator=(const CDBFObj&) = delete;

  // Opens the table (shared with every other opener) and reads its header.
  // The reader passes mode 5; the mode does not change how a table opens.
  bool Open(const char* name, int mode);
  bool Close();
  bool IsOpen() const { return m_bOpen; }
  bool IsEmpty() const { return m_lRecCount <= 0; }

  bool GoTop();
  // Loads record n as stored (for plain tables).
  bool GoTo(int32_t n);
  // Loads record n, descrambling it.
  bool ReadRecord(int32_t n);

  virtual bool ReadHeader();
  virtual void UpdateHeader();
  virtual bool Pack();
  virtual bool DeleteRecord();
  virtual bool AppendRecord();
  virtual bool WriteRecord();
  virtual bool WriteRecordAt(int32_t n);
  virtual bool ReadCurrent();
  bool Skip(bool forward, bool keep);

  int FieldCount() const { return m_nFieldCount; }
  const FieldInfo& Field(int i) const { return m_fields[i]; }
  int32_t HeaderLength() const { return m_lHeaderLength; }
  int32_t RecordLength() const { return m_lRecordLength; }
  const std::string& FileName() const { return m_strName; }
  int Mode() const { return m_nMode; }
  // The last message composed.
  const std::string& Message() const { return m_strMessage; }

  // The record to append or to overwrite the current record with.
  uint8_t* RecordBuffer() { return m_record; }
  // The descrambled copy of the last ReadRecord; WriteRecordAt writes it.
  uint8_t* DescrambledBuffer() { return m_descrambled; }

  // The row of the last record loaded; overwritten, not cleared, by each load.
  std::string m_strField[kMaxFields];
  int32_t m_lMemoBlock[kMaxFields] = {};
  int32_t m_lRecCount = 0;     // live records, from the header
  int32_t m_lCurRec = 0;       // logical position: 1 on the first live record, 0 none
  int32_t m_lActRecCount = 0;  // physical records, from the file length
  int32_t m_lActCurRec = 0;    // physical number of the current record

 private:
  bool LoadRecord(int32_t n, bool descramble);
  bool ParseHeader(uint64_t fileLength);
  uint64_t RecordOffset(int32_t n) const;
  bool FlagIsDeleted(int32_t n);
  // The live-record count stored in the header now.
  int32_t HeaderCount();
  void Show(const std::string& message);
  void ShowWriteFailure(const class FileError& error, bool otherAsWriteError);

  FieldInfo m_fields[kMaxFields];
  int m_nFieldCount = 0;
  std::string m_strName;
  std::string m_strMessage;
  int m_nMode = 0;
  int32_t m_lHeaderLength = 0;
  int32_t m_lRecordLength = 0;
  bool m_bOpen = false;
  PosixFile m_file;
  uint8_t m_record[kRecordBufferSize] = {};
  uint8_t m_copy[kRecordBufferSize] = {};
  uint8_t m_descrambled[kRecordBufferSize] = {};
};

}  // namespace versilo
