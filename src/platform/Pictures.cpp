#include "platform/Pictures.h"

#include <QImageReader>

QString PicturePath(UINT id) {
    return QStringLiteral(":/bitmaps/%1.png").arg(id);
}

QImage ReadPicture(UINT id) {
    QImageReader reader(PicturePath(id), "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}
