#pragma once
// The desktop files of installed applications ($XDG_DATA_HOME/applications,
// then each $XDG_DATA_DIRS/applications), for naming X11 windows.

#include <ctime>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tocko {

struct DesktopEntry {
    std::string id;              // file name without ".desktop"; sub-folders joined with "-"
    std::string name;            // Name, localized when the file has a translation
    std::string startupWMClass;  // empty when the file has none
};

// Parses the [Desktop Entry] group. Absent for hidden entries, entries that
// are not applications, or entries without a name. `locale` is a POSIX
// locale name such as "de_DE.UTF-8@euro".
std::optional<DesktopEntry> parseDesktopEntry(const std::string& text, const std::string& id,
                                              const std::string& locale);

class DesktopEntries {
public:
    // Application folders in order of precedence; by default from the XDG
    // base-directory variables.
    explicit DesktopEntries(std::vector<std::string> applicationDirs = defaultApplicationDirs(),
                            std::string locale = messagesLocale());

    std::optional<DesktopEntry> byID(const std::string& id);
    std::optional<DesktopEntry> byStartupWMClass(const std::string& wmClass);
    // An entry whose id matches ignoring ASCII letter case.
    std::optional<DesktopEntry> byIDIgnoringCase(const std::string& text);

    static std::vector<std::string> defaultApplicationDirs();
    static std::string messagesLocale();

private:
    void refreshIfChanged();
    std::vector<std::string> dirs_;
    std::string locale_;
    std::vector<std::time_t> stamps_;
    bool scanned_ = false;
    std::map<std::string, DesktopEntry> byID_;
};

}  // namespace tocko
