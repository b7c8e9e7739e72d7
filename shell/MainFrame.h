#pragma once
// CMainFrame: the reader's one window. It lays out the catalogue tree and
// the HTML view, carries the menus, toolbar and status bar, routes commands
// to the subsystem that does their work, and keeps the reading state.
#include <wx/frame.h>
#include <wx/timer.h>

#include <memory>
#include <string>

#include "base/Profile.h"
#include "catalogue/LeftView.h"
#include "shell/ReadingState.h"

class wxSplitterWindow;

namespace versilo {

class CVersiloView;

class CMainFrame : public wxFrame, public CatalogueHost {
 public:
  explicit CMainFrame(Profile& profile);
  ~CMainFrame() override;

  ReadingState& Reading() override { return m_reading; }
  CVersiloView* HtmlView() override { return m_view; }
  CLeftView* LeftView() { return m_tree; }
  Profile& Settings() { return m_profile; }

  // The frame's share of start-up once the window is shown: build the tree
  // and show the page of its root.
  void OnInitialUpdate();

  // State read by later commands and shown by the update rules.
  bool ChineseVoiceInstalled() const { return m_bVoiceInstalled; }
  bool SpeechLoop() const { return m_bSpeechLoop; }
  const std::string& MusicPath() const { return m_strMusicPath; }

 private:
  void ReadSettings();
  void CreateMenus();
  void CreateToolBarButtons();
  void CreateStatusPanes();
  void UpdateLockPanes();

  // Commands (MainFrameCommands.cpp).
  void BindCommands();
  void OnHomePage(wxCommandEvent&);
  void OnBack(wxCommandEvent&);
  void OnForward(wxCommandEvent&);
  void OnShowAuthor(wxCommandEvent&);
  void OnShowPinyin(wxCommandEvent&);
  void OnSpeechLoop(wxCommandEvent&);
  void OnToggleToolBar(wxCommandEvent&);
  void OnToggleStatusBar(wxCommandEvent&);
  void OnNextPane(wxCommandEvent&);
  void OnAbout(wxCommandEvent&);
  void OnExit(wxCommandEvent&);
  void OnNotYetAvailable(wxCommandEvent&);
  void OnTimer(wxTimerEvent&);
  void OnPageLoaded(const wxString& url);

  Profile& m_profile;
  ReadingState m_reading;
  wxSplitterWindow* m_splitter = nullptr;
  CLeftView* m_tree = nullptr;
  CVersiloView* m_view = nullptr;
  wxTimer m_pageTurnTimer;
  wxTimer m_musicStartTimer;
  wxTimer m_lockKeyTimer;
  bool m_bVoiceInstalled = false;
  bool m_bSpeechLoop = false;
  bool m_bMusicOn = false;
  bool m_bPageTurning = false;
  int m_nPageLoop = 5;
  int m_nFirstPage = 1;
  int m_nLastPage = 313;
  int m_nPageIndex = 0;
  int m_nStopSeconds = 5;
  std::string m_strMusicPath;
  bool m_bHomeLoaded = false;
  std::unique_ptr<class ScriptedRun> m_script;
};

}  // namespace versilo
