#pragma once
// CAboutDlg: the About box, with the program's icon, name and version.
#include <wx/dialog.h>

namespace versilo {

class CAboutDlg : public wxDialog {
 public:
  explicit CAboutDlg(wxWindow* parent);
};

}  // namespace versilo
