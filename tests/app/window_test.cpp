#include "app/quorvane.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/BorderLayout.h"
#include "platform/Button.h"
#include "platform/FlowLayout.h"
#include "platform/TextField.h"
#include "platform/awt_style.h"
#include "support/temp_dir.h"

namespace qv {
namespace {

// The controls of one row, in the order they were added.
std::vector<QWidget*> rowWidgets(QWidget* row)
{
    std::vector<QWidget*> widgets;
    for (int i = 0; i < row->layout()->count(); ++i)
        widgets.push_back(row->layout()->itemAt(i)->widget());
    return widgets;
}

QWidget* topPanel(quorvane& w)
{
    return static_cast<BorderLayout*>(w.layout())->widgetAt(BorderLayout::North);
}

QWidget* classRow(quorvane& w)
{
    return static_cast<BorderLayout*>(topPanel(w)->layout())->widgetAt(BorderLayout::North);
}

QWidget* searchRow(quorvane& w)
{
    return static_cast<BorderLayout*>(topPanel(w)->layout())->widgetAt(BorderLayout::South);
}

QColor fg(QWidget* w)
{
    return w->palette().color(QPalette::WindowText);
}

QColor bg(QWidget* w)
{
    return w->palette().color(QPalette::Window);
}

bool isSerif(const QFont& font)
{
    const QString family = QFontInfo(font).family();
    return family.contains("Serif") && !family.contains("Sans");
}

class WindowTest : public testing::Test {
protected:
    quorvane window;
};

TEST_F(WindowTest, TitleAndGeometry)
{
    EXPECT_TRUE(QString::fromUtf8(quorvane::kBanner).startsWith("Quorvane"));
    EXPECT_EQ(window.windowTitle().toStdString(), quorvane::kBanner);
    EXPECT_EQ(window.pos(), QPoint(320, 20));
    EXPECT_EQ(window.size(), QSize(475, 500));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(bg(&window), awt::black);
    EXPECT_TRUE(window.autoFillBackground());
}

TEST_F(WindowTest, ClassRowInOrder)
{
    const auto row = rowWidgets(classRow(window));
    ASSERT_EQ(row.size(), 4u);
    auto* caption = qobject_cast<QLabel*>(row[0]);
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->text(), "Class name :");
    EXPECT_EQ(fg(caption), awt::yellow);
    EXPECT_EQ(bg(caption), awt::black);
    EXPECT_TRUE(caption->font().bold());
    EXPECT_EQ(caption->font().pixelSize(), 14);
    EXPECT_TRUE(isSerif(caption->font())) << QFontInfo(caption->font()).family().toStdString();

    EXPECT_EQ(row[1], window.name);
    EXPECT_EQ(window.name->columns(), 32);
    EXPECT_EQ(window.name->palette().color(QPalette::Base), awt::white);
    EXPECT_EQ(window.name->palette().color(QPalette::Text), awt::blue);
    EXPECT_EQ(window.name->text(), "");

    auto* spacer = qobject_cast<QLabel*>(row[2]);
    ASSERT_NE(spacer, nullptr);
    EXPECT_EQ(spacer->text(), "   ");
    EXPECT_FALSE(spacer->autoFillBackground());  // it shows the panel's black

    auto* docPath = qobject_cast<Button*>(row[3]);
    ASSERT_NE(docPath, nullptr);
    EXPECT_EQ(docPath->text(), "Doc Path");
    EXPECT_EQ(docPath->actionCommand(), "Doc Path");
    EXPECT_EQ(docPath->palette().color(QPalette::ButtonText), awt::black);
    // The button keeps the toolkit's face, not the panel's black.
    EXPECT_NE(docPath->palette().color(QPalette::Button), awt::black);
}

TEST_F(WindowTest, SearchRowInOrder)
{
    const auto row = rowWidgets(searchRow(window));
    ASSERT_EQ(row.size(), 5u);
    auto* caption = qobject_cast<QLabel*>(row[0]);
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->text(), "Search Text (optional) :");
    EXPECT_EQ(fg(caption), awt::orange);
    EXPECT_EQ(bg(caption), awt::black);
    EXPECT_TRUE(caption->font().bold());
    EXPECT_EQ(caption->font().pixelSize(), 14);
    EXPECT_TRUE(isSerif(caption->font()));

    EXPECT_EQ(row[1], window.searchFor);
    EXPECT_EQ(window.searchFor->columns(), 14);
    EXPECT_EQ(window.searchFor->palette().color(QPalette::Base), awt::white);
    EXPECT_EQ(window.searchFor->palette().color(QPalette::Text), awt::blue);

