// The member display area: the group choice at the top, the member list of the chosen
// group in the middle, the documentation text area at the bottom.

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
class quorvane::ListHandler : public QObject {
public:
    ListHandler(quorvane& window, QObject* owner) : QObject(owner), window_(window) {}

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

private:
    quorvane& window_;
};

MyList* quorvane::newMemberList(int s)
{
    const auto& row = (*methods)[static_cast<std::size_t>(s)];
    auto* list = new MyList((*k)[static_cast<std::size_t>(s)], false, std::span<const std::string>(row));
    auto* handler = new ListHandler(*this, list);
    connect(list, &QListWidget::itemSelectionChanged, handler, &ListHandler::itemStateChanged);
    awt::setBackground(*list, awt::cyan);
    list->setFont(awt::font("Courier", awt::FontStyle::Plain, 12));
    return list;
}

void quorvane::rebuildDisplay(int groups)
{
    QPointer<MyChoice> oldChoice = myChoice;
    QPointer<MyList> oldList = myList;
    QPointer<QPlainTextEdit> oldTextArea = ta;

    myChoice = new MyChoice(std::span<const std::string>(*classes), groups);
    connect(myChoice, &QComboBox::activated, this, &quorvane::itemStateChanged);
    awt::setBackground(*myChoice, awt::yellow);
    myChoice->setFont(awt::font("TimesRoman", awt::FontStyle::Bold, 14));

    // A selection made here does not notify: only the user's choice does.
    const std::string classNameText = name->text8();
    for (int g = 0; g < groups; ++g)
        if (contains((*classes)[static_cast<std::size_t>(g)], classNameText))
            myChoice->setCurrentIndex(g);
    const int s = std::max(myChoice->currentIndex(), 0);

    myList = newMemberList(s);
    BorderLayout& area = midLayout();
    area.removeAll();
    area.addWidget(myChoice, BorderLayout::North);
    area.addWidget(myList, BorderLayout::Center);

    ta = new QPlainTextEdit;
    ta->setReadOnly(true);
    awt::setForeground(*ta, awt::black);
    awt::setBackground(*ta, kTextAreaBackground);
    ta->setFont(awt::font("TimesRoman", awt::FontStyle::Plain, 14));
    area.addWidget(ta, BorderLayout::South);
    repaintAndShow();

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
        BorderLayout& area = midLayout();
        area.removeAll();
        area.addWidget(myChoice, BorderLayout::North);
        area.addWidget(myList, BorderLayout::Center);
        if (ta) {
            ta->setPlainText(QString());
            area.addWidget(ta, BorderLayout::South);
        }
        repaintAndShow();
        if (oldList)
            oldList->deleteLater();
    });
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
