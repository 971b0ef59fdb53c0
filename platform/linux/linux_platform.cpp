// The Linux platform bundle, and the choice of audio output.

#include "platform/linux/linux_platform.h"

#include <cstdlib>
#include <cstring>

#include "audio/null_output.h"
#include "platform/linux/frontmost_sources.h"
#include "platform/linux/pulse_output.h"

namespace tocko {

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
    p.enableDesktopExtension = enableGnomeExtension;
    return p;
}

}  // namespace tocko
