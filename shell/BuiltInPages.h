#pragma once
// The built-in pages and their images by name. The home page is put
// together once from its template and the introduction, which the speech
// feature reads aloud as well.
#include <string>
#include <string_view>

namespace versilo {

// The bytes of a built-in page or image; empty when there is none.
std::string_view BuiltInPage(const std::string& name);

}  // namespace versilo
