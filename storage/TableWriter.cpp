#include "storage/TableWriter.h"

#include <stdexcept>

#include "storage/DBFObj.h"
#include "storage/DataKey.h"

namespace versilo {
namespace {

// Visual FoxPro keeps 263 bytes after the descriptors for a database link.
constexpr int kBacklinkSize = 263;
constexpr uint8_t kHasMemoFlag = 0x02;

void PutLe(std::string& s, size_t at, uint32_t v, int width) {
  for (int i = 0; i < width; ++i) s[at + i] = static_cast<char>(v >> (8 * i));
}

}  // namespace

TableWriter::TableWriter(std::vector<FieldSpec> fields, bool scrambled)
    : fields_(std::move(fields)), scrambled_(scrambled) {
  if (fields_.size() > static_cast<size_t>(CDBFObj::kMaxFields))
    throw std::length_error("more than 128 fields");
  for (auto& f : fields_) {
    if (f.type == 'M') f.length = 4;
    if (f.name.size() > 10) throw std::length_error("field name longer than 10 bytes: " + f.name);
    if (f.length < 0 || f.length > 255) throw std::length_error("field length outside 0-255: " + f.name);
    displacement_.push_back(recordLength_);
    recordLength_ += f.length;
  }
  if (recordLength_ > CDBFObj::kMaxRecordLength) throw std::length_error("record longer than 499 bytes");
}

int TableWriter::HeaderLength() const {
  return 32 + CDBFObj::kDescriptorSize * static_cast<int>(fields_.size()) + 1 + kBacklinkSize;
}

std::vector<uint8_t> TableWriter::NewRecord() const {
  std::vector<uint8_t> record(recordLength_, ' ');
  for (size_t i = 0; i < fields_.size(); ++i)
    if (fields_[i].type == 'M') SetMemo(record, static_cast<int>(i), 0);
  return record;
}

void TableWriter::SetText(std::vector<uint8_t>& record, int field, std::string_view gbk) const {
  const FieldSpec& f = fields_.at(field);
  if (gbk.size() > static_cast<size_t>(f.length))
    throw std::length_error("text of " + std::to_string(gbk.size()) + " bytes is longer than field " +
                            f.name + " (" + std::to_string(f.length) + " bytes)");
  const int at = displacement_[field];
  for (int i = 0; i < f.length; ++i)
    record[at + i] = i < static_cast<int>(gbk.size()) ? static_cast<uint8_t>(gbk[i]) : ' ';
}

void TableWriter::SetMemo(std::vector<uint8_t>& record, int field, uint32_t block) const {
  const int at = displacement_.at(field);
  for (int i = 0; i < 4; ++i) record[at + i] = static_cast<uint8_t>(block >> (8 * i));
}

std::string TableWriter::Bytes(const std::tm& date) const {
  const int h = HeaderLength();
  std::string out(h, '\0');
  out[0] = static_cast<char>(CDBFObj::kVersion);
  out[1] = static_cast<char>(date.tm_year);
  out[2] = static_cast<char>(date.tm_mon + 1);
  out[3] = static_cast<char>(date.tm_mday);
  uint32_t live = 0;
  for (const auto& r : records_) live += r[0] != CDBFObj::kDeletedFlag;
  PutLe(out, 4, live, 4);
  PutLe(out, 8, static_cast<uint32_t>(h), 2);
  PutLe(out, 10, static_cast<uint32_t>(recordLength_), 2);
  bool hasMemo = false;
  for (const auto& f : fields_) hasMemo |= f.type == 'M';
  out[28] = static_cast<char>(hasMemo ? kHasMemoFlag : 0);
  out[29] = static_cast<char>(CDBFObj::kCodePageGbk);
  for (size_t i = 0; i < fields_.size(); ++i) {
    const size_t d = 32 + CDBFObj::kDescriptorSize * i;
    out.replace(d, fields_[i].name.size(), fields_[i].name);
    out[d + 11] = fields_[i].type;
    PutLe(out, d + 12, static_cast<uint32_t>(displacement_[i]), 4);
    out[d + 16] = static_cast<char>(fields_[i].length);
  }
  out[32 + CDBFObj::kDescriptorSize * fields_.size()] = static_cast<char>(CDBFObj::kDescriptorEnd);
  for (const auto& r : records_)
    for (uint8_t b : r) out += static_cast<char>(scrambled_ ? Scramble(b) : b);
  out += static_cast<char>(CDBFObj::kEndOfData);
  return out;
}

std::string TableWriter::Bytes() const {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return Bytes(local);
}

}  // namespace versilo
