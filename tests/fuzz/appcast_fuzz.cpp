// The appcast parser on arbitrary bytes: it must never crash, it may offer
// only web addresses for download, and its version order must be a
// consistent comparison.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "ui/updates/appcast.h"

namespace {
int sign(int v) { return (v > 0) - (v < 0); }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto items = tocko::parseAppcast(bytes);
    if (!items) return 0;
    for (const tocko::AppcastItem& item : *items) {
        if (!tocko::isWebUrl(item.downloadUrl) || item.version.isEmpty()) std::abort();
        for (const QString& other :
             {QStringLiteral("1.0"), QStringLiteral("1.0b2"), item.shortVersionString}) {
            if (sign(tocko::compareVersions(item.version, other)) !=
                -sign(tocko::compareVersions(other, item.version)))
                std::abort();
        }
        if (tocko::compareVersions(item.version, item.version) != 0) std::abort();
    }
    if (const auto update = tocko::newestUpdate(*items, QStringLiteral("0.1")))
        if (tocko::compareVersions(update->version, QStringLiteral("0.1")) <= 0) std::abort();
    return 0;
}
