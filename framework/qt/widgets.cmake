# Windows, controls, graphics: the widget half of the platform layer.
target_sources(framework PRIVATE
    window.cpp
    control.cpp
    static_text.cpp
    edit_field.cpp
    push_button.cpp
    group_box.cpp
    listbox.cpp
    image_well.cpp
    graphics.cpp
    qt/control_peer.h
    qt/window_peer.h
    qt/graphics_peer.h
    qt/image_well_entry.h
)

# Stand-ins for the runtime half of the layer, each used only until the real piece is in the tree.
foreach(piece menu_item picture plugins)
    if(NOT EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${piece}.cpp)
        target_sources(framework PRIVATE qt/standin_${piece}.cpp)
    endif()
endforeach()
file(READ ${CMAKE_CURRENT_SOURCE_DIR}/qt/runtime.cmake MORVALIT_RUNTIME_SOURCES)
if(MORVALIT_RUNTIME_SOURCES MATCHES "runtime_placeholder.cpp"
   AND NOT EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/runtime.cpp
   AND NOT EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/qt/runtime.cpp)
    target_sources(framework PRIVATE qt/standin_runtime.cpp)
endif()
