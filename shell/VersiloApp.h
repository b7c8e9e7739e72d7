#pragma once
// CVersiloApp: start-up and shutdown. It makes the window and the document,
// shows the window maximised, puts the pages' background image beside the
// anthology when it is missing, and removes the generated pages at exit.
#include <wx/app.h>

#include <memory>

#include "base/Profile.h"
#include "shell/VersiloDoc.h"

namespace versilo {

class CMainFrame;

class CVersiloApp : public wxApp {
 public:
  bool OnInit() override;
  int OnExit() override;

  CMainFrame* MainFrame() const { return m_frame; }

  // Points fontconfig at the reader's font map (the pages name 宋体,
  // 楷体_GB2312 and Verdana) unless the user chose a configuration.
  static void UseReaderFonts();

 private:
  std::unique_ptr<Profile> m_profile;
  std::unique_ptr<CVersiloDoc> m_doc;
  CMainFrame* m_frame = nullptr;
};

}  // namespace versilo
