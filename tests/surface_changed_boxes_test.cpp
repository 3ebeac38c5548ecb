// What each drawing operation reports as changed: a window copies only those
// boxes to the screen, so a pixel changed outside them would stay stale.
#include <gtest/gtest.h>

#include <cairo.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "surface/headless.h"
#include "surface/strings.h"
#include "surface/surface.h"

using namespace surface;

namespace {

struct PixelBox {
    int x0, y0, x1, y1;
};

// The headless backend, at a chosen scale, keeping the boxes reported.
class RecordingBackend : public HeadlessBackend {
public:
    RecordingBackend(double scale, std::vector<PixelBox>* boxes) : scale_(scale), boxes_(boxes) {}
    double Scale() const override { return scale_; }
    void Changed(int x0, int y0, int x1, int y1) override { boxes_->push_back({x0, y0, x1, y1}); }

private:
    double scale_;
    std::vector<PixelBox>* boxes_;
};

std::vector<std::uint32_t> Pixels(cairo_surface_t* canvas) {
    cairo_surface_flush(canvas);
    int w = cairo_image_surface_get_width(canvas), h = cairo_image_surface_get_height(canvas);
    int stride = cairo_image_surface_get_stride(canvas);
    const unsigned char* data = cairo_image_surface_get_data(canvas);
    std::vector<std::uint32_t> out(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        std::memcpy(&out[static_cast<std::size_t>(y) * w], data + y * stride, w * 4u);
    return out;
}

struct Case {
    const char* what;
    std::function<void()> draw;
    bool whole = false;  // reports the whole canvas
};

// Draws each case on a canvas with some ink on it already and checks that
// every pixel it changed lies in a box it reported, and that it reported
// something less than the whole canvas.
void CheckCases(double scale, const std::vector<Case>& cases) {
    std::vector<PixelBox> boxes;
    Surface& s = Surface::Start(std::make_unique<RecordingBackend>(scale, &boxes));
    int w = cairo_image_surface_get_width(s.canvas());
    for (const Case& c : cases) {
        // Grey underneath, so that drawing in white shows too.
        PsLINE(0, 0, false, 1439, 899, 8, 2, 8);
        FE_SETDRAWWIDTH(0, 1);
        std::vector<std::uint32_t> before = Pixels(s.canvas());
        boxes.clear();
        c.draw();
        std::vector<std::uint32_t> after = Pixels(s.canvas());
        ASSERT_FALSE(boxes.empty()) << c.what << " at scale " << scale;
        long changed = 0, outside = 0, reported = 0;
        for (const PixelBox& b : boxes) reported += long(b.x1 - b.x0) * (b.y1 - b.y0);
        for (std::size_t i = 0; i < after.size(); ++i) {
            if (after[i] == before[i]) continue;
            ++changed;
            int x = static_cast<int>(i % w), y = static_cast<int>(i / w);
            bool in = false;
            for (const PixelBox& b : boxes)
                in = in || (x >= b.x0 && x < b.x1 && y >= b.y0 && y < b.y1);
            if (!in) ++outside;
        }
        EXPECT_GT(changed, 0) << c.what << " at scale " << scale;
        EXPECT_EQ(outside, 0) << c.what << " at scale " << scale << ": " << changed
                              << " pixels changed";
        if (!c.whole) {
            EXPECT_LT(reported, long(after.size()) / 4) << c.what << " at scale " << scale;
        }
    }
    Surface::Shutdown();
}

std::vector<Case> Cases() {
    auto pen = [](int w) { FE_SETDRAWWIDTH(0, w); };
    auto font = [](const char* face, double size, bool bold, bool italic) {
        FE_SETFONTNAME(0, Utf8ToCp932(face));
        FE_SETFONTSIZE(0, size);
        FE_SETFONTBOLD(0, bold);
        FE_SETFONTITALIC(0, italic);
    };
    return {
        {"a thin line", [] { PsLINE(100, 100, false, 300, 180, 0, 0, 0); }},
        {"a wide line", [&] { pen(9); PsLINE(100, 100, true, -60, 200, 4, 0, 0); }},
        {"a box outline", [&] { pen(3); PsLINE(200, 200, false, 120, 150, 1, 1, 0); }},
        {"a filled box in white", [] { PsLINE(50, 60, false, 400, 300, 15, 2, 15); }},
        {"a filled box, no pen", [&] { pen(0); PsLINE(50, 60, false, 400, 300, 2, 2, 9); }},
        {"a circle", [&] { pen(5); PsCIRCLE(700, 400, 60, 5, 1, 0, 0, false, 0); }},
        {"a flat ellipse", [&] { pen(2); PsCIRCLE(700, 400, 90, 3, 0.3, 0, 0, false, 0); }},
        {"a tall ellipse", [&] { pen(2); PsCIRCLE(700, 400, 90, 3, 2.5, 0, 0, false, 0); }},
        {"a dot", [&] { pen(5); PsCIRCLE(1064, 656, 1, 5, 1, 0, 0, true, 5); }},
        {"a sector smaller than the pen", [&] { pen(12); PsCIRCLE(900, 300, 2, 4, 1, 0.1, 0.4, true, 9); }},
        {"a sector", [&] { pen(1); PsCIRCLE(500, 500, 80, 0, 1, 0.1, 0.6, true, 11); }},
        {"an arc", [&] { pen(3); PsCIRCLE(500, 500, 80, 0, 1, 0.7, 0.2, false, 0); }},
        {"a polyline", [&] {
             pen(4);
             PsCONNECT({{1000, 100}, {60, 90, true}, {-200, 30, true}}, 12, false, 0);
         }},
        {"a painted triangle", [] {
             PsCONNECT({{1200, 700}, {1400, 880}, {1100, 860}}, 0, true, 14);
         }},
        {"text", [&] {
             font("ＭＳ ゴシック", 32, false, false);
             PsSYMBOL40(40, 30, "問①　次の式の項をいいなさい。"_sj, 1, 1, 0);
         }},
        {"italic text, magnified", [&] {
             font("Times New Roman", 40, true, true);
             PsSYMBOL40(300, 500, "fxyg"_sj, 2, 3, 4);
         }},
        {"text at the window's edge", [&] {
             font("ＭＳ ゴシック", 48, true, false);
             PsSYMBOL40(1400, 870, "項…"_sj, 1, 1, 13);
         }},
        {"bold gothic text, magnified", [&] {
             font("ｺﾞｼｯｸ", 16, true, false);
             PsSYMBOL40(200, 700, "数量を式に"_sj, 2, 3, 0);
         }},
        {"script text", [&] {
             font("MT Extra", 40, false, false);
             PsSYMBOL40(600, 300, "l"_sj, 2, 2, 0);
         }},
        {"the window cleared", [] { PsCLS(); }, true},
    };
}

}  // namespace

TEST(ChangedBoxes, HoldEveryPixelAnOperationChanges) {
    for (double scale : {1.0, 1.2}) CheckCases(scale, Cases());
}
