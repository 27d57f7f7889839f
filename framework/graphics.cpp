#include "framework/graphics.h"

#include "framework/qt/graphics_peer.h"

#include <algorithm>
#include <cstdint>

namespace fw {

Graphics::Graphics(std::unique_ptr<detail::GraphicsPeer> peer) : peer_(std::move(peer)) {
    if (!peer_)
        throw NilObjectException("a Graphics needs a drawing context");
}

Graphics::~Graphics() = default;

Color Graphics::ForeColor() const {
    return peer_->foreColor;
}

void Graphics::SetForeColor(Color c) {
    peer_->foreColor = c;
}

std::int32_t Graphics::Width() const {
    return peer_->Width();
}

std::int32_t Graphics::Height() const {
    return peer_->Height();
}

void Graphics::FillRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
    if (!peer_->IsLent())
        throw NilObjectException("Graphics used after the paint it was lent for");
    if (width <= 0 || height <= 0)
        return;
    // Clipped in 64 bits first: x + width must not overflow inside the platform's rectangle.
    const std::int64_t right = std::min<std::int64_t>(std::int64_t{x} + width, INT32_MAX);
    const std::int64_t bottom = std::min<std::int64_t>(std::int64_t{y} + height, INT32_MAX);
    peer_->Fill(x, y, static_cast<int>(right - 1), static_cast<int>(bottom - 1));
}

} // namespace fw
