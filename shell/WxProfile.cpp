#include "shell/WxProfile.h"

#include <wx/filename.h>
#include <wx/utils.h>

#include "shell/WxText.h"

namespace versilo {
namespace {

wxString KeyPath(const std::string& section, const std::string& key) {
  return "/" + wxString::FromUTF8(section) + "/" + wxString::FromUTF8(key);
}

}  // namespace

wxString WxProfile::Path() {
  wxString base;
  if (!wxGetEnv("XDG_CONFIG_HOME", &base) || base.empty()) base = wxGetHomeDir() + "/.config";
  return base + "/versilo/versilo.ini";
}

WxProfile::WxProfile() {
  const wxString path = Path();
  wxFileName::Mkdir(wxFileName(path).GetPath(), 0755, wxPATH_MKDIR_FULL);
  config_ =
      std::make_unique<wxFileConfig>("versilo", wxEmptyString, path, wxEmptyString, wxCONFIG_USE_LOCAL_FILE);
  // Values are kept as written: a music file's path may hold a "$".
  config_->SetExpandEnvVars(false);
}

int WxProfile::GetInt(const std::string& section, const std::string& key, int defaultValue) {
  long value = defaultValue;
  config_->Read(KeyPath(section, key), &value, defaultValue);
  return static_cast<int>(value);
}

void WxProfile::WriteInt(const std::string& section, const std::string& key, int value) {
  config_->Write(KeyPath(section, key), static_cast<long>(value));
  config_->Flush();
}

std::string WxProfile::GetString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) {
  wxString value;
  if (!config_->Read(KeyPath(section, key), &value)) return defaultValue;
  return ToGbk(value);
}

void WxProfile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  config_->Write(KeyPath(section, key), FromGbk(value));
  config_->Flush();
}

}  // namespace versilo
