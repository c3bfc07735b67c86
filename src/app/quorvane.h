#pragma once
// The main window: the program's only window and the owner of all of its state. Nearly
// every operation is an operation of this window and works on its fields.

#include <QPlainTextEdit>
#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "docs/PathsData.h"
#include "docs/class_name_resolution.h"
#include "members/MyChoice.h"
#include "members/MyList.h"
#include "members/member_model.h"
#include "platform/ClassReflection.h"

namespace qv {

class TextField;
class BorderLayout;

class quorvane : public QWidget {
    Q_OBJECT
public:
    static const char* const kBanner;  // the title banner

    // Builds and shows the window, then reads the documentation root from Quorvane.cfg.
    // Classes are looked up in `library`; by default in the JDK this machine uses.
    quorvane();
    explicit quorvane(std::shared_ptr<ClassReflection> library);
    ~quorvane() override;

    // The window a hosting program drives: the one constructed last, while it lives.
    static quorvane* current();

    // The member's documentation text from the class's page under `docpath`.
    std::string doit(const std::string& member, int count);
    // Operations offered to a hosting program; the program itself never calls them.
    void autoStart(const std::string& text);
    std::string getSelection() const;
    void showIt();
    void hideIt();
    // The group choice's listener: the user chose another group.
    void itemStateChanged();
    // Called for each press of one of the three buttons, with the button's command string.
    void actionPerformed(const std::string& command);

    // Completes a class name through the page table into `startAt`; false when the table
    // does not hold it.
    bool loadTxt(const std::string& s);
    // Looks up the class named in the class-name field and rebuilds the member display.
    void search();

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
    QPointer<MyList> myList;                   // the members of the chosen group
    QPointer<MyChoice> myChoice;               // the member groups
    std::unique_ptr<GroupCounters> k;          // the number of entries of each member group
    std::unique_ptr<EntryRows> methods;        // the entries of each member group
    std::unique_ptr<GroupLabels> classes;      // the labels of the member groups
    std::unique_ptr<PathsData> pathsData;      // the documentation page table
    QPointer<QPlainTextEdit> ta;               // the documentation text area
    std::string ss;                            // the member picked last
    std::string docpath;                       // the documentation root

    BorderLayout& midLayout() const;

private:
    class CloseHandler;
    class ListHandler;

    void loadConfig();
    void saveConfig();
    void reDisplay();
    // The second half of reDisplay: the group choice, the member list and a new text area.
    void rebuildDisplay(int groups, int initialGroup);
    void searchCommand();
    void docPathCommand();
    void clearCommand();

    // A new member list of group `s`, listened to by a new ListHandler.
    MyList* newMemberList(int s);
    // Puts the group choice, the member list and the text area into the display area.
    void showDisplay();
    // Lays the display area out anew and brings the window to the front.
    void repaintAndShow();

    // The tables the next model is built in; they change places with k, methods and
    // classes when it is whole.
    std::unique_ptr<GroupCounters> spareK;
    std::unique_ptr<EntryRows> spareMethods;
    std::unique_ptr<GroupLabels> spareClasses;

    std::shared_ptr<ClassReflection> library_;
    std::unique_ptr<CloseHandler> closeHandler_;
};

}  // namespace qv
