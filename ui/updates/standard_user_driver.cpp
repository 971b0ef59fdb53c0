// The standard presentation of update checks: non-blocking message boxes.
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>

#include "ui/l10n/localization_store.h"
#include "ui/updates/updater_service.h"

namespace tocko {

namespace {
QString text(const char* key) { return LocalizationStore::localizedString(key); }

class StandardUserDriver : public UpdateUserDriver {
public:
    void showUpToDate(const QString& currentVersion, std::function<void()> done) override {
        auto* box =
            makeBox(QMessageBox::Information, text(QT_TRANSLATE_NOOP("Tocko", "You’re up to date!")),
                    text(QT_TRANSLATE_NOOP("Tocko", "Tocko %1 is currently the newest version available."))
                        .arg(currentVersion));
        box->addButton(text(QT_TRANSLATE_NOOP("Tocko", "OK")), QMessageBox::AcceptRole);
        present(box, [done](QAbstractButton*) { done(); });
    }

    void showUpdateFound(const AppcastItem& update, const QString& currentVersion,
                         std::function<void()> done) override {
        auto* box = makeBox(
            QMessageBox::Information,
            text(QT_TRANSLATE_NOOP("Tocko", "A new version of Tocko is available!")),
            text(QT_TRANSLATE_NOOP(
                     "Tocko", "Tocko %1 is now available — you have %2. Would you like to download it now?"))
                .arg(update.displayVersion(), currentVersion));
        QPushButton* download =
            box->addButton(text(QT_TRANSLATE_NOOP("Tocko", "Download")), QMessageBox::AcceptRole);
        box->addButton(text(QT_TRANSLATE_NOOP("Tocko", "Remind Me Later")), QMessageBox::RejectRole);
        box->setDefaultButton(download);
        const QUrl url = update.downloadUrl;
        present(box, [done, download, url](QAbstractButton* clicked) {
            if (clicked == download && isWebUrl(url)) QDesktopServices::openUrl(url);
            done();
        });
    }

    void showError(const QString& detail, std::function<void()> done) override {
        auto* box = makeBox(
            QMessageBox::Warning, text(QT_TRANSLATE_NOOP("Tocko", "Update Error!")),
            text(QT_TRANSLATE_NOOP(
                "Tocko", "An error occurred in retrieving update information. Please try again later.")));
        box->setDetailedText(detail);
        box->addButton(text(QT_TRANSLATE_NOOP("Tocko", "OK")), QMessageBox::AcceptRole);
        present(box, [done](QAbstractButton*) { done(); });
    }

private:
    static QMessageBox* makeBox(QMessageBox::Icon icon, const QString& title, const QString& text) {
        auto* box = new QMessageBox(icon, title, title);
        box->setInformativeText(text);
        box->setAttribute(Qt::WA_DeleteOnClose);
        return box;
    }

    static void present(QMessageBox* box, std::function<void(QAbstractButton*)> onClose) {
        QObject::connect(box, &QMessageBox::finished, box, [box, onClose] { onClose(box->clickedButton()); });
        box->show();
        box->raise();
        box->activateWindow();
    }
};
}  // namespace

std::shared_ptr<UpdateUserDriver> makeStandardUserDriver() { return std::make_shared<StandardUserDriver>(); }

}  // namespace tocko
