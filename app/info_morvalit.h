#pragma once

#include "framework/object.h"
#include "framework/picture.h"

// The about picture, "Info Morvalit.jpg" in the bundle's Resources folder. Loaded on first use and then kept
// for the whole run (never read again); while no load has succeeded, every call tries again. Nil when the
// folder or a readable picture is not there.
fw::Ref<fw::Picture> InfoMorvalit();
