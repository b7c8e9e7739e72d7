#include "catalogue/LeftView.h"

#include <wx/imaglist.h>
#include <wx/mstream.h>

#include <cctype>
#include <cstdio>

#include "base/Resources.h"
#include "catalogue/AuthorPage.h"
#include "catalogue/CatalogueLabels.h"
#include "catalogue/PageUrl.h"
#include "catalogue/PoemPage.h"
#include "shell/ReadingState.h"
#include "shell/Trace.h"
#include "shell/VersiloView.h"
#include "shell/WxText.h"

namespace versilo {
namespace {

namespace labels = catalogue_labels;

// The item data of a node: a poem number, an author number (index + 1), a
// help-topic number, or 0.
class NodeData : public wxTreeItemData {
 public:
  explicit NodeData(int value) : value(value) {}
  int value;
};

wxString Label(const char* utf8) { return wxString::FromUTF8(utf8); }

}  // namespace

CLeftView::CLeftView(wxWindow* parent, CatalogueHost* host)
    : wxTreeCtrl(parent, wxID_ANY, wxDefaultPosition, wxSize(170, 100),
                 wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_SINGLE | wxBORDER_NONE),
      m_host(host) {
  Bind(wxEVT_TREE_SEL_CHANGED, &CLeftView::OnSelChanged, this);
}

int CLeftView::DecimalValue(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) && value < 100000000; ++i)
    value = value * 10 + (text[i] - '0');
  return static_cast<int>(negative ? -value : value);
}

int CLeftView::ItemData(const wxTreeItemId& item) const {
  auto* data = item.IsOk() ? static_cast<NodeData*>(GetItemData(item)) : nullptr;
  return data ? data->value : 0;
}

bool CLeftView::RootSelected() const { return m_hSelected.IsOk() && m_hSelected == m_hRoot; }

void CLeftView::CreateImageList() {
  const std::string_view png = FindResource("tree.png");
  wxMemoryInputStream stream(png.data(), png.size());
  wxImage strip(stream, wxBITMAP_TYPE_PNG);
  auto* images = new wxImageList(16, 20, true, 5);
  if (strip.IsOk()) {
    for (int i = 0; i < 5; ++i) {
      wxImage one = strip.GetSubImage(wxRect(i * 16, 0, 16, 20));
      one.SetMaskColour(255, 255, 255);
      images->Add(wxBitmap(one));
    }
  }
  AssignImageList(images);
}

wxTreeItemId CLeftView::AppendNode(const wxTreeItemId& parent, const wxString& label, int image,
                                   int selectedImage, int data) {
  return AppendItem(parent, label, image, selectedImage, new NodeData(data));
}

void CLeftView::OnInitialUpdate() {
  if (m_bBuilt) return;
  m_bBuilt = true;
  TraceMark("tree build started");
  CreateImageList();
  SetBackgroundColour(wxColour(255, 182, 193));
  m_hRoot = AddRoot(Label(labels::kRoot), labels::kBooks, labels::kBooks, new NodeData(0));
  for (int i = 0; i < kTopLevelCount; ++i)
    m_hTopLevel[i] =
        AppendNode(m_hRoot, Label(labels::kTopLevel[i]), labels::kClosedVolume, labels::kOpenVolume, 0);
  for (int topic = 1; topic <= 2; ++topic)
    AppendNode(m_hTopLevel[kHelpNode], Label(labels::kHelpTopics[topic - 1]), labels::kPicturePage,
               labels::kTextPage, topic);
  m_catalogue.OpenAndListPoems(this);
  for (int i = kAboutNode; i >= 1; --i) Expand(m_hTopLevel[i]);
  Expand(m_hRoot);
  MakeAuthorPage(m_catalogue, this);
  TraceMark("tree built");
}

void CLeftView::AddPoemNode(int n, int volume, const std::string& gbkTitle) {
  if (n < 1 || n > PoemCatalogue::kPoemSlots || volume < 0 || volume > 11) return;
  m_hPoem[n] = AppendNode(m_hTopLevel[volume], FromGbk(gbkTitle), labels::kPicturePage, labels::kTextPage, n);
}

void CLeftView::AddAuthorNode(int index, const std::string& gbkName) {
  if (index < 0 || index >= PoemCatalogue::kMaxAuthors) return;
  m_hAuthor[index] = AppendNode(m_hTopLevel[kAuthorsNode], FromGbk(gbkName), labels::kPicturePage,
                                labels::kTextPage, index + 1);
}

void CLeftView::NavigateTo(const std::string& url) {
  if (CVersiloView* view = m_host->HtmlView()) view->Navigate2(wxString::FromUTF8(url));
}

void CLeftView::FocusView() {
  if (CVersiloView* view = m_host->HtmlView()) view->FocusPage();
}

void CLeftView::SelectAndReveal(const wxTreeItemId& item) {
  if (!item.IsOk()) return;
  EnsureVisible(item);
  SelectItem(item);
}

PageInfo CLeftView::PoemPageInfo(int n) const {
  char target[16];
  std::snprintf(target, sizeof target, "%03d", n);
  return {PageInfo::kPoem, m_catalogue.Title() + " [" + m_catalogue.Author() + "]", target};
}

// Writes poem n's page and sends the view to it; false when the page could
// not be written (the view keeps its page).
bool CLeftView::ShowPoem(int n) {
  if (!MakePoemPage(m_catalogue, kPoemPageFile, n)) return false;
  NavigateTo(PageUrl(kPoemPageFile));
  return true;
}

