// SPDX-License-Identifier: GPL-2.0-or-later
// The label face set with FreeType.
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_GLYPH_H
#include FT_STROKER_H

#include <algorithm>

#include "render/label_face.h"

namespace kiva {

namespace {

// One glyph's coverage placed on the label's pen line: left and top from the pen position.
struct PlacedBitmap {
    int left, top, width, rows;
    std::vector<std::uint8_t> coverage;
};

PlacedBitmap TakeBitmap(FT_Glyph& glyph) {
    PlacedBitmap placed{0, 0, 0, 0, {}};
    if (FT_Glyph_To_Bitmap(&glyph, FT_RENDER_MODE_NORMAL, nullptr, 1) != 0) return placed;
    const auto* bitmapGlyph = reinterpret_cast<FT_BitmapGlyph>(glyph);
    const FT_Bitmap& bitmap = bitmapGlyph->bitmap;
    placed = {bitmapGlyph->left, bitmapGlyph->top, static_cast<int>(bitmap.width), static_cast<int>(bitmap.rows), {}};
    placed.coverage.resize(static_cast<std::size_t>(placed.width) * static_cast<std::size_t>(placed.rows));
    for (int row = 0; row < placed.rows; ++row)
        std::copy_n(bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch, placed.width,
                    placed.coverage.begin() + static_cast<std::ptrdiff_t>(row) * placed.width);
    return placed;
}

// The label's letters and outline, set afresh; empty for an empty text.
LabelStamp SetLetters(FT_Face face, FT_Stroker stroker, const std::string& text, int pixelSize, int outlineWidth) {
    LabelStamp stamp;
    if (text.empty() || FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelSize)) != 0) return stamp;
    FT_Stroker_Set(stroker, static_cast<FT_Fixed>(outlineWidth) * 64, FT_STROKER_LINECAP_ROUND,
                   FT_STROKER_LINEJOIN_ROUND, 0);
    // Each glyph's letters and outline, at its pen position on one baseline.
    std::vector<std::pair<PlacedBitmap, PlacedBitmap>> glyphs;
    std::vector<int> pens;
    int pen = 0;
    for (const unsigned char character : text) {
        const FT_UInt index = FT_Get_Char_Index(face, character);
        if (FT_Load_Glyph(face, index, FT_LOAD_NO_BITMAP) != 0) continue;
        FT_Glyph letters = nullptr, border = nullptr;
        if (FT_Get_Glyph(face->glyph, &letters) != 0) continue;
        if (FT_Glyph_Copy(letters, &border) != 0) {
            FT_Done_Glyph(letters);
            continue;
        }
        if (outlineWidth > 0) FT_Glyph_StrokeBorder(&border, stroker, 0, 1);
        glyphs.emplace_back(TakeBitmap(letters), TakeBitmap(border));
        FT_Done_Glyph(letters);
        FT_Done_Glyph(border);
        pens.push_back(pen);
        pen += static_cast<int>(face->glyph->advance.x >> 6);  // 26.6 fixed point
    }
    // The box round every outline's ink, with the baseline at `top` rows down.
    int left = 0, right = 0, top = 0, bottom = 0;
    bool any = false;
    for (std::size_t i = 0; i < glyphs.size(); ++i)
        for (const PlacedBitmap* bitmap : {&glyphs[i].first, &glyphs[i].second}) {
            if (bitmap->width == 0 || bitmap->rows == 0) continue;
            const int x0 = pens[i] + bitmap->left, y0 = -bitmap->top;
            left = any ? std::min(left, x0) : x0;
            right = any ? std::max(right, x0 + bitmap->width) : x0 + bitmap->width;
            top = any ? std::min(top, y0) : y0;
            bottom = any ? std::max(bottom, y0 + bitmap->rows) : y0 + bitmap->rows;
            any = true;
        }
    if (!any) return stamp;
    stamp.width = right - left;
    stamp.height = bottom - top;
    const auto size = static_cast<std::size_t>(stamp.width) * static_cast<std::size_t>(stamp.height);
    stamp.letters.assign(size, 0);
    stamp.outline.assign(size, 0);
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        const auto place = [&](const PlacedBitmap& bitmap, std::vector<std::uint8_t>& into) {
            const int x0 = pens[i] + bitmap.left - left, y0 = -bitmap.top - top;
            for (int row = 0; row < bitmap.rows; ++row)
                for (int column = 0; column < bitmap.width; ++column) {
                    std::uint8_t& cell = into[static_cast<std::size_t>(y0 + row) * static_cast<std::size_t>(stamp.width) +
                                              static_cast<std::size_t>(x0 + column)];
                    cell = std::max(cell, bitmap.coverage[static_cast<std::size_t>(row * bitmap.width + column)]);
                }
        };
        place(glyphs[i].first, stamp.letters);
        place(glyphs[i].second, stamp.outline);
    }
    return stamp;
}

}  // namespace

struct LabelFace {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    FT_Stroker stroker = nullptr;
    ~LabelFace() {
        if (stroker) FT_Stroker_Done(stroker);
        if (face) FT_Done_Face(face);
        if (library) FT_Done_FreeType(library);
    }
};

void LabelFaceCloser::operator()(LabelFace* face) const { delete face; }

LabelFacePointer OpenLabelFace(const std::string& path) {
    LabelFacePointer face(new LabelFace);
    if (FT_Init_FreeType(&face->library) != 0) return nullptr;
    if (FT_New_Face(face->library, path.c_str(), 0, &face->face) != 0) return nullptr;
    if (FT_Stroker_New(face->library, &face->stroker) != 0) return nullptr;
    return face;
}

LabelStamp SetLabel(LabelFace& face, const std::string& text, int pixelSize, int outlineWidth) {
    return SetLetters(face.face, face.stroker, text, pixelSize, outlineWidth);
}

}  // namespace kiva
