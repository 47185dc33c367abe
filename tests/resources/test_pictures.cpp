#include "resources/pictures.h"
#include "resources/resource_ids.h"
#include "resources/string_table.h"

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

TEST(Pictures, WindowIconHasSmallAndLargeSizesAndUnknownIdsGiveNothing)
{
    const QIcon icon = LoadIcon(ResourceId::kMainIcon);
    for (const int size : {16, 48}) {
        const QImage image = icon.pixmap(QSize(size, size)).toImage();
        EXPECT_EQ(image.size(), QSize(size, size));
        EXPECT_GT(LightPixelCount(image), 0);
    }
    EXPECT_TRUE(LoadIcon(ResourceId::kLogoPicture).isNull());
    for (const int id : {0, ResourceId::kMainIcon, ResourceId::kMainDialog, 149}) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(LoadPicture(id).isNull());
        EXPECT_TRUE(PicturePath(id).isEmpty());
    }
}

TEST(StringTable, HoldsTheAboutMenuEntry)
{
    EXPECT_EQ(LoadResourceString(ResourceId::kAboutMenuEntryString),
              QString::fromUtf8("&Info \xC3\xBC"
                                "ber Tamblor..."));
    EXPECT_EQ(LoadResourceString(102), QString());
}

} // namespace
