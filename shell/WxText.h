#pragma once
// The screen edge: GBK texts of the core become wxString here and back.
#include <wx/string.h>

#include <string>

#include "base/Gbk.h"

namespace versilo {

inline wxString FromGbk(const std::string& gbk) { return wxString::FromUTF8(GbkToUtf8(gbk)); }

// Characters without a GBK form cannot reach the core's tables; they are
// dropped rather than stopping the caller.
std::string ToGbk(const wxString& text);

}  // namespace versilo
