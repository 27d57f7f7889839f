#include "framework/qt/picture_file.h"

#include "framework/qt/picture_image.h"

#include <QImageReader>

#include <memory>
#include <utility>

namespace fw::detail {

Ref<Picture> ReadPicture(const std::string& path) {
    QImageReader reader(QString::fromStdString(path));
    reader.setDecideFormatFromContent(true); // a PNG named .jpg is still a picture
    QImage image = reader.read();
    if (image.isNull())
        return nullptr;
    return MakeRef<Picture>(
        std::make_unique<PicturePeer>(std::make_unique<PicturePeer::QtParts>(std::move(image))));
}

} // namespace fw::detail
