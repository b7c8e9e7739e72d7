#pragma once
// Writes a whole table in the layout CDBFObj reads: header, field
// descriptors, records and the closing 0x1A. The anthology compiler and the
// tests' fixtures make their tables with it.
#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

namespace versilo {

struct FieldSpec {
  std::string name;  // ASCII, up to 10 bytes
  char type = 'C';   // 'C' character, 'M' memo (4-byte block number)
  int length = 0;    // 'M' fields are always 4 bytes
};

class TableWriter {
 public:
  // Scrambled tables are stored as ReadRecord reads them; plain ones as GoTo.
  TableWriter(std::vector<FieldSpec> fields, bool scrambled);

  int RecordLength() const { return recordLength_; }
  int HeaderLength() const;
  const std::vector<FieldSpec>& Fields() const { return fields_; }

  // A live record with every field blank and every memo block 0.
  std::vector<uint8_t> NewRecord() const;
  // Throws std::length_error when the text is longer than the field.
  void SetText(std::vector<uint8_t>& record, int field, std::string_view gbk) const;
  void SetMemo(std::vector<uint8_t>& record, int field, uint32_t block) const;
  void SetDeleted(std::vector<uint8_t>& record) const { record[0] = '*'; }

  void Add(const std::vector<uint8_t>& record) { records_.push_back(record); }
  size_t Count() const { return records_.size(); }

  // The file's bytes; the header's date is the given day.
  std::string Bytes(const std::tm& date) const;
  std::string Bytes() const;

 private:
  std::vector<FieldSpec> fields_;
  std::vector<int> displacement_;
  std::vector<std::vector<uint8_t>> records_;
  int recordLength_ = 1;
  bool scrambled_;
};

}  // namespace versilo
