#include "shell/AboutDlg.h"

#include <wx/button.h>
#include <wx/mstream.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "base/Resources.h"

namespace versilo {
namespace {

constexpr const char* kCaption = "关于 雅韵集";
constexpr const char* kVersionLine = "【雅韵集】 3.0版";
constexpr const char* kDateLine = "二〇二六年十二月";
constexpr const char* kMakerLine = "雅韵集开发组";
constexpr const char* kOk = "确定";

wxString Utf8(const char* s) { return wxString::FromUTF8(s); }

}  // namespace

// Laid out in dialog units as the box was drawn: 202 x 99, a group frame
// holding the icon and three lines, OK at the bottom right.
CAboutDlg::CAboutDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, Utf8(kCaption)) {
  SetFont(wxFont(9, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL, false, Utf8("宋体")));
  auto* group = new wxStaticBoxSizer(wxHORIZONTAL, this);
  const std::string_view png = FindResource("versilo-32.png");
  wxMemoryInputStream stream(png.data(), png.size());
  group->Add(
      new wxStaticBitmap(group->GetStaticBox(), wxID_ANY, wxBitmap(wxImage(stream, wxBITMAP_TYPE_PNG))), 0,
      wxALL, ConvertDialogToPixels(wxSize(8, 0)).GetWidth());
  auto* lines = new wxBoxSizer(wxVERTICAL);
  const int gap = ConvertDialogToPixels(wxSize(0, 6)).GetHeight();
  for (const char* text : {kVersionLine, kDateLine, kMakerLine})
    lines->Add(new wxStaticText(group->GetStaticBox(), wxID_ANY, Utf8(text)), 0, wxTOP | wxBOTTOM, gap);
  group->Add(lines, 1, wxALL, gap);
  auto* box = new wxBoxSizer(wxVERTICAL);
  box->Add(group, 1, wxEXPAND | wxALL, ConvertDialogToPixels(wxSize(8, 0)).GetWidth());
  auto* ok = new wxButton(this, wxID_OK, Utf8(kOk), wxDefaultPosition, ConvertDialogToPixels(wxSize(37, 14)));
  box->Add(ok, 0, wxALIGN_RIGHT | wxRIGHT | wxBOTTOM, ConvertDialogToPixels(wxSize(13, 0)).GetWidth());
  ok->SetDefault();
  SetSizerAndFit(box);
  SetMinSize(ConvertDialogToPixels(wxSize(202, 99)));
  Fit();
  CentreOnParent();
}

}  // namespace versilo
