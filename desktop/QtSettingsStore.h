#pragma once
// The per-user settings store on QSettings in the native format and the user scope: the
// application name is also the organisation, the section is a group.

#include "SettingsPorts.h"

namespace reckora {

class QtSettingsStore : public SettingsStore {
public:
    // Throws Failure when the store cannot be read; a missing or non-text value gives the
    // default.
    std::string GetSetting(const std::string& appName, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override;
    // Throws Failure when the value cannot be written.
    void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                     const std::string& value) override;
};

}  // namespace reckora
