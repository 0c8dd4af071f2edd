// SPDX-License-Identifier: GPL-2.0-or-later
// The view's window: made with its toolbars, updated with its document, animated, and telling the
// user what the molecule view asks it to. Its commands, toolbars, layout, painting and input
// live in the files kiva_view_*.cpp beside this one.
#include "view/kiva_view.h"

#include <QApplication>

#include "chem/shared_data.h"
#include "platform/message_box.h"
#include "platform/translations.h"

namespace {

kiva::ReadoutWords TranslatedReadoutWords() {
    kiva::ReadoutWords words;
    for (std::string* word : {&words.distance, &words.angle, &words.torsionAngle, &words.degree, &words.axes[0],
                              &words.axes[1], &words.axes[2]})
        *word = kiva::TranslatedText("Readout", *word).toStdString();
    return words;
}

}  // namespace

CKivaView::CKivaView(const kiva::CompoundRecord& compound, QWidget* parent)
    : QWidget(parent), molecule_(compound, kiva::TheSharedData().elementTable, *this) {
    // No fixed size: a frame made smaller than the view clips it.
    resize(kViewSize, kViewSize);
    setMouseTracking(true);  // the read-outs follow the pointer without a button held
    molecule_.SetReadoutWords(TranslatedReadoutWords());
    CreateToolBars();
    LayOutPicture();
    setWhatsThis(tr("<p><b>The picture</b></p><p>The substance as shaded atoms and bonds. Drag it to "
                    "turn or move it; with a measure command on, click atoms to measure.</p>"
                    "<p><a href=\"molecule_window.html#picture\">More in the help</a></p>"));
    UpdateToolBars();
}

void CKivaView::OnUpdate() {
    molecule_.OnUpdate();
    UpdateToolBars();
}

bool CKivaView::AnimateStep() {
    if (!molecule_.AnimateStep()) return false;
    repaint(PictureRect());
    return true;
}

void CKivaView::InvalidatePicture() { update(PictureRect()); }

void CKivaView::ShowNoLabelFontMessage() {
    kiva::ShowMessageBox({this, QApplication::applicationName(),
                          tr("Atom labels need the DejaVu Sans Bold font, which is not installed.\n"
                             "Install the package fonts-dejavu-core to show them."),
                          kiva::MessageButtons::Ok, kiva::MessageIcon::Information});
}

void CKivaView::ShowNoCrystalMessage() {
    kiva::ShowMessageBox({this, QApplication::applicationName(),
                          tr("No crystal structure.\nOnly single molecule available."),
                          kiva::MessageButtons::Ok, kiva::MessageIcon::None});
}
