#pragma once
// The storage layer's messages, in the order a failed open shows them. Each
// is composed as prefix + file name + suffix.
#include <string>

#include "base/Gbk.h"

namespace versilo::storage_messages {

inline std::string Missing(const std::string& name) {
  return VERSILO_GBK("数据文件 ") + name + VERSILO_GBK(" 不存在.");
}
inline std::string CannotOpen(const std::string& name) {
  return VERSILO_GBK("打开数据文件 ") + name + VERSILO_GBK(" 失败.");
}
inline std::string NotStandard(const std::string& name) {
  return VERSILO_GBK("数据文件 ") + name + VERSILO_GBK(" 不是标准数据格式文件.");
}
inline std::string ReadError(const std::string& name) {
  return VERSILO_GBK("读数据文件 ") + name + VERSILO_GBK(" 出错.");
}

// Write failures name their cause; other causes show nothing, except in
// WriteRecord.
inline constexpr const char* kAccessDenied = "accessDenied";
inline constexpr const char* kSharingViolation = "sharingViolation";
inline constexpr const char* kLockViolation = "lockViolation";
inline constexpr const char* kEndOfFile = "endOfFile";
inline constexpr const char* kWriteError = "Write DBF File Error.";
inline constexpr const char* kRemoveError = "Remove error.";
inline constexpr const char* kRenameError = "Rename error.";

}  // namespace versilo::storage_messages
