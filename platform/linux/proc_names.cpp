#include "platform/linux/proc_names.h"

#include <fstream>
#include <iterator>

namespace tocko {

namespace {
std::optional<std::string> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string cleaned(std::string s) {
    for (char& c : s)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}
}  // namespace

std::optional<std::string> processName(int32_t pid, const std::string& procRoot) {
    if (pid <= 0) return std::nullopt;
    const std::string dir = procRoot + "/" + std::to_string(pid);
    if (std::optional<std::string> cmdline = readFile(dir + "/cmdline")) {
        std::string argv0 = cmdline->substr(0, cmdline->find('\0'));
        if (auto slash = argv0.rfind('/'); slash != std::string::npos) argv0 = argv0.substr(slash + 1);
        argv0 = cleaned(argv0);
        if (!argv0.empty()) return argv0;
    }
    if (std::optional<std::string> comm = readFile(dir + "/comm")) {
        std::string name = cleaned(*comm);
        if (!name.empty()) return name;
    }
    return std::nullopt;
}

}  // namespace tocko
