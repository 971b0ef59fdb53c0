#pragma once
// The context engine as the views see it: the profile the menu edits, the
// rules in display order, the decision in force and the snooze, all as QML
// values that change whenever the engine publishes a change.

#include <QtQml/qqmlregistration.h>

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>
#include <functional>
#include <vector>

#include "context/context_engine.h"
#include "context/profile_store.h"

namespace tocko::ui {

// Profiles cross into QML as {bundleID, displayName, pack, volume, muted}.
QVariantMap profileToVariant(const AppProfile& profile);
AppProfile profileFromVariant(const QVariantMap& map);

// Rules ordered by display name, locale-aware and ignoring letter case.
std::vector<AppProfile> sortedRules(const ProfileStore& store);

class ContextModel : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Given by the application")

    Q_PROPERTY(QString currentBundleID READ currentBundleID NOTIFY changed)
    Q_PROPERTY(QString currentAppName READ currentAppName NOTIFY changed)
    Q_PROPERTY(bool micActive READ micActive NOTIFY changed)
    Q_PROPERTY(bool autoMuteOnCalls READ autoMuteOnCalls WRITE setAutoMuteOnCalls NOTIFY changed)
    Q_PROPERTY(QDateTime snoozeUntil READ snoozeUntil NOTIFY changed)
    Q_PROPERTY(QVariantMap defaultProfile READ defaultProfile NOTIFY changed)
    Q_PROPERTY(QVariantList rules READ rules NOTIFY changed)
    // The rules' identifiers in display order; announced only when the set
    // or the order changes, so views listing rules keep their rows (and a
    // slider being dragged) while a rule's values change.
    Q_PROPERTY(QStringList ruleIDs READ ruleIDs NOTIFY ruleIDsChanged)
    Q_PROPERTY(bool editingRule READ editingRule NOTIFY changed)
    Q_PROPERTY(QVariantMap editedProfile READ editedProfile NOTIFY changed)
    Q_PROPERTY(bool effectivePlays READ effectivePlays NOTIFY changed)
    Q_PROPERTY(QString effectivePack READ effectivePack NOTIFY changed)
    Q_PROPERTY(double effectiveVolume READ effectiveVolume NOTIFY changed)

public:
    explicit ContextModel(ContextEngine* engine, QObject* parent = nullptr);

    // Empty when absent.
    QString currentBundleID() const;
    QString currentAppName() const;
    bool micActive() const;
    bool autoMuteOnCalls() const;
    void setAutoMuteOnCalls(bool on);
    // Invalid when there is no snooze.
    QDateTime snoozeUntil() const;
    QVariantMap defaultProfile() const;
    QVariantList rules() const;
    QStringList ruleIDs() const { return ruleIDs_; }

    // The menu edits the frontmost application's rule when it has one,
    // otherwise the default profile.
    bool editingRule() const;
    QVariantMap editedProfile() const;
    Q_INVOKABLE void setEditedPack(const QString& pack);
    Q_INVOKABLE void setEditedVolume(double volume);

    bool effectivePlays() const;
    QString effectivePack() const;  // empty when silent
    double effectiveVolume() const;

    Q_INVOKABLE void setDefaultProfile(const QVariantMap& profile);
    // Stores the profile as the rule of its bundle identifier.
    Q_INVOKABLE void upsertRule(const QVariantMap& profile);
    Q_INVOKABLE void removeRule(const QString& bundleID);
    // A new rule: first pack, volume 0.05, not muted; replaces any rule of
    // the same identifier.
    Q_INVOKABLE void addRule(const QString& bundleID, const QString& displayName);
    // The rule of `bundleID`, or `fallback` when it has none.
    Q_INVOKABLE QVariantMap ruleOr(const QString& bundleID, const QVariantMap& fallback) const;
    Q_INVOKABLE void snooze(int minutes);
    Q_INVOKABLE void cancelSnooze();

    ContextEngine* engine() const { return engine_; }

signals:
    void changed();
    void ruleIDsChanged();

private:
    void writeEdited(const std::function<void(AppProfile&)>& edit);
    void refreshRuleIDs();

    QPointer<ContextEngine> engine_;
    QStringList ruleIDs_;
};

}  // namespace tocko::ui
