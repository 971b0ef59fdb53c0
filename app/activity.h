#pragma once
// A user-initiated activity held while typing feedback is on. Linux has no
// App Nap, so the token only records that the activity is held; it never
// inhibits system sleep.

#include <string>

namespace tocko {

class ActivityToken {
public:
    static constexpr const char* kReason = "Tocko keyboard sound feedback";
    static constexpr unsigned long long kUserInitiatedOptions = 0xFFFFFFULL;

    explicit ActivityToken(std::string reason, unsigned long long options = kUserInitiatedOptions)
        : reason_(std::move(reason)), options_(options) {}
    ActivityToken(const ActivityToken&) = delete;
    ActivityToken& operator=(const ActivityToken&) = delete;

    const std::string& reason() const { return reason_; }
    unsigned long long options() const { return options_; }

private:
    std::string reason_;
    unsigned long long options_;
};

}  // namespace tocko
