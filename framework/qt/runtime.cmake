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

# Test driving of menus, entry fields, the clipboard and the event loop (Qt stays inside framework/).
if(MORVALIT_TESTS)
    find_package(Qt6 REQUIRED COMPONENTS Test)
    add_library(framework_testing_runtime STATIC testing/driver_runtime.cpp)
    target_link_libraries(framework_testing_runtime PUBLIC framework PRIVATE Qt6::Widgets Qt6::Test)
endif()
