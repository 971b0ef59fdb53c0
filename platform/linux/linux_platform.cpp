// The Linux platform bundle, and the choice of audio output.

#include "platform/linux/linux_platform.h"

#include <pthread.h>
#include <sched.h>
#include <sys/random.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "audio/null_output.h"
#include "platform/linux/frontmost_sources.h"
#include "platform/linux/pulse_output.h"

namespace tocko {

namespace {
void nameCurrentThread(const std::string& name) {
    pthread_setname_np(pthread_self(), name.substr(0, 15).c_str());  // Linux allows 15 bytes
}

// Best effort: a low real-time priority, else a raised nice level.
void raisePriority() {
    sched_param param{};
    param.sched_priority = 5;
    if (pthread_setschedparam(pthread_self(), SCHED_FIFO | SCHED_RESET_ON_FORK, &param) == 0) return;
    setpriority(PRIO_PROCESS, gettid(), -10);
}

// A uniform integer in 0...2^24 from the kernel's random source, rejecting
// the values that would bias the modulo.
uint32_t secureUniform24() {
    constexpr uint64_t kRange = (1u << 24) + 1;
    constexpr uint64_t kLimit = (uint64_t(1) << 32) / kRange * kRange;
    for (;;) {
        uint32_t x = 0;
        if (getrandom(&x, sizeof x, 0) != sizeof x) continue;
        if (x < kLimit) return uint32_t(x % kRange);
    }
}
}  // namespace

std::unique_ptr<AudioOutput> makeDefaultOutput() {
    const char* choice = std::getenv("TOCKO_AUDIO_OUTPUT");
    if (choice != nullptr && std::strcmp(choice, "null") == 0) {
        NullOutput::Options options;
        if (const char* capture = std::getenv("TOCKO_AUDIO_CAPTURE")) options.capturePath = capture;
        return std::make_unique<NullOutput>(options);
    }
    return std::make_unique<PulseOutput>();
}

Platform makeLinuxPlatform(const std::string& executablePath) {
    Platform p;
    p.audioOutput = makeDefaultOutput();
    p.tapBackends = systemTapBackendFactory();
    p.permission = makeInputPermission(p.tapBackends);
    p.accessGranter = makeInputAccessGranter();
    p.inputAccessHelpText = listenAccessHelpText();
    p.manualInputAccessCommands = manualInputAccessCommands();
    p.frontmost = makeFrontmostAppSource();
    p.microphone = makeInputDeviceSystem();
    p.secureInput = makeSecureInputProbe();
    p.loginItem = makeLoginItemService(executablePath);
    p.foreignSound = makeBellPlayer();
    p.logSink = makeJournalLogSink();
    p.threads = {nameCurrentThread, raisePriority};
    p.randomness = secureUniform24;
    p.enableDesktopExtension = enableGnomeExtension;
    return p;
}

}  // namespace tocko
