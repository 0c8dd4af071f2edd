// SPDX-License-Identifier: GPL-2.0-or-later
// The label font keeps its stamps within their bound however many sizes the window passes
// through, and never lets go of a stamp the frame being drawn may still hold.
#include "render/label_font.h"

#include <gtest/gtest.h>

#include <vector>

namespace kiva {
namespace {

void OpenTheLabelFace(LabelFont& font) {
    const auto path = FindLabelFontFile();
    ASSERT_TRUE(path) << "the DejaVu Sans Bold face is not installed";
    ASSERT_TRUE(font.Open(*path));
}

int OutlineOf(int pixelSize) { return pixelSize / 8; }

// A window resized a pixel at a time with its labels on: every frame a new size of each label.
TEST(LabelFont, KeepsItsStampsWithinTheirBoundAsTheSizesChange) {
    LabelFont font;
    OpenTheLabelFace(font);
    std::size_t everyStamp = 0;
    for (int size = 7; size <= 320; ++size) {
        font.BeginFrame();
        for (const char* text : {"Na+", "Cl-", "a", "O"}) {
            const LabelStamp& stamp = font.Stamp(text, size, OutlineOf(size));
            everyStamp += stamp.letters.size() + stamp.outline.size();
        }
        ASSERT_LE(font.CachedBytes(), kLabelStampCacheBytes) << size;
    }
    EXPECT_GT(everyStamp, 4 * kLabelStampCacheBytes);  // the loop set far more than it could keep
    // Stamps set again after they were let go have the same letters.
    const LabelStamp first = font.Stamp("Na+", 7, 0);
    for (int size = 200; size <= 320; ++size) {
        font.BeginFrame();
        font.Stamp("Cl-", size, 1);
    }
    font.BeginFrame();
    const LabelStamp& again = font.Stamp("Na+", 7, 0);
    EXPECT_EQ(again.width, first.width);
    EXPECT_EQ(again.letters, first.letters);
}

// One frame may take more than the bound: none of its stamps goes until the next frame begins,
// even a stamp kept from earlier frames that this frame took again first.
TEST(LabelFont, KeepsEveryStampOfTheFrameBeingDrawn) {
    LabelFont font;
    OpenTheLabelFace(font);
    for (int size = 100; size <= 120; ++size) {
        font.BeginFrame();
        font.Stamp("Na+", size, OutlineOf(size));
    }
    ASSERT_LT(font.CachedBytes(), kLabelStampCacheBytes);
    font.BeginFrame();
    const LabelStamp& reused = font.Stamp("Na+", 100, OutlineOf(100));
    const LabelStamp reusedCopy = reused;
    std::vector<const LabelStamp*> held;
    std::vector<LabelStamp> copies;
    std::size_t frameBytes = reused.letters.size() + reused.outline.size();
    for (int size = 161; size <= 260; ++size) {
        held.push_back(&font.Stamp("Cl-", size, OutlineOf(size)));
        copies.push_back(*held.back());
        frameBytes += copies.back().letters.size() + copies.back().outline.size();
    }
    // The frame's own stamps and, within a twentieth for their bookkeeping, nothing older.
    EXPECT_GT(font.CachedBytes(), kLabelStampCacheBytes);
    EXPECT_LT(font.CachedBytes(), frameBytes + frameBytes / 20);
    // Read through the references the frame holds: the sanitizer build reports any let go.
    EXPECT_EQ(reused.letters, reusedCopy.letters);
    EXPECT_EQ(reused.outline, reusedCopy.outline);
    for (std::size_t i = 0; i < held.size(); ++i) {
        ASSERT_EQ(held[i]->letters, copies[i].letters) << i;
        ASSERT_EQ(held[i]->outline, copies[i].outline) << i;
    }
    font.BeginFrame();
    EXPECT_LE(font.CachedBytes(), kLabelStampCacheBytes);
}

// The renderer asks its lettering for the font once a frame: that begins the font's frame.
TEST(LabelLettering, BeginsAFrameOfItsFontAtEachAsking) {
    LabelLettering lettering;
    LabelFont* font = lettering.Font();
    ASSERT_TRUE(font) << "the DejaVu Sans Bold face is not installed";
    for (int size = 161; size <= 260; ++size) font->Stamp("Cl-", size, OutlineOf(size));
    ASSERT_GT(font->CachedBytes(), kLabelStampCacheBytes);
    EXPECT_EQ(lettering.Font(), font);
    EXPECT_LE(font->CachedBytes(), kLabelStampCacheBytes);
}

}  // namespace
}  // namespace kiva
