// The real platform behind the uninstall flow: message boxes, the XDG
// autostart entry, the application's settings and the freedesktop Trash.
#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>
#include <cstdlib>

#include "platform/platform.h"
#include "support/user_settings.h"
#include "ui/uninstall/uninstall.h"

namespace tocko {

namespace {
QString orDefault(const QString& value, const char* fallback) {
    return value.isEmpty() ? QString::fromLatin1(fallback) : value;
}

bool confirmWithMessageBox(const UninstallTexts& t) {
    QMessageBox box(QMessageBox::Warning, t.confirmTitle, t.confirmTitle);
    box.setInformativeText(t.confirmBody);
    QPushButton* uninstallButton = box.addButton(t.uninstallButton, QMessageBox::DestructiveRole);
    QPushButton* cancelButton = box.addButton(t.cancelButton, QMessageBox::RejectRole);
    box.setDefaultButton(uninstallButton);
    box.setEscapeButton(cancelButton);
    box.raise();
    box.activateWindow();
    box.exec();
    return box.clickedButton() == uninstallButton;
}

// The process ends right after this box, so the command is shown as
// selectable text rather than put on a clipboard that would end with it.
void resultWithMessageBox(const UninstallTexts& t, bool moved, const QString& undoCommand) {
    const QString title = moved ? t.movedTitle : t.notMovedTitle;
    QMessageBox box(QMessageBox::Information, title, title);
    if (!undoCommand.isEmpty()) box.setInformativeText(t.resultBody + QStringLiteral("\n\n") + undoCommand);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPushButton* doneButton = box.addButton(t.doneButton, QMessageBox::AcceptRole);
    box.setDefaultButton(doneButton);
    box.setEscapeButton(doneButton);
    box.exec();
}
}  // namespace

UninstallServices defaultUninstallServices(std::shared_ptr<LoginItemService> loginItem,
                                           std::function<QString()> inputAccessUndoCommand) {
    UninstallServices s;
    s.organization = orDefault(QCoreApplication::organizationName(), "Pollix");
    s.application = orDefault(QCoreApplication::applicationName(), "Tocko");
    s.executablePath = QCoreApplication::applicationFilePath();
    s.locations = uninstallLocationsFromEnvironment();
    s.confirm = confirmWithMessageBox;
    s.showResult = resultWithMessageBox;
    s.loginItem = std::move(loginItem);
    s.clearSettings = [] {
        const auto settings = userSettings();
        settings->clear();
        settings->sync();
    };
    s.moveToTrash = moveOwnFileToTrash;
    s.inputAccessUndoCommand = std::move(inputAccessUndoCommand);
    s.exitProcess = [] {
        std::fflush(nullptr);
        std::_Exit(0);
    };
    return s;
}

}  // namespace tocko
