// SPDX-License-Identifier: GPL-2.0-or-later
#include "view/export_animation_command.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QProgressDialog>
#include <QSpinBox>

#include "export/animation_export.h"
#include "export/scene_file.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "view/exported_frame.h"
#include "view/molecule_view.h"

namespace kiva {

namespace {

// The dialog's answer: the request without its path.
struct AnimationChoice {
    AnimationKind kind;
    int frames, framesPerSecond, width, height;
    bool pictureFrame;
};

std::optional<AnimationChoice> AskForAnimation(const MoleculeView& view, QWidget* owner) {
    QDialog dialog(owner);
    dialog.setWindowTitle(QCoreApplication::translate("ExportAnimation", "Export Animation"));
    auto* form = new QFormLayout(&dialog);
    const ViewState& state = view.State();
    const bool fluid = AnimationKindFor(state.displayState, false) == AnimationKind::Motion;
    auto* kind = new QComboBox(&dialog);
    if (fluid) {
        const QString motion = state.displayState == DisplayState::Liquid ? QCoreApplication::translate("ExportAnimation", "The liquid's motion")
                               : state.displayState == DisplayState::Gas ? QCoreApplication::translate("ExportAnimation", "The gas's motion")
                                                                         : QCoreApplication::translate("ExportAnimation", "The heating run, from now on");
        kind->addItem(motion, static_cast<int>(AnimationKind::Motion));
    } else {
        kind->addItem(QCoreApplication::translate("ExportAnimation", "A full turn"), static_cast<int>(AnimationKind::Turn));
        kind->addItem(QCoreApplication::translate("ExportAnimation", "One rock swing"), static_cast<int>(AnimationKind::RockSwing));
        if (state.mouseMode == MouseMode::Rock) kind->setCurrentIndex(1);
    }
    const auto spin = [&dialog](int low, int high, int value) {
        auto* box = new QSpinBox(&dialog);
        box->setRange(low, high);
        box->setValue(value);
        return box;
    };
    const auto kindAt = [kind](int index) { return static_cast<AnimationKind>(kind->itemData(index).toInt()); };
    QSpinBox* frames = spin(1, kMaxAnimationFrames, DefaultFrameCount(kindAt(kind->currentIndex())));
    QSpinBox* rate = spin(1, kMaxFramesPerSecond, kDefaultFramesPerSecond);
    const PictureArea area = view.Area(), proposed = DefaultAnimationArea(area);
    QSpinBox* width = spin(kMinPictureSide, kMaxPictureSide, proposed.width);
    QSpinBox* height = spin(kMinPictureSide, kMaxPictureSide, proposed.height);
    QObject::connect(kind, &QComboBox::currentIndexChanged, frames,
                     [frames, kindAt](int index) { frames->setValue(DefaultFrameCount(kindAt(index))); });
    form->addRow(QCoreApplication::translate("ExportAnimation", "&Animation:"), kind);
    form->addRow(QCoreApplication::translate("ExportAnimation", "&Frames:"), frames);
    form->addRow(QCoreApplication::translate("ExportAnimation", "Frames a &second:"), rate);
    form->addRow(QCoreApplication::translate("ExportAnimation", "&Width (pixels):"), width);
    form->addRow(QCoreApplication::translate("ExportAnimation", "&Height (pixels):"), height);
    if (proposed != area)
        form->addRow(new QLabel(QCoreApplication::translate("ExportAnimation",
                                                            "The view's %1 \u00d7 %2 pixels are rounded to even sides, "
                                                            "which an MP4 video needs.")
                                    .arg(area.width)
                                    .arg(area.height),
                                &dialog));
    auto* frame = new QCheckBox(QCoreApplication::translate("ExportAnimation", "Picture f&rame, as in the window"), &dialog);
    frame->setChecked(ExportedPicturesFramed());
    form->addRow(frame);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    SetExportedPicturesFramed(frame->isChecked());
    return AnimationChoice{kindAt(kind->currentIndex()), frames->value(), rate->value(), width->value(), height->value(),
                           frame->isChecked()};
}

}  // namespace

QString ExportProblemMessage(const ExportResult& result, const QString& path) {
    const QString detail = QString::fromStdString(result.detail);
    switch (result.problem) {
    case ExportProblem::None:
    case ExportProblem::Cancelled: return {};
    case ExportProblem::NoFrames: return QCoreApplication::translate("ExportAnimation", "An animation has 1 to %1 frames.").arg(kMaxAnimationFrames);
    case ExportProblem::BadFrameRate: return QCoreApplication::translate("ExportAnimation", "An animation plays 1 to %1 frames a second.").arg(kMaxFramesPerSecond);
    case ExportProblem::BadSize:
        return QCoreApplication::translate("ExportAnimation", "An animation's sides are %1 to %2 pixels.").arg(kMinPictureSide).arg(kMaxPictureSide);
    case ExportProblem::OddVideoSize: return QCoreApplication::translate("ExportAnimation", "An MP4 video needs an even width and height, not %1.").arg(detail);
    case ExportProblem::UnknownFormat: return QCoreApplication::translate("ExportAnimation", "Give the file the ending .gif or .mp4:\n%1").arg(path);
    case ExportProblem::CannotCreate: return QCoreApplication::translate("ExportAnimation", "Cannot create the file \"%1\":\n%2.").arg(path, detail);
    case ExportProblem::CannotWrite: return QCoreApplication::translate("ExportAnimation", "Cannot write the file \"%1\":\n%2.").arg(path, detail);
    case ExportProblem::EncoderMissing: return QCoreApplication::translate("ExportAnimation", "This system's FFmpeg has no H.264 encoder for MP4 videos.");
    case ExportProblem::EncoderFailed: return QCoreApplication::translate("ExportAnimation", "Cannot encode the file \"%1\":\n%2.").arg(path, detail);
    case ExportProblem::TooManyAtoms: return QCoreApplication::translate("ExportAnimation", "A PDB file holds at most %1 atoms, not %2.").arg(kMaxPdbAtoms).arg(detail);
    case ExportProblem::VideoLibraryMissing: return QCoreApplication::translate("ExportAnimation", "MP4 videos need FFmpeg's libraries (%1), which are not installed.").arg(detail);
    }
    return QCoreApplication::translate("ExportAnimation", "Cannot write the file \"%1\".").arg(path);
}

void RunExportAnimationCommand(const MoleculeView& view, QWidget* owner) {
    const auto choice = AskForAnimation(view, owner);
    if (!choice) return;
    const QString path = ChooseFile({owner, true, QString(), QCoreApplication::translate("ExportAnimation", "Animated GIF (*.gif);;MP4 Video (*.mp4)"), "gif"});
    if (path.isEmpty()) return;
    const AnimationRequest request{path.toStdString(), choice->kind,   choice->frames,      choice->framesPerSecond,
                                   choice->width,      choice->height, choice->pictureFrame, SmoothEdgesChosen()};
    QProgressDialog progress(QCoreApplication::translate("ExportAnimation", "Exporting the animation..."), QCoreApplication::translate("ExportAnimation", "Cancel"), 0, request.frameCount, owner);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);  // a short export finishes before the bar would show
    const ExportResult result = ExportAnimation(request, view.State(), view.Motion(), [&progress](int done, int) {
        progress.setValue(done);
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    }, view.HeatingAnimationStep());
    progress.reset();
    const QString message = ExportProblemMessage(result, path);
    if (!message.isEmpty())
        ShowMessageBox({owner, QApplication::applicationName(), message, MessageButtons::Ok, MessageIcon::Warning});
}

}  // namespace kiva
