#pragma once

#include <QImage>

#include "platform/WinTypes.h"

// The program's pictures by resource id, over the pixels packed into the program: nothing is
// decoded or copied until a picture is changed. Null when there is no such picture.
QImage ReadPicture(UINT id);
bool PictureExists(UINT id);
