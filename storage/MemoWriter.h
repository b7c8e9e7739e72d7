#pragma once
// Writes a memo file in the FoxPro layout CFPTOBJ reads: a 512-byte header
// with the next free block and the block size (big-endian), then each memo
// in whole blocks of type 1 with its length and its text.
#include <cstdint>
#include <string>
#include <string_view>

namespace versilo {

class MemoWriter {
 public:
  static constexpr uint32_t kBlockSize = 64;
  static constexpr uint32_t kTextBlockType = 1;

  explicit MemoWriter(bool scrambled) : scrambled_(scrambled) {}

  // Stores a memo and returns its block number; an empty text is stored as
  // no memo at all, block 0.
  uint32_t Add(std::string_view gbk);
  uint32_t NextFreeBlock() const;
  std::string Bytes() const;

 private:
  std::string blocks_;  // everything after the header
  bool scrambled_;
};

}  // namespace versilo
