// Replaced as the runtime and menus are built.
