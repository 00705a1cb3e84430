#include "ui/anchor_layout.h"

#include <QWidget>
#include <QWidgetItem>

namespace zelvaro {

AnchorLayout::AnchorLayout(QWidget* parent, QSize designSize)
    : QLayout(parent), designSize_(designSize) {
    setContentsMargins(0, 0, 0, 0);
    setSpacing(0);
}

AnchorLayout::~AnchorLayout() {
    while (QLayoutItem* item = takeAt(0)) delete item;
}

void AnchorLayout::addWidget(QWidget* widget, const QRect& rect, int anchors) {
    addChildWidget(widget);
    items_.append({new QWidgetItem(widget), rect, anchors});
    invalidate();
}

void AnchorLayout::addItem(QLayoutItem* item) {
    items_.append({item, QRect(QPoint(0, 0), item->sizeHint()), kAnchorTopLeft});
}

QSize AnchorLayout::sizeHint() const {
    return designSize_;
}

QSize AnchorLayout::minimumSize() const {
    return {0, 0};
}

QRect AnchorLayout::placedRect(const Placed& placed, const QRect& area) const {
    const int dx = area.width() - designSize_.width();
    const int dy = area.height() - designSize_.height();
    QRect rect = placed.rect;
    const auto stretch = [](int anchors, int near, int far) {
        return (anchors & near) && (anchors & far);
    };
    if (stretch(placed.anchors, AnchorLeft, AnchorRight)) {
        rect.setWidth(qMax(0, rect.width() + dx));
    } else if (placed.anchors & AnchorRight) {
        rect.moveLeft(rect.left() + dx);
    }
    if (stretch(placed.anchors, AnchorTop, AnchorBottom)) {
        rect.setHeight(qMax(0, rect.height() + dy));
    } else if (placed.anchors & AnchorBottom) {
        rect.moveTop(rect.top() + dy);
    }
    return rect.translated(area.topLeft());
}

void AnchorLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    // Positions count from the parent's own corner, as in the layout, also where the parent
    // keeps margins of its own (a group box's title and frame).
    const QRect area = parentWidget() ? parentWidget()->rect() : rect;
    for (const Placed& placed : items_) placed.item->setGeometry(placedRect(placed, area));
}

QLayoutItem* AnchorLayout::itemAt(int index) const {
    return index >= 0 && index < items_.size() ? items_[index].item : nullptr;
}

QLayoutItem* AnchorLayout::takeAt(int index) {
    if (index < 0 || index >= items_.size()) return nullptr;
    return items_.takeAt(index).item;
}

int AnchorLayout::count() const {
    return static_cast<int>(items_.size());
}

}  // namespace zelvaro
