#include "application.h"
#include "zavir2.h"

int main(int argc, char** argv) {
    TApplication application(argc, argv);
    TZavir2 window;
    window.show();
    return application.exec();
}