    EXPECT_EQ(qobject_cast<QLabel*>(row[2])->text(), "      ");

    auto* clear = qobject_cast<Button*>(row[3]);
    ASSERT_NE(clear, nullptr);
    EXPECT_EQ(clear->text(), "Clear");
    EXPECT_EQ(clear->actionCommand(), "Clear");
    EXPECT_EQ(clear->palette().color(QPalette::ButtonText), awt::black);

    auto* search = qobject_cast<Button*>(row[4]);
    ASSERT_NE(search, nullptr);
    EXPECT_EQ(search->text(), " SEARCH ");
    EXPECT_EQ(search->actionCommand(), " Search ");
    EXPECT_EQ(search->palette().color(QPalette::ButtonText), awt::red);
}

TEST_F(WindowTest, RowsSitSideBySideCentredInOrder)
{
    window.layout()->activate();
    QApplication::processEvents();
    for (QWidget* row : {classRow(window), searchRow(window)}) {
        const auto widgets = rowWidgets(row);
        for (std::size_t i = 1; i < widgets.size(); ++i) {
            const QRect a = widgets[i - 1]->geometry();
            const QRect b = widgets[i]->geometry();
            // Either further right on the same line or wrapped below it.
            EXPECT_TRUE(b.left() > a.right() || b.top() > a.bottom()) << i;
        }
        const QRect first = widgets.front()->geometry();
        const int left = first.left();
        int right = 0;
        for (QWidget* w : widgets)
            if (w->geometry().center().y() >= first.top() && w->geometry().center().y() <= first.bottom())
                right = std::max(right, w->geometry().right());
        EXPECT_LE(std::abs(left - (row->width() - 1 - right)), 1) << "first line is centred";
    }
    EXPECT_EQ(topPanel(window)->palette().color(QPalette::Window), awt::black);
}

TEST_F(WindowTest, ColumnsSetTheFieldWidths)
{
    const int digit = QFontMetrics(window.name->font()).horizontalAdvance('0');
    EXPECT_GE(window.name->sizeHint().width(), 32 * digit);
    EXPECT_LT(window.name->sizeHint().width(), 33 * digit + 20);
    EXPECT_GE(window.searchFor->sizeHint().width(), 14 * digit);
    EXPECT_LT(window.searchFor->sizeHint().width(), 15 * digit + 20);
}

TEST_F(WindowTest, CentreIsEmptyAndTablesHaveTheirSizes)
{
    EXPECT_EQ(static_cast<BorderLayout*>(window.layout())->widgetAt(BorderLayout::Center), window.mid);
    EXPECT_EQ(window.midLayout().count(), 0);
    EXPECT_FALSE(window.mid->autoFillBackground());  // shows the window's black
    EXPECT_EQ(window.k->size(), 350u);
    for (int count : *window.k)
        EXPECT_EQ(count, 0);
    EXPECT_EQ(window.methods->size(), 100u);
    EXPECT_EQ(window.methods->front().size(), 350u);
    EXPECT_EQ(window.classes->size(), 100u);
    EXPECT_TRUE(window.n.empty());
    EXPECT_EQ(window.docpath, "");
    EXPECT_EQ(window.cl, nullptr);
    EXPECT_EQ(window.ta, nullptr);
}

TEST_F(WindowTest, EnterInEitherFieldDoesNothing)
{
    for (const char* text : {" Search ", "Doc Path", "Clear", "java.lang.String"}) {
        for (TextField* field : {window.name, window.searchFor}) {
            window.name->setText("");
            window.searchFor->setText("");
            field->setText(text);
            QTest::keyClick(field, Qt::Key_Return);
            QTest::keyClick(field, Qt::Key_Enter);
            EXPECT_EQ(field->text(), text);
            EXPECT_EQ(window.docpath, "");
            EXPECT_EQ(window.midLayout().count(), 0);
        }
    }
}

TEST(WindowConfig, CloseRequestSavesTheRootInForce)
{
    test::TempDir dir;
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    dir.write("Quorvane.cfg", "/docs/api\r\nsecond line");
    {
        testing::internal::CaptureStdout();
        quorvane window;
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "Doc Path :  /docs/api\n");
        EXPECT_EQ(window.docpath, "/docs/api");
        window.docpath = " /new root ";
        window.close();  // the close request; no event loop runs, so nothing exits
        EXPECT_TRUE(window.isVisible()) << "the window is not hidden by the close request";
    }
    EXPECT_EQ(test::readBytes(dir / "Quorvane.cfg"), " /new root ");
    std::filesystem::current_path(previous);
}

}  // namespace
}  // namespace qv
