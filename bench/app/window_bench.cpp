// Search to painted list and member pick to painted text, timed inside the program's own
// window on the xcb platform of a real X server.
//
// A run starts just before the simulated click (QTest::mouseClick: press and release
// sent through QApplication, where the xcb platform delivers a real click) and ends when
//   1. the widget that shows the result (the new member list's viewport, or the text
//      area's viewport) has received its paint event,
//   2. the window's backing store has been flushed to the X server (a queued call that
//      the paint posts runs only after the update that painted it, flush included), and
//   3. a round trip to the server has come back, so the server has drawn that frame.
// Right after the round trip the result's area is read back from the server and compared
// with the widget's own rendering, to check that the frame timed is the new one.
//
// Usage: window_bench [RUNS]            each look-up and pick RUNS times (default 30)
//        window_bench --first CLASS     one look-up, the first of this process: the class
//                                       library opens and parses the class and its supertypes
// Run in a directory whose Quorvane.cfg names the JDK API docs root, with DISPLAY set and
// QT_QPA_PLATFORM=xcb.

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/quorvane.h"
#include "platform/Button.h"
#include "platform/TextField.h"
#include "timing_summary.h"

namespace {

using qv::quorvane;

double msOf(const QElapsedTimer& clock)
{
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

xcb_connection_t* xConnection()
{
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        throw std::runtime_error("not on the xcb platform (set QT_QPA_PLATFORM=xcb)");
    return x11->connection();
}

// Runs the event loop until `done` holds; false after `timeoutMs`.
bool waitFor(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    QTimer wake;  // so that waiting for events ends in time
    wake.start(timeoutMs);
    while (!done()) {
        if (clock.elapsed() >= timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// Lets pending layout, paint and deferred deletes run, so that a run starts from rest.
void settle()
{
    QTest::qWait(60);
}

// True when the server shows `widget` as the widget paints itself now: its area of the
// window read back from the server against its own rendering, nearly every pixel equal.
bool serverShows(quorvane& window, QWidget& widget)
{
    const QRect area(widget.mapTo(&window, QPoint(0, 0)), widget.size());
    const QImage onServer = window.screen()->grabWindow(window.winId(), area.x(), area.y(), area.width(),
                                                        area.height()).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage own = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (onServer.size() != own.size() || own.isNull())
        return false;
    qint64 equal = 0;
    for (int y = 0; y < own.height(); ++y)
        for (int x = 0; x < own.width(); ++x)
            equal += onServer.pixel(x, y) == own.pixel(x, y);
    return equal * 100 >= qint64(own.width()) * own.height() * 99;
}

// When a widget's paint reached the X server, on the clock of one run, and whether the
// server then showed the widget as it paints itself.
class FrameProbe : public QObject {
public:
    FrameProbe(quorvane& window, QWidget* target, const QElapsedTimer& clock)
        : window_(window), target_(target), clock_(clock)
    {
        target_->installEventFilter(this);
    }
    ~FrameProbe() override
    {
        if (target_)
            target_->removeEventFilter(this);
    }

    bool onServer() const { return onServerMs_ >= 0; }
    bool shown() const { return shown_; }
    double paintMs() const { return paintMs_; }
    double onServerMs() const { return onServerMs_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == target_ && event->type() == QEvent::Paint && paintMs_ < 0) {
            paintMs_ = msOf(clock_);
            QMetaObject::invokeMethod(
                this,
                [this] {
                    xcb_connection_t* connection = xConnection();
                    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
                    onServerMs_ = msOf(clock_);
                    shown_ = target_ && serverShows(window_, *target_);
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    quorvane& window_;
    QPointer<QWidget> target_;
    const QElapsedTimer& clock_;
    double paintMs_ = -1;
    double onServerMs_ = -1;
    bool shown_ = false;
};

struct Sample {
    double command;   // the click's own handling: look-up, model, widgets, or the page read
    double paint;     // the result's paint event
    double onServer;  // the frame drawn by the server
};

// Waits for the probe's frame; it must be the new one.
Sample finishRun(const FrameProbe& probe, double command, const std::string& what)
{
    if (!waitFor([&] { return probe.onServer(); }, 5000))
        throw std::runtime_error("no paint after " + what);
    if (!probe.shown())
        throw std::runtime_error("the server does not show the result of " + what);
    return {command, probe.paintMs(), probe.onServerMs()};
}

class Bench {
public:
    explicit Bench(quorvane& window) : window_(window)
    {
        for (qv::Button* button : window_.findChildren<qv::Button*>())
            if (button->actionCommand() == " Search ")
                searchButton_ = button;
        if (!searchButton_)
            throw std::runtime_error("no Search button");
    }

    // Types `className` into the class field, then times the click on SEARCH.
    Sample search(const std::string& className)
    {
        window_.name->setText8(className);
        settle();
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(searchButton_, Qt::LeftButton);
        const double command = msOf(clock);
        if (!window_.myList || window_.myList->count() == 0)
            throw std::runtime_error("no member list for " + className);
        FrameProbe probe(window_, window_.myList->viewport(), clock);
        return finishRun(probe, command, "the look-up of " + className);
    }

    // Times a click on the member list row whose entry contains `signature`.
    Sample pick(const std::string& signature)
    {
        QListWidget& list = *window_.myList;
        const QList<QListWidgetItem*> found = list.findItems(QString::fromStdString(signature), Qt::MatchContains);
        if (found.isEmpty())
            throw std::runtime_error("no member " + signature + " in the list");
        list.scrollToItem(found.front());
        settle();
        const QPoint where = list.visualItemRect(found.front()).center();
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, where);
        const double command = msOf(clock);
        FrameProbe probe(window_, window_.ta->viewport(), clock);
        const Sample sample = finishRun(probe, command, "the pick of " + signature);
        const std::string name = signature.substr(0, signature.find('('));
        if (!window_.ta->toPlainText().contains(QString::fromStdString(name)))
            throw std::runtime_error("no documentation text for " + signature + " (is the docs root right?)");
        return sample;
    }

private:
    quorvane& window_;
    qv::Button* searchButton_ = nullptr;
};

struct Samples {
    std::vector<double> command, paint, onServer;
    void add(const Sample& s)
    {
        command.push_back(s.command);
        paint.push_back(s.paint);
        onServer.push_back(s.onServer);
    }
};

void printCase(const std::string& label, const Samples& samples, double goal)
{
    std::printf("  %s (goal < %.0f ms)\n", label.c_str(), goal);
    qv::bench::printSummary("click to the frame on the server", samples.onServer);
    qv::bench::printSummary("  the click's own handling", samples.command);
    qv::bench::printSummary("  click to the paint event", samples.paint);
}

struct PickCase {
    std::string className;
    std::vector<std::string> members;  // picked in turn, so that each click changes the selection
};

// Each look-up and each pick `runs` times, after one untimed look-up and pick of each.
void measureRepeated(Bench& bench, int runs)
{
    const std::vector<std::string> searches{"java.lang.String", "javax.swing.JTable", "String"};
    const std::vector<PickCase> picks{{"java.lang.String", {"indexOf(String,int)", "charAt(int)"}},
                                      {"javax.swing.JTable", {"getValueAt(int,int)", "doLayout()"}}};

    std::printf("Search to painted list: click on SEARCH to the new member list's frame on the X server\n");
    std::map<std::string, Samples> searchSamples;
    for (const std::string& name : searches)
        bench.search(name);  // the classes parsed once, as after the first look-up
    for (int run = 0; run < runs; ++run)
        for (const std::string& name : searches)
            searchSamples[name].add(bench.search(name));
    for (const std::string& name : searches)
        printCase(name, searchSamples[name], 30);

    std::printf("Member pick to text: click on a member to the text area's frame on the X server\n");
    for (const PickCase& pickCase : picks) {
        bench.search(pickCase.className);
        std::map<std::string, Samples> pickSamples;
        for (const std::string& member : pickCase.members)
            bench.pick(member);
        for (int run = 0; run < runs; ++run)
            for (const std::string& member : pickCase.members)
                pickSamples[member].add(bench.pick(member));
        for (const std::string& member : pickCase.members)
            printCase(pickCase.className + " " + member, pickSamples[member], 10);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    int runs = 30;
    std::string firstOf;  // with --first CLASS: that one look-up only
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--first" && i + 1 < argc)
            firstOf = argv[++i];
        else
            runs = std::atoi(argv[i]);
    }
    if (runs < 1) {
        std::fprintf(stderr, "usage: window_bench [RUNS] | window_bench --first CLASS\n");
        return 2;
    }
    int toolkitArgc = 1;
    QApplication app(toolkitArgc, argv);
    try {
        xConnection();
        quorvane window;
        if (window.docpath.empty())
            throw std::runtime_error("no docs root: run where Quorvane.cfg names the JDK API docs");
        if (!QTest::qWaitForWindowExposed(&window))
            throw std::runtime_error("the window was not exposed");
        settle();
        Bench bench(window);
        if (firstOf.empty()) {
            measureRepeated(bench, runs);
        } else {
            const Sample first = bench.search(firstOf);
            std::printf("first-search\t%s\t%.3f\t%.3f\t%.3f\n", firstOf.c_str(), first.onServer, first.command,
                        first.paint);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "window_bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
