#pragma once
// CLeftView: the catalogue tree in the left pane. It lists the volumes with
// their poems, the poets and the help topics, shows the page of each node
// the reader selects, and keeps the frame's reading state up to date.
#include <wx/treectrl.h>

#include <array>
#include <memory>
#include <string>

#include "catalogue/CatalogueTreeSink.h"
#include "catalogue/PoemCatalogue.h"
#include "shell/PageInfo.h"

namespace versilo {

class CVersiloView;
class ReadingState;

// What the tree needs of its frame: the reading state and the HTML view
// (which may be absent; pages are then still written).
class CatalogueHost {
 public:
  virtual ~CatalogueHost() = default;
  virtual ReadingState& Reading() = 0;
  virtual CVersiloView* HtmlView() = 0;
};

class CLeftView : public wxTreeCtrl, public CatalogueTreeSink {
 public:
  static constexpr int kTopLevelCount = 14;
  static constexpr int kHelpNode = 0;
  static constexpr int kAuthorsNode = 12;
  static constexpr int kAboutNode = 13;

  CLeftView(wxWindow* parent, CatalogueHost* host);

  // Builds the tree and writes the author page; a second call does nothing,
  // so the catalogue is never listed twice.
  void OnInitialUpdate();
  // Selects the root, showing the home page. The tree may already have made
  // the root its selection without telling anyone; the page is shown then
  // all the same.
  void SelectRoot();
  // Shows poem n given as decimal text ("007") and selects its node. Numbers
  // outside the anthology change nothing.
  void ShowPoemByNumber(const std::string& text);
  // Shows the author page scrolled to one poet; the selection stays.
  void ShowAuthorAnchor(const std::string& anchor);
  // Shows a bookmarked page and selects its node.
  void ShowSavedPage(const PageInfo& page);

  PoemCatalogue& Catalogue() { return m_catalogue; }
  int CurrentItemData() const { return m_nCurrentItemData; }
  bool RootSelected() const;
  // The tree's nodes, for the frame and the tests.
  // Out of range, a node is the invalid id.
  wxTreeItemId RootNode() const { return m_hRoot; }
  wxTreeItemId TopLevelNode(int i) const {
    return i >= 0 && i < kTopLevelCount ? m_hTopLevel[i] : wxTreeItemId();
  }
  wxTreeItemId PoemNode(int n) const {
    return n >= 1 && n <= PoemCatalogue::kPoemSlots ? m_hPoem[n] : wxTreeItemId();
  }
  wxTreeItemId AuthorNode(int i) const {
    return i >= 0 && i < PoemCatalogue::kMaxAuthors ? m_hAuthor[i] : wxTreeItemId();
  }
  int ItemData(const wxTreeItemId& item) const;

  // The text of a poem number as the catalogue reads it: leading blanks, a
  // sign, then digits up to the first other character; no digits give 0.
  static int DecimalValue(const std::string& text);

 private:
  void AddPoemNode(int n, int volume, const std::string& gbkTitle) override;
  void AddAuthorNode(int index, const std::string& gbkName) override;
  void CreateImageList();
  wxTreeItemId AppendNode(const wxTreeItemId& parent, const wxString& label, int image, int selectedImage,
                          int data);
  void OnSelChanged(wxTreeEvent& event);
  void SelectionChanged(const wxTreeItemId& s);
  bool ShowPoem(int n);
  void NavigateTo(const std::string& url);
  void SelectAndReveal(const wxTreeItemId& item);
  void FocusView();
  PageInfo PoemPageInfo(int n) const;

  CatalogueHost* m_host;
  PoemCatalogue m_catalogue;
  bool m_bBuilt = false;
  wxTreeItemId m_hRoot;
  wxTreeItemId m_hSelected;
  std::array<wxTreeItemId, kTopLevelCount + 1> m_hTopLevel;
  std::array<wxTreeItemId, PoemCatalogue::kPoemSlots + 1> m_hPoem;
  std::array<wxTreeItemId, PoemCatalogue::kMaxAuthors + 1> m_hAuthor;
  int m_nCurrentItemData = 0;
  bool m_bPageShown = false;  // whether the last poem asked for reached the view
};

}  // namespace versilo
