#pragma once
// Drives the reader from the VERSILO_SCRIPT environment variable, for the
// start-up benchmark and for screenshots: steps separated by ";", each run
// once the page of the step before has loaded.
//   poem N        show poem N (as the finding aids do)
//   poems A-B     show poems A to B, one after the other
//   node authors | node help | node root   select that node
//   author I      select author node I (0-based)
//   back | forward
//   pause MS      wait MS milliseconds
//   quit          close the window
#include <wx/timer.h>

#include <deque>
#include <string>

namespace versilo {

class CMainFrame;

class ScriptedRun : public wxEvtHandler {
 public:
  ScriptedRun(CMainFrame* frame, const std::string& script);
  // Called by the frame each time a page has loaded.
  void PageLoaded();

 private:
  void RunNext();
  void OnTimer(wxTimerEvent&);

  CMainFrame* m_frame;
  std::deque<std::string> m_steps;
  wxTimer m_timer;
  bool m_bWaiting = true;  // for the first page
};

}  // namespace versilo
