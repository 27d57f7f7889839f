target_sources(framework PRIVATE
    application.cpp
    menu_item.cpp
    runtime.cpp
    system.cpp
    folder_item.cpp
    picture.cpp
    plugins.cpp
    qt/menu_item_peer.h
    qt/menu_peer.h
    qt/menu_peer.cpp
    qt/runtime_peer.h
    qt/event_loop.h
    qt/event_loop.cpp
    qt/display_check.h
    qt/display_check.cpp
    qt/failure_dialog.h
    qt/failure_dialog.cpp
    qt/translations.h
    qt/translations.cpp
    qt/picture_peer.h
    qt/picture_peer.cpp
    qt/picture_image.h
    qt/picture_file.h
    qt/picture_file.cpp
    qt/run_state.h
    qt/run_state.cpp
    qt/edit_commands.h
    qt/edit_commands.cpp
)
# The X display is tried before Qt opens it (qt/display_check.cpp); libxcb is what Qt's own X11 platform uses.
find_path(XCB_INCLUDE_DIR xcb/xcb.h REQUIRED)
find_library(XCB_LIBRARY xcb REQUIRED)
target_include_directories(framework PRIVATE ${XCB_INCLUDE_DIR})
target_link_libraries(framework PRIVATE ${XCB_LIBRARY})
