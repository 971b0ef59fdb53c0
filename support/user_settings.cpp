#include "support/user_settings.h"

namespace tocko {

std::unique_ptr<QSettings> userSettings() {
    return std::make_unique<QSettings>(QString::fromLatin1(kSettingsOrganization),
                                       QString::fromLatin1(kSettingsApplication));
}

}  // namespace tocko
