#include "tests/gui/ReaderWindow.h"

#include <wx/app.h>
#include <wx/apptrait.h>
#include <wx/evtloop.h>
#include <wx/statusbr.h>

#include <chrono>

#include "shell/VersiloView.h"
#include "shell/WxText.h"
#include "tests/support/AnthologyFixture.h"

namespace versilo::test {

ReaderWindow::ReaderWindow(bool writeAnthology) {
  if (writeAnthology) {
    WritePoemFiles({{G("一"), G("王维"), G("鹿柴"), G("空山不见人"), G("注"), G("译"), G("评"), "Deer Park"},
                    {"11", G("李白"), G("静夜思"), G("床前明月光"), "", "", "", ""},
                    {G("十一"), G("杜甫"), G("春望"), G("国破山河在"), "", "", "", ""}});
    WriteAuthorFiles({{G("王维"), "wangwei", G("字摩诘。")}, {G("李白"), "libai", G("字太白。")}});
  }
  frame_ = new CMainFrame(profile_);
  frame_->HtmlView()->WebView()->Bind(wxEVT_WEBVIEW_LOADED, [this](wxWebViewEvent& e) {
    lastLoaded_ = e.GetURL().utf8_string();
    ++loads_;
    e.Skip();
  });
  frame_->Show();
  frame_->OnInitialUpdate();
}

ReaderWindow::~ReaderWindow() {
  // The frame writes its settings as it goes, so it must be gone before the
  // profile is.
  frame_->Destroy();
  while (wxTheApp->ProcessIdle()) {
  }
  Pump(20);
}

std::string ReaderWindow::Url() const { return frame_->HtmlView()->CurrentURL().utf8_string(); }

std::string ReaderWindow::StatusPoemPane() const {
  return frame_->GetStatusBar()->GetStatusText(1).utf8_string();
}

bool ReaderWindow::WaitForLoad(const std::string& urlPart, int milliseconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  wxEventLoopBase* loop = wxEventLoopBase::GetActive();
  std::unique_ptr<wxEventLoopBase> own;
  if (!loop) {
    own.reset(wxTheApp->GetTraits()->CreateEventLoop());
    loop = own.get();
  }
  wxEventLoopActivator activate(loop);
  while (std::chrono::steady_clock::now() < deadline) {
    if (loads_ > consumed_ && lastLoaded_.find(urlPart) != std::string::npos) {
      consumed_ = loads_;
      return true;
    }
    loop->DispatchTimeout(20);
    wxTheApp->ProcessPendingEvents();
  }
  return false;
}

void ReaderWindow::Pump(int milliseconds) {
  WaitForLoad("\x01never", milliseconds);
  consumed_ = loads_;
}

std::string ReaderWindow::PageText() {
  wxString text;
  if (!frame_->HtmlView()->WebView()->RunScript("document.body.innerText", &text)) return "";
  return text.utf8_string();
}

void ReaderWindow::Command(int id) {
  wxCommandEvent event(wxEVT_MENU, id);
  event.SetEventObject(frame_);
  frame_->GetEventHandler()->ProcessEvent(event);
}

}  // namespace versilo::test
