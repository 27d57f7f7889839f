# Windows, controls, graphics: the widget half of the platform layer.
target_sources(framework PRIVATE
    window.cpp
    window_lifecycle.cpp
    control.cpp
    static_text.cpp
    edit_field.cpp
    push_button.cpp
    group_box.cpp
    listbox.cpp
    image_well.cpp
    graphics.cpp
    qt/control_peer.h
    qt/field_widget.h
    qt/field_widget.cpp
    qt/window_peer.h
    qt/window_peer.cpp
    qt/graphics_peer.h
    qt/image_well_entry.h
    qt/whole_paste.h
    qt/whole_paste.cpp
)
