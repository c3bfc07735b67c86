#pragma once
// The toolkit's border layout: a component at "North" and one at "South" keep their
// natural heights, the one at "Center" takes the rest. Adding at a region that is taken
// replaces the component there.

#include <QLayout>
#include <array>
#include <memory>

namespace qv {

class BorderLayout : public QLayout {
public:
    enum Region { North, Center, South };

    explicit BorderLayout(QWidget* parent = nullptr);
    ~BorderLayout() override;

    // Puts `widget` at `region` and makes it visible with its container.
    void addWidget(QWidget* widget, Region region);
    // Takes every component out of the layout. The widgets are hidden, not deleted: their
    // parent still owns them.
    void removeAll();
    QWidget* widgetAt(Region region) const;

    void addItem(QLayoutItem* item) override;  // goes to "Center"
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    void setGeometry(const QRect& rect) override;

private:
    QSize combinedSize(bool minimum) const;
    int edgeHeight(QLayoutItem* item, int width) const;

    // Regions in layout order; empty slots are null.
    std::array<QLayoutItem*, 3> items_{};
};

}  // namespace qv
