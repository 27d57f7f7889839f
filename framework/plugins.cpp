#include "framework/plugins.h"

#include "framework/qt/image_well_entry.h"
#include "framework/qt/run_state.h"
#include "framework/runtime.h"

#include <string>
#include <vector>

namespace fw {

namespace {

// The plug-in entry points the layer knows by name. Only the image well's picture setter is built here;
// the others keep their names so that asking for one says plainly that it is not available.
std::vector<detail::PluginEntry> MakeTable() {
    return {
        {"ImageWell.Image.Set",
         reinterpret_cast<void*>(static_cast<ImageWellImageSetEntry>(&detail::ImageWellImageSet))},
        {"Canvas.Backdrop.Set", nullptr},
        {"Canvas.Graphics.Get", nullptr},
        {"Slider.Value.Get", nullptr},
        {"Slider.Value.Set", nullptr},
        {"ProgressBar.Value.Set", nullptr},
        {"ProgressBar.Maximum.Set", nullptr},
        {"Movie.Open", nullptr},
        {"MoviePlayer.Movie.Set", nullptr},
        {"MoviePlayer.Play", nullptr},
        {"MoviePlayer.Stop", nullptr},
        {"Sound.Play", nullptr},
        {"Sound.Stop", nullptr},
        {"Serial.Open", nullptr},
        {"Serial.Close", nullptr},
        {"Serial.Write", nullptr},
        {"TCPSocket.Connect", nullptr},
        {"TCPSocket.Write", nullptr},
        {"Clipboard.Picture.Get", nullptr},
        {"Clipboard.Picture.Set", nullptr},
        {"Printer.Open", nullptr},
        {"Graphics.DrawPicture.Scaled", nullptr},
        {"Picture.Transparent.Set", nullptr},
        {"DragItem.Picture.Set", nullptr},
        {"ContextualMenu.Open", nullptr},
        {"Thread.Run", nullptr},
    };
}

} // namespace

void InitPluginEntrypoints() {
    detail::State().plugins = MakeTable();
}

void* ResolvedPluginEntrypoint(std::string_view name) {
    const std::string quoted = "plug-in entry point \"" + std::string(name) + "\"";
    const std::vector<detail::PluginEntry>& table = detail::State().plugins;
    if (table.empty())
        throw NilObjectException(quoted + ": the entry points are not set up (InitPluginEntrypoints)");
    for (const detail::PluginEntry& entry : table) {
        if (entry.name != name)
            continue;
        if (!entry.address)
            throw NilObjectException(quoted + " is not available here");
        return entry.address;
    }
    throw NilObjectException("no " + quoted);
}

} // namespace fw
