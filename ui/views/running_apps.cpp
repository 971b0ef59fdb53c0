#include "ui/views/running_apps.h"

#include <QVariantMap>
#include <algorithm>
#include <set>

#include "ui/views/name_order.h"

namespace tocko::ui {

namespace {

std::shared_ptr<RunningAppsSource>& globalSource() {
    static std::shared_ptr<RunningAppsSource> source;
    return source;
}

}  // namespace

std::vector<RunningApp> runningAppsList(const std::vector<RunningAppEntry>& entries) {
    std::vector<RunningApp> apps;
    std::set<std::string> seen;
    for (const RunningAppEntry& e : entries) {
        if (!e.regular || !e.bundleID || e.bundleID->empty()) continue;
        if (!seen.insert(*e.bundleID).second) continue;
        const std::string& name = e.name && !e.name->empty() ? *e.name : *e.bundleID;
        apps.push_back({QString::fromStdString(*e.bundleID), QString::fromStdString(name)});
    }
    sortByName(apps, [](const RunningApp& app) { return app.name; });
    return apps;
}

void setRunningAppsSource(std::shared_ptr<RunningAppsSource> source) { globalSource() = std::move(source); }

RunningApps::RunningApps(QObject* parent) : QObject(parent) { source_ = globalSource(); }

std::vector<RunningApp> RunningApps::apps() const {
    return source_ ? runningAppsList(source_->runningApplications()) : std::vector<RunningApp>{};
}

QVariantList RunningApps::list() const {
    QVariantList out;
    for (const RunningApp& app : apps())
        out.append(QVariantMap{{"bundleID", app.bundleID}, {"name", app.name}});
    return out;
}

QString RunningApps::nameFor(const QString& bundleID) const {
    for (const RunningApp& app : apps())
        if (app.bundleID == bundleID) return app.name;
    return bundleID;
}

}  // namespace tocko::ui
