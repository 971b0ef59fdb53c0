#pragma once
// A real wlroots compositor for tests: Sway on its headless backend, with no
// input devices, in a runtime folder of its own, and native Wayland clients
// (foot terminals, each with its own app_id). Sway refuses to run as root,
// so under root it runs as the unprivileged "nobody".

#include <grp.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace tocko::test {

class SwaySession {
public:
    SwaySession() {
        char dir[] = "/tmp/tocko-sway-XXXXXX";
        if (!mkdtemp(dir)) return;
        runtime_ = dir;
        chmod(dir, 0700);
        if (getuid() == 0 && chown(dir, kNobody, kNobody) != 0) return;
        std::ofstream(runtime_ + "/config") << "xwayland disable\noutput HEADLESS-1 resolution 1024x768\n";
        startCompositor();
    }
    ~SwaySession() {
        for (pid_t p : clients_) stopProcess(p);
        stopCompositor();
        std::error_code ec;
        std::filesystem::remove_all(runtime_, ec);
    }

    static bool available() {
        return std::system("command -v sway >/dev/null && command -v foot >/dev/null") == 0;
    }
    bool ready() const { return sway_ > 0 && !display_.empty(); }
    const std::string& runtimeDir() const { return runtime_; }
    const std::string& waylandDisplay() const { return display_; }
    std::string ipcSocket() const { return runtime_ + "/" + ipc_; }

    // A foot terminal with `appID` (empty: an empty app_id, that is none); true
    // once Sway lists it.
    bool startClient(const std::string& appID) {
        const pid_t pid = spawn({"foot", "--app-id=" + appID, "--", "sleep", "600"},
                                {"XDG_RUNTIME_DIR=" + runtime_, "WAYLAND_DISPLAY=" + display_,
                                 "HOME=" + runtime_, "PATH=" + path()},
                                false);
        if (pid <= 0) return false;
        clients_.push_back(pid);
        const std::string needle = "\"app_id\": \"" + appID + "\"";
        return waitFor([&] { return swaymsg({"-t", "get_tree"}).find(needle) != std::string::npos; });
    }
    bool focus(const std::string& appID) {
        return swaymsg({"[app_id=\"" + appID + "\"]", "focus"}).find("\"success\": true") !=
               std::string::npos;
    }
    void stopCompositor() {
        if (sway_ > 0) stopProcess(sway_);
        sway_ = -1;
        display_.clear();
    }
    bool startCompositor() {
        std::vector<std::string> env{"XDG_RUNTIME_DIR=" + runtime_, "HOME=" + runtime_,
                                     "WLR_BACKENDS=headless",       "WLR_LIBINPUT_NO_DEVICES=1",
                                     "WLR_RENDERER=pixman",         "PATH=" + path()};
        sway_ = spawn({"sway", "-c", runtime_ + "/config"}, env, getuid() == 0);
        if (sway_ <= 0) return false;
        return waitFor([&] {
            display_ = socketNamed("wayland-", ".lock");
            ipc_ = socketNamed("sway-ipc.", "");
            return !display_.empty() && !ipc_.empty();
        });
    }

    std::string swaymsg(const std::vector<std::string>& args) const {
        std::string cmd = "SWAYSOCK='" + runtime_ + "/" + ipc_ + "' swaymsg";
        for (const std::string& a : args) cmd += " '" + a + "'";
        std::string out;
        if (FILE* p = popen((cmd + " 2>&1").c_str(), "r")) {
            char buf[4096];
            for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
            pclose(p);
        }
        return out;
    }

private:
    static constexpr uid_t kNobody = 65534;

    static std::string path() {
        const char* p = getenv("PATH");
        return p ? p : "/usr/bin:/bin";
    }
    template <typename F>
    static bool waitFor(F done, std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
        const auto end = std::chrono::steady_clock::now() + timeout;
        while (std::chrono::steady_clock::now() < end) {
            if (done()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }
    std::string socketNamed(const std::string& prefix, const std::string& notSuffix) const {
        std::string found;
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(runtime_, ec)) {
            const std::string n = e.path().filename().string();
            if (n.starts_with(prefix) && (notSuffix.empty() || !n.ends_with(notSuffix))) found = n;
        }
        return found;
    }
    static pid_t spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                       bool dropRoot) {
        const pid_t pid = fork();
        if (pid != 0) return pid;
        setpgid(0, 0);
        if (dropRoot && (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0))
            _exit(126);
        std::vector<char*> args, envp;
        for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        for (const std::string& e : env) envp.push_back(const_cast<char*>(e.c_str()));
        envp.push_back(nullptr);
        freopen("/dev/null", "w", stdout);
        freopen("/dev/null", "w", stderr);
        execvpe(args[0], args.data(), envp.data());
        _exit(127);
    }
    static void stopProcess(pid_t pid) {
        kill(-pid, SIGTERM);
        for (int i = 0; i < 100; ++i) {
            if (waitpid(pid, nullptr, WNOHANG) == pid) return;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        kill(-pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }

    std::string runtime_, display_, ipc_;
    pid_t sway_ = -1;
    std::vector<pid_t> clients_;
};

}  // namespace tocko::test
