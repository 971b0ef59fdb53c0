// Input access through polkit: pkexec runs one fixed shell script as root.
// The script takes no input from the user's environment besides the mode
// ("uaccess" or "group") and pkexec's own PKEXEC_UID.

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <cstring>

#include "app/input_access.h"
#include "platform/linux/linux_platform.h"
#include "support/log.h"

namespace tocko {

namespace {

constexpr const char* kRulePath = "/etc/udev/rules.d/70-tocko-input.rules";

// Numbered below 73-seat-late.rules, which turns the tag into the seat's ACLs.
constexpr const char* kRuleLines =
    "SUBSYSTEM==\"input\", KERNEL==\"event*\", ENV{ID_INPUT_KEYBOARD}==\"1\", TAG+=\"uaccess\"\n"
    "SUBSYSTEM==\"input\", KERNEL==\"event*\", ENV{ID_INPUT_MOUSE}==\"1\", TAG+=\"uaccess\"\n";

}  // namespace

std::string inputAccessGrantScript() {
    return std::string(
               "set -eu\n"
               "case \"$1\" in\n"
               "uaccess)\n"
               "  umask 022\n"
               "  cat > ") +
           kRulePath +
           " <<'EOF'\n"
           "# Written by Tocko: whoever sits at this computer may read keyboards and mice.\n" +
           kRuleLines +
           "EOF\n"
           "  udevadm control --reload\n"
           "  udevadm trigger --subsystem-match=input --action=change\n"
           "  udevadm settle --timeout=5 || true\n"
           "  ;;\n"
           "group)\n"
           "  user=$(getent passwd \"${PKEXEC_UID:?}\" | cut -d: -f1)\n"
           "  [ -n \"$user\" ]\n"
           "  usermod -aG input \"$user\"\n"
           "  ;;\n"
           "*) exit 2 ;;\n"
           "esac\n";
}

namespace {

// uaccess tags become ACLs only where systemd-logind manages the seats.
bool seatsManagedByLogind() { return QFileInfo::exists(QStringLiteral("/run/systemd/seats")); }

std::string currentUserName() {
    const passwd* pw = ::getpwuid(::getuid());
    return pw && pw->pw_name ? pw->pw_name : "";
}

bool userListedInGroup(const std::string& user, const char* groupName) {
    const group* g = ::getgrnam(groupName);
    if (!g || user.empty()) return false;
    for (char** member = g->gr_mem; member && *member; ++member)
        if (user == *member) return true;
    return false;
}

const Logger& grantLog() {
    static const Logger log{"AppState"};
    return log;
}

class PolkitInputAccessGranter : public InputAccessGranter {
public:
    void grant(std::function<void(InputAccessGrant)> done) override {
        const QString pkexec = QStandardPaths::findExecutable(QStringLiteral("pkexec"));
        const bool uaccess = seatsManagedByLogind();
        if (pkexec.isEmpty()) {
            grantLog().error("No pkexec: input access cannot be granted from here");
            done(InputAccessGrant::unavailable);
            return;
        }
        auto* process = new QProcess;
        process->setProgram(pkexec);
        process->setArguments({QStringLiteral("/bin/sh"), QStringLiteral("-c"),
                               QString::fromStdString(inputAccessGrantScript()),
                               QStringLiteral("tocko-input-access"),
                               uaccess ? QStringLiteral("uaccess") : QStringLiteral("group")});
        process->setProcessChannelMode(QProcess::MergedChannels);
        grantLog().info("Asking for input access through polkit ({})",
                        {pub(uaccess ? "uaccess rule" : "input group")});
        QObject::connect(process, &QProcess::finished, process,
                         [process, uaccess, done](int code, QProcess::ExitStatus status) {
                             const std::string output = process->readAll().trimmed().toStdString();
                             process->deleteLater();
                             if (status != QProcess::NormalExit || code != 0) {
                                 // 126: the prompt was dismissed; 127: not authorised.
                                 grantLog().error("Input access not granted (exit {}): {}",
                                                  {pub(std::to_string(code)), pub(output)});
                                 done(InputAccessGrant::notGranted);
                                 return;
                             }
                             done(uaccess ? InputAccessGrant::granted : InputAccessGrant::needsNewLogin);
                         });
        QObject::connect(process, &QProcess::errorOccurred, process,
                         [process, done](QProcess::ProcessError e) {
                             if (e != QProcess::FailedToStart) return;
                             grantLog().error("pkexec could not be started");
                             process->deleteLater();
                             done(InputAccessGrant::unavailable);
                         });
        process->start();
    }

    std::string undoCommand() override {
        if (QFileInfo::exists(QString::fromLatin1(kRulePath)))
            return std::string("sudo rm ") + kRulePath +
                   " && sudo udevadm trigger --subsystem-match=input --action=change";
        const std::string user = currentUserName();
        if (userListedInGroup(user, "input")) return "sudo gpasswd -d " + user + " input";
        return {};
    }
};

}  // namespace

std::shared_ptr<InputAccessGranter> makeInputAccessGranter() {
    return std::make_shared<PolkitInputAccessGranter>();
}

std::string manualInputAccessCommands() {
    return std::string("sudo tee ") + kRulePath + " <<'EOF'\n" + kRuleLines +
           "EOF\n"
           "sudo udevadm control --reload && sudo udevadm trigger --subsystem-match=input --action=change\n"
           "\n"
           "# or, without systemd-logind (then log out and back in):\n"
           "sudo usermod -aG input $USER";
}

}  // namespace tocko
