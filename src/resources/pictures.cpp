#include "resources/pictures.h"

#include "resources/resource_ids.h"

#include <QColor>

#include <array>
#include <mutex>

// The resources live in a static library: their registration must be referenced to be linked in.
void RegisterPictureResources()
{
    static std::once_flag registered;
    std::call_once(registered, [] { Q_INIT_RESOURCE(orvane_resources); });
}

namespace {

constexpr std::array kBitmapIds = {
    ResourceId::kAboutPicture,       ResourceId::kBackdropPicture,
    ResourceId::kTickedBoxPicture,   ResourceId::kEmptyBoxPicture,
    ResourceId::kLogoPicture,        ResourceId::kSelectedCirclePicture,
    ResourceId::kEmptyCirclePicture,
};
constexpr std::array kMainIconSizes = {16, 24, 32, 48, 64, 256};

} // namespace

QString PicturePath(int id)
{
    RegisterPictureResources();
    for (const int bitmapId : kBitmapIds) {
        if (bitmapId == id)
            return QStringLiteral(":/bitmaps/%1.png").arg(id);
    }
    return QString();
}

QPixmap LoadPicture(int id)
{
    RegisterPictureResources();
    const QString path = PicturePath(id);
    return path.isEmpty() ? QPixmap() : QPixmap(path);
}

QPixmap MakeBackdrop(QSize size)
{
    QPixmap backdrop(size);
    backdrop.fill(Qt::black);
    return backdrop;
}

QIcon LoadIcon(int id)
{
    RegisterPictureResources();
    QIcon icon;
    if (id != ResourceId::kMainIcon)
        return icon;
    for (const int size : kMainIconSizes)
        icon.addFile(QStringLiteral(":/icons/%1_%2.png").arg(id).arg(size), QSize(size, size));
    return icon;
}
