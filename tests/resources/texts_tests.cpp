#include "qstring_printer.h"
#include "resources/images.h"
#include "resources/texts.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

TEST(Texts, LoadTextGivesTheTableTextOrNothing)
{
    EXPECT_EQ(LoadText(12015), QStringLiteral("Lost connection with KORU!"));
    EXPECT_EQ(LoadText(12021),
              QStringLiteral("Message log has changed.\nSave message log before exiting?"));
    EXPECT_TRUE(LoadText(10001).isEmpty());
}

TEST(Texts, BoxCaptionsAreTheTitleWithTheirSuffix)
{
    EXPECT_EQ(BoxCaption(ECaption::error), QStringLiteral("TARVO Error"));
    EXPECT_EQ(BoxCaption(ECaption::warning), QStringLiteral("TARVO Warning"));
    EXPECT_EQ(BoxCaption(ECaption::message), QStringLiteral("TARVO Message"));
}

TEST(Images, EveryImageLoadsAtItsSize)
{
    RegisterImages();
    for (const char *path :
         {image_path::lamp_off, image_path::lamp_green, image_path::lamp_red,
          image_path::lamp_disabled, image_path::padlock_locked, image_path::padlock_unlocked}) {
        const QImage image(QString::fromLatin1(path));
        ASSERT_FALSE(image.isNull()) << path;
        EXPECT_EQ(image.size(), QSize(16, 16)) << path;
        EXPECT_TRUE(image.hasAlphaChannel()) << path;
    }
    // The two padlocks differ; so do the lit and the dark lamp.
    EXPECT_NE(QImage(image_path::padlock_locked), QImage(image_path::padlock_unlocked));
    EXPECT_NE(QImage(image_path::lamp_off), QImage(image_path::lamp_green));
}

} // namespace
