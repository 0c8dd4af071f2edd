// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// CKivaView: the molecule view's window. The picture at the top left, the navigation toolbar
// below it and the structure toolbar to its right: by default a fixed 340 x 340 picture, 372 x 372
// in all; fitted to the window, the picture takes all the view but the toolbars. On a screen of
// more than one device pixel to a point the picture is drawn in device pixels, not enlarged.
#include <QImage>
#include <QTimer>
#include <QWidget>

#include "io/substance_facts.h"
#include "view/molecule_view.h"
#include "view/view_document.h"

class QAction;
class CHeatingPanel;

class CKivaView final : public QWidget, private kiva::ViewHost {
    Q_OBJECT
public:
    static constexpr int kViewSize = 372;  // the picture and a 32-pixel toolbar
    static constexpr int kHeatingFrameMilliseconds = 33;  // the heating state runs at 30 frames a second

    CKivaView(const kiva::CompoundRecord& compound, QWidget* parent = nullptr);

    const kiva::MoleculeView& Molecule() const { return molecule_; }
    kiva::MoleculeView& Molecule() { return molecule_; }

    // The document changed, or the view was just created.
    void OnUpdate();
    // One animation frame, painted at once; false when this view's display does not move.
    bool AnimateStep();

    // The document whose substance the Molecule menu's commands replace.
    void AttachDocument(kiva::ViewDocument* document) { document_ = document; }

    kiva::CommandStatus QueryCommand(int id) const;
    // Runs a view command that is enabled; false when the view does not serve it or it is disabled.
    bool RunCommand(int id);
    // Sets the buttons' enabled and checked states from the view's rules.
    void UpdateToolBars();

    // The picture fills the view beside its toolbars, or keeps the fixed 340 square.
    void SetFitWindow(bool fit);
    bool FitsWindow() const { return fitWindow_; }
    // The picture alone on the whole screen, whatever the picture size; Escape or F11 leaves.
    void SetFullScreen(bool on);
    bool IsFullScreen() const { return fullScreen_; }
    // Where the picture lies in the view, in points.
    QRect PictureRect() const;
    // The view's size with the fixed picture: wider by the heating panel while it shows.
    QSize FixedViewSize() const;

    QWidget* NavigationToolBar() const { return navigationToolBar_; }
    QWidget* StructureToolBar() const { return structureToolBar_; }
    // The buttons of both toolbars in order, each carrying its command id as data.
    const std::vector<QAction*>& Buttons() const { return buttons_; }

signals:
    // A command ran from one of the view's own buttons; menus and toolbars need an update.
    void commandRan();
    // The heating panel came or went: FixedViewSize changed.
    void fixedSizeChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The keyboard's turns, moves, zoom, rock and reset of the focused picture; false for
    // another key.
    bool PictureKey(QKeyEvent* event);
    // The picture's accessible description follows what it shows.
    void DescribePicture();
    // The left button drags and picks; Qt's implicit grab keeps the moves coming to the view
    // from a press to its release, even outside the window.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The wheel zooms in and out, a step a notch, as the zoom buttons do.
    void wheelEvent(QWheelEvent* event) override;
    // The read-outs belong to the picture: leaving it for a toolbar or another window hides them.
    void leaveEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void InvalidatePicture() override;
    void ShowNoCrystalMessage() override;
    void ShowNoLabelFontMessage() override;
    void ShowNoPhasePointsMessage() override;
    // Shows the heating panel and runs the heating state's own 30 frames a second while the view
    // shows that state; hides and stops them otherwise.
    void FollowHeatingState();
    void HeatingFrame();
    bool RunDialogCommand(int id);
    QString DocumentName() const;
    // The facts of the substance shown, with the catalogue's entry when the index names it.
    kiva::SubstanceFacts Facts() const;
    void SetTipText(const std::string& text) override;
    void ShowTip(kiva::PicturePoint at) override;
    void HideTip() override;
    void MovePointer(kiva::PicturePoint to) override;
    void CreateToolBars();
    QWidget* CreateToolBar(std::initializer_list<int> buttons, Qt::Orientation orientation);
    void CopyPicture();
    // Places the toolbars beside the picture and gives the picture its size in device pixels.
    void LayOutPicture();
    // The picture's size in device pixels on this screen, and the device pixels to a point.
    kiva::PictureArea DevicePictureArea() const;
    double DevicePixelsPerPoint() const;
    kiva::PicturePoint PicturePointOf(const QMouseEvent* event) const;
    QPoint WindowPointOf(kiva::PicturePoint p) const;

    kiva::MoleculeView molecule_;
    kiva::ViewDocument* document_ = nullptr;
    QWidget* navigationToolBar_ = nullptr;
    QWidget* structureToolBar_ = nullptr;
    std::vector<QAction*> buttons_;
    CHeatingPanel* heatingPanel_ = nullptr;
    QTimer heatingTimer_;
    QString tipText_;
    int wheelTurn_ = 0;  // eighths of a degree not yet zoomed by
    bool fitWindow_ = false;
    bool fullScreen_ = false;
    QImage offscreen_{kiva::kPictureSize, kiva::kPictureSize, QImage::Format_RGB32};  // the low-quality picture
};
