// SPDX-License-Identifier: GPL-2.0-or-later
// The commands a view serves: its own (Copy, Full Screen, the selections), the dialogs and the
// printing, each in a file of its own, and the molecule view's display commands.
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

#include "chem/shared_data.h"
#include "dialogs/substance_info_dialog.h"
#include "view/commands.h"
#include "view/compound_selection.h"
#include "view/export_animation_command.h"
#include "view/export_picture_command.h"
#include "view/exported_frame.h"
#include "view/handout.h"
#include "view/kiva_view.h"
#include "view/printing.h"
#include "view/settings_commands.h"

kiva::CommandStatus CKivaView::QueryCommand(int id) const {
    // The selection commands have no update rule: always enabled while there is a document.
    if (kiva::IsSelectionCommand(id)) return {document_ != nullptr, document_ != nullptr, false, false};
    if (id == kiva::command::EditCopy) return {true, true, false, false};
    if (id == kiva::command::FullScreen) return {true, true, true, fullScreen_};
    if (id == kiva::command::SmoothEdges) return {true, true, true, kiva::SmoothEdgesChosen()};
    return molecule_.QueryCommand(id);
}

bool CKivaView::RunCommand(int id) {
    if (id == kiva::command::EditCopy) {
        CopyPicture();
        return true;
    }
    if (id == kiva::command::FullScreen) {
        SetFullScreen(!fullScreen_);
        return true;
    }
    if (id == kiva::command::SmoothEdges) {
        kiva::SetSmoothEdgesChosen(!kiva::SmoothEdgesChosen());
        for (QWidget* widget : QApplication::allWidgets())
            if (auto* view = qobject_cast<CKivaView*>(widget)) view->update();
        return true;
    }
    if (kiva::IsSelectionCommand(id)) {
        if (!document_) return false;
        // The dialog has no parent of its own, so the main window owns it.
        if (const auto name = kiva::RunSelectionDialog(id, window())) kiva::SelectCompound(*document_, *name, this);
        return true;
    }
    if (!molecule_.QueryCommand(id).enabled) return false;
    if (RunDialogCommand(id)) {
        UpdateToolBars();
        return true;
    }
    molecule_.RunCommand(id);
    // The liquid and the gas are left unprojected for the animation; its first frame is due now,
    // before the picture repaints, not at the next tick of the idle timer.
    if (id == kiva::command::Liquid || id == kiva::command::Gas) molecule_.AnimateStep();
    FollowHeatingState();
    UpdateToolBars();
    return true;
}

// The commands that run a dialog or print; each lives in a file of its own.
bool CKivaView::RunDialogCommand(int id) {
    using namespace kiva::command;
    switch (id) {
    case ElementColor: kiva::RunElementColorCommand(molecule_, kiva::TheSharedData().elementTable, window()); return true;
    case UnitCellMultiples: kiva::RunUnitCellMultiplesCommand(molecule_, window()); return true;
    case LatticePlane: kiva::RunLatticePlaneCommand(molecule_, window()); return true;
    case PrintSize: kiva::RunPrintSizeCommand(molecule_, window()); return true;
    case SubstanceInformation: kiva::CSubstanceInfoDlg(Facts(), window()).exec(); return true;
    case PrintHandout: kiva::RunPrintHandoutCommand(molecule_, Facts(), DocumentName(), window()); return true;
    case ExportPicture: kiva::RunExportPictureCommand(molecule_, window()); return true;
    case ExportAnimation: kiva::RunExportAnimationCommand(molecule_, window()); return true;
    case FilePrint:
    case FilePrintDirect:
    case FilePrintPreview: kiva::RunPrintCommand(id, molecule_, *this, DocumentName(), window()); return true;
    default: return false;
    }
}

// The shaded picture at the size it has on screen, so it pastes into a slide or a worksheet.
void CKivaView::CopyPicture() {
    const kiva::Picture& picture = molecule_.RenderPicture(molecule_.Area(), {0, kiva::ExportedPicturesFramed(), kiva::SmoothEdgesChosen()});
    const QImage image(picture.colour.data(), picture.width, picture.height, picture.width * 3, QImage::Format_BGR888);
    QGuiApplication::clipboard()->setImage(image.copy());
}

// A file's substance shows what the file gave, even when a catalogue entry has its name.
kiva::SubstanceFacts CKivaView::Facts() const {
    return kiva::FactsOfDocument(molecule_.Compound(), document_ && document_->FromCatalogue(),
                                 kiva::TheSharedData().moleculeIndex);
}

// The document's title as its frame shows it, for the print job.
QString CKivaView::DocumentName() const {
    return parentWidget() ? parentWidget()->windowTitle() : QString();
}
