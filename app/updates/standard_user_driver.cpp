// The standard presentation of update checks: non-blocking message boxes.
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>

#include "app/updates/updater_service.h"
#include "ui/l10n/localization_store.h"

namespace tocko {

namespace {
// Keys are marked for lupdate in the shared context "Tocko".
#define TOCKO_TEXT(key) LocalizationStore::localizedString(QT_TRANSLATE_NOOP("Tocko", key))

class StandardUserDriver : public UpdateUserDriver {
public:
    void showUpToDate(const QString& currentVersion, std::function<void()> done) override {
        auto* box =
            makeBox(QMessageBox::Information, TOCKO_TEXT("You’re up to date!"),
                    TOCKO_TEXT("Tocko %1 is currently the newest version available.").arg(currentVersion));
        box->addButton(TOCKO_TEXT("OK"), QMessageBox::AcceptRole);
        present(box, [done](QAbstractButton*) { done(); });
    }

    void showUpdateFound(const AppcastItem& update, const QString& currentVersion,
                         std::function<void()> done) override {
        auto* box =
            makeBox(QMessageBox::Information, TOCKO_TEXT("A new version of Tocko is available!"),
                    TOCKO_TEXT("Tocko %1 is now available — you have %2. Would you like to download it now?")
                        .arg(update.displayVersion(), currentVersion));
        QPushButton* download = box->addButton(TOCKO_TEXT("Download"), QMessageBox::AcceptRole);
        box->addButton(TOCKO_TEXT("Remind Me Later"), QMessageBox::RejectRole);
        box->setDefaultButton(download);
        const QUrl url = update.downloadUrl;
        present(box, [done, download, url](QAbstractButton* clicked) {
            if (clicked == download) QDesktopServices::openUrl(url);
            done();
        });
    }

    void showError(const QString& detail, std::function<void()> done) override {
        auto* box = makeBox(
            QMessageBox::Warning, TOCKO_TEXT("Update Error!"),
            TOCKO_TEXT("An error occurred in retrieving update information. Please try again later."));
        box->setDetailedText(detail);
        box->addButton(TOCKO_TEXT("OK"), QMessageBox::AcceptRole);
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
