#include "shell/ScriptedRun.h"

#include <cstdlib>
#include <sstream>

#include "shell/MainFrame.h"
#include "shell/VersiloView.h"

namespace versilo {

ScriptedRun::ScriptedRun(CMainFrame* frame, const std::string& script) : m_frame(frame), m_timer(this) {
  std::istringstream in(script);
  std::string step;
  while (std::getline(in, step, ';')) {
    const size_t dash = step.find('-');
    if (step.rfind("poems ", 0) == 0 && dash != std::string::npos) {
      const int from = std::atoi(step.c_str() + 6), to = std::atoi(step.c_str() + dash + 1);
      for (int n = from; n <= to; ++n) m_steps.push_back("poem " + std::to_string(n));
    } else if (!step.empty()) {
      m_steps.push_back(step);
    }
  }
  Bind(wxEVT_TIMER, &ScriptedRun::OnTimer, this);
}

void ScriptedRun::PageLoaded() {
  if (!m_bWaiting) return;
  m_bWaiting = false;
  // Let the page paint before the next step.
  m_timer.StartOnce(50);
}

void ScriptedRun::OnTimer(wxTimerEvent&) { RunNext(); }

void ScriptedRun::RunNext() {
  while (!m_steps.empty()) {
    const std::string step = m_steps.front();
    m_steps.pop_front();
    std::istringstream words(step);
    std::string verb, arg;
    words >> verb >> arg;
    CLeftView* tree = m_frame->LeftView();
    if (verb == "quit") {
      m_frame->Close();
      return;
    }
    if (verb == "pause") {
      m_timer.StartOnce(std::atoi(arg.c_str()));
      return;
    }
    m_bWaiting = true;
    if (verb == "poem") {
      // A number outside the anthology shows nothing: go on.
      const int n = CLeftView::DecimalValue(arg);
      if (n < 1 || n > tree->Catalogue().PoemCount()) {
        m_bWaiting = false;
        continue;
      }
      tree->ShowPoemByNumber(arg);
    } else if (verb == "author") {
      const wxTreeItemId node = tree->AuthorNode(std::atoi(arg.c_str()));
      if (node.IsOk())
        tree->SelectItem(node);
      else
        m_bWaiting = false;
    } else if (verb == "node") {
      tree->SelectItem(arg == "authors" ? tree->TopLevelNode(CLeftView::kAuthorsNode)
                       : arg == "help"  ? tree->TopLevelNode(CLeftView::kHelpNode)
                                        : tree->RootNode());
    } else if (verb == "back") {
      m_frame->HtmlView()->GoBack();
    } else if (verb == "forward") {
      m_frame->HtmlView()->GoForward();
    } else {
      m_bWaiting = false;
      continue;
    }
    return;
  }
}

}  // namespace versilo
