#include "app/menu.h"
#include "app/startup.h"
#include "framework/runtime.h"

// The program reads neither its arguments nor its environment.
int main() {
    fw::RuntimeInit();
    Main();
    fw::RuntimeReleaseModules();
    Menu::Exit();
    return fw::RuntimeExit();
}
