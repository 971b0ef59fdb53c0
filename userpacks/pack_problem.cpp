#include "userpacks/pack_problem.h"

#include <QCoreApplication>

namespace tocko::userpacks {

const char* messageKey(PackError code) {
    switch (code) {
        case PackError::none:
            return "";
        case PackError::configNotJson:
            return QT_TRANSLATE_NOOP("Tocko", "config.json is not a valid JSON object");
        case PackError::configNoName:
            return QT_TRANSLATE_NOOP("Tocko", "config.json gives the pack no name");
        case PackError::configUnknownType:
            return QT_TRANSLATE_NOOP("Tocko", "config.json uses a key layout Tocko does not know (%1)");
        case PackError::configNoSoundFile:
            return QT_TRANSLATE_NOOP("Tocko", "config.json names no sound file to cut the keys' sounds from");
        case PackError::configTooManyKeys:
            return QT_TRANSLATE_NOOP("Tocko", "config.json defines too many keys");
        case PackError::configBadSlice:
            return QT_TRANSLATE_NOOP("Tocko", "config.json: key %1 has no valid [start, length] slice");
        case PackError::configKeyNoFile:
            return QT_TRANSLATE_NOOP("Tocko", "config.json: key %1 names no sound file");
        case PackError::configKeyUnreadable:
            return QT_TRANSLATE_NOOP(
                "Tocko", "config.json: the sound of key %1 is written in a form Tocko cannot read");
        case PackError::configNotAKeyCode:
            return QT_TRANSLATE_NOOP("Tocko", "config.json: %1 has a sound but is not a key code");
        case PackError::configUnknownField:
            return QT_TRANSLATE_NOOP(
                "Tocko", "config.json: %1 is a setting Tocko cannot use, so its sounds would be lost");
        case PackError::configNoDefines:
            return QT_TRANSLATE_NOOP("Tocko", "config.json has no key definitions");
        case PackError::configNoKeySound:
            return QT_TRANSLATE_NOOP("Tocko", "config.json defines no sound for a key Tocko can play");
        case PackError::configUnreadable:
            return QT_TRANSLATE_NOOP("Tocko", "config.json cannot be read");
        case PackError::fileMissing:
            return QT_TRANSLATE_NOOP("Tocko", "%1 is missing");
        case PackError::fileNotRegular:
            return QT_TRANSLATE_NOOP("Tocko",
                                     "%1 is not a regular file; links and special files are not accepted");
        case PackError::fileTooLarge:
            return QT_TRANSLATE_NOOP("Tocko", "%1 is too large");
        case PackError::fileOutsidePack:
            return QT_TRANSLATE_NOOP("Tocko", "The pack names a sound file outside its folder (%1)");
        case PackError::fileNotAudio:
            return QT_TRANSLATE_NOOP("Tocko", "%1 is not a supported sound file (WAV, OGG, FLAC or MP3)");
        case PackError::fileNoAudio:
            return QT_TRANSLATE_NOOP("Tocko", "%1 holds no audio");
        case PackError::sliceOutsideFile:
            return QT_TRANSLATE_NOOP("Tocko", "A key's slice lies outside %1");
        case PackError::zipUnreadable:
            return QT_TRANSLATE_NOOP("Tocko", "%1 is not a readable .zip file");
        case PackError::zipDamaged:
            return QT_TRANSLATE_NOOP("Tocko", "The .zip file is damaged");
        case PackError::zipTooManyFiles:
            return QT_TRANSLATE_NOOP("Tocko", "The .zip file holds too many files");
        case PackError::zipLink:
            return QT_TRANSLATE_NOOP("Tocko", "The .zip file contains a link (%1); links are not accepted");
        case PackError::zipUnsafePath:
            return QT_TRANSLATE_NOOP("Tocko", "The .zip file contains an unsafe path (%1)");
        case PackError::zipSpecialFile:
            return QT_TRANSLATE_NOOP("Tocko", "The .zip file contains a special file (%1)");
        case PackError::zipDuplicate:
            return QT_TRANSLATE_NOOP("Tocko", "The .zip file holds %1 twice");
        case PackError::zipTooLarge:
            return QT_TRANSLATE_NOOP("Tocko", "The .zip file unpacks to more than a sound pack can hold");
        case PackError::zipUnpackFailed:
            return QT_TRANSLATE_NOOP("Tocko", "Could not unpack the .zip file; is the disk full?");
        case PackError::folderNoSounds:
            return QT_TRANSLATE_NOOP(
                "Tocko", "The folder holds neither a config.json nor WAV, OGG, FLAC or MP3 files");
        case PackError::folderOnlyRelease:
            return QT_TRANSLATE_NOOP("Tocko", "The folder holds release sounds but no press sound");
        case PackError::sourceMissing:
            return QT_TRANSLATE_NOOP("Tocko", "%1 does not exist");
        case PackError::sourceNotPack:
            return QT_TRANSLATE_NOOP("Tocko", "Choose a pack folder or a .zip file");
        case PackError::decodedTooLarge:
            return QT_TRANSLATE_NOOP("Tocko", "The pack's decoded audio is larger than %1 MB");
        case PackError::resampleFailed:
            return QT_TRANSLATE_NOOP("Tocko", "Could not resample the pack's sounds");
        case PackError::tooManySameName:
            return QT_TRANSLATE_NOOP("Tocko", "Too many packs share the name %1");
        case PackError::cannotWrite:
            return QT_TRANSLATE_NOOP("Tocko", "Cannot write to %1");
        case PackError::storeFailed:
            return QT_TRANSLATE_NOOP("Tocko", "Could not store the pack; is the disk full?");
        case PackError::replaceFailed:
            return QT_TRANSLATE_NOOP("Tocko", "Could not replace the installed pack %1");
        case PackError::notImportedPack:
            return QT_TRANSLATE_NOOP("Tocko", "%1 is not an imported pack");
        case PackError::notInstalled:
            return QT_TRANSLATE_NOOP("Tocko", "%1 is not installed");
        case PackError::removeFailed:
            return QT_TRANSLATE_NOOP("Tocko", "Could not remove %1");
        case PackError::storedDamaged:
            return QT_TRANSLATE_NOOP("Tocko", "The stored pack %1 is damaged; import it again");
    }
    return "";
}

namespace {
// All at once, so that a file name holding "%2" stays as it is.
QString fill(const QString& sentence, const QStringList& args) {
    switch (args.size()) {
        case 0:
            return sentence;
        case 1:
            return sentence.arg(args[0]);
        default:
            return sentence.arg(args[0], args[1]);
    }
}
}  // namespace

QString PackProblem::text(const Translate& translate) const {
    const char* key = messageKey(code);
    return fill(translate ? translate(key) : QCoreApplication::translate("Tocko", key), args);
}

QString PackProblem::english() const {
    const QString sentence = fill(QString::fromUtf8(messageKey(code)), args);
    return note.isEmpty() ? sentence : QStringLiteral("%1 (%2)").arg(sentence, note);
}

}  // namespace tocko::userpacks
