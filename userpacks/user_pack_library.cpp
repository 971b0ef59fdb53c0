#include "userpacks/user_pack_library.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QThreadPool>
#include <QUrl>
#include <QVariantMap>

#include "audio/sound_engine.h"
#include "support/log.h"
#include "userpacks/stored_packs.h"
#include "userpacks/user_packs.h"

namespace tocko::userpacks {

namespace {
const Logger& libraryLog() {
    static const Logger log{"SoundEngine"};
    return log;
}
}  // namespace

UserPackLibrary::UserPackLibrary(std::shared_ptr<SoundEngine> engine, QString packsDir, QObject* parent)
    : QObject(parent), engine_(std::move(engine)), packsDir_(std::move(packsDir)) {
    // Installing or removing a translator tells the application object.
    if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

bool UserPackLibrary::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::LanguageChange && lastError_) emit lastErrorChanged();
    return QObject::eventFilter(watched, event);
}

void UserPackLibrary::loadStored() {
    QPointer<UserPackLibrary> self(this);
    engine_->queue().async([engine = std::weak_ptr<SoundEngine>(engine_), dir = packsDir_, self] {
        auto e = engine.lock();
        if (!e) return;
        installStoredPacks(*e, dir);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self] {
                if (self) emit self->packsChanged();
            },
            Qt::QueuedConnection);
    });
}

QVariantList UserPackLibrary::packs() const {
    QVariantList out;
    for (const UserPackInfo& p : listUserPacks(packsDir_))
        out.append(QVariantMap{{"id", p.id}, {"name", p.name}});
    return out;
}

void UserPackLibrary::importFrom(const QString& pathOrUrl) {
    if (importing_) return;
    const QUrl url(pathOrUrl);
    const QString path = url.isLocalFile() ? url.toLocalFile() : pathOrUrl;
    importing_ = true;
    emit importingChanged();
    setProgress(0);
    QPointer<UserPackLibrary> self(this);
    QThreadPool::globalInstance()->start([self, path, dir = packsDir_, engine = engine_] {
        ImportOptions options;
        options.packsDir = dir;
        options.progress = [self](int percent, const QString&) {
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [self, percent] {
                    if (self) self->setProgress(percent);
                },
                Qt::QueuedConnection);
        };
        ImportResult r = importPack(path, options);
        if (r.ok && !installIntoEngine(*engine, dir, r.packId, r.error)) r.ok = false;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, r] {
                if (self) self->finish(r.ok, r.packId, r.error);
            },
            Qt::QueuedConnection);
    });
}

void UserPackLibrary::adopt(const QString& id) {
    if (!isUserPackId(id)) return;
    QPointer<UserPackLibrary> self(this);
    engine_->queue().async([engine = std::weak_ptr<SoundEngine>(engine_), dir = packsDir_, id, self] {
        auto e = engine.lock();
        if (!e) return;
        PackProblem error;
        if (installIntoEngine(*e, dir, id, error))
            trace("SoundEngine", "imported pack " + id.toStdString() + " loaded");
        else
            libraryLog().error("Imported pack {} not loaded: {}",
                               {pub(id.toStdString()), pub(error.english().toStdString())});
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self] {
                if (self) emit self->packsChanged();
            },
            Qt::QueuedConnection);
    });
}

bool UserPackLibrary::remove(const QString& id) {
    PackProblem error;
    if (!uninstall(*engine_, packsDir_, id, error)) {
        lastError_ = error;
        emit lastErrorChanged();
        libraryLog().error("Could not remove imported pack {}: {}",
                           {pub(id.toStdString()), pub(error.english().toStdString())});
        return false;
    }
    libraryLog().info("Removed imported pack {}", {pub(id.toStdString())});
    if (lastError_) {
        lastError_ = {};
        emit lastErrorChanged();
    }
    emit packsChanged();
    return true;
}

void UserPackLibrary::setProgress(int percent) {
    if (percent == progress_) return;
    progress_ = percent;
    emit progressChanged();
}

void UserPackLibrary::finish(bool ok, const QString& id, const PackProblem& error) {
    importing_ = false;
    lastError_ = ok ? PackProblem{} : error;
    if (ok) {
        libraryLog().info("Imported pack {}", {pub(id.toStdString())});
        trace("SoundEngine", "imported pack " + id.toStdString());
    } else {
        libraryLog().error("Pack import failed: {}", {pub(error.english().toStdString())});
        trace("SoundEngine", "pack import failed: " + error.english().toStdString());
    }
    emit importingChanged();
    emit lastErrorChanged();
    if (ok) emit packsChanged();
    emit importFinished(ok ? id : QString());
}

}  // namespace tocko::userpacks
