#include "platform/Dc.h"

#include <gtest/gtest.h>

#include <vector>

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
    struct Case {
        int tenths;
        int height;
    };
    for (const Case& c :
         {Case{107, -14}, Case{85, -11}, Case{89, -12}, Case{80, -11}, Case{75, -10}, Case{0, 0}}) {
        CFont font;
        ASSERT_TRUE(font.CreatePointFont(c.tenths, "Arial", &dc));
        LOGFONT description;
        ASSERT_EQ(font.GetLogFont(&description), static_cast<int>(sizeof(LOGFONT)));
        EXPECT_EQ(description.lfHeight, c.height) << c.tenths << " tenths";
        EXPECT_EQ(description.lfFaceName, "Arial");
    }
}

TEST(DcTest, RecordsEveryDrawingCallWithItsObjects) {
    CImageDC dc(100, 100);
    std::vector<DrawCall> calls;
    dc.StartRecording(&calls);
    CPen pen(PS_SOLID, 1, kRed);
    CBrush brush(kBlue);
    CFont font;
    font.CreatePointFont(90, "Arial", &dc);
    CPen* oldPen = dc.SelectObject(&pen);
    dc.SelectObject(&brush);
    dc.SelectObject(&font);
    dc.SetTextColor(kRed);
    dc.Rectangle(1, 2, 30, 40);
    dc.MoveTo(5, 6);
    dc.LineTo(50, 60);
    dc.TextOut(7, 8, "BMI");
    dc.SelectObject(oldPen);
    dc.Ellipse(10, 10, 14, 14);
    CRect box(0, 0, 100, 20);
    dc.DrawText("&Title", &box, DT_SINGLELINE | DT_CENTER);

    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[0].kind, DrawCall::Rectangle);
    EXPECT_EQ(calls[0].rect, CRect(1, 2, 30, 40));
    EXPECT_EQ(calls[0].pen, kRed);
    EXPECT_EQ(calls[0].fill, kBlue);
    EXPECT_TRUE(calls[0].filled);
    EXPECT_EQ(calls[1].kind, DrawCall::Line);
    EXPECT_EQ(calls[1].from, CPoint(5, 6));
    EXPECT_EQ(calls[1].to, CPoint(50, 60));
    EXPECT_EQ(calls[2].kind, DrawCall::Text);
    EXPECT_EQ(calls[2].text, "BMI");
    EXPECT_EQ(calls[2].rect.TopLeft(), CPoint(7, 8));
    EXPECT_EQ(calls[2].textColour, kRed);
    EXPECT_EQ(calls[2].font.lfHeight, -12);
    EXPECT_EQ(calls[3].pen, kBlack);  // the default pen again
    EXPECT_EQ(calls[4].text, "Title");
    EXPECT_GT(calls[4].rect.left, 0);  // centred
}

TEST(DcTest, RectangleOutlinesWithThePenAndFillsWithTheBrushRightAndBottomExclusive) {
    CImageDC dc(20, 20);
    CBrush brush(kBlue);
    dc.SelectObject(&brush);
    dc.Rectangle(2, 3, 10, 12);
    CBrush hollow;
    hollow.CreateStockObject(HOLLOW_BRUSH);
    dc.SelectObject(&hollow);
    dc.Rectangle(12, 2, 18, 8);

    struct Pixel {
        int x, y;
        COLORREF colour;
    };
    for (const Pixel& pixel : {Pixel{2, 3, kBlack}, Pixel{9, 11, kBlack}, Pixel{9, 5, kBlack},
                               Pixel{5, 6, kBlue}, Pixel{10, 5, kWhite}, Pixel{5, 12, kWhite},
                               Pixel{1, 3, kWhite}, Pixel{12, 2, kBlack}, Pixel{15, 5, kWhite}}) {
        EXPECT_EQ(dc.GetPixel(pixel.x, pixel.y), pixel.colour) << pixel.x << ", " << pixel.y;
    }
}

TEST(DcTest, EllipseStaysInsideItsBoundingRectangle) {
    CImageDC dc(20, 20);
    CBrush brush(kRed);
    dc.SelectObject(&brush);
    dc.Ellipse(4, 4, 15, 15);
    EXPECT_EQ(dc.GetPixel(9, 9), kRed);
    EXPECT_FALSE(Inked(dc, CRect(0, 0, 20, 4)));
    EXPECT_FALSE(Inked(dc, CRect(0, 0, 4, 20)));
    EXPECT_FALSE(Inked(dc, CRect(15, 0, 20, 20)));
    EXPECT_FALSE(Inked(dc, CRect(0, 15, 20, 20)));
    EXPECT_EQ(dc.GetPixel(4, 4), kWhite);  // a corner is outside the ellipse
    EXPECT_TRUE(Inked(dc, CRect(4, 9, 5, 10)));
}

TEST(DcTest, LinesLeaveOutTheirEndPoint) {
    CImageDC dc(20, 20);
    dc.MoveTo(2, 5);
    dc.LineTo(10, 5);
    EXPECT_EQ(dc.GetPixel(2, 5), kBlack);
    EXPECT_EQ(dc.GetPixel(9, 5), kBlack);
    EXPECT_EQ(dc.GetPixel(10, 5), kWhite);
}

