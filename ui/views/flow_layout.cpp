#include "ui/views/flow_layout.h"

#include <algorithm>

namespace tocko::ui {

FlowResult flowArrange(const std::vector<QSizeF>& sizes, double spacing, std::optional<double> width) {
    FlowResult result;
    result.rows.push_back({});
    result.positions.resize(sizes.size());
    for (size_t i = 0; i < sizes.size(); ++i) {
        const QSizeF s = sizes[i];
        FlowRow* row = &result.rows.back();
        if (!row->indices.empty() && width && row->width + spacing + s.width() > *width) {
            FlowRow next;
            next.y = row->y + row->height + spacing;
            result.rows.push_back(next);
            row = &result.rows.back();
        }
        const double x = row->indices.empty() ? 0 : row->width + spacing;
        result.positions[i] = QPointF(x, row->y);
        row->width = x + s.width();
        row->height = std::max(row->height, s.height());
        row->indices.push_back(i);
    }
    double widest = 0;
    for (const FlowRow& row : result.rows) widest = std::max(widest, row.width);
    const FlowRow& last = result.rows.back();
    result.size = QSizeF(width ? *width : widest, last.y + last.height);
    return result;
}

FlowLayout::FlowLayout(QQuickItem* parent) : QQuickItem(parent) { setFlag(ItemHasContents, false); }

void FlowLayout::setSpacing(double spacing) {
    if (spacing == spacing_) return;
    spacing_ = spacing;
    emit spacingChanged();
    polish();
}

void FlowLayout::componentComplete() {
    QQuickItem::componentComplete();
    for (QQuickItem* child : childItems()) watch(child);
    polish();
}

void FlowLayout::watch(QQuickItem* child) {
    connect(child, &QQuickItem::implicitWidthChanged, this, &QQuickItem::polish, Qt::UniqueConnection);
    connect(child, &QQuickItem::implicitHeightChanged, this, &QQuickItem::polish, Qt::UniqueConnection);
    connect(child, &QQuickItem::visibleChanged, this, &QQuickItem::polish, Qt::UniqueConnection);
}

void FlowLayout::itemChange(ItemChange change, const ItemChangeData& data) {
    if (change == ItemChildAddedChange) {
        watch(data.item);
        polish();
    } else if (change == ItemChildRemovedChange) {
        disconnect(data.item, nullptr, this, nullptr);
        polish();
    }
    QQuickItem::itemChange(change, data);
}

void FlowLayout::geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) {
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.width() != oldGeometry.width()) polish();
}

void FlowLayout::updatePolish() { relayout(); }

void FlowLayout::relayout() {
    std::vector<QQuickItem*> items;
    std::vector<QSizeF> sizes;
    for (QQuickItem* child : childItems()) {
        if (!child->isVisible()) continue;
        items.push_back(child);
        sizes.emplace_back(child->implicitWidth(), child->implicitHeight());
    }
    // An item without a width of its own is unbounded: one row, which also
    // gives its implicit width.
    const std::optional<double> proposed =
        widthValid() && width() > 0 ? std::optional<double>(width()) : std::nullopt;
    const FlowResult flow = flowArrange(sizes, spacing_, proposed);
    for (size_t i = 0; i < items.size(); ++i) {
        items[i]->setSize(sizes[i]);
        items[i]->setPosition(flow.positions[i]);
    }
    const FlowResult unbounded = flowArrange(sizes, spacing_, std::nullopt);
    setImplicitWidth(unbounded.size.width());
    setImplicitHeight(flow.size.height());
}

}  // namespace tocko::ui
