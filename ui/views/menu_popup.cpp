#include "ui/views/menu_popup.h"

#include <QAction>
#include <QMenu>
#include <QVariantMap>

namespace tocko::ui {

QVariant MenuPopup::exec(const QVariantList& entries, const QVariant& current, double x, double y) {
    QMenu menu;
    for (const QVariant& e : entries) {
        const QVariantMap entry = e.toMap();
        const QString kind = entry.value("kind").toString();
        if (kind == QLatin1String("divider")) {
            menu.addSeparator();
        } else if (kind == QLatin1String("header")) {
            QAction* header = menu.addAction(entry.value("text").toString());
            QFont font = header->font();
            font.setBold(true);
            header->setFont(font);
            header->setEnabled(false);
        } else {
            QAction* item = menu.addAction(entry.value("text").toString());
            item->setData(entry.value("value"));
            item->setCheckable(true);
            item->setChecked(entry.value("value") == current);
        }
    }
    open_ = true;
    emit isOpenChanged();
    QAction* chosen = menu.exec(QPoint(static_cast<int>(x), static_cast<int>(y)));
    open_ = false;
    emit isOpenChanged();
    return chosen ? chosen->data() : QVariant();
}

}  // namespace tocko::ui
