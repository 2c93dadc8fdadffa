// The toolkit's floor for the start-up benchmark: a program that shows one empty window and
// nothing else. The window has the program window's size, so that both fill and keep a
// backing store of the same size.
#include "app/window/StartupProbe.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(1000, 720);
    TStartupProbe::InstallIfAsked(window);
    window.show();
    return app.exec();
}
