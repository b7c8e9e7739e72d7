#pragma once
// The reading state the main frame keeps: the poem on show, its author and a
// description of the page for bookmarks. The catalogue is its only writer;
// the frame's commands read it and the status bar shows the poem number.
#include <functional>
#include <string>
#include <utility>

#include "shell/PageInfo.h"

namespace versilo {

class ReadingState {
 public:
  // The anthology's size: the status bar numbers poems 1 to 313 only,
  // whatever the poem table holds.
  static constexpr unsigned kAnthologyPoems = 313;
  // The current author keeps at most this many bytes.
  static constexpr size_t kAuthorLimit = 15;

  // Called with the new GBK text of the status bar's poem pane.
  using StatusListener = std::function<void(const std::string& gbkText)>;
  void SetStatusListener(StatusListener listener) { m_statusListener = std::move(listener); }

  // "【第%03d首】" for 1 to 313, two blanks otherwise.
  static std::string StatusText(unsigned n);

  void SetCurrentPoem(unsigned n);
  // Keeps at most 15 bytes, never half a character.
  void SetCurrentAuthor(const std::string& gbkAuthor);
  void SetCurrentPage(PageInfo page) { m_currentPage = std::move(page); }

  unsigned CurrentPoem() const { return m_nCurrentPoem; }
  const std::string& CurrentAuthor() const { return m_strCurrentAuthor; }
  const PageInfo& CurrentPage() const { return m_currentPage; }

 private:
  unsigned m_nCurrentPoem = 0;
  std::string m_strCurrentAuthor;
  PageInfo m_currentPage;
  StatusListener m_statusListener;
};

}  // namespace versilo
