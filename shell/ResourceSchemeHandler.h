#pragma once
// Serves the built-in pages and images to the web view under res:///NAME,
// with their MIME types, so that a page's relative image links and
// #anchors work as they do for files.
#include <string>

typedef struct _WebKitWebContext WebKitWebContext;

namespace versilo {

class ResourceSchemeHandler {
 public:
  // Registers the res: scheme on the page engine's context; once per context.
  static void Register(WebKitWebContext* context);

  // The name a res: URI asks for, without slashes, query or anchor.
  static std::string NameOf(const std::string& uri);
  static const char* MimeTypeOf(const std::string& name);
};

}  // namespace versilo
