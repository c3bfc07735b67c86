// The member display area: the group choice at the top, the member list of the chosen
// group in the middle, the documentation text area at the bottom.

#include <QEvent>
#include <utility>

#include "app/event_guard.h"
#include "app/quorvane.h"
#include "docs/member_doc.h"
#include "platform/BorderLayout.h"
#include "platform/TextField.h"
#include "platform/awt_style.h"
#include "signatures/text_rules.h"

namespace qv {

namespace {

const QColor kTextAreaBackground{240, 210, 255};

}  // namespace

// The member list's listener: a picked member's documentation goes into the text area.
// A member is picked by the keyboard moving the selection, and by every press of the mouse
// on a member, the one already selected included, so that pressing it again reads its
// page again (after the documentation root was set, say).
class quorvane::ListHandler : public QObject {
public:
    ListHandler(quorvane& window, MyList& list) : QObject(&list), window_(window)
    {
        list.viewport()->installEventFilter(this);
        connect(&list, &QListWidget::itemSelectionChanged, this, [this] {
            if (pressing_)
                changedWhilePressed_ = true;  // taken up by the press or the release
            else
                itemStateChanged();
        });
        connect(&list, &QListWidget::itemPressed, this, [this] {
            changedWhilePressed_ = false;
            itemStateChanged();
        });
    }

    void itemStateChanged()
    {
        guardEvent("showing the member's documentation", [this] {
            MyList* list = window_.myList;
            const QList<QListWidgetItem*> selected = list ? list->selectedItems() : QList<QListWidgetItem*>();
            if (selected.isEmpty())
                return;  // a change that left nothing selected
            window_.ss = std::string(trim(selected.front()->text().toStdString()));
            const int count = commaCount(window_.ss);
            if (const std::size_t blank = window_.ss.find(' '); blank != std::string::npos)
                window_.ss.resize(blank);
            const std::string text = window_.doit(window_.ss, count);
            if (window_.ta)
                window_.ta->setPlainText(QString::fromStdString(text));
        });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            pressing_ = true;
            break;
        case QEvent::MouseButtonRelease:
            pressing_ = false;
            if (std::exchange(changedWhilePressed_, false))
                itemStateChanged();  // dragged onto another member
            break;
        default:
            break;
        }
        return false;
    }

private:
    quorvane& window_;
    bool pressing_ = false;
    bool changedWhilePressed_ = false;
};

MyList* quorvane::newMemberList(int s)
{
    const auto& row = (*methods)[static_cast<std::size_t>(s)];
    auto* list = new MyList((*k)[static_cast<std::size_t>(s)], false, std::span<const std::string>(row));
    new ListHandler(*this, *list);
    awt::setBackground(*list, awt::cyan);
    list->setFont(awt::font("Courier", awt::FontStyle::Plain, 12));
    return list;
}

void quorvane::rebuildDisplay(int groups, int initialGroup)
{
    QPointer<MyChoice> oldChoice = myChoice;
    QPointer<MyList> oldList = myList;
    QPointer<QPlainTextEdit> oldTextArea = ta;

    myChoice = new MyChoice(std::span<const std::string>(*classes), groups);
    connect(myChoice, &QComboBox::activated, this, &quorvane::itemStateChanged);
    awt::setBackground(*myChoice, awt::yellow);
    myChoice->setFont(awt::font("TimesRoman", awt::FontStyle::Bold, 14));

    // The group whose label holds the class name, the last such, is selected; a selection
    // made here does not notify: only the user's choice does.
    if (groups > 0)
        myChoice->setCurrentIndex(initialGroup);
    myList = newMemberList(initialGroup);

    ta = new QPlainTextEdit;
    ta->setReadOnly(true);
    awt::setForeground(*ta, awt::black);
    awt::setBackground(*ta, kTextAreaBackground);
    ta->setFont(awt::font("TimesRoman", awt::FontStyle::Plain, 14));
    showDisplay();

    for (QWidget* old : std::initializer_list<QWidget*>{oldChoice, oldList, oldTextArea})
        if (old)
            old->deleteLater();
}

void quorvane::itemStateChanged()
{
    guardEvent("changing the member group", [this] {
        const int s = myChoice ? myChoice->currentIndex() : -1;
        if (s < 0)
            return;
        QPointer<MyList> oldList = myList;
        myList = newMemberList(s);
        if (ta)
            ta->setPlainText(QString());
        showDisplay();
        if (oldList)
            oldList->deleteLater();
    });
}

void quorvane::showDisplay()
{
    BorderLayout& area = midLayout();
    area.removeAll();
    area.addWidget(myChoice, BorderLayout::North);
    area.addWidget(myList, BorderLayout::Center);
    area.addWidget(ta, BorderLayout::South);  // nothing when there is no text area
    repaintAndShow();
}

void quorvane::repaintAndShow()
{
    update();
    layout()->activate();
    mid->layout()->activate();
    show();
    raise();
}

std::string quorvane::doit(const std::string& member, int count)
{
    const int selected = myChoice ? myChoice->currentIndex() : -1;
    const std::string selectedItem = myChoice ? myChoice->currentText().toStdString() : std::string();
    return extractMemberDoc(docpath, pageClassName(selected, selectedItem, name->text8()), member, count);
}

}  // namespace qv
