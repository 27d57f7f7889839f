#include "user.h"

namespace user {

Bands ReadBands(const Image& img) {
    Bands b;
    int current = -1; // 1 tinted, 0 plain
    for (int y = 0; y < img.height; ++y) {
        int tint = 0;
        int dark = 0;
        for (int x = 0; x < img.width; ++x) {
            const fw::Color c = img.At(x, y);
            if (c == kTint)
                ++tint;
            else if (c.red < 128 && c.green < 128 && c.blue < 128)
                ++dark;
        }
        const bool tinted = tint * 3 >= img.width && tint > 0;
        const bool plain = tint == 0;
        if (b.firstRunTop < 0) {
            if (!tinted)
                continue; // the frame above the first row
            b.firstRunTop = y;
        }
        if (!tinted && !plain)
            continue; // a frame line
        const int kind = tinted ? 1 : 0;
        if (kind != current) {
            b.runs.push_back(0);
            current = kind;
        }
        ++b.runs.back();
        if (tinted && dark > 0)
            b.textOnTint = true;
    }
    return b;
}

} // namespace user
