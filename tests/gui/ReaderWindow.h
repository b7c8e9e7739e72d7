#pragma once
// A real main frame on a small anthology written by the test, and a way to
// wait for the web view's loaded event without sleeping.
#include <wx/webview.h>

#include <functional>
#include <memory>
#include <string>

#include "shell/MainFrame.h"
#include "tests/support/MemoryProfile.h"
#include "tests/support/TestSupport.h"

namespace versilo::test {

class ReaderWindow {
 public:
  // Writes three poems (volumes 一, 11 and the unknown 十一) and two poets
  // into the current directory unless told not to.
  explicit ReaderWindow(bool writeAnthology = true);
  ~ReaderWindow();

  CMainFrame& frame() { return *frame_; }
  CLeftView& tree() { return *frame_->LeftView(); }
  std::string Url() const;
  std::string StatusPoemPane() const;

  // Runs the event loop until a page whose URL contains the text has loaded
  // since the last wait (a page may load while the test's own call runs);
  // false after the time limit.
  bool WaitForLoad(const std::string& urlPart, int milliseconds = 15000);
  // Runs the event loop for a while, for things that should not happen.
  void Pump(int milliseconds);
  // The text of the page on show, through the page's own script engine.
  std::string PageText();
  // Sends a menu command as the menu or toolbar would.
  void Command(int id);

 private:
  MemoryProfile profile_;
  CMainFrame* frame_ = nullptr;
  std::string lastLoaded_;
  int loads_ = 0;
  int consumed_ = 0;  // loads the test has waited for already
};

}  // namespace versilo::test
