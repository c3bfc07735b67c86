#pragma once
// The main window: the program's only window and the owner of all of its state.

#include <QPlainTextEdit>
#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "docs/PathsData.h"
#include "platform/ClassReflection.h"

namespace qv {

class TextField;
class BorderLayout;

class quorvane : public QWidget {
    Q_OBJECT
public:
    static constexpr int kGroups = 100;    // rows of `methods`, entries of `classes`
    static constexpr int kEntries = 350;   // entries a row of `methods` holds
    static constexpr int kCounters = 350;  // counters of `k`

    static const char* const kBanner;  // the title banner

    // Builds and shows the window, then reads the documentation root from Quorvane.cfg.
    // Classes are looked up in `library`; the default is the JDK this machine uses.
    quorvane();
    explicit quorvane(std::shared_ptr<ClassReflection> library);
    ~quorvane() override;

    // Called for each press of one of the three buttons, with the button's command string.
    void actionPerformed(const std::string& command);

    // The state record.
    std::shared_ptr<const ReflectedClass> cl;  // the class last looked up
    std::vector<ReflectedMember> m;            // its public methods
    std::vector<ReflectedMember> ctor;         // its public constructors
    std::vector<std::string> n;                // their signature texts, constructors first
    TextField* name = nullptr;                 // the class-name field
    TextField* searchFor = nullptr;            // the search-text field
    std::string sbq;                           // the qualifier of the member being placed
    std::string startAt;                       // the full dotted class name found in the page table
    QWidget* mid = nullptr;                    // the member display area
    std::unique_ptr<std::array<int, kCounters>> k;  // the number of entries of each member group
    std::unique_ptr<std::array<std::array<std::string, kEntries>, kGroups>> methods;
    std::unique_ptr<std::array<std::string, kGroups>> classes;
    std::unique_ptr<PathsData> pathsData;
    QPointer<QPlainTextEdit> ta;  // the documentation text area
    std::string ss;               // the member picked last
    std::string docpath;          // the documentation root

    BorderLayout& midLayout() const;

private:
    class CloseHandler;

    void loadConfig();
    void saveConfig();

    std::shared_ptr<ClassReflection> library_;
    std::unique_ptr<CloseHandler> closeHandler_;
};

}  // namespace qv
