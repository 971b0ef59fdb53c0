#pragma once
// Why importing, loading or removing a pack failed. The code says what went
// wrong and is what tests and callers compare; the arguments are the names
// the sentence mentions (a file, a key as the pack wrote it, a size). The
// sentence exists twice: in the user's language for Settings and the
// command line, and in English for the log.

#include <QString>
#include <QStringList>
#include <functional>

namespace tocko::userpacks {

enum class PackError {
    none,
    // config.json
    configNotJson,
    configNoName,
    configUnknownType,
    configNoSoundFile,
    configTooManyKeys,
    configBadSlice,
    configKeyNoFile,
    configKeyUnreadable,
    configNotAKeyCode,
    configUnknownField,
    configNoDefines,
    configNoKeySound,
    configUnreadable,
    // files of the pack
    fileMissing,
    fileNotRegular,
    fileTooLarge,
    fileOutsidePack,
    fileNotAudio,
    fileNoAudio,
    sliceOutsideFile,
    // a .zip
    zipUnreadable,
    zipDamaged,
    zipTooManyFiles,
    zipLink,
    zipUnsafePath,
    zipSpecialFile,
    zipDuplicate,
    zipTooLarge,
    zipUnpackFailed,
    // a folder of sound files
    folderNoSounds,
    folderOnlyRelease,
    // the whole import
    sourceMissing,
    sourceNotPack,
    decodedTooLarge,
    resampleFailed,
    tooManySameName,
    cannotWrite,
    storeFailed,
    replaceFailed,
    // packs already stored
    notImportedPack,
    notInstalled,
    removeFailed,
    storedDamaged,
};

// Translates a key of the "Tocko" context; the default uses the translator
// installed on the application (none: English).
using Translate = std::function<QString(const char* key)>;

struct PackProblem {
    PackError code = PackError::none;
    QStringList args;  // %1, %2 … of the sentence
    QString note;      // a library's own words: English, for the log only

    PackProblem() = default;
    PackProblem(PackError c, QStringList a = {}, QString n = {})
        : code(c), args(std::move(a)), note(std::move(n)) {}

    explicit operator bool() const { return code != PackError::none; }
    // For the user, in the language `translate` gives.
    QString text(const Translate& translate = {}) const;
    // For the log: the same sentence in English, with the note.
    QString english() const;
};

// The English sentence of a code, the key of its translations.
const char* messageKey(PackError code);

}  // namespace tocko::userpacks
