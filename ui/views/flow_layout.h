#pragma once
// A wrapping row layout: children keep their implicit size and fill rows
// from the leading edge, a new row starting when the next child would pass
// the available width.

#include <QPointF>
#include <QQuickItem>
#include <QSizeF>
#include <optional>
#include <vector>

namespace tocko::ui {

struct FlowRow {
    std::vector<size_t> indices;
    double y = 0;
    double width = 0;
    double height = 0;
};

struct FlowResult {
    std::vector<FlowRow> rows;
    std::vector<QPointF> positions;  // one per size, in order
    QSizeF size;                     // the size that fits
};

// Arranges `sizes` in rows `spacing` apart for the proposed width (none:
// unbounded). A child wider than the width sits alone on its row.
FlowResult flowArrange(const std::vector<QSizeF>& sizes, double spacing, std::optional<double> width);

class FlowLayout : public QQuickItem {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(double spacing READ spacing WRITE setSpacing NOTIFY spacingChanged)

public:
    explicit FlowLayout(QQuickItem* parent = nullptr);

    double spacing() const { return spacing_; }
    void setSpacing(double spacing);

signals:
    void spacingChanged();

protected:
    void itemChange(ItemChange change, const ItemChangeData& data) override;
    void geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) override;
    void updatePolish() override;
    void componentComplete() override;

private:
    void watch(QQuickItem* child);
    void relayout();

    double spacing_ = 0;
};

}  // namespace tocko::ui
