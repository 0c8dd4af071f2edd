// SPDX-License-Identifier: GPL-2.0-or-later
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "chem/molecule_index.h"
#include "export/animation_export.h"
#include "render/render_picture.h"
#include "render/scene_build.h"
#include "tests/export/video_read_back.h"

namespace kiva {
namespace {

namespace fs = std::filesystem;
const std::string kBuiltCatalogue = KIVA_CATALOGUE_DIR;

CompoundRecord LoadFromCatalogue(const std::string& name) {
    MoleculeIndex index;
    index.path = kBuiltCatalogue + "/Index.dat";
    CompoundRecord compound;
    EXPECT_TRUE(LoadMoleculeIndex(index));
    EXPECT_TRUE(LoadCompoundByName(index, kBuiltCatalogue + "/Molecule.dat", name, compound)) << name;
    return compound;
}

// A new view of the substance in the state, built and fitted to the picture but not yet projected.
ViewState FreshView(const CompoundRecord& compound, DisplayState state) {
    static const ElementTable elements = MakeDefaultElementTable();
    ViewState view;
    view.displayState = state;
    BuildCellVectors(view, compound.cell);
    BuildScene(view, compound, elements);
    ResetView(view);
    return view;
}

// A frame as the export renders it: without the window's picture frame.
Picture Shaded(const ViewState& view) {
    PictureBuffers buffers;
    return RenderPicture(view, {0, false}, buffers);
}

class AnimationExport : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("kiva-animation-" + std::to_string(getpid()) + "-" +
                                               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }
    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }
    // Nothing but the named files: no temporary file is left behind.
    std::vector<std::string> FilesLeft() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    fs::path folder_;
};

TEST_F(AnimationExport, GasGifHoldsEveryFrameTheFirstAsTheViewShowsIt) {
    const CompoundRecord benzene = LoadFromCatalogue("Benzene");
    const ViewState view = FreshView(benzene, DisplayState::Gas);
    const MotionTables motion = InitialMotionTables();
    AnimationRequest request{PathOf("gas.gif"), AnimationKind::Motion, 24};
    ASSERT_TRUE(ExportAnimation(request, view, motion).Ok());

    int error = 0;
    GifFileType* gif = DGifOpenFileName(request.path.c_str(), &error);
    ASSERT_NE(gif, nullptr) << GifErrorString(error);
    ASSERT_EQ(DGifSlurp(gif), GIF_OK);
    EXPECT_EQ(gif->ImageCount, 24);
    EXPECT_EQ(gif->SWidth, kPictureSize);
    GraphicsControlBlock control{};
    ASSERT_EQ(DGifSavedExtensionToGCB(gif, 0, &control), GIF_OK);
    EXPECT_EQ(control.DelayTime, 8);  // 12 frames a second in hundredths: 8, 9, 8, ...

    // The first frame is the view's first projection, within the palette's rounding.
    ViewState expected = view;
    MotionTables expectedMotion = motion;
    ProjectScene(expected, expectedMotion);
    const Picture truth = Shaded(expected);
    const SavedImage& first = gif->SavedImages[0];
    const ColorMapObject* map = first.ImageDesc.ColorMap ? first.ImageDesc.ColorMap : gif->SColorMap;
    long long totalError = 0;
    int worst = 0;
    for (int i = 0; i < kPictureSize * kPictureSize; ++i) {
        const GifColorType colour = map->Colors[first.RasterBits[i]];
        const int channels[3] = {colour.Blue, colour.Green, colour.Red};
        for (int c = 0; c < 3; ++c) {
            const int difference = std::abs(channels[c] - truth.colour[static_cast<std::size_t>(3 * i + c)]);
            totalError += difference;
            worst = std::max(worst, difference);
        }
    }
    EXPECT_LT(static_cast<double>(totalError) / (3.0 * kPictureSize * kPictureSize), 1.0);
    EXPECT_LE(worst, 16);
    DGifCloseFile(gif, &error);
    EXPECT_EQ(FilesLeft(), std::vector<std::string>{"gas.gif"});
}

