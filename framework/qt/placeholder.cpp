// Replaced as the Qt side of the layer is built.
