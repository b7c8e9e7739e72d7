#include "shell/VersiloApp.h"

#include <sys/stat.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>
#include <wx/utils.h>

#include <cstdlib>

#include "base/MessageSink.h"
#include "base/Resources.h"
#include "shell/MainFrame.h"
#include "shell/PageFiles.h"
#include "shell/Trace.h"
#include "shell/WxProfile.h"
#include "shell/WxText.h"
#include "storage/AtomicFile.h"
#include "storage/FileError.h"

namespace versilo {
namespace {

constexpr const char* kAppTitle = "雅韵集";

}  // namespace

void CVersiloApp::UseReaderFonts() {
  if (std::getenv("FONTCONFIG_FILE")) return;
  const char* cache = std::getenv("XDG_CACHE_HOME");
  const char* home = std::getenv("HOME");
  std::string dir = cache && *cache ? std::string(cache) : std::string(home ? home : "/tmp") + "/.cache";
  dir += "/versilo";
  ::mkdir(dir.c_str(), 0755);
  const std::string path = dir + "/fonts.conf";
  try {
    WriteFileAtomically(path, FindResource("fonts.conf"));
    setenv("FONTCONFIG_FILE", path.c_str(), 1);
  } catch (const FileError&) {
    // The system's fonts still show every page, with other faces.
  }
}

bool CVersiloApp::OnInit() {
  TraceMark("application started");
  SetAppName("versilo");
  SetAppDisplayName(wxString::FromUTF8(kAppTitle));
  wxInitAllImageHandlers();
  SetMessageHandler(
      [](const std::string& gbk) { wxMessageBox(FromGbk(gbk), wxString::FromUTF8(kAppTitle), wxOK); });
  m_profile = std::make_unique<WxProfile>();
  m_doc = std::make_unique<CVersiloDoc>();
  // The catalogue is listed and the home page asked for before the window
  // shows, so the page engine starts its work as early as it can.
  m_frame = new CMainFrame(*m_profile);
  m_frame->OnInitialUpdate();
  m_frame->Maximize();
  m_frame->Show();
  m_frame->SetTitle(wxString::FromUTF8(kAppTitle));
  TraceMark("window shown");
  if (!wxFileName::FileExists("poembg.jpg")) ExtractBackground();
  return true;
}

int CVersiloApp::OnExit() {
  RemovePageFiles();
  return wxApp::OnExit();
}

}  // namespace versilo