void CLeftView::SelectRoot() {
  if (GetSelection() == m_hRoot)
    SelectionChanged(m_hRoot);
  else
    SelectItem(m_hRoot);
}

void CLeftView::OnSelChanged(wxTreeEvent& event) { SelectionChanged(event.GetItem()); }

void CLeftView::SelectionChanged(const wxTreeItemId& s) {
  m_hSelected = s;
  ReadingState& reading = m_host->Reading();
  reading.SetCurrentPoem(0);
  reading.SetCurrentAuthor("");
  reading.SetCurrentPage({});
  if (!s.IsOk()) return;
  CVersiloView* view = m_host->HtmlView();
  const wxTreeItemId parent = s == m_hRoot ? wxTreeItemId() : GetItemParent(s);

  if (s == m_hRoot && view) view->LoadFromResource("home.htm");
  if (s == m_hTopLevel[kHelpNode]) {
    if (view) view->LoadFromResource("info.htm");
    return;
  }
  if (parent.IsOk() && parent == m_hTopLevel[kHelpNode]) {
    m_nCurrentItemData = ItemData(s);
    if (view && m_nCurrentItemData >= 1 && m_nCurrentItemData <= 2)
      view->LoadFromResource(labels::kHelpAnchors[m_nCurrentItemData - 1]);
    return;
  }
  if (s == m_hTopLevel[kAuthorsNode]) {
    const std::string url = PageUrl(kAuthorPageFile);
    NavigateTo(url);
    reading.SetCurrentPage({PageInfo::kAuthor, VERSILO_GBK(labels::kAuthorsPageTitle), url});
    return;
  }
  const int d = ItemData(s);
  m_nCurrentItemData = d;
  if (parent.IsOk() && parent == m_hTopLevel[kAuthorsNode]) {
    if (d < 1 || d > m_catalogue.AuthorCount()) return;
    const std::string url = PageUrl(kAuthorPageFile, m_catalogue.AuthorAnchor(d - 1));
    NavigateTo(url);
    reading.SetCurrentPage({PageInfo::kAuthor,
                            VERSILO_GBK(labels::kAuthorEntryTitle) + "-" + m_catalogue.AuthorName(d - 1),
                            url});
    return;
  }
  if (d >= 1 && d <= m_catalogue.PoemCount()) {
    if (TraceEnabled()) TraceMark(("poem selected " + std::to_string(d)).c_str());
    reading.SetCurrentPoem(static_cast<unsigned>(d));
    m_bPageShown = MakePoemPage(m_catalogue, kPoemPageFile, d) && view;
    if (m_bPageShown) {
      NavigateTo(PageUrl(kPoemPageFile));
      reading.SetCurrentAuthor(m_catalogue.Author());
      reading.SetCurrentPage(PoemPageInfo(d));
    }
  }
}

// Selecting the poem's node shows its page through the selection handler;
// only a node already selected needs its page written here, so a page is
// made and loaded once per call.
void CLeftView::ShowPoemByNumber(const std::string& text) {
  const int n = DecimalValue(text);
  if (n < 1 || n > m_catalogue.PoemCount()) return;
  ReadingState& reading = m_host->Reading();
  reading.SetCurrentPoem(0);
  reading.SetCurrentAuthor("");
  reading.SetCurrentPoem(static_cast<unsigned>(n));
  const wxTreeItemId node = m_hPoem[n];
  m_bPageShown = false;
  if (node.IsOk() && node != GetSelection()) {
    SelectAndReveal(node);  // the selection handler writes and shows the page
  } else {
    m_bPageShown = ShowPoem(n);
    if (node.IsOk()) EnsureVisible(node);
  }
  if (!m_bPageShown) return;  // the page could not be written: the view keeps its page
  FocusView();
  m_nCurrentItemData = n;
  reading.SetCurrentPoem(static_cast<unsigned>(n));
  reading.SetCurrentAuthor(m_catalogue.Author());
  reading.SetCurrentPage(PoemPageInfo(n));
}

void CLeftView::ShowAuthorAnchor(const std::string& anchor) {
  NavigateTo(PageUrl(kAuthorPageFile, anchor));
  FocusView();
}

// A saved author page is only ever a file: URL; anything else a damaged
// bookmark file might hold is not followed.
void CLeftView::ShowSavedPage(const PageInfo& page) {
  ReadingState& reading = m_host->Reading();
  if (page.kind == PageInfo::kAuthor) {
    if (page.target.rfind("file://", 0) != 0) return;
    NavigateTo(page.target);
    const auto anchor = AnchorOfPageUrl(page.target);
    if (!anchor) {
      SelectAndReveal(m_hTopLevel[kAuthorsNode]);
      FocusView();
      reading.SetCurrentPage({PageInfo::kAuthor, VERSILO_GBK(labels::kAuthorsPageTitle), page.target});
      return;
    }
    for (int i = 0; i < m_catalogue.AuthorCount(); ++i) {
      if (m_catalogue.AuthorAnchor(i) != *anchor) continue;
      SelectAndReveal(m_hAuthor[i]);
      FocusView();
      reading.SetCurrentPage({PageInfo::kAuthor,
                              VERSILO_GBK(labels::kAuthorEntryTitle) + "-" + m_catalogue.AuthorName(i),
                              page.target});
      return;
    }
    return;
  }
  if (page.kind == PageInfo::kPoem) {
    const int n = DecimalValue(page.target);
    if (n < 1 || n > m_catalogue.PoemCount()) return;
    char number[16];
    std::snprintf(number, sizeof number, "%d", n);
    ShowPoemByNumber(number);
  }
}

}  // namespace versilo
