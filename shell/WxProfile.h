#pragma once
// The settings store over an INI file at $XDG_CONFIG_HOME/versilo/versilo.ini
// (~/.config when unset), groups [Settings] and [Speech]. Every write is
// flushed at once, so a crash loses nothing saved.
#include <wx/fileconf.h>

#include <memory>

#include "base/Profile.h"

namespace versilo {

class WxProfile : public Profile {
 public:
  WxProfile();
  static wxString Path();

  int GetInt(const std::string& section, const std::string& key, int defaultValue) override;
  void WriteInt(const std::string& section, const std::string& key, int value) override;
  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& defaultValue) override;
  void WriteString(const std::string& section, const std::string& key, const std::string& value) override;

 private:
  std::unique_ptr<wxFileConfig> config_;
};

}  // namespace versilo
