#include "shell/VersiloView.h"

#include <webkit2/webkit2.h>
#include <wx/sizer.h>

#include "shell/ResourceSchemeHandler.h"
#include "shell/Trace.h"
#include "shell/ViewStyle.h"

namespace versilo {

CVersiloView::CVersiloView(wxWindow* parent) : wxPanel(parent, wxID_ANY) {
  web_ = wxWebView::New(this, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize, wxWebViewBackendWebKit);
  // The pages suppress the browser's menu themselves in the older
  // browsers' way; the view makes sure of it for every page.
  web_->EnableContextMenu(false);
  ConfigureEngine();
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(web_, 1, wxEXPAND);
  SetSizer(sizer);
  web_->Bind(wxEVT_WEBVIEW_LOADED, &CVersiloView::OnLoaded, this);
  web_->Bind(wxEVT_WEBVIEW_ERROR, [](wxWebViewEvent& e) {
    TraceMark(("page failed " + e.GetURL().utf8_string() + " " + e.GetString().utf8_string()).c_str());
  });
}

// Pages are kept in memory as a document viewer does. (Compositing is
// switched off before the toolkit starts, in main: with this WebKit, setting
// the view's hardware-acceleration policy to "never" keeps its page process
// from ever starting.)
void CVersiloView::ConfigureEngine() {
  auto* view = static_cast<WebKitWebView*>(web_->GetNativeBackend());
  if (!view) return;
  WebKitSettings* settings = webkit_web_view_get_settings(view);
  webkit_settings_set_default_charset(settings, "GBK");
  webkit_web_context_set_cache_model(webkit_web_view_get_context(view), WEBKIT_CACHE_MODEL_DOCUMENT_VIEWER);
  ResourceSchemeHandler::Register(webkit_web_view_get_context(view));
  WebKitUserContentManager* content = webkit_web_view_get_user_content_manager(view);
  WebKitUserStyleSheet* sheet = webkit_user_style_sheet_new(
      kViewStyleSheet, WEBKIT_USER_CONTENT_INJECT_ALL_FRAMES, WEBKIT_USER_STYLE_LEVEL_USER, nullptr, nullptr);
  webkit_user_content_manager_add_style_sheet(content, sheet);
  webkit_user_style_sheet_unref(sheet);
}

void CVersiloView::Navigate2(const wxString& url) { web_->LoadURL(url); }

void CVersiloView::LoadFromResource(const wxString& name) {
  web_->LoadURL(wxString(kResourceScheme) + ":///" + name);
}

void CVersiloView::GoBack() {
  if (web_->CanGoBack()) web_->GoBack();
}

void CVersiloView::GoForward() {
  if (web_->CanGoForward()) web_->GoForward();
}

void CVersiloView::FocusPage() { web_->SetFocus(); }

wxString CVersiloView::CurrentURL() const { return web_->GetCurrentURL(); }

void CVersiloView::OnLoaded(wxWebViewEvent& event) {
  if (loaded_) loaded_(event.GetURL());
  event.Skip();
}

}  // namespace versilo
