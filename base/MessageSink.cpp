#include "base/MessageSink.h"

#include <cstdio>
#include <utility>

#include "base/Gbk.h"

namespace versilo {
namespace {

void WriteToStandardError(const std::string& gbkText) {
  std::fprintf(stderr, "%s\n", GbkToUtf8(gbkText).c_str());
}

MessageHandler& CurrentHandler() {
  static MessageHandler handler = WriteToStandardError;
  return handler;
}

}  // namespace

void ShowMessage(const std::string& gbkText) {
  if (CurrentHandler()) CurrentHandler()(gbkText);
}

MessageHandler SetMessageHandler(MessageHandler handler) {
  return std::exchange(CurrentHandler(), std::move(handler));
}

}  // namespace versilo