TEST(DcTest, TextHangsBelowItsOriginOrRunsUpwardsWithEscapement) {
    CImageDC dc(200, 200);
    dc.SetBkMode(TRANSPARENT);
    CFont font;
    font.CreatePointFont(120, "Arial", &dc);
    dc.SelectObject(&font);
    const CSize extent = dc.GetTextExtent("Weight");
    dc.TextOut(20, 20, "Weight");
    EXPECT_TRUE(Inked(dc, CRect(20, 20, 20 + extent.cx, 20 + extent.cy)));
    EXPECT_FALSE(Inked(dc, CRect(0, 0, 200, 20)));
    EXPECT_FALSE(Inked(dc, CRect(0, 20 + extent.cy, 200, 200)));

    CImageDC upwards(200, 200);
    upwards.SetBkMode(TRANSPARENT);
    CFont rotated;
    rotated.CreateFont(-16, 0, 900, 0, FW_DONTCARE, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, PROOF_QUALITY, VARIABLE_PITCH, "Arial");
    upwards.SelectObject(&rotated);
    const CSize length = upwards.GetTextExtent("Weight");
    upwards.TextOut(20, 150, "Weight");
    // From (20, 150) upwards, the text's top towards the left.
    EXPECT_TRUE(Inked(upwards, CRect(20, 150 - length.cx, 20 + length.cy, 150)));
    EXPECT_FALSE(Inked(upwards, CRect(0, 150, 200, 200)));
    EXPECT_FALSE(Inked(upwards, CRect(0, 0, 20, 200)));
    EXPECT_FALSE(Inked(upwards, CRect(20 + length.cy, 0, 200, 200)));
}

TEST(DcTest, OpaqueTextFillsItsBackground) {
    CImageDC dc(100, 40);
    const CRect all(0, 0, 100, 40);
    dc.FillSolidRect(&all, kRed);
    const CSize extent = dc.GetTextExtent("ab");
    dc.SetBkMode(OPAQUE);
    dc.TextOut(0, 0, "ab");  // the last solid fill set the background colour
    EXPECT_EQ(dc.GetPixel(extent.cx + 1, 1), kRed);
}

TEST(DcTest, CalcRectFitsTheTextAndDrawsNothing) {
    CImageDC dc(100, 40);
    std::vector<DrawCall> calls;
    dc.StartRecording(&calls);
    CRect rect(5, 5, 95, 35);
    const int height = dc.DrawText("Calories", &rect, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    const CSize extent = dc.GetTextExtent("Calories");
    EXPECT_EQ(rect, CRect(5, 5, 5 + extent.cx, 5 + extent.cy));
    EXPECT_EQ(height, extent.cy);
    EXPECT_TRUE(calls.empty());
    EXPECT_FALSE(Inked(dc, CRect(0, 0, 100, 40)));
}

TEST(DcTest, BitBltTilesAMappedBitmapFromAMemoryContext) {
    CBitmap tile;
    const COLORMAP blackToRed{kBlack, kRed};
    ASSERT_TRUE(tile.LoadMappedBitmap(IDB_GRAPES, 0, &blackToRed, 1));
    BITMAP size;
    ASSERT_TRUE(tile.GetBitmap(&size));
    EXPECT_EQ(size.bmWidth, 55);
    EXPECT_EQ(size.bmHeight, 52);

    CImageDC dc(120, 60);
    CDC memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(&dc));
    CBitmap* previous = memory.SelectObject(&tile);
    EXPECT_EQ(previous, nullptr);
    std::vector<DrawCall> calls;
    dc.StartRecording(&calls);
    for (int x = 0; x < 120; x += size.bmWidth) {
        dc.BitBlt(x, 0, size.bmWidth, size.bmHeight, &memory, 0, 0, SRCCOPY);
    }
    memory.SelectObject(previous);
    EXPECT_EQ(calls.size(), 3u);
    for (const CPoint& at : {CPoint(0, 0), CPoint(54, 51), CPoint(7, 30)}) {
        const COLORREF pixel = tile.GetPixel(at.x, at.y);
        EXPECT_NE(pixel, kBlack);
        EXPECT_EQ(dc.GetPixel(at.x, at.y), pixel);
        EXPECT_EQ(dc.GetPixel(at.x + 55, at.y), pixel);
    }
    EXPECT_EQ(dc.GetPixel(10, 55), kWhite);                           // below the tiles
    EXPECT_EQ(dc.BitBlt(0, 0, 5, 5, &memory, 0, 0, SRCCOPY), FALSE);  // nothing selected now
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

TEST(DcTest, MissingBitmapsAreReportedAndShowNothing) {
    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(4242));
    EXPECT_FALSE(missing.IsLoaded());
    BITMAP size;
    EXPECT_EQ(missing.GetBitmap(&size), 0);
    EXPECT_EQ(missing.GetPixel(0, 0), CLR_INVALID);
}

TEST(DcTest, SystemColoursComeFromTheDesktopPalette) {
    EXPECT_NE(GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), kBlack);
}

}  // namespace
