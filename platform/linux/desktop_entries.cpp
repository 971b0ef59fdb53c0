#include "platform/linux/desktop_entries.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

namespace tocko {

namespace {

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

std::string lowered(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

std::time_t stamp(const std::string& dir) {
    struct stat st {};
    return ::stat(dir.c_str(), &st) == 0 ? st.st_mtime : 0;
}

// Locale keys to try, best first: lang_COUNTRY@MODIFIER, lang_COUNTRY,
// lang@MODIFIER, lang.
std::vector<std::string> localeKeys(const std::string& locale) {
    std::string l = locale, modifier;
    if (auto at = l.find('@'); at != std::string::npos) {
        modifier = l.substr(at);
        l = l.substr(0, at);
    }
    if (auto dot = l.find('.'); dot != std::string::npos) l = l.substr(0, dot);
    if (l.empty() || l == "C" || l == "POSIX") return {};
    std::string lang = l.substr(0, l.find('_'));
    std::vector<std::string> keys;
    auto add = [&](const std::string& k) {
        if (!k.empty() && std::find(keys.begin(), keys.end(), k) == keys.end()) keys.push_back(k);
    };
    if (!modifier.empty()) add(l + modifier);
    add(l);
    if (!modifier.empty()) add(lang + modifier);
    add(lang);
    return keys;
}

}  // namespace

std::optional<DesktopEntry> parseDesktopEntry(const std::string& text, const std::string& id,
                                              const std::string& locale) {
    std::map<std::string, std::string> values;
    bool inMain = false;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        if (line[0] == '[') {
            inMain = line == "[Desktop Entry]";
            continue;
        }
        if (!inMain) continue;
        auto eq = line.find('=');
        if (eq == std::string::npos) continue;
        std::string key = line.substr(0, eq), value = line.substr(eq + 1);
        while (!key.empty() && key.back() == ' ') key.pop_back();
        value.erase(0, value.find_first_not_of(' '));
        values.emplace(key, value);  // the first occurrence wins
    }
    auto get = [&](const std::string& k) -> std::string {
        auto it = values.find(k);
        return it == values.end() ? std::string() : it->second;
    };
    if (get("Hidden") == "true" || (values.count("Type") && get("Type") != "Application"))
        return std::nullopt;
    std::string name;
    for (const std::string& k : localeKeys(locale))
        if (name = get("Name[" + k + "]"); !name.empty()) break;
    if (name.empty()) name = get("Name");
    if (name.empty()) return std::nullopt;
    return DesktopEntry{id, name, get("StartupWMClass")};
}

DesktopEntries::DesktopEntries(std::vector<std::string> applicationDirs, std::string locale)
    : dirs_(std::move(applicationDirs)), locale_(std::move(locale)) {}

std::vector<std::string> DesktopEntries::defaultApplicationDirs() {
    std::vector<std::string> dirs;
    std::string home = env("XDG_DATA_HOME");
    if (home.empty() || home[0] != '/') home = env("HOME") + "/.local/share";
    dirs.push_back(home + "/applications");
    std::string dataDirs = env("XDG_DATA_DIRS");
    if (dataDirs.empty()) dataDirs = "/usr/local/share:/usr/share";
    std::istringstream in(dataDirs);
    std::string d;
    while (std::getline(in, d, ':'))
        if (!d.empty() && d[0] == '/') dirs.push_back(d + "/applications");
    return dirs;
}

std::string DesktopEntries::messagesLocale() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (std::string v = env(name); !v.empty()) return v;
    return "C";
}

void DesktopEntries::refreshIfChanged() {
    std::vector<std::time_t> now;
    now.reserve(dirs_.size());
    for (const std::string& d : dirs_) now.push_back(stamp(d));
    if (scanned_ && now == stamps_) return;
    scanned_ = true;
    stamps_ = std::move(now);
    byID_.clear();
    std::set<std::string> seen;
    namespace fs = std::filesystem;
    for (const std::string& dir : dirs_) {
        std::error_code ec;
        fs::recursive_directory_iterator it(dir, fs::directory_options::skip_permission_denied, ec), end;
        for (; !ec && it != end; it.increment(ec)) {
            const fs::path& p = it->path();
            if (p.extension() != ".desktop" || !it->is_regular_file(ec)) continue;
            std::string id = p.lexically_relative(dir).replace_extension().string();
            std::replace(id.begin(), id.end(), '/', '-');
            if (!seen.insert(id).second) continue;  // an earlier folder takes precedence, hidden or not
            std::ifstream in(p, std::ios::binary);
            std::string text(std::istreambuf_iterator<char>(in), {});
            if (auto entry = parseDesktopEntry(text, id, locale_)) byID_.emplace(id, std::move(*entry));
        }
    }
}

std::optional<DesktopEntry> DesktopEntries::byID(const std::string& id) {
    refreshIfChanged();
    auto it = byID_.find(id);
    if (it == byID_.end()) return std::nullopt;
    return it->second;
}

std::optional<DesktopEntry> DesktopEntries::byStartupWMClass(const std::string& wmClass) {
    refreshIfChanged();
    for (const auto& [id, entry] : byID_)
        if (!entry.startupWMClass.empty() && entry.startupWMClass == wmClass) return entry;
    return std::nullopt;
}

std::optional<DesktopEntry> DesktopEntries::byIDIgnoringCase(const std::string& text) {
    refreshIfChanged();
    const std::string want = lowered(text);
    for (const auto& [id, entry] : byID_)
        if (lowered(id) == want) return entry;
    return std::nullopt;
}

}  // namespace tocko
