#include "application.h"
#include "zavir2.h"
#include <QTest>
class TWindowTest : public QObject { Q_OBJECT };
int main(int argc, char** argv) {
    TApplication app(argc, argv);
    TWindowTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "window_test.moc"
