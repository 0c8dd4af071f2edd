// SPDX-License-Identifier: GPL-2.0-or-later
// The view's window: made with its toolbars, updated with its document, animated, and telling the
// user what the molecule view asks it to. Its commands, toolbars, layout, painting and input
// live in the files kiva_view_*.cpp beside this one.
#include "view/kiva_view.h"

#include <QApplication>

#include "chem/shared_data.h"
#include "platform/message_box.h"
#include "platform/translations.h"
#include "view/heating_panel.h"

namespace {

kiva::ReadoutWords TranslatedReadoutWords() {
    kiva::ReadoutWords words;
    for (std::string* word : {&words.distance, &words.angle, &words.torsionAngle, &words.degree, &words.axes[0],
                              &words.axes[1], &words.axes[2]})
        *word = kiva::TranslatedText("Readout", *word).toStdString();
    words.decimalPoint = kiva::LocalDecimalPoint();
    return words;
}

}  // namespace

CKivaView::CKivaView(const kiva::CompoundRecord& compound, QWidget* parent)
    : QWidget(parent), molecule_(compound, kiva::TheSharedData().elementTable, *this) {
    // No fixed size: a frame made smaller than the view clips it.
    resize(kViewSize, kViewSize);
    setMouseTracking(true);  // the read-outs follow the pointer without a button held
    // Tab reaches the picture, which the arrow keys then turn.
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Picture"));
    molecule_.SetReadoutWords(TranslatedReadoutWords());
    molecule_.SetPhaseTable(&kiva::TheSharedData().phaseTable);
    CreateToolBars();
    heatingPanel_ = new CHeatingPanel(*this);
    heatingPanel_->hide();
    heatingTimer_.setTimerType(Qt::PreciseTimer);
    heatingTimer_.setInterval(kHeatingFrameMilliseconds);
    connect(&heatingTimer_, &QTimer::timeout, this, &CKivaView::HeatingFrame);
    LayOutPicture();
    setWhatsThis(tr("<p><b>The picture</b></p><p>The substance as shaded atoms and bonds. Drag it to "
                    "turn or move it; with a measure command on, click atoms to measure.</p>"
                    "<p><a href=\"molecule_window.html#picture\">More in the help</a></p>"));
    UpdateToolBars();
}

void CKivaView::OnUpdate() {
    molecule_.OnUpdate();
    FollowHeatingState();
    UpdateToolBars();
}

bool CKivaView::AnimateStep() {
    // The heating state keeps time itself, faster than the idle animation.
    if (molecule_.State().displayState == kiva::DisplayState::Heating) return false;
    if (!molecule_.AnimateStep()) return false;
    repaint(PictureRect());
    return true;
}

void CKivaView::InvalidatePicture() {
    update(PictureRect());
    DescribePicture();
}

void CKivaView::ShowNoLabelFontMessage() {
    kiva::ShowMessageBox({this, QApplication::applicationName(),
                          tr("Atom labels need the DejaVu Sans Bold font, which is not installed.\n"
                             "Install the package fonts-dejavu-core to show them."),
                          kiva::MessageButtons::Ok, kiva::MessageIcon::Information});
}

void CKivaView::ShowNoPhasePointsMessage() {
    kiva::ShowMessageBox({this, QApplication::applicationName(),
                          tr("There are no melting and boiling points for this substance, so it cannot be "
                             "heated and cooled."),
                          kiva::MessageButtons::Ok, kiva::MessageIcon::Information});
}

void CKivaView::FollowHeatingState() {
    const bool heating = molecule_.Heating() && molecule_.State().displayState == kiva::DisplayState::Heating;
    if (heating == !heatingPanel_->isHidden() && heating == heatingTimer_.isActive()) {
        if (heating) heatingPanel_->Refresh();
        return;
    }
    heatingPanel_->setVisible(heating && !fullScreen_);
    if (heating) {
        heatingTimer_.start();
        heatingPanel_->Refresh();
    } else {
        heatingTimer_.stop();
    }
    if (!fitWindow_ && !fullScreen_) resize(FixedViewSize());
    LayOutPicture();
    update();
    emit fixedSizeChanged();
}

void CKivaView::HeatingFrame() {
    if (!molecule_.AnimateStep()) return;
    repaint(PictureRect());
    heatingPanel_->Refresh();
}

void CKivaView::ShowNoCrystalMessage() {
    kiva::ShowMessageBox({this, QApplication::applicationName(),
                          tr("No crystal structure.\nOnly single molecule available."),
                          kiva::MessageButtons::Ok, kiva::MessageIcon::None});
}
