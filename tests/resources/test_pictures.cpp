#include "resources/pictures.h"
#include "resources/resource_ids.h"
#include "resources/string_table.h"

#include <QImage>
#include <gtest/gtest.h>

#include <vector>

namespace {

struct PictureCase
{
    int id;
    QSize size;
};

const std::vector<PictureCase> kPictures = {
    {ResourceId::kAboutPicture, {460, 460}},        {ResourceId::kTickedBoxPicture, {13, 13}},
    {ResourceId::kEmptyBoxPicture, {13, 13}},       {ResourceId::kLogoPicture, {228, 49}},
    {ResourceId::kSelectedCirclePicture, {13, 13}}, {ResourceId::kEmptyCirclePicture, {13, 13}},
};

int LightPixelCount(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) > 160)
                ++count;
        }
    }
    return count;
}

TEST(Pictures, EveryBitmapLoadsAtItsSize)
{
    for (const PictureCase& c : kPictures) {
        SCOPED_TRACE(c.id);
        const QPixmap picture = LoadPicture(c.id);
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.size(), c.size);
        EXPECT_EQ(QPixmap(PicturePath(c.id)).size(), c.size);
    }
}

TEST(Pictures, PicturesOnTheBlackBackdropAreBlackAtTheCornerAndShowLightDrawing)
{
    for (const PictureCase& c : kPictures) {
        SCOPED_TRACE(c.id);
        const QImage image = LoadPicture(c.id).toImage();
        EXPECT_EQ(qGray(image.pixel(0, 0)), 0);
        EXPECT_GT(LightPixelCount(image), 10);
    }
}

TEST(Pictures, StatesOfABoxOrCircleDiffer)
{
    EXPECT_NE(LoadPicture(ResourceId::kTickedBoxPicture).toImage(),
              LoadPicture(ResourceId::kEmptyBoxPicture).toImage());
    EXPECT_NE(LoadPicture(ResourceId::kSelectedCirclePicture).toImage(),
              LoadPicture(ResourceId::kEmptyCirclePicture).toImage());
}

TEST(Pictures, BackdropIsBlackAtAnySize)
{
    const QImage stored = LoadPicture(ResourceId::kBackdropPicture).toImage();
    ASSERT_FALSE(stored.isNull());
    EXPECT_EQ(QColor(stored.pixel(0, 0)), QColor(Qt::black));

    const QImage made = MakeBackdrop(QSize(874, 429)).toImage();
    EXPECT_EQ(made.size(), QSize(874, 429));
    EXPECT_EQ(QColor(made.pixel(0, 0)), QColor(Qt::black));
    EXPECT_EQ(QColor(made.pixel(873, 428)), QColor(Qt::black));
}

TEST(Pictures, UnknownIdsGiveNothing)
{
    for (const int id : {0, ResourceId::kMainIcon, ResourceId::kMainDialog, 149, 153}) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(LoadPicture(id).isNull());
        EXPECT_TRUE(PicturePath(id).isEmpty());
    }
    EXPECT_TRUE(LoadIcon(ResourceId::kLogoPicture).isNull());
}

TEST(Pictures, WindowIconHasSmallAndLargeSizes)
{
    const QIcon icon = LoadIcon(ResourceId::kMainIcon);
    ASSERT_FALSE(icon.isNull());
    for (const int size : {16, 32, 48}) {
        SCOPED_TRACE(size);
        EXPECT_EQ(icon.pixmap(QSize(size, size)).size(), QSize(size, size));
        EXPECT_GT(LightPixelCount(icon.pixmap(QSize(size, size)).toImage()), 0);
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
