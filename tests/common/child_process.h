#pragma once
// Child processes of the tests that run programs (tocko, parecord), and the
// recordings such a recorder leaves. Header only: the suites that include it
// link libsndfile.

#include <fcntl.h>
#include <signal.h>
#include <sndfile.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace tocko::test {

// This process's environment.
inline std::vector<std::string> environment() {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) env.emplace_back(*e);
    return env;
}

// A child process with its own environment; its standard error goes to the
// file `log`, read back line by line. Killed when it goes out of scope.
class Child {
public:
    Child(const std::vector<std::string>& argv, const std::vector<std::string>& env,
          std::string log = "/dev/null")
        : log_(std::move(log)) {
        pid_ = fork();
        if (pid_ == 0) {
            const int err = open(log_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600),
                      out = open("/dev/null", O_WRONLY);
            dup2(err, STDERR_FILENO);
            dup2(out, STDOUT_FILENO);
            std::vector<char*> args, envp;
            for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
            args.push_back(nullptr);
            for (const std::string& e : env) envp.push_back(const_cast<char*>(e.c_str()));
            envp.push_back(nullptr);
            execvpe(args[0], args.data(), envp.data());
            _exit(127);
        }
    }
    ~Child() { stop(SIGKILL); }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    // Sends `sig` and waits for the exit; returns the exit status (or -signal).
    int stop(int sig) {
        if (pid_ > 0) kill(pid_, sig);
        return wait(std::chrono::hours(1));
    }
    // Waits for the child to end by itself; its exit status (or -signal), -2
    // when it still runs after `timeout`.
    int wait(std::chrono::milliseconds timeout) {
        for (const auto end = std::chrono::steady_clock::now() + timeout; pid_ > 0;
             std::this_thread::sleep_for(std::chrono::milliseconds(20))) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
                pid_ = -1;
            } else if (std::chrono::steady_clock::now() > end) {
                return -2;
            }
        }
        return status_;
    }

    std::vector<std::string> lines() const {
        std::vector<std::string> out;
        std::ifstream in(log_);
        for (std::string line; std::getline(in, line);) out.push_back(line);
        return out;
    }
    bool waitForLine(const std::string& prefix, std::chrono::milliseconds timeout) const {
        for (const auto end = std::chrono::steady_clock::now() + timeout;
             std::chrono::steady_clock::now() < end;
             std::this_thread::sleep_for(std::chrono::milliseconds(20)))
            for (const std::string& l : lines())
                if (l.rfind(prefix, 0) == 0) return true;
        return false;
    }

private:
    std::string log_;
    pid_t pid_ = -1;
    int status_ = -1;
};

// Records the monitor of the null sink of scripts/services.sh to the WAV file
// `file`, as the sink's two channels, until stopped with SIGINT.
inline Child recordMonitor(const std::string& file) {
    return Child({"parecord", "--device=tocko_null.monitor", "--file-format=wav", "--format=float32le",
                  "--channels=2", "--rate=48000", "--latency-msec=10", file},
                 environment());
}

// A recording as one channel: the louder channel of each frame ({} when it
// cannot be read). Recording every channel of a sink and taking the louder
// one avoids the downmix, which PulseAudio and PipeWire do differently.
inline std::vector<float> readMono(const std::string& path) {
    SF_INFO info{};
    std::vector<float> all, mono;
    if (SNDFILE* f = sf_open(path.c_str(), SFM_READ, &info)) {
        all.resize(size_t(info.frames) * size_t(info.channels));
        sf_readf_float(f, all.data(), info.frames);
        sf_close(f);
        for (size_t i = 0; i < size_t(info.frames); ++i) {
            float v = all[i * size_t(info.channels)];
            for (size_t c = 1; c < size_t(info.channels); ++c)
                if (std::fabs(all[i * size_t(info.channels) + c]) > std::fabs(v))
                    v = all[i * size_t(info.channels) + c];
            mono.push_back(v);
        }
    }
    return mono;
}

}  // namespace tocko::test
