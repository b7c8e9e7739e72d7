// The main window's commands. Each does its subsystem's work through that
// subsystem; the frame only routes.
#include <wx/menu.h>
#include <wx/splitter.h>
#include <wx/toolbar.h>

#include "catalogue/AuthorPage.h"
#include "catalogue/PageUrl.h"
#include "shell/AboutDlg.h"
#include "shell/AuthorLookup.h"
#include "shell/FrameTexts.h"
#include "shell/MainFrame.h"
#include "shell/VersiloView.h"

namespace versilo {
namespace {

namespace texts = frame_texts;

wxString Utf8(const char* s) { return wxString::FromUTF8(s); }

}  // namespace

void CMainFrame::BindCommands() {
  Bind(wxEVT_MENU, &CMainFrame::OnHomePage, this, cmd::kHomePage);
  Bind(wxEVT_MENU, &CMainFrame::OnBack, this, cmd::kBack);
  Bind(wxEVT_MENU, &CMainFrame::OnForward, this, cmd::kForward);
  Bind(wxEVT_MENU, &CMainFrame::OnShowAuthor, this, cmd::kShowAuthor);
  Bind(wxEVT_MENU, &CMainFrame::OnShowPinyin, this, cmd::kShowPinyin);
  Bind(wxEVT_MENU, &CMainFrame::OnSpeechLoop, this, cmd::kSpeechLoop);
  Bind(wxEVT_MENU, &CMainFrame::OnToggleToolBar, this, cmd::kToggleToolBar);
  Bind(wxEVT_MENU, &CMainFrame::OnToggleStatusBar, this, cmd::kToggleStatusBar);
  Bind(wxEVT_MENU, &CMainFrame::OnNextPane, this, cmd::kNextPane);
  Bind(wxEVT_MENU, &CMainFrame::OnNextPane, this, cmd::kPreviousPane);
  Bind(wxEVT_MENU, &CMainFrame::OnAbout, this, wxID_ABOUT);
  Bind(wxEVT_MENU, &CMainFrame::OnExit, this, wxID_EXIT);
  // The one document has nothing to create or open: new and open keep it.
  Bind(
      wxEVT_MENU, [](wxCommandEvent&) {}, wxID_NEW);
  Bind(
      wxEVT_MENU, [](wxCommandEvent&) {}, wxID_OPEN);
  // Reading aids and finding aids arrive with their subsystems.
  for (int id : {cmd::kSpeechParameters, cmd::kSpeechItems, cmd::kMusicSettings, cmd::kPageTurningSettings,
                 cmd::kStartReading, cmd::kStopReading, cmd::kPauseReading, cmd::kTogglePageTurning,
                 cmd::kToggleMusic, cmd::kBookmarks, cmd::kSearch, cmd::kPoemsByAuthor})
    Bind(wxEVT_MENU, &CMainFrame::OnNotYetAvailable, this, id);
  Bind(wxEVT_TIMER, &CMainFrame::OnTimer, this);

  // Update rules.
  auto voiceOnly = [this](wxUpdateUIEvent& e) { e.Enable(m_bVoiceInstalled); };
  for (int id : {cmd::kStartReading, cmd::kStopReading, cmd::kPauseReading})
    Bind(wxEVT_UPDATE_UI, voiceOnly, id);
  Bind(
      wxEVT_UPDATE_UI,
      [this](wxUpdateUIEvent& e) {
        e.Enable(m_bVoiceInstalled);
        e.Check(m_bSpeechLoop);
      },
      cmd::kSpeechLoop);
  Bind(
      wxEVT_UPDATE_UI,
      [this](wxUpdateUIEvent& e) {
        e.SetText(Utf8(m_bPageTurning ? texts::kPageTurningOn : texts::kPageTurningOff));
      },
      cmd::kTogglePageTurning);
  Bind(
      wxEVT_UPDATE_UI,
      [this](wxUpdateUIEvent& e) {
        e.Enable(!m_strMusicPath.empty());
        if (!m_strMusicPath.empty()) e.SetText(Utf8(m_bMusicOn ? texts::kMusicOn : texts::kMusicOff));
      },
      cmd::kToggleMusic);
  Bind(
      wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& e) { e.Check(GetToolBar() && GetToolBar()->IsShown()); },
      cmd::kToggleToolBar);
  Bind(
      wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& e) { e.Check(GetStatusBar() && GetStatusBar()->IsShown()); },
      cmd::kToggleStatusBar);
}

void CMainFrame::OnHomePage(wxCommandEvent&) {
  if (m_view) m_view->LoadFromResource("home.htm");
}

void CMainFrame::OnBack(wxCommandEvent&) {
  if (m_view) m_view->GoBack();
}

void CMainFrame::OnForward(wxCommandEvent&) {
  if (m_view) m_view->GoForward();
}

// With a poem on show, its poet's entry; otherwise the top of the poets'
// page.
void CMainFrame::OnShowAuthor(wxCommandEvent&) {
  if (m_reading.CurrentPoem() >= 1 && !m_reading.CurrentAuthor().empty()) {
    if (auto anchor = FindAuthorAnchor(m_reading.CurrentAuthor()); anchor && m_tree)
      m_tree->ShowAuthorAnchor(*anchor);
    return;
  }
  if (!m_view) return;
  m_view->Navigate2(wxString::FromUTF8(PageUrl(kAuthorPageFile)));
  m_view->FocusPage();
}

// The pinyin window arrives with the reading aids; with no poem on show the
// command does nothing in any case.
void CMainFrame::OnShowPinyin(wxCommandEvent&) {}

void CMainFrame::OnSpeechLoop(wxCommandEvent&) { m_bSpeechLoop = !m_bSpeechLoop; }

void CMainFrame::OnToggleToolBar(wxCommandEvent&) {
  if (wxToolBar* bar = GetToolBar()) {
    bar->Show(!bar->IsShown());
    SendSizeEvent();
  }
}

void CMainFrame::OnToggleStatusBar(wxCommandEvent&) {
  if (wxStatusBar* bar = GetStatusBar()) {
    bar->Show(!bar->IsShown());
    SendSizeEvent();
  }
}

// F6 and Shift+F6 move the focus between the two panes.
void CMainFrame::OnNextPane(wxCommandEvent&) {
  if (!m_tree || !m_view) return;
  if (m_tree->HasFocus())
    m_view->FocusPage();
  else
    m_tree->SetFocus();
}

void CMainFrame::OnAbout(wxCommandEvent&) {
  CAboutDlg dialog(this);
  dialog.ShowModal();
}

void CMainFrame::OnExit(wxCommandEvent&) { Close(); }

void CMainFrame::OnNotYetAvailable(wxCommandEvent&) {}

// 4001 turns a page, 4004 starts the music once; both arrive with the
// reading aids.
void CMainFrame::OnTimer(wxTimerEvent& event) {
  switch (event.GetId()) {
    case cmd::kPageTurnTimer:
      break;
    case cmd::kMusicStartTimer:
      m_musicStartTimer.Stop();
      break;
    default:
      UpdateLockPanes();
      break;
  }
  event.Skip();
}

}  // namespace versilo
