// The profile store's decoder on arbitrary bytes: it must never crash, and
// whatever it accepts must survive a write and a second read unchanged.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "context/profile_store.h"
#include "support/format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<tocko::ProfileStore> store = tocko::ProfileStore::decode(bytes);
    if (!store) return 0;
    // Every number the store holds must be writable as text (the
    // "Effective:" line), whatever its size.
    (void)tocko::fixedText(store->defaultProfile.volume, 2);
    for (const auto& [key, rule] : store->rules) (void)tocko::fixedText(rule.volume, 2);
    const std::optional<QByteArray> written = store->encoded();
    if (!written) return 0;  // a volume JSON cannot carry
    if (written->isEmpty()) std::abort();
    const std::optional<tocko::ProfileStore> reread = tocko::ProfileStore::decode(*written);
    if (!reread || !(*reread == *store)) std::abort();
    return 0;
}
