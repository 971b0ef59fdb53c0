#include "app/input_access.h"

namespace tocko {

const char* grantText(InputAccessGrant grant) {
    switch (grant) {
        case InputAccessGrant::idle:
            return "idle";
        case InputAccessGrant::asking:
            return "asking";
        case InputAccessGrant::granted:
            return "granted";
        case InputAccessGrant::needsNewLogin:
            return "needsNewLogin";
        case InputAccessGrant::notGranted:
            return "notGranted";
        case InputAccessGrant::unavailable:
            return "unavailable";
    }
    return "idle";
}

}  // namespace tocko
