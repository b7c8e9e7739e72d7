#pragma once
// Every message box of the reader goes through ShowMessage. The window installs
// a modal box; the command-line tool writes to standard error; tests record.
#include <functional>
#include <string>

namespace versilo {

// The text is GBK, as every text inside the reader.
using MessageHandler = std::function<void(const std::string& gbkText)>;

void ShowMessage(const std::string& gbkText);

// Installs a handler and returns the previous one, so a test can restore it.
MessageHandler SetMessageHandler(MessageHandler handler);

}  // namespace versilo
