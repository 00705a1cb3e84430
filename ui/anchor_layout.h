#pragma once

#include <QLayout>
#include <QList>
#include <QRect>
#include <QSize>

namespace zelvaro {

// Which edges of its parent a widget keeps its distance to when the parent is resized. A widget
// anchored left and right stretches with the width; one anchored right only moves with it.
enum Anchor { AnchorLeft = 1, AnchorTop = 2, AnchorRight = 4, AnchorBottom = 8 };
inline constexpr int kAnchorTopLeft = AnchorLeft | AnchorTop;
inline constexpr int kAnchorTopRight = AnchorTop | AnchorRight;
inline constexpr int kAnchorTopWidth = AnchorLeft | AnchorTop | AnchorRight;
inline constexpr int kAnchorAll = AnchorLeft | AnchorTop | AnchorRight | AnchorBottom;

// Places each widget at the rectangle of the window's layout (in pixels, for the parent's
// design size) and moves or stretches it by its anchors when the parent has another size.
class AnchorLayout : public QLayout {
  public:
    // `designSize` is the parent's size for which the rectangles are given.
    AnchorLayout(QWidget* parent, QSize designSize);
    ~AnchorLayout() override;

    void addWidget(QWidget* widget, const QRect& rect, int anchors = kAnchorTopLeft);

    void addItem(QLayoutItem* item) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;

  private:
    struct Placed {
        QLayoutItem* item;
        QRect rect;
        int anchors;
    };

    QRect placedRect(const Placed& placed, const QRect& area) const;

    QSize designSize_;
    QList<Placed> items_;
};

}  // namespace zelvaro
