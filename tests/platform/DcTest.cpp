#include "platform/Dc.h"

#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>

#include "res/resource.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// Whether any pixel of the rectangle differs from white.
bool Inked(const CDC& dc, const CRect& rect) {
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            if (dc.GetPixel(x, y) != kWhite) {
                return true;
            }
        }
    }
    return false;
}

TEST(DcTest, PointFontHeightsFollowTheDevicesDotsPerInch) {
    CImageDC dc(10, 10);
    ASSERT_EQ(dc.GetDeviceCaps(LOGPIXELSY), 96);
    for (const auto& [tenths, height] : {std::pair{107, -14}, {85, -11}, {89, -12}, {0, 0}}) {
        CFont font;
        ASSERT_TRUE(font.CreatePointFont(tenths, "Arial", &dc));
        LOGFONT description;
        ASSERT_EQ(font.GetLogFont(&description), static_cast<int>(sizeof(LOGFONT)));
        EXPECT_EQ(description.lfHeight, height) << tenths << " tenths";
        EXPECT_EQ(description.lfFaceName, "Arial");
    }
}

// Rectangles and lines leave out their right and bottom edge, as ellipses their box's.
TEST(DcTest, ShapesOutlineWithThePenFillWithTheBrushAndStayInsideTheirBox) {
    CImageDC dc(40, 20);
    CBrush brush(kBlue);
    dc.SelectObject(&brush);
    dc.Rectangle(2, 3, 10, 12);
    CBrush hollow;
    hollow.CreateStockObject(HOLLOW_BRUSH);
    dc.SelectObject(&hollow);
    dc.Rectangle(12, 2, 18, 8);
    dc.MoveTo(2, 15);
    dc.LineTo(10, 15);
    struct Pixel {
        int x, y;
        COLORREF colour;
    };
    for (const Pixel& pixel :
         {Pixel{2, 3, kBlack}, Pixel{9, 11, kBlack}, Pixel{5, 6, kBlue}, Pixel{10, 5, kWhite},
          Pixel{5, 12, kWhite}, Pixel{12, 2, kBlack}, Pixel{15, 5, kWhite}, Pixel{2, 15, kBlack},
          Pixel{9, 15, kBlack}, Pixel{10, 15, kWhite}}) {
        EXPECT_EQ(dc.GetPixel(pixel.x, pixel.y), pixel.colour) << pixel.x << ", " << pixel.y;
    }

    CBrush red(kRed);
    dc.SelectObject(&red);
    dc.Ellipse(24, 4, 35, 15);
    EXPECT_EQ(dc.GetPixel(29, 9), kRed);
    EXPECT_EQ(dc.GetPixel(24, 4), kWhite);  // a corner is outside the ellipse
    EXPECT_TRUE(Inked(dc, CRect(24, 9, 25, 10)));
    EXPECT_FALSE(Inked(dc, CRect(20, 0, 40, 4)) || Inked(dc, CRect(20, 15, 40, 20)) ||
                 Inked(dc, CRect(35, 0, 40, 20)) || Inked(dc, CRect(19, 0, 24, 20)));
}

// Text hangs below its origin; with an escapement of 900 it runs upwards from it, its top
// towards the left.
TEST(DcTest, TextHangsBelowItsOriginOrRunsUpwardsWithEscapement) {
    for (const int escapement : {0, 900}) {
        CImageDC dc(200, 200);
        dc.SetBkMode(TRANSPARENT);
        CFont font;
        font.CreateFont(-16, 0, escapement, 0, FW_DONTCARE, 0, 0, 0, ANSI_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, VARIABLE_PITCH,
                        "Arial");
        dc.SelectObject(&font);
        const CSize size = dc.GetTextExtent("Weight");
        dc.TextOut(20, 150, "Weight");
        const CRect box = escapement == 0 ? CRect(20, 150, 20 + size.cx, 150 + size.cy)
                                          : CRect(20, 150 - size.cx, 20 + size.cy, 150);
        EXPECT_TRUE(Inked(dc, box)) << escapement;
        EXPECT_FALSE(Inked(dc, CRect(0, 0, 20, 200))) << escapement;
        EXPECT_FALSE(Inked(dc, CRect(0, box.bottom, 200, 200))) << escapement;
        // Across the line of text; along it, glyphs may reach past the extent.
        EXPECT_FALSE(
            Inked(dc, escapement == 0 ? CRect(0, 0, 200, box.top) : CRect(box.right, 0, 200, 200)))
            << escapement;
    }
}

// Every picture the program is built with reads back pixel for pixel as its file.
TEST(DcTest, PicturesReadBackAsTheirFiles) {
    int pictures = 0;
    for (const auto& entry : std::filesystem::directory_iterator(MORVANE_BITMAPS_DIR)) {
        bool numbered = false;
        const UINT id = QString::fromStdString(entry.path().stem().string()).toUInt(&numbered);
        if (!numbered) {
            continue;  // the icon's sizes
        }
        const QImage file(QString::fromStdString(entry.path().string()));
        CBitmap packed;
        ASSERT_TRUE(packed.LoadBitmap(id)) << id;
        BITMAP size;
        ASSERT_TRUE(packed.GetBitmap(&size));
        ASSERT_EQ(size.bmWidth, file.width()) << id;
        ASSERT_EQ(size.bmHeight, file.height()) << id;
        for (int y = 0; y < file.height(); ++y) {
            for (int x = 0; x < file.width(); ++x) {
                const QRgb pixel = file.pixel(x, y);
                ASSERT_EQ(packed.GetPixel(x, y), RGB(qRed(pixel), qGreen(pixel), qBlue(pixel)))
                    << id << " at " << x << "," << y;
            }
        }
        ++pictures;
    }
    EXPECT_EQ(pictures, 15);
    EXPECT_FALSE(CBitmap::Exists(1));
}

// A palette picture is kept as it is packed, and can still be drawn into.
TEST(DcTest, APalettePictureCanBeDrawnInto) {
    CBitmap background;
    ASSERT_TRUE(background.LoadBitmap(IDB_BACKGROUND));
    CDC memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(nullptr));
    memory.SelectObject(&background);
    const CRect corner(0, 0, 2, 2);
    memory.FillSolidRect(&corner, kRed);
    EXPECT_EQ(background.GetPixel(1, 1), kRed);
    EXPECT_NE(background.GetPixel(2, 2), kRed);
}

// Exactly the pixels of the mapped colour change, in a true-colour and in a palette picture.
TEST(DcTest, AMappedBitmapReplacesExactlyTheMappedColour) {
    for (const UINT id : {IDB_GRAPES, IDB_BACKGROUND}) {
        CBitmap plain;
        ASSERT_TRUE(plain.LoadBitmap(id));
        const COLORMAP cornerToRed{plain.GetPixel(0, 0), kRed};
        ASSERT_NE(cornerToRed.from, kRed);
        CBitmap mapped;
        ASSERT_TRUE(mapped.LoadMappedBitmap(id, 0, &cornerToRed, 1));
        BITMAP size;
        ASSERT_TRUE(plain.GetBitmap(&size));
        for (int y = 0; y < size.bmHeight; ++y) {
            for (int x = 0; x < size.bmWidth; ++x) {
                const COLORREF pixel = plain.GetPixel(x, y);
                ASSERT_EQ(mapped.GetPixel(x, y), pixel == cornerToRed.from ? kRed : pixel)
                    << id << " at " << x << "," << y;
            }
        }
    }
}

}  // namespace
