// Replaced as the windows and controls are built.
