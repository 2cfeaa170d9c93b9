// The application shell: the program's title and icon, and the error report
// for any failure that escapes an event handler.
#pragma once

#include <functional>

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

private:
    static inline int ArgumentCount = 1;
};

// Runs one of the program's event handlers. A failure that escapes it is shown
// in the error report, and the event loop goes on. It is caught here, at the
// handler's edge: Qt's own code is built without exception support, and a
// failure unwinding through it would skip its clean-up.
void RunHandler(const std::function<void()>& handler);

// Connects a signal to a handler of `receiver`, run through RunHandler.
template <class TSender, class TSignal, class TReceiver>
void ConnectHandler(TSender* sender, TSignal signal, TReceiver* receiver,
                    void (TReceiver::*handler)(), Qt::ConnectionType type = Qt::AutoConnection) {
    QObject::connect(
        sender, signal, receiver,
        [receiver, handler] { RunHandler([&] { (receiver->*handler)(); }); }, type);
}
