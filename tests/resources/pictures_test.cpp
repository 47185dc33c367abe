#include "resources/pictures.h"
#include "resources/resource_ids.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

int LightPixelCount(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += qGray(image.pixel(x, y)) > 160;
    }
    return count;
}

TEST(Pictures, EveryBitmapLoadsAtItsSizeBlackAtTheCornerWithALightDrawing)
{
    const struct
    {
        int id;
        QSize size;
    } cases[] = {
        {ResourceId::kAboutPicture, {460, 460}},        {ResourceId::kTickedBoxPicture, {13, 13}},
        {ResourceId::kEmptyBoxPicture, {13, 13}},       {ResourceId::kLogoPicture, {228, 49}},
        {ResourceId::kSelectedCirclePicture, {13, 13}}, {ResourceId::kEmptyCirclePicture, {13, 13}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        const QImage image = LoadPicture(c.id).toImage();
        EXPECT_EQ(image.size(), c.size);
        EXPECT_EQ(QPixmap(PicturePath(c.id)).size(), c.size);
        EXPECT_EQ(qGray(image.pixel(0, 0)), 0);
        EXPECT_GT(LightPixelCount(image), 10);
    }
    EXPECT_NE(LoadPicture(ResourceId::kTickedBoxPicture).toImage(),
              LoadPicture(ResourceId::kEmptyBoxPicture).toImage());
    EXPECT_NE(LoadPicture(ResourceId::kSelectedCirclePicture).toImage(),
              LoadPicture(ResourceId::kEmptyCirclePicture).toImage());
    const QImage backdrop = MakeBackdrop(QSize(874, 429)).toImage();
    EXPECT_EQ(backdrop.size(), QSize(874, 429));
    EXPECT_EQ(QColor(backdrop.pixel(873, 428)), QColor(Qt::black));
}

} // namespace
