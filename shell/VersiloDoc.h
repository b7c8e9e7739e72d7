#pragma once
// CVersiloDoc: the reader's one document. It holds nothing: the anthology
// stays in its tables and every page is a file or a built-in page. Making a
// new document or opening one keeps it as it is.
#include <wx/docview.h>

namespace versilo {

class CVersiloDoc : public wxDocument {
 public:
  bool OnNewDocument() override { return true; }
  bool OnOpenDocument(const wxString&) override { return true; }
  bool OnSaveDocument(const wxString&) override { return true; }
};

}  // namespace versilo
