#include "userpacks/stored_packs.h"

#include "audio/pack.h"
#include "audio/sample.h"
#include "audio/sound_engine.h"
#include "support/log.h"
#include "userpacks/user_packs.h"

namespace tocko::userpacks {

namespace {

const Logger& packLog() {
    static const Logger log{"SoundEngine"};
    return log;
}

std::vector<std::shared_ptr<SampleBuffer>> buffers(std::vector<std::vector<float>>& sounds, int rate) {
    std::vector<std::shared_ptr<SampleBuffer>> out;
    for (auto& s : sounds) {
        auto b = std::make_shared<SampleBuffer>();
        b->frames = uint32_t(s.size());
        b->channels = 1;
        b->sampleRate = rate;
        b->samples = std::move(s);
        out.push_back(std::move(b));
    }
    return out;
}

}  // namespace

bool installIntoEngine(SoundEngine& engine, const QString& packsDir, const QString& id, PackProblem& error) {
    const std::optional<PackID> slot = userPackSlot(id.toStdString());
    if (!slot) {
        error = {PackError::notImportedPack, {id.left(80)}};
        return false;
    }
    std::optional<UserPackAudio> audio = loadUserPack(packsDir, id, error);
    if (!audio) {
        setUserPackInstalled(*slot, false);
        return false;
    }
    UserPackSounds sounds;
    sounds.press = buffers(audio->press, audio->sampleRate);
    sounds.release = buffers(audio->release, audio->sampleRate);
    sounds.keyPress = std::move(audio->keyPress);
    sounds.keyRelease = std::move(audio->keyRelease);
    engine.installUserPack(*slot, std::move(sounds));
    setUserPackInstalled(*slot, true, audio->name.toStdString());
    return true;
}

void installStoredPacks(SoundEngine& engine, const QString& packsDir) {
    for (const UserPackInfo& info : listUserPacks(packsDir)) {
        PackProblem error;
        if (!installIntoEngine(engine, packsDir, info.id, error))
            packLog().error("Imported pack {} not loaded: {}",
                            {pub(info.id.toStdString()), pub(error.english().toStdString())});
    }
}

bool uninstall(SoundEngine& engine, const QString& packsDir, const QString& id, PackProblem& error) {
    if (!removeUserPack(packsDir, id, error)) return false;
    if (const std::optional<PackID> slot = userPackSlot(id.toStdString())) {
        setUserPackInstalled(*slot, false);
        engine.removeUserPack(*slot);
    }
    return true;
}

}  // namespace tocko::userpacks
