#include "shell/MainFrame.h"

#include <sys/stat.h>
#include <wx/iconbndl.h>
#include <wx/menu.h>
#include <wx/mstream.h>
#include <wx/splitter.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>
#include <wx/utils.h>

#include <cstdlib>

#include "base/Resources.h"
#include "shell/FrameTexts.h"
#include "shell/ScriptedRun.h"
#include "shell/Trace.h"
#include "shell/VersiloView.h"
#include "shell/WxText.h"

namespace versilo {
namespace {

namespace texts = frame_texts;

constexpr int kTreeWidth = 170;
constexpr int kToolImageSize = 22;
constexpr int kLockKeyTimer = 4100;  // our own: polls the lock keys for the status bar

wxString Utf8(const char* s) { return wxString::FromUTF8(s); }

wxImage ImageResource(const char* name) {
  const std::string_view bytes = FindResource(name);
  wxMemoryInputStream stream(bytes.data(), bytes.size());
  return wxImage(stream, wxBITMAP_TYPE_PNG);
}

// The menu entry of a toolbar button, for its tooltip and prompt.
const texts::MenuCommand* FindCommand(int id) {
  for (const auto& c : texts::kSystemItems)
    if (c.id == id) return &c;
  for (const auto& c : texts::kReadItems)
    if (c.id == id) return &c;
  for (const auto& c : texts::kViewItems)
    if (c.id == id) return &c;
  return nullptr;
}

}  // namespace

CMainFrame::CMainFrame(Profile& profile)
    : wxFrame(nullptr, wxID_ANY, Utf8(texts::kTitle), wxDefaultPosition, wxSize(1100, 760)),
      m_profile(profile),
      m_pageTurnTimer(this, cmd::kPageTurnTimer),
      m_musicStartTimer(this, cmd::kMusicStartTimer),
      m_lockKeyTimer(this, kLockKeyTimer) {
  ReadSettings();
  m_splitter = new wxSplitterWindow(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                    wxSP_LIVE_UPDATE | wxSP_3DSASH | wxSP_NO_XP_THEME);
  m_tree = new CLeftView(m_splitter, this);
  m_view = new CVersiloView(m_splitter);
  m_splitter->SetSashGravity(0.0);
  m_splitter->SetMinimumPaneSize(60);
  m_splitter->SplitVertically(m_tree, m_view, kTreeWidth);
  m_view->SetLoadedListener([this](const wxString& url) { OnPageLoaded(url); });

  CreateMenus();
  CreateToolBarButtons();
  CreateStatusPanes();

  wxIconBundle icons;
  for (const char* name :
       {"versilo-16.png", "versilo-32.png", "versilo-48.png", "versilo-64.png", "versilo-128.png"}) {
    wxIcon icon;
    icon.CopyFromBitmap(wxBitmap(ImageResource(name)));
    icons.AddIcon(icon);
  }
  SetIcons(icons);

  m_reading.SetStatusListener([this](const std::string& text) {
    if (GetStatusBar()) SetStatusText(FromGbk(text), 1);
  });
  BindCommands();
  m_lockKeyTimer.Start(300);
}

CMainFrame::~CMainFrame() {
  m_script.reset();
  m_profile.WriteInt("Speech", "SpeechLoop", m_bSpeechLoop ? 1 : 0);
}

// Settings are read once, in this order, when the frame is made; a music
// file that no longer exists leaves the music path empty.
void CMainFrame::ReadSettings() {
  m_bSpeechLoop = m_profile.GetInt("Speech", "SpeechLoop", 0) != 0;
  m_bMusicOn = m_profile.GetInt("Speech", "BgMusicLoop", 0) != 0;
  m_nPageLoop = m_profile.GetInt("Speech", "PageLoop", 5);
  m_nFirstPage = m_profile.GetInt("Settings", "Page1", 1);
  m_nLastPage = m_profile.GetInt("Settings", "Page2", 313);
  m_nStopSeconds = m_profile.GetInt("Settings", "StopDist", 5);
  m_nPageIndex = m_nFirstPage - 1;
  const std::string music = m_profile.GetString("Settings", "BgMusic", "");
  struct stat st {};
  m_strMusicPath = !music.empty() && ::stat(GbkToUtf8(music).c_str(), &st) == 0 ? music : std::string();
}

void CMainFrame::CreateMenus() {
  auto add = [](wxMenu* menu, const texts::MenuCommand& c, wxItemKind kind = wxITEM_NORMAL) {
    menu->Append(c.id, Utf8(c.text), Utf8(c.prompt), kind);
  };
  auto* system = new wxMenu;
  for (const auto& c : texts::kSystemItems) add(system, c);
  system->AppendSeparator();
  system->Append(wxID_EXIT, Utf8(texts::kExit), Utf8(texts::kExitPrompt));

  auto* read = new wxMenu;
  add(read, texts::kReadItems[0]);
  add(read, texts::kReadItems[1]);
  read->AppendSeparator();
  add(read, texts::kReadItems[2]);
  add(read, texts::kReadItems[3]);

  auto* view = new wxMenu;
  for (const auto& c : texts::kViewItems) {
    if (c.id == cmd::kToggleToolBar) view->AppendSeparator();
    const bool check = c.id == cmd::kToggleToolBar || c.id == cmd::kToggleStatusBar;
    add(view, c, check ? wxITEM_CHECK : wxITEM_NORMAL);
  }

  auto* help = new wxMenu;
  help->Append(wxID_ABOUT, Utf8(texts::kAbout), Utf8(texts::kAboutPrompt));

  auto* bar = new wxMenuBar;
  bar->Append(system, Utf8(texts::kSystemMenu));
  bar->Append(read, Utf8(texts::kReadMenu));
  bar->Append(view, Utf8(texts::kViewMenu));
  bar->Append(help, Utf8(texts::kHelpMenu));
  SetMenuBar(bar);

  // Ctrl+N and Ctrl+O come before the reading keys, so Ctrl+O opens a file
  // and never reaches the speech-loop toggle. Copy, paste, cut and undo are
  // left to the focused pane, which handles them itself.
  wxAcceleratorEntry keys[] = {
      {wxACCEL_CTRL, 'N', wxID_NEW},
      {wxACCEL_CTRL, 'O', wxID_OPEN},
      {wxACCEL_CTRL, 'P', cmd::kStartReading},
      {wxACCEL_CTRL, 'S', cmd::kStopReading},
      {wxACCEL_CTRL, 'T', cmd::kPauseReading},
      {wxACCEL_NORMAL, WXK_F6, cmd::kNextPane},
      {wxACCEL_SHIFT, WXK_F6, cmd::kPreviousPane},
  };
  SetAcceleratorTable(wxAcceleratorTable(static_cast<int>(std::size(keys)), keys));
}

// GTK draws a tool's hover state itself, so the hot strip serves as the
// pressed look's source only where the toolkit asks for one; the normal
// strip gives every button its picture.
void CMainFrame::CreateToolBarButtons() {
  wxToolBar* bar = CreateToolBar(wxTB_HORIZONTAL | wxTB_FLAT | wxTB_TEXT | wxTB_NODIVIDER);
  bar->SetToolBitmapSize(wxSize(kToolImageSize, kToolImageSize));
  const wxImage strip = ImageResource("toolbar.png");
  for (const auto& b : texts::kToolButtons) {
    wxImage image =
        strip.IsOk() ? strip.GetSubImage(wxRect(b.image * kToolImageSize, 0, kToolImageSize, kToolImageSize))
                     : wxImage(kToolImageSize, kToolImageSize);
    image.SetMaskColour(255, 0, 255);
    image.InitAlpha();
    const texts::MenuCommand* command = FindCommand(b.id);
    bar->AddTool(b.id, Utf8(b.label), wxBitmap(image), command ? Utf8(command->tooltip) : wxString(),
                 wxITEM_NORMAL);
    if (command) bar->SetToolLongHelp(b.id, Utf8(command->prompt));
  }
  bar->Realize();
}

void CMainFrame::CreateStatusPanes() {
  wxStatusBar* status = CreateStatusBar(6);
  if (!status) return;
  auto width = [status](const char* text) { return status->GetTextExtent(Utf8(text)).GetWidth() + 16; };
  const int widths[] = {-1,
                        width(texts::kPoemPaneSample),
                        width(texts::kCredit),
                        width(texts::kCapsLock),
                        width(texts::kNumLock),
                        width(texts::kScrollLock)};
  status->SetStatusWidths(6, widths);
  SetStatusText(Utf8(texts::kReady), 0);
  SetStatusText(Utf8(texts::kPoemPaneSample), 1);
  SetStatusText(Utf8(texts::kCredit), 2);
  SetStatusBarPane(0);
  UpdateLockPanes();
}

// The lock panes show their name while the key is on, as a keyboard's
// lights do.
void CMainFrame::UpdateLockPanes() {
  wxStatusBar* status = GetStatusBar();
  if (!status) return;
  const struct {
    wxKeyCode key;
    const char* text;
    int pane;
  } locks[] = {{WXK_CAPITAL, texts::kCapsLock, 3},
               {WXK_NUMLOCK, texts::kNumLock, 4},
               {WXK_SCROLL, texts::kScrollLock, 5}};
  for (const auto& lock : locks) {
    const wxString text = wxGetKeyState(lock.key) ? Utf8(lock.text) : wxString();
    if (status->GetStatusText(lock.pane) != text) status->SetStatusText(text, lock.pane);
  }
}

void CMainFrame::OnInitialUpdate() {
  if (const char* script = std::getenv("VERSILO_SCRIPT"))
    m_script = std::make_unique<ScriptedRun>(this, script);
  m_tree->OnInitialUpdate();
  // Selecting the root shows the home page, as it does later on a click.
  m_tree->SelectRoot();
  m_tree->SetFocus();
}

void CMainFrame::OnPageLoaded(const wxString& url) {
  if (url == "about:blank") return;
  if (m_script) m_script->PageLoaded();
  if (!TraceEnabled()) return;
  if (!m_bHomeLoaded && url.Contains("home.htm")) {
    m_bHomeLoaded = true;
    TraceMark("home page loaded");
    return;
  }
  TraceMark(("page loaded " + url.utf8_string()).c_str());
}

}  // namespace versilo