TEST_F(AnimationExport, Mp4IsH264WithEveryFrameAtTheAskedSize) {
    const CompoundRecord benzene = LoadFromCatalogue("Benzene");
    const ViewState view = FreshView(benzene, DisplayState::ChemicalUnit);
    AnimationRequest request{PathOf("turn.MP4"), AnimationKind::Turn, 36, 12, 640, 360};
    const ExportResult result = ExportAnimation(request, view, InitialMotionTables());
    ASSERT_TRUE(result.Ok()) << static_cast<int>(result.problem) << " " << result.detail;

    const auto video = ReadVideoFacts(request.path);
    ASSERT_TRUE(video);
    EXPECT_EQ(video->streams, 1u);
    EXPECT_EQ(video->codec, AV_CODEC_ID_H264);
    EXPECT_EQ(video->width, 640);
    EXPECT_EQ(video->height, 360);
    EXPECT_EQ(video->format, AV_PIX_FMT_YUV420P);
    EXPECT_EQ(video->packets, 36);
}

// Played in a loop, a turn or a swing goes on smoothly: one step past the last frame is the first.
TEST(AnimationFrames, TurnAndSwingLeadBackToTheFirstFrame) {
    const CompoundRecord benzene = LoadFromCatalogue("Benzene");
    const ViewState view = FreshView(benzene, DisplayState::ChemicalUnit);
    for (const AnimationKind kind : {AnimationKind::Turn, AnimationKind::RockSwing}) {
        const int count = DefaultFrameCount(kind);
        AnimationFrames frames(view, InitialMotionTables(), kind, count, view.pictureArea);
        const Picture first = Shaded(frames.Next());
        Picture last;
        for (int i = 1; i < count; ++i) last = Shaded(frames.Next());
        EXPECT_NE(last.colour, first.colour);
        const ViewState& again = frames.Next();
        std::size_t differing = 0;
        const Picture next = Shaded(again);
        for (std::size_t i = 0; i < next.colour.size(); ++i) differing += next.colour[i] != first.colour[i];
        // The swing sums twelve float rotations, which may move an edge pixel by one.
        EXPECT_LT(differing, next.colour.size() / 1000) << static_cast<int>(kind);
    }
}

// The frames are the view's own next steps, and the view and the shared motion stay where they were.
TEST(AnimationFrames, MotionFramesAreTheViewsOwnStepsAndLeaveTheViewAlone) {
    const CompoundRecord benzene = LoadFromCatalogue("Benzene");
    ViewState view = FreshView(benzene, DisplayState::Liquid);
    MotionTables motion = InitialMotionTables();
    for (int i = 0; i < 5; ++i) ProjectScene(view, motion);  // the view has been animating a while
    const MotionTables before = motion;
    AnimationFrames frames(view, motion, AnimationKind::Motion, 60, view.pictureArea);
    ViewState live = view;
    for (int i = 0; i < 10; ++i) {
        const ViewState& frame = frames.Next();
        ProjectScene(live, motion);
        ASSERT_EQ(frame.atoms.size(), live.atoms.size());
        for (std::size_t a = 0; a < live.atoms.size(); ++a) {
            EXPECT_EQ(frame.atoms[a].picture.x, live.atoms[a].picture.x);
            EXPECT_EQ(frame.atoms[a].picture.z, live.atoms[a].picture.z);
        }
    }
    MotionTables untouched = before;
    AnimationFrames other(view, untouched, AnimationKind::Motion, 60, view.pictureArea);
    other.Next();
    EXPECT_EQ(untouched.liquidOffset[8].x, before.liquidOffset[8].x);
}

// A heating run's copies are moved by the run, not the projection: its first frame is the view as
// it stands, and the step moves every later one.
TEST(AnimationFrames, AHeatingRunsFramesAreStepsOfTheRunFromTheViewAsItStands) {
    const CompoundRecord water = LoadFromCatalogue("H2O");
    ViewState view = FreshView(water, DisplayState::ChemicalUnit);
    view.displayState = DisplayState::Heating;
    const float x = view.atoms[0].position.x;
    int steps = 0;
    const MotionStep step = [&steps](ViewState& frame) {
        ++steps;
        frame.atoms[0].position.x += 1.0f;
    };
    AnimationFrames frames(view, InitialMotionTables(), AnimationKindFor(DisplayState::Heating, false), 3, view.pictureArea, step);
    EXPECT_EQ(frames.Next().atoms[0].position.x, x);
    EXPECT_EQ(frames.Next().atoms[0].position.x, x + 1.0f);
    EXPECT_EQ(frames.Next().atoms[0].position.x, x + 2.0f);
    EXPECT_EQ(steps, 2);
    EXPECT_EQ(view.atoms[0].position.x, x);
}

