#include "app/app.h"

#include "app/info.h"
#include "app/menu.h"
#include "framework/runtime.h"

bool App::ArchivioInfosuMorvalit_Action() {
    fw::Ref<::Info> window = implicit::Info();
    fw::Require(window, "about window").Show();
    return true;
}

void NewAppInstance() {
    fw::Ref<App> app = fw::RuntimeNewObject<App>();
    if (!app)
        throw fw::NilObjectException("nil object: the application object could not be created");
    // The bar is set before the object becomes the application, so it is never seen without one.
    app->SetMenuBar(implicit::Menu());
    fw::RuntimeRegisterAppObject(app);
}

void InitFileTypes() {}

void ApplicationAddMenuHandlers() {
    fw::Ref<App> app = implicit::App();
    fw::Require(app, "application object, binding the About command")
        .AddMenuHandler("ArchivioInfosuMorvalit", &App::ArchivioInfosuMorvalit_Action);
}

namespace implicit {

fw::Ref<::App> App() {
    return fw::RefCast<::App>(fw::GetAppObject());
}

} // namespace implicit
