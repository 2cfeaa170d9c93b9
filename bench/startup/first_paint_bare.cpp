// The yardstick: the barest Qt Widgets window, a QWidget with one QLabel. It
// has the estimate window's size, so that both probes fill and flush frames of
// the same area and differ only in what the estimate window adds.
#include "first_paint.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(578, 461);
    QLabel label(QStringLiteral("ПОКА НЕ ИЗВЕСТНО"), &window);
    TFirstPaint firstPaint(&window);
    window.show();
    return application.exec();
}
