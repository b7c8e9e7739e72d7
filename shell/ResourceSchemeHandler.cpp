#include "shell/ResourceSchemeHandler.h"

#include <strings.h>
#include <webkit2/webkit2.h>

#include <set>

#include "shell/BuiltInPages.h"
#include "shell/VersiloView.h"

namespace versilo {
namespace {

// The bytes live as long as the program, so the stream borrows them.
void ServeResource(WebKitURISchemeRequest* request, gpointer) {
  const std::string name = ResourceSchemeHandler::NameOf(webkit_uri_scheme_request_get_uri(request));
  const std::string_view bytes = BuiltInPage(name);
  if (bytes.empty()) {
    GError* error =
        g_error_new(g_quark_from_static_string("versilo"), 404, "No built-in page %s", name.c_str());
    webkit_uri_scheme_request_finish_error(request, error);
    g_error_free(error);
    return;
  }
  GInputStream* stream =
      g_memory_input_stream_new_from_data(bytes.data(), static_cast<gssize>(bytes.size()), nullptr);
  webkit_uri_scheme_request_finish(request, stream, static_cast<gint64>(bytes.size()),
                                   ResourceSchemeHandler::MimeTypeOf(name));
  g_object_unref(stream);
}

}  // namespace

void ResourceSchemeHandler::Register(WebKitWebContext* context) {
  static std::set<WebKitWebContext*> registered;
  if (!context || !registered.insert(context).second) return;
  webkit_web_context_register_uri_scheme(context, CVersiloView::kResourceScheme, ServeResource, nullptr,
                                         nullptr);
}

std::string ResourceSchemeHandler::NameOf(const std::string& uri) {
  std::string name = uri;
  const size_t colon = name.find(':');
  if (colon != std::string::npos) name.erase(0, colon + 1);
  name.erase(0, name.find_first_not_of('/'));
  const size_t end = name.find_first_of("?#");
  if (end != std::string::npos) name.resize(end);
  return name;
}

const char* ResourceSchemeHandler::MimeTypeOf(const std::string& name) {
  const std::string ext = name.substr(name.rfind('.') + 1);
  auto is = [&](const char* e) { return strcasecmp(ext.c_str(), e) == 0; };
  if (is("htm") || is("html")) return "text/html";
  if (is("gif")) return "image/gif";
  if (is("jpg") || is("jpeg")) return "image/jpeg";
  if (is("png")) return "image/png";
  if (is("css")) return "text/css";
  return "application/octet-stream";
}

}  // namespace versilo
