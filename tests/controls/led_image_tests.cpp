#include "controls/image_list.h"
#include "controls/led_image.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

QColor centre_of(const QImage &image)
{
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

TEST(LedImage, ImageChoice)
{
    CLed_image led;
    EXPECT_FALSE(led.State());
    EXPECT_EQ(led.ImageIndex(), 0);
    led.Set_state(true);
    EXPECT_EQ(led.ImageIndex(), 1);
    led.setEnabled(false);
    EXPECT_EQ(led.ImageIndex(), 2);
    led.Set_state(false);
    EXPECT_EQ(led.ImageIndex(), 2);
}

TEST(LedImage, SideRoundedToHalfTheImage)
{
    EXPECT_EQ(CLed_image::FittedLength(17, 16), 16);
    EXPECT_EQ(CLed_image::FittedLength(16, 16), 8);
    EXPECT_EQ(CLed_image::FittedLength(40, 16), 32);
    EXPECT_EQ(CLed_image::FittedLength(8, 16), 8); // not above half: as it is
    EXPECT_EQ(CLed_image::FittedLength(5, 16), 5);
    EXPECT_EQ(CLed_image::FittedLength(5, 1), 4); // a one-pixel image: half taken as 1
    EXPECT_EQ(CLed_image::FittedLength(5, 0), 4);
}

TEST(LedImage, ImageListsHoldTheirImages)
{
    for (const CImage_list *list : {&GreenLampImages(), &RedLampImages()}) {
        ASSERT_EQ(list->count(), 3);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(list->image(i).size(), QSize(16, 16));
        }
    }
    EXPECT_EQ(PadlockImages().count(), 2);
    EXPECT_TRUE(GreenLampImages().image(3).isNull());
    EXPECT_NE(centre_of(GreenLampImages().image(1)), centre_of(RedLampImages().image(1)));
}

TEST(LedImage, PaintsTheChosenImageInTheFittedSquare)
{
    CLed_image led;
    led.resize(17, 17);
    led.Set_image_list(&GreenLampImages());
    led.Set_state(true);
    QImage shown = led.grab().toImage();
    EXPECT_EQ(centre_of(shown.copy(0, 0, 16, 16)), centre_of(GreenLampImages().image(1)));

    led.setEnabled(false);
    shown = led.grab().toImage();
    EXPECT_EQ(centre_of(shown.copy(0, 0, 16, 16)), centre_of(GreenLampImages().image(2)));
    // The seventeenth row and column stay background.
    EXPECT_EQ(shown.pixelColor(16, 8), led.palette().color(QPalette::Window));
}

TEST(LedImage, NothingWithoutAnImageList)
{
    CLed_image led;
    led.resize(17, 17);
    led.Set_state(true);
    const QImage shown = led.grab().toImage();
    EXPECT_EQ(centre_of(shown), led.palette().color(QPalette::Window));
}

} // namespace
