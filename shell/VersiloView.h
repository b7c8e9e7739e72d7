#pragma once
// CVersiloView: the right-hand pane, an embedded web view. It shows pages the
// generators wrote (by file:// URL) and pages built into the program (by
// res:/// URL, so their relative image links resolve among the built-in
// files). It holds no content of its own.
#include <wx/panel.h>
#include <wx/webview.h>

#include <functional>
#include <string>

namespace versilo {

class CVersiloView : public wxPanel {
 public:
  explicit CVersiloView(wxWindow* parent);

  // Shows a page by URL: file:///… for generated pages.
  void Navigate2(const wxString& url);
  // Shows a built-in page by name, optionally with "#anchor": "home.htm",
  // "info.htm#Jianjie".
  void LoadFromResource(const wxString& name);
  void GoBack();
  void GoForward();
  void FocusPage();
  wxString CurrentURL() const;
  wxWebView* WebView() const { return web_; }

  // Called with the page's URL each time a page has finished loading.
  void SetLoadedListener(std::function<void(const wxString&)> listener) { loaded_ = std::move(listener); }

  static constexpr const char* kResourceScheme = "res";

 private:
  void ConfigureEngine();
  void OnLoaded(wxWebViewEvent& event);

  wxWebView* web_ = nullptr;
  std::function<void(const wxString&)> loaded_;
};

}  // namespace versilo
