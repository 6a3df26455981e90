#include "framework/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace clipboard {

bool holdsImage()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && (data->hasImage() || data->hasFormat("image/bmp"));
}

} // namespace clipboard
