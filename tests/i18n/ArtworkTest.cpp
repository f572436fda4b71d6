// The pictures compiled into the program: sizes, and that each flag and
// icon is the one its name promises.
#include "Artwork.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

QColor pixel(const QPixmap& p, double fx, double fy) {
    const QImage img = p.toImage();
    return img.pixelColor(int(fx * (img.width() - 1)), int(fy * (img.height() - 1)));
}

bool near(const QColor& c, int r, int g, int b) {
    return qAbs(c.red() - r) < 40 && qAbs(c.green() - g) < 40 && qAbs(c.blue() - b) < 40 &&
           c.alpha() > 200;
}

} // namespace

TEST(Artwork, BannersAndHeaderPictureHaveTheirSizes) {
    for (int lang = 0; lang < 7; ++lang) {
        const QPixmap banner = Artwork::banner(lang);
        EXPECT_EQ(banner.size(), Artwork::BannerSize) << lang;
        // light grey header background
        EXPECT_TRUE(near(pixel(banner, 0.6, 0.05), 0xED, 0xED, 0xED)) << lang;
    }
    EXPECT_EQ(Artwork::banner(7).toImage(), Artwork::banner(0).toImage());
    EXPECT_NE(Artwork::banner(1).toImage(), Artwork::banner(0).toImage());
    EXPECT_EQ(Artwork::headerRight().size(), Artwork::HeaderRightSize);
}

TEST(Artwork, FlagsShowTheirLanguage) {
    const QSize size(32, 32); // 3:2 flag centred: rows 5..26
    const struct {
        int position;
        double fx, fy;
        int r, g, b;
    } probes[] = {
        {1, 0.5, 0.30, 255, 255, 255}, {1, 0.5, 0.70, 220, 20, 60}, // Poland
        {2, 0.5, 0.25, 0, 0, 0},       {2, 0.5, 0.72, 255, 206, 0}, // Germany
        {3, 0.15, 0.5, 0, 38, 84},     {3, 0.85, 0.5, 237, 41, 57}, // France
        {4, 0.5, 0.5, 241, 191, 0},                                 // Spain
        {5, 0.5, 0.5, 0, 57, 166},                                  // Russia
        {6, 0.15, 0.5, 0, 146, 70},    {6, 0.85, 0.5, 206, 43, 55}, // Italy
        {0, 0.5, 0.5, 200, 16, 46},    {0, 0.1, 0.35, 1, 33, 105},  // United Kingdom
    };
    for (const auto& p : probes) {
        const QPixmap flag = Artwork::flagPixmap(p.position, size);
        ASSERT_EQ(flag.size(), size);
        const QColor c = pixel(flag, p.fx, p.fy);
        EXPECT_TRUE(near(c, p.r, p.g, p.b))
            << p.position << " at " << p.fx << "," << p.fy << ": " << c.name().toStdString();
    }
    // Transparent bands above and below a flag in a square icon.
    EXPECT_EQ(pixel(Artwork::flagPixmap(1, size), 0.5, 0.0).alpha(), 0);
    for (int pos = 0; pos < 7; ++pos)
        EXPECT_FALSE(Artwork::flagIcon(pos).pixmap(16, 16).isNull()) << pos;
    EXPECT_TRUE(Artwork::flagIcon(7).isNull());
}

TEST(Artwork, OkIsGreenAndCancelRed) {
    auto dominant = [](const QIcon& icon) {
        const QImage img = icon.pixmap(24, 24).toImage();
        long r = 0, g = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QColor c = img.pixelColor(x, y);
                r += c.red() * c.alpha();
                g += c.green() * c.alpha();
            }
        return r > g ? 'r' : 'g';
    };
    ASSERT_FALSE(Artwork::okIcon().isNull());
    ASSERT_FALSE(Artwork::cancelIcon().isNull());
    EXPECT_EQ(dominant(Artwork::okIcon()), 'g');
    EXPECT_EQ(dominant(Artwork::cancelIcon()), 'r');
}
