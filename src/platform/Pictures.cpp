#include "platform/Pictures.h"

#include "platform/PackedPictures.h"

namespace {

const PackedPicture* FindPicture(UINT id) {
    for (std::size_t i = 0; i < kPackedPictureCount; ++i) {
        if (kPackedPictures[i].id == id) {
            return &kPackedPictures[i];
        }
    }
    return nullptr;
}

}  // namespace

QImage ReadPicture(UINT id) {
    const PackedPicture* picture = FindPicture(id);
    if (picture == nullptr) {
        return QImage();
    }
    const auto* pixels = static_cast<const uchar*>(picture->pixels);
    if (picture->palette == nullptr) {
        return QImage(pixels, picture->width, picture->height, picture->bytesPerLine,
                      QImage::Format_RGB32);
    }
    QImage image(pixels, picture->width, picture->height, picture->bytesPerLine,
                 QImage::Format_Indexed8);
    image.setColorTable(QList<QRgb>(picture->palette, picture->palette + picture->paletteSize));
    return image;
}

bool PictureExists(UINT id) {
    return FindPicture(id) != nullptr;
}
