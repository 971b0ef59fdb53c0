#include "ui/views/context_model.h"

#include <algorithm>
#include <chrono>

#include "context/context_engine.h"
#include "ui/views/name_order.h"

namespace tocko::ui {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }
QString q(const std::optional<std::string>& s) { return s ? q(*s) : QString(); }

}  // namespace

QVariantMap profileToVariant(const AppProfile& p) {
    return {{"bundleID", q(p.bundleID)},
            {"displayName", q(p.displayName)},
            {"pack", q(std::string(rawValue(p.pack)))},
            {"volume", p.volume},
            {"muted", p.muted}};
}

AppProfile profileFromVariant(const QVariantMap& map) {
    AppProfile p;
    p.bundleID = map.value("bundleID").toString().toStdString();
    p.displayName = map.value("displayName").toString().toStdString();
    p.pack = decodePack(map.value("pack").toString().toStdString());
    p.volume = map.value("volume").toDouble();
    p.muted = map.value("muted").toBool();
    return p;
}

std::vector<AppProfile> sortedRules(const ProfileStore& store) {
    std::vector<AppProfile> rules;
    for (const auto& [id, rule] : store.rules) rules.push_back(rule);
    sortByName(rules, [](const AppProfile& rule) { return q(rule.displayName); });
    return rules;
}

ContextModel::ContextModel(ContextEngine* engine, QObject* parent) : QObject(parent), engine_(engine) {
    for (auto signal : {&ContextEngine::storeChanged, &ContextEngine::autoMuteOnCallsChanged,
                        &ContextEngine::micActiveChanged, &ContextEngine::currentAppChanged,
                        &ContextEngine::snoozeUntilChanged, &ContextEngine::globalEnabledChanged})
        connect(engine, signal, this, &ContextModel::changed);
    connect(this, &ContextModel::changed, this, &ContextModel::refreshRuleIDs);
    refreshRuleIDs();
}

void ContextModel::refreshRuleIDs() {
    QStringList ids;
    if (engine_)
        for (const AppProfile& rule : sortedRules(engine_->store())) ids.append(q(rule.bundleID));
    if (ids == ruleIDs_) return;
    ruleIDs_ = ids;
    emit ruleIDsChanged();
}

QString ContextModel::currentBundleID() const { return engine_ ? q(engine_->currentBundleID()) : QString(); }
QString ContextModel::currentAppName() const { return engine_ ? q(engine_->currentAppName()) : QString(); }
bool ContextModel::micActive() const { return engine_ && engine_->micActive(); }
bool ContextModel::autoMuteOnCalls() const { return engine_ && engine_->autoMuteOnCalls(); }

void ContextModel::setAutoMuteOnCalls(bool on) {
    if (engine_ && engine_->autoMuteOnCalls() != on) engine_->setAutoMuteOnCalls(on);
}

QDateTime ContextModel::snoozeUntil() const {
    if (!engine_ || !engine_->snoozeUntil()) return {};
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(engine_->snoozeUntil()->time_since_epoch());
    return QDateTime::fromMSecsSinceEpoch(ms.count());
}

QVariantMap ContextModel::defaultProfile() const {
    return engine_ ? profileToVariant(engine_->store().defaultProfile) : QVariantMap();
}

QVariantList ContextModel::rules() const {
    QVariantList out;
    if (!engine_) return out;
    for (const AppProfile& rule : sortedRules(engine_->store())) out.append(profileToVariant(rule));
    return out;
}

bool ContextModel::editingRule() const {
    if (!engine_) return false;
    const auto& id = engine_->currentBundleID();
    return id && engine_->store().rules.count(*id) > 0;
}

QVariantMap ContextModel::editedProfile() const {
    if (!engine_) return {};
    if (editingRule()) return profileToVariant(engine_->store().rules.at(*engine_->currentBundleID()));
    return profileToVariant(engine_->store().defaultProfile);
}

void ContextModel::writeEdited(const std::function<void(AppProfile&)>& edit) {
    if (!engine_) return;
    if (editingRule()) {
        AppProfile rule = engine_->store().rules.at(*engine_->currentBundleID());
        edit(rule);
        engine_->upsertRule(rule);
    } else {
        AppProfile profile = engine_->store().defaultProfile;
        edit(profile);
        engine_->setDefaultProfile(profile);
    }
}

void ContextModel::setEditedPack(const QString& pack) {
    const PackID id = decodePack(pack.toStdString());
    writeEdited([&](AppProfile& p) { p.pack = id; });
}

void ContextModel::setEditedVolume(double volume) {
    writeEdited([&](AppProfile& p) { p.volume = volume; });
}

bool ContextModel::effectivePlays() const { return engine_ && engine_->resolve().has_value(); }

QString ContextModel::effectivePack() const {
    if (!engine_) return {};
    const auto d = engine_->resolve();
    return d ? q(std::string(rawValue(d->pack))) : QString();
}

double ContextModel::effectiveVolume() const {
    if (!engine_) return 0;
    const auto d = engine_->resolve();
    return d ? d->volume : 0;
}

void ContextModel::setDefaultProfile(const QVariantMap& profile) {
    if (engine_) engine_->setDefaultProfile(profileFromVariant(profile));
}

void ContextModel::upsertRule(const QVariantMap& profile) {
    if (engine_) engine_->upsertRule(profileFromVariant(profile));
}

void ContextModel::removeRule(const QString& bundleID) {
    if (engine_) engine_->removeRule(bundleID.toStdString());
}

void ContextModel::addRule(const QString& bundleID, const QString& displayName) {
    if (!engine_ || bundleID.isEmpty()) return;
    AppProfile rule;
    rule.bundleID = bundleID.toStdString();
    rule.displayName = displayName.toStdString();
    rule.pack = allPacks().front();
    rule.volume = 0.05;
    rule.muted = false;
    engine_->upsertRule(rule);
}

QVariantMap ContextModel::ruleOr(const QString& bundleID, const QVariantMap& fallback) const {
    if (!engine_) return fallback;
    const auto it = engine_->store().rules.find(bundleID.toStdString());
    return it == engine_->store().rules.end() ? fallback : profileToVariant(it->second);
}

void ContextModel::snooze(int minutes) {
    if (engine_) engine_->snooze(minutes);
}

void ContextModel::cancelSnooze() {
    if (engine_) engine_->cancelSnooze();
}

}  // namespace tocko::ui
