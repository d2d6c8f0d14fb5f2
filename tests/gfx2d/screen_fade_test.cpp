#include <GL/gl.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "morvane.h"
#include "platform/temp_folder.h"
#include "support/bitmap_writer.h"
#include "support/drawing_test.h"
#include "support/program_end.h"

namespace {

const Rgb kGreen{0, 200, 0};
constexpr double kBlueColour = 0xFF0000;
const Rgb kBlue{0, 0, 255};

class ScreenFade : public DrawingTest {
protected:
    void TearDown() override { pPrism->FreeSurface(0); }
};

TEST_F(ScreenFade, FadesOverFiftyTwoFramesToABitmapThatStaysAsTheBackgroundAndNotToAMissingOne) {
    const std::string path = PrivateTempFolder() + "green.bmp";
    WriteBitmap(path, SolidBitmap(100, 70, {0, 200, 0}));
    FILLRECT(0, 0, 640, 480, kBlueColour);  // the picture so far
    ALPHAMODE(0.5);
    const long swaps = __hWnd->SwapCount();
    BLENDSCREEN(path.c_str());
    EXPECT_EQ(__hWnd->SwapCount(), swaps + 52);
    // The tile beyond the bitmap's edge stays black.
    ExpectPixels({{0, 0, kGreen}, {99, 69, kGreen}, {100, 10, kBlack}, {300, 300, kBlack}});
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_ALPHA_TEST));
    EXPECT_FLOAT_EQ(pPrism->ColorIntensity(), 1.0f);

    SHOWSCREEN();  // every following frame starts on the bitmap
    ExpectPixels({{50, 35, kGreen}, {300, 300, kBlack}});

    FILLRECT(0, 0, 640, 480, kBlueColour);
    BLENDSCREEN((PrivateTempFolder() + "no such picture.bmp").c_str());  // a missing file changes nothing
    EXPECT_EQ(__hWnd->SwapCount(), swaps + 53);
    EXPECT_EQ(PixelAt(320, 240), kBlue);
}

using ScreenFadeDeathTest = ScreenFade;

TEST_F(ScreenFadeDeathTest, AFileThatIsNotABitmapEndsTheProgramWithError3) {
    const std::string path = PrivateTempFolder() + "not a picture.bmp";
    std::ofstream(path) << "plain text, not a bitmap";
    ExpectProgramEndsWithError(3, [&] { BLENDSCREEN(path.c_str()); });
}

}  // namespace
