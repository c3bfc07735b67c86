#pragma once
// Helpers for driving the real window under the offscreen platform.

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/quorvane.h"
#include "platform/BorderLayout.h"
#include "platform/TextField.h"

namespace qv::test {

inline std::vector<std::string> comboItems(const QComboBox& choice)
{
    std::vector<std::string> items;
    for (int i = 0; i < choice.count(); ++i)
        items.push_back(choice.itemText(i).toStdString());
    return items;
}

inline std::vector<std::string> listItems(const QListWidget& list)
{
    std::vector<std::string> items;
    for (int i = 0; i < list.count(); ++i)
        items.push_back(list.item(i)->text().toStdString());
    return items;
}

// The widgets the display area shows, top to bottom.
struct DisplayArea {
    QWidget* north;
    QWidget* center;
    QWidget* south;
};

inline DisplayArea displayArea(const quorvane& window)
{
    const BorderLayout& area = window.midLayout();
    return {area.widgetAt(BorderLayout::North), area.widgetAt(BorderLayout::Center),
            area.widgetAt(BorderLayout::South)};
}

// Clicks a button of the window by its label, as the user would.
inline void clickButton(quorvane& window, const QString& label)
{
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->text() == label) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    }
    ADD_FAILURE() << "no button labelled " << label.toStdString();
}

// Picks row `row` of the member list with the mouse, as the user would.
inline void pickMember(quorvane& window, int row)
{
    QListWidget* list = window.myList;
    ASSERT_NE(list, nullptr);
    QListWidgetItem* item = list->item(row);
    ASSERT_NE(item, nullptr);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

// Chooses group `index` in the group choice as the user would (keyboard on the closed choice).
inline void chooseGroup(quorvane& window, int index)
{
    QComboBox* choice = window.myChoice;
    ASSERT_NE(choice, nullptr);
    choice->setFocus();
    while (choice->currentIndex() < index)
        QTest::keyClick(choice, Qt::Key_Down);
    while (choice->currentIndex() > index)
        QTest::keyClick(choice, Qt::Key_Up);
}

// Captures standard output and error around one action.
struct Console {
    std::string out;
    std::string err;
};

template <typename Action>
Console captureConsole(Action&& action)
{
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    action();
    std::cout.flush();
    std::cerr.flush();
    Console console;
    console.out = testing::internal::GetCapturedStdout();
    // The offscreen platform remarks on window operations it has no use for; those
    // lines are Qt's, not the program's.
    std::istringstream err(testing::internal::GetCapturedStderr());
    for (std::string line; std::getline(err, line);)
        if (line.rfind("This plugin does not support", 0) != 0)
            console.err += line + "\n";
    return console;
}

}  // namespace qv::test
