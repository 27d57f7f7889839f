#pragma once

#include "framework/object.h"
#include "framework/properties.h"

#include <memory>

namespace fw {

namespace detail {
class GraphicsPeer;
}

// A drawing context for one area (for a list cell: the cell, with 0,0 its top-left corner).
class Graphics : public Object {
public:
    explicit Graphics(std::unique_ptr<detail::GraphicsPeer> peer);
    ~Graphics() override;

    Color ForeColor() const;
    void SetForeColor(Color c);
    std::int32_t Width() const;
    std::int32_t Height() const;
    // Fills the rectangle with ForeColor.
    void FillRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);

    detail::GraphicsPeer& Peer() const { return *peer_; }

private:
    std::unique_ptr<detail::GraphicsPeer> peer_;
};

} // namespace fw
