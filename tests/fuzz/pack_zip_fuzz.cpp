// Importing arbitrary bytes as a .zip: the import either succeeds or fails
// with a reason, and never leaves anything but finished packs in the packs
// folder, nor writes outside it.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "userpacks/user_packs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir root;
    const QString zip = root.filePath("in.zip"), packs = root.filePath("packs");
    QFile f(zip);
    if (!f.open(QIODevice::WriteOnly)) std::abort();
    f.write(reinterpret_cast<const char*>(data), qint64(size));
    f.close();
    tocko::userpacks::ImportOptions options;
    options.packsDir = packs;
    options.maxDecodedBytes = 4 * 1024 * 1024;
    const auto result = tocko::userpacks::importPack(zip, options);
    if (!result.ok && (!result.error || result.error.text().isEmpty())) std::abort();
    for (const QString& entry : QDir(packs).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
        if (!entry.startsWith("user-")) std::abort();  // a staging folder left behind
    if (QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size() > 2) std::abort();
    QDir(packs).removeRecursively();
    return 0;
}
