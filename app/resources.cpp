#include <cstdlib>

#include "app/platform.h"

namespace tocko {

std::string resourcesDirectory() {
    if (const char* dir = std::getenv("TOCKO_RESOURCES")) return dir;
    return TOCKO_RESOURCE_DIR;
}

}  // namespace tocko
