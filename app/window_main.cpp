// The window program: the host application's window, started by liturgy-calendar for a command
// line that asks for the window or a picture of it.

#include "app/HostWindow.h"

int main(int argc, char** argv) {
    return HostWindow::run(argc, argv);
}
