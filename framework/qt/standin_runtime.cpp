// Until the runtime lands: RuntimeInit starts the GUI application object.
#include "framework/runtime.h"

#include <QApplication>

namespace fw {
void RuntimeInit() {
    if (qApp)
        return;
    static int argc = 1;
    static char name[] = "MorvalitDL";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
}
} // namespace fw
