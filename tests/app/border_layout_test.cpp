#include "platform/BorderLayout.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(BorderLayout, RegionsKeepNaturalHeightsAndTheCentreTakesTheRest)
{
    QWidget panel;
    auto* layout = new BorderLayout(&panel);
    auto* north = new QLabel("north");
    auto* centre = new QLabel("centre");
    auto* south = new QLabel("south");
    layout->addWidget(south, BorderLayout::South);  // the order of adding does not matter
    layout->addWidget(north, BorderLayout::North);
    layout->addWidget(centre, BorderLayout::Center);
    panel.resize(200, 300);
    layout->setGeometry(QRect(0, 0, 200, 300));
    EXPECT_EQ(north->geometry(), QRect(0, 0, 200, north->sizeHint().height()));
    EXPECT_EQ(south->geometry().bottom(), 299);
    EXPECT_EQ(south->geometry().height(), south->sizeHint().height());
    EXPECT_EQ(centre->geometry().top(), north->geometry().bottom() + 1);
    EXPECT_EQ(centre->geometry().bottom(), south->geometry().top() - 1);
}

TEST(BorderLayout, AddingAtATakenRegionReplacesAndMovingLeavesTheOldRegion)
{
    QWidget panel;
    auto* layout = new BorderLayout(&panel);
    auto* first = new QLabel("first");
    auto* second = new QLabel("second");
    layout->addWidget(first, BorderLayout::North);
    layout->addWidget(second, BorderLayout::North);
    EXPECT_EQ(layout->widgetAt(BorderLayout::North), second);
    EXPECT_EQ(layout->count(), 1);
    EXPECT_TRUE(first->isHidden());

    layout->addWidget(second, BorderLayout::North);  // again at its own region
    EXPECT_EQ(layout->widgetAt(BorderLayout::North), second);
    EXPECT_EQ(layout->count(), 1);

    layout->addWidget(second, BorderLayout::South);
    EXPECT_EQ(layout->widgetAt(BorderLayout::North), nullptr);
    EXPECT_EQ(layout->widgetAt(BorderLayout::South), second);

    layout->removeAll();
    EXPECT_EQ(layout->count(), 0);
    EXPECT_TRUE(second->isHidden());
    EXPECT_EQ(second->parentWidget(), &panel);  // removed, not deleted
}

}  // namespace
}  // namespace qv
