target_sources(framework PRIVATE
    application.cpp
    menu_item.cpp
    runtime.cpp
    system.cpp
    folder_item.cpp
    picture.cpp
    plugins.cpp
    qt/menu_peer.h
    qt/runtime_peer.h
    qt/edit_commands.h
    qt/edit_commands.cpp
)
