#include "app/quorvane.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <iostream>

#include "app/event_guard.h"
#include "config/config_file.h"
#include "platform/ClassLibrary.h"
#include "platform/BorderLayout.h"
#include "platform/Button.h"
#include "platform/FlowLayout.h"
#include "platform/TextField.h"
#include "platform/awt_style.h"

namespace qv {

const char* const quorvane::kBanner =
    "Quorvane  -  Java API member reference  -  made by the Quorvane developers, 2026";

// Answers the close request of the main window: the root is saved and the process ends
// with status 0. The window is neither hidden nor taken apart first.
class quorvane::CloseHandler : public QObject {
public:
    explicit CloseHandler(quorvane& window) : window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &window_ || event->type() != QEvent::Close)
            return false;
        event->ignore();  // the toolkit must not hide the window
        guardEvent("saving the documentation root", [this] { window_.saveConfig(); });
        QCoreApplication::exit(0);
        return true;
    }

private:
    quorvane& window_;
};

namespace {

// The window a hosting program reaches through quorvane::current().
QPointer<quorvane> currentWindow;

QLabel* caption(const char* text, const QColor& colour, const QFont& font)
{
    auto* label = new QLabel(QString::fromUtf8(text));
    awt::setForeground(*label, colour);
    awt::setBackground(*label, awt::black);
    label->setFont(font);
    return label;
}

}  // namespace

quorvane::quorvane() : quorvane(openDefaultClassLibrary()) {}

quorvane::quorvane(std::shared_ptr<ClassReflection> library) : QWidget(nullptr), library_(std::move(library))
{
    n.clear();
    name = new TextField(32);
    searchFor = new TextField(14);
    setWindowTitle(QString::fromUtf8(kBanner));
    const QFont captionFont = awt::font("TimesRoman", awt::FontStyle::Bold, 14);

    awt::setBackground(*this, awt::black);
    for (TextField* field : {name, searchFor}) {
        awt::setBackground(*field, awt::white);
        awt::setForeground(*field, awt::blue);
    }
    sbq.clear();

    auto* classRow = new QWidget;
    auto* searchRow = new QWidget;
    auto* topPanel = new QWidget;
    auto* classRowLayout = new FlowLayout(classRow);
    auto* searchRowLayout = new FlowLayout(searchRow);

    auto* docPathButton = new Button(QStringLiteral("Doc Path"));
    awt::setForeground(*docPathButton, awt::black);
    connect(docPathButton, &Button::actionPerformed, this, &quorvane::actionPerformed);
    docPathButton->setActionCommand("Doc Path");
    auto* clearButton = new Button(QStringLiteral("Clear"));
    awt::setForeground(*clearButton, awt::black);
    connect(clearButton, &Button::actionPerformed, this, &quorvane::actionPerformed);
    clearButton->setActionCommand("Clear");

    classRowLayout->addWidget(caption("Class name :", awt::yellow, captionFont));
    classRowLayout->addWidget(name);
    classRowLayout->addWidget(new QLabel(QStringLiteral("   ")));
    classRowLayout->addWidget(docPathButton);

    searchRowLayout->addWidget(caption("Search Text (optional) :", awt::orange, captionFont));
    searchRowLayout->addWidget(searchFor);
    searchRowLayout->addWidget(new QLabel(QStringLiteral("      ")));
    auto* searchButton = new Button(QStringLiteral(" SEARCH "));
    awt::setForeground(*searchButton, awt::red);
    connect(searchButton, &Button::actionPerformed, this, &quorvane::actionPerformed);
    searchButton->setActionCommand(" Search ");
    searchRowLayout->addWidget(clearButton);
    searchRowLayout->addWidget(searchButton);

    auto* topLayout = new BorderLayout(topPanel);
    topLayout->addWidget(classRow, BorderLayout::North);
    topLayout->addWidget(searchRow, BorderLayout::South);
    auto* windowLayout = new BorderLayout(this);
    awt::setBackground(*topPanel, awt::black);

    pathsData = std::make_unique<PathsData>();

    mid = new QWidget;
    new BorderLayout(mid);
    windowLayout->addWidget(topPanel, BorderLayout::North);
    windowLayout->addWidget(mid, BorderLayout::Center);

    move(320, 20);
    resize(475, 500);

    closeHandler_ = std::make_unique<CloseHandler>(*this);
    installEventFilter(closeHandler_.get());

    k = std::make_unique<GroupCounters>();
    methods = std::make_unique<EntryRows>();
    classes = std::make_unique<GroupLabels>();
    spareK = std::make_unique<GroupCounters>();
    spareMethods = std::make_unique<EntryRows>();
    spareClasses = std::make_unique<GroupLabels>();

    currentWindow = this;
    setVisible(true);
    docpath.clear();
    loadConfig();
}

quorvane* quorvane::current()
{
    return currentWindow;
}

quorvane::~quorvane() = default;

BorderLayout& quorvane::midLayout() const
{
    return *static_cast<BorderLayout*>(mid->layout());
}

void quorvane::loadConfig()
{
    qv::loadConfig(docpath, std::cout, std::cerr);
}

void quorvane::saveConfig()
{
    qv::saveConfig(docpath);
}

}  // namespace qv
