#pragma once
// The user's imported packs as the views see them: the list, an import that
// runs off the main thread with its progress, and removal. Lives on the main
// thread; the engine gets each pack on its own queue.

#include <QObject>
#include <QString>
#include <QVariantList>
#include <memory>

#include "userpacks/pack_problem.h"

namespace tocko {
class SoundEngine;
}

namespace tocko::userpacks {

class UserPackLibrary : public QObject {
    Q_OBJECT
    // [{id, name}, ...] sorted by name
    Q_PROPERTY(QVariantList packs READ packs NOTIFY packsChanged)
    Q_PROPERTY(bool importing READ importing NOTIFY importingChanged)
    Q_PROPERTY(int progress READ progress NOTIFY progressChanged)
    // The last import's or removal's error in the current language, empty
    // after a success.
    Q_PROPERTY(QString lastError READ lastError NOTIFY lastErrorChanged)

public:
    UserPackLibrary(std::shared_ptr<SoundEngine> engine, QString packsDir, QObject* parent = nullptr);

    // Loads the stored packs into the engine (on the engine's queue).
    void loadStored();

    QVariantList packs() const;
    bool importing() const { return importing_; }
    int progress() const { return progress_; }
    QString lastError() const { return lastError_ ? lastError_.text() : QString(); }
    const PackProblem& lastProblem() const { return lastError_; }

    // A folder, a .zip, or a file:// URL of either (drag and drop, file dialogs).
    Q_INVOKABLE void importFrom(const QString& pathOrUrl);
    Q_INVOKABLE bool remove(const QString& id);
    // A pack another process stored (tocko --import-pack): loads it too.
    void adopt(const QString& id);

signals:
    void packsChanged();
    void importingChanged();
    void progressChanged();
    void lastErrorChanged();
    // After an import: the new pack's id, or empty with lastError set.
    void importFinished(const QString& id);

protected:
    // A language change re-reads lastError.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setProgress(int percent);
    void finish(bool ok, const QString& id, const PackProblem& error);

    std::shared_ptr<SoundEngine> engine_;
    QString packsDir_;
    bool importing_ = false;
    int progress_ = 0;
    PackProblem lastError_;
};

}  // namespace tocko::userpacks
