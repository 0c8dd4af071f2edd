// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/label_font.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_GLYPH_H
#include FT_STROKER_H

#include <algorithm>

#include "platform/text_fields.h"

namespace kiva {

namespace {

constexpr const char* kLabelFaceFile = "DejaVuSans-Bold.ttf";
// Where Debian, Arch and Fedora keep the DejaVu faces under a fonts folder.
constexpr const char* kFaceFolders[] = {"truetype/dejavu", "TTF", "dejavu", "dejavu-sans-fonts"};

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
LabelStamp SetLabel(FT_Face face, FT_Stroker stroker, const std::string& text, int pixelSize, int outlineWidth) {
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

// A kept stamp's bookkeeping besides its pixels and text: its tree node, key and place in the
// list of uses, with the allocator's headers.
constexpr std::size_t kStampEntryBytes = 256;

std::size_t StampBytes(const LabelStamp& stamp, const std::string& text) {
    return stamp.letters.size() + stamp.outline.size() + text.size() + kStampEntryBytes;
}

}  // namespace

std::optional<std::string> FindLabelFontFile(const EnvironmentReader& environment) {
    std::string dataDirs = environment("XDG_DATA_DIRS");
    if (dataDirs.empty()) dataDirs = "/usr/local/share:/usr/share";
    std::vector<std::string> fontFolders = {UserDataHome(environment) + "/fonts"};
    for (const std::string& directory : SplitFields(dataDirs, ':'))
        if (!directory.empty()) fontFolders.push_back(directory + "/fonts");
    for (const char* folder : kFaceFolders)
        if (auto found = FindDataFile(std::string(folder) + "/" + kLabelFaceFile, fontFolders)) return found;
    return std::nullopt;
}

struct LabelFont::Face {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    FT_Stroker stroker = nullptr;
    ~Face() {
        if (stroker) FT_Stroker_Done(stroker);
        if (face) FT_Done_Face(face);
        if (library) FT_Done_FreeType(library);
    }
};

LabelFont::LabelFont() = default;
LabelFont::~LabelFont() = default;

bool LabelFont::Open(const std::string& path) {
    auto face = std::make_unique<Face>();
    if (FT_Init_FreeType(&face->library) != 0) return false;
    if (FT_New_Face(face->library, path.c_str(), 0, &face->face) != 0) return false;
    if (FT_Stroker_New(face->library, &face->stroker) != 0) return false;
    face_ = std::move(face);
    stamps_.clear();
    recentUses_.clear();
    cachedBytes_ = 0;
    return true;
}

bool LabelFont::IsOpen() const { return face_ != nullptr; }

void LabelFont::BeginFrame() {
    ++frame_;
    LetGoOfOldStamps();
}

const LabelStamp& LabelFont::Stamp(const std::string& text, int pixelSize, int outlineWidth) {
    pixelSize = std::clamp(pixelSize, 1, kLargestLabelPixels);
    outlineWidth = std::clamp(outlineWidth, 0, pixelSize);
    auto key = std::make_tuple(text, pixelSize, outlineWidth);
    if (const auto found = stamps_.find(key); found != stamps_.end()) {
        recentUses_.splice(recentUses_.begin(), recentUses_, found->second.use);
        found->second.frame = frame_;
        return found->second.stamp;
    }
    LabelStamp stamp = face_ ? SetLabel(face_->face, face_->stroker, text, pixelSize, outlineWidth) : LabelStamp{};
    cachedBytes_ += StampBytes(stamp, text);
    const auto added = stamps_.emplace(std::move(key), CachedStamp{std::move(stamp), frame_, {}}).first;
    recentUses_.push_front(&added->first);
    added->second.use = recentUses_.begin();
    LetGoOfOldStamps();
    return added->second.stamp;
}

void LabelFont::LetGoOfOldStamps() {
    while (cachedBytes_ > kLabelStampCacheBytes && !recentUses_.empty()) {
        const auto oldest = stamps_.find(*recentUses_.back());
        if (oldest->second.frame == frame_) return;  // every stamp left is this frame's, and may be held
        cachedBytes_ -= StampBytes(oldest->second.stamp, std::get<0>(oldest->first));
        recentUses_.pop_back();
        stamps_.erase(oldest);
    }
}

LabelFont* LabelLettering::Font() {
    if (!looked_) {
        looked_ = true;
        const auto path = FindLabelFontFile();
        auto font = std::make_unique<LabelFont>();
        if (path && font->Open(*path)) font_ = std::move(font);
    }
    if (font_) font_->BeginFrame();
    return font_.get();
}

}  // namespace kiva
