// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/label_font.h"

#include <algorithm>

#include "platform/text_fields.h"
#include "render/label_face.h"

namespace kiva {

namespace {

constexpr const char* kLabelFaceFile = "DejaVuSans-Bold.ttf";
// Where Debian, Arch and Fedora keep the DejaVu faces under a fonts folder.
constexpr const char* kFaceFolders[] = {"truetype/dejavu", "TTF", "dejavu", "dejavu-sans-fonts"};

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

LabelFont::LabelFont() = default;
LabelFont::~LabelFont() = default;

bool LabelFont::Open(const std::string& path) {
    auto face = OpenLabelFace(path);
    if (!face) return false;
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
    LabelStamp stamp = face_ ? SetLabel(*face_, text, pixelSize, outlineWidth) : LabelStamp{};
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