TEST_F(AnimationExport, CancelledOrFailedExportLeavesNoFileAndKeepsTheOldOne) {
    const CompoundRecord water = LoadFromCatalogue("H2O");
    const ViewState view = FreshView(water, DisplayState::Gas);
    const std::string path = PathOf("water.mp4");
    std::ofstream(path) << "the teacher's earlier file";
    int told = 0;
    const auto cancelAtThird = [&told](int done, int) { return ++told, done < 3; };
    const ExportResult cancelled = ExportAnimation({path, AnimationKind::Motion, 60}, view, InitialMotionTables(),
                                                   cancelAtThird);
    EXPECT_EQ(cancelled.problem, ExportProblem::Cancelled);
    EXPECT_EQ(told, 3);
    EXPECT_EQ(FilesLeft(), std::vector<std::string>{"water.mp4"});
    std::ifstream kept(path);
    std::string text;
    std::getline(kept, text);
    EXPECT_EQ(text, "the teacher's earlier file");

    const ExportResult nowhere =
        ExportAnimation({PathOf("no-such-folder/water.gif"), AnimationKind::Motion, 2}, view, InitialMotionTables());
    EXPECT_EQ(nowhere.problem, ExportProblem::CannotCreate);
    EXPECT_FALSE(nowhere.detail.empty());
    const ExportResult intoFolder = ExportAnimation({PathOf("."), AnimationKind::Motion, 2}, view, InitialMotionTables());
    EXPECT_NE(intoFolder.problem, ExportProblem::None);
    EXPECT_EQ(FilesLeft(), std::vector<std::string>{"water.mp4"});
}

TEST(DefaultAnimationArea, ProposesTheViewsSizeWithTheEvenSidesAnMp4Needs) {
    EXPECT_EQ(DefaultAnimationArea({919, 960}), (PictureArea{918, 960}));  // a maximised window at 1920 x 1080
    EXPECT_EQ(DefaultAnimationArea({340, 340}), (PictureArea{340, 340}));
    EXPECT_EQ(DefaultAnimationArea({kMinPictureSide + 1, kMinPictureSide}), (PictureArea{kMinPictureSide, kMinPictureSide}));
    const PictureArea proposed = DefaultAnimationArea({919, 961});
    EXPECT_TRUE(CheckAnimationRequest({"turn.mp4", AnimationKind::Turn, 36, 12, proposed.width, proposed.height}).Ok());
}

TEST_F(AnimationExport, RefusesABadRequestBeforeWritingAnything) {
    const CompoundRecord water = LoadFromCatalogue("H2O");
    const ViewState view = FreshView(water, DisplayState::ChemicalUnit);
    int drawn = 0;
    PictureBuffers buffers;
    const auto counting = [&](const ViewState& frame) -> const Picture& {
        ++drawn;
        return RenderPicture(frame, {}, buffers);
    };
    struct Case {
        AnimationRequest request;
        ExportProblem problem;
    };
    const std::string gif = PathOf("w.gif"), mp4 = PathOf("w.mp4");
    for (const Case& bad : {Case{{gif, AnimationKind::Turn, 0}, ExportProblem::NoFrames},
                            Case{{gif, AnimationKind::Turn, kMaxAnimationFrames + 1}, ExportProblem::NoFrames},
                            Case{{gif, AnimationKind::Turn, 36, 0}, ExportProblem::BadFrameRate},
                            Case{{gif, AnimationKind::Turn, 36, 12, kMaxPictureSide + 1, 340}, ExportProblem::BadSize},
                            Case{{gif, AnimationKind::Turn, 36, 12, 340, kMinPictureSide - 1}, ExportProblem::BadSize},
                            Case{{mp4, AnimationKind::Turn, 36, 12, 341, 340}, ExportProblem::OddVideoSize},
                            Case{{PathOf("w.png"), AnimationKind::Turn, 36}, ExportProblem::UnknownFormat}})
        EXPECT_EQ(ExportAnimation(bad.request, view, InitialMotionTables(), counting).problem, bad.problem);
    EXPECT_EQ(drawn, 0);
    EXPECT_TRUE(FilesLeft().empty());
}

}  // namespace
}  // namespace kiva
