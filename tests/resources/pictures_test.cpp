#include "resources/pictures.h"
#include "resources/resource_ids.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

TEST(Pictures, EveryBitmapLoadsAtItsSizeBlackAtTheCornerWithALightDrawing)
{
    using namespace ResourceId;
    const struct
    {
        int id;
        QSize size;
    } rows[] = {{kAboutPicture, {460, 460}},        {kLogoPicture, {228, 49}},
                {kTickedBoxPicture, {13, 13}},      {kEmptyBoxPicture, {13, 13}},
                {kSelectedCirclePicture, {13, 13}}, {kEmptyCirclePicture, {13, 13}}};
    for (const auto& row : rows) {
        const QImage image = LoadPicture(row.id).toImage();
        EXPECT_EQ(image.size(), row.size) << row.id;
        EXPECT_EQ(qGray(image.pixel(0, 0)), 0) << row.id;
        int light = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                light += qGray(image.pixel(x, y)) > 160;
        EXPECT_GT(light, 10) << row.id;
    }
    EXPECT_NE(LoadPicture(kTickedBoxPicture).toImage(), LoadPicture(kEmptyBoxPicture).toImage());
    EXPECT_NE(LoadPicture(kSelectedCirclePicture).toImage(),
              LoadPicture(kEmptyCirclePicture).toImage());
}

} // namespace
