#pragma once
// Running applications offered as new per-application rules: the ones with
// a window in the task bar and an identifier, each once, sorted by name.

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QString>
#include <QVariantList>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tocko::ui {

// One application as the session reports it (one entry per window).
struct RunningAppEntry {
    std::optional<std::string> bundleID;
    std::optional<std::string> name;
    bool regular = true;  // a normal window that shows in the task bar
};

struct RunningApp {
    QString bundleID;
    QString name;
    friend bool operator==(const RunningApp&, const RunningApp&) = default;
};

// Keeps regular entries with an identifier, the first of each identifier,
// names them (the identifier when nameless) and sorts by name, locale-aware
// and ignoring letter case.
std::vector<RunningApp> runningAppsList(const std::vector<RunningAppEntry>& entries);

class RunningAppsSource {
public:
    virtual ~RunningAppsSource() = default;
    virtual std::vector<RunningAppEntry> runningApplications() = 0;
};

// Where RunningApps objects made by QML look: the platform's, set by the
// executable's entry; without one the list is empty.
void setRunningAppsSource(std::shared_ptr<RunningAppsSource> source);

class RunningApps : public QObject {
    Q_OBJECT
    QML_ELEMENT

public:
    explicit RunningApps(QObject* parent = nullptr);

    // [{bundleID, name}, ...], asked afresh.
    Q_INVOKABLE QVariantList list() const;
    // The running application's name, or the identifier itself when no
    // application with it runs.
    Q_INVOKABLE QString nameFor(const QString& bundleID) const;

private:
    std::vector<RunningApp> apps() const;
    std::shared_ptr<RunningAppsSource> source_;
};

}  // namespace tocko::ui
