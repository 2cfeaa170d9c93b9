// The application shell: the program's title and icon, and the error report
// for any failure that escapes an event handler.
#pragma once

#include <QApplication>
#include <QString>

// The title of a program whose executable is at `path`: the file name up to
// its first ".", with every character after the first in lower case.
QString ApplicationTitle(const QString& path);

class TApplication : public QApplication {
public:
    // The program takes no arguments: only argv[0] is handed on to Qt, so no
    // option on the command line (Qt's own -style, -reverse, ... included)
    // changes what it does.
    TApplication(int argc, char** argv);

    // The caption of every notice and error report.
    static QString Title();

    // Shows a failure that ended an event handler; the event loop goes on.
    bool notify(QObject* receiver, QEvent* event) override;

private:
    static inline int ArgumentCount = 1;
};
