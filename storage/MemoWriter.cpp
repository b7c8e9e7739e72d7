#include "storage/MemoWriter.h"

#include "storage/DataKey.h"
#include "storage/FPTOBJ.h"

namespace versilo {
namespace {

void AppendBe32(std::string& s, uint32_t v) {
  for (int i = 3; i >= 0; --i) s += static_cast<char>(v >> (8 * i));
}

}  // namespace

uint32_t MemoWriter::Add(std::string_view gbk) {
  if (gbk.empty()) return 0;
  const uint32_t block = NextFreeBlock();
  AppendBe32(blocks_, kTextBlockType);
  AppendBe32(blocks_, static_cast<uint32_t>(gbk.size()));
  for (char c : gbk) blocks_ += static_cast<char>(scrambled_ ? Scramble(static_cast<uint8_t>(c)) : c);
  blocks_.resize((blocks_.size() + kBlockSize - 1) / kBlockSize * kBlockSize, '\0');
  return block;
}

uint32_t MemoWriter::NextFreeBlock() const {
  return static_cast<uint32_t>((CFPTOBJ::kHeaderSize + blocks_.size()) / kBlockSize);
}

std::string MemoWriter::Bytes() const {
  std::string out;
  AppendBe32(out, NextFreeBlock());
  AppendBe32(out, kBlockSize);
  out.resize(CFPTOBJ::kHeaderSize, '\0');
  return out + blocks_;
}

}  // namespace versilo
