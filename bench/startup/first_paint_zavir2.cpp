// The program's own start (what ui/main.cpp does) up to the window's first
// frame.
#include "application.h"
#include "first_paint.h"
#include "zavir2.h"

int main(int argc, char** argv) {
    TApplication application(argc, argv);
    TZavir2 window;
    TFirstPaint firstPaint(&window);
    window.show();
    return application.exec();
}
