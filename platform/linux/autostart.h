#pragma once
// The login item as an XDG autostart entry.

#include <string>

#include "platform/platform.h"

namespace tocko {

class AutostartLoginItem : public LoginItemService {
public:
    // `configHome` empty: $XDG_CONFIG_HOME when absolute, else $HOME/.config.
    explicit AutostartLoginItem(std::string executablePath, std::string configHome = {});

    bool isEnabled() override;
    bool registerItem(std::string& error) override;
    bool unregisterItem(std::string& error) override;

    // <config home>/autostart/tocko.desktop
    std::string entryPath() const;
    // The whole desktop entry written by registerItem(); absent when the
    // executable path cannot be written into an Exec line.
    std::optional<std::string> entryText() const;

private:
    std::string executablePath_;
    std::string configHome_;
};

// The path as one Exec argument, quoted and escaped as desktop entries
// require; absent for a path with a line break or other control character.
std::optional<std::string> desktopExecArgument(const std::string& path);

}  // namespace tocko
