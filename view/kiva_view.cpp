// SPDX-License-Identifier: GPL-2.0-or-later
#include "view/kiva_view.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QImage>
#include <QLayout>
#include <QPainter>
#include <QFrame>
#include <QMouseEvent>
#include <QToolButton>
#include <QToolTip>
#include <QWheelEvent>
#include <QWindow>

#include "chem/shared_data.h"
#include "platform/message_box.h"
#include "view/commands.h"
#include "view/compound_selection.h"
#include "view/export_animation_command.h"
#include "view/help_topics.h"
#include "view/printing.h"
#include "view/settings_commands.h"
#include "platform/painter_canvas.h"
#include "view/tool_icons.h"

namespace {

constexpr int kSeparator = 0;
constexpr int kPicture = kiva::kPictureSize;
constexpr int kBarThickness = CKivaView::kViewSize - kPicture;
constexpr int kWheelNotch = 120;  // eighths of a degree

kiva::PicturePoint PicturePointOf(const QMouseEvent* event) {
    const QPointF position = event->position();
    return kiva::FromWindowPoint(static_cast<int>(position.x()), static_cast<int>(position.y()));
}

}  // namespace

CKivaView::CKivaView(const kiva::CompoundRecord& compound, QWidget* parent)
    : QWidget(parent), molecule_(compound, kiva::TheSharedData().elementTable, *this) {
    // No fixed size: a frame made smaller than the view clips it.
    resize(kViewSize, kViewSize);
    setMouseTracking(true);  // the read-outs follow the pointer without a button held
    using namespace kiva::command;
    navigationToolBar_ = CreateToolBar({Reset, kSeparator, Rotate, Translate, Rock, kSeparator, ZoomIn, ZoomOut,
                                        kSeparator, Position, Distance, Angle, TorsionAngle, kSeparator,
                                        UnitCellMultiples},
                                       Qt::Horizontal, QRect(0, kPicture, kPicture, kBarThickness));
    structureToolBar_ = CreateToolBar({ChemicalUnit, CrystalSolid, Liquid, Gas, kSeparator, BallAndStick,
                                       SpaceFilling, kSeparator, LowQuality, HighQuality, kSeparator, Axes,
                                       CellFrame, Coordination},
                                      Qt::Vertical, QRect(kPicture, 0, kBarThickness, kViewSize));
    setWhatsThis(QStringLiteral("<p><b>The picture</b></p><p>The substance as shaded atoms and bonds. Drag it to "
                                "turn or move it; with a measure command on, click atoms to measure.</p>"
                                "<p><a href=\"molecule_window.html#picture\">More in the help</a></p>"));
    UpdateToolBars();
}

// A strip of flat 26-pixel buttons: eleven of them and the separators fit the picture's side.
QWidget* CKivaView::CreateToolBar(std::initializer_list<int> buttons, Qt::Orientation orientation, QRect place) {
    auto* bar = new QWidget(this);
    bar->setGeometry(place);
    bar->installEventFilter(this);
    auto* layout = new QBoxLayout(orientation == Qt::Horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom, bar);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(0);
    for (const int id : buttons) {
        if (id == kSeparator) {
            auto* line = new QFrame(bar);
            line->setFrameStyle((orientation == Qt::Horizontal ? QFrame::VLine : QFrame::HLine) | QFrame::Sunken);
            line->setFixedSize(orientation == Qt::Horizontal ? QSize(8, 22) : QSize(22, 8));
            layout->addWidget(line, 0, Qt::AlignCenter);
            continue;
        }
        auto* button = new QAction(kiva::ToolIcon(id), QString(), bar);
        button->setData(id);
        button->setToolTip(QString::fromUtf8(kiva::command::StringsOf(id).tooltip));
        button->setWhatsThis(kiva::WhatsThisText(id, button->toolTip()));
        connect(button, &QAction::triggered, this, [this, id] {
            if (RunCommand(id)) emit commandRan();
            UpdateToolBars();  // a refused toggle must not stay pressed
        });
        auto* tool = new QToolButton(bar);
        tool->setDefaultAction(button);
        tool->setAutoRaise(true);
        tool->setIconSize(QSize(20, 20));
        tool->setFixedSize(26, 26);
        tool->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(tool);
        buttons_.push_back(button);
    }
    layout->addStretch(1);
    return bar;
}

void CKivaView::OnUpdate() {
    molecule_.OnUpdate();
    UpdateToolBars();
}

bool CKivaView::AnimateStep() {
    if (!molecule_.AnimateStep()) return false;
    repaint(0, 0, kPicture, kPicture);
    return true;
}

kiva::CommandStatus CKivaView::QueryCommand(int id) const {
    // The selection commands have no update rule: always enabled while there is a document.
    if (kiva::IsSelectionCommand(id)) return {document_ != nullptr, document_ != nullptr, false, false};
    return molecule_.QueryCommand(id);
}

bool CKivaView::RunCommand(int id) {
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
    UpdateToolBars();
    return true;
}

// The commands that run a dialog or print; each lives in a file of its own.
bool CKivaView::RunDialogCommand(int id) {
    using namespace kiva::command;
    switch (id) {
    case ElementColor: kiva::RunElementColorCommand(molecule_, kiva::TheSharedData().elementTable, window()); return true;
    case UnitCellMultiples: kiva::RunUnitCellMultiplesCommand(molecule_, window()); return true;
    case PrintSize: kiva::RunPrintSizeCommand(molecule_, window()); return true;
    case ExportAnimation: kiva::RunExportAnimationCommand(molecule_, window()); return true;
    case FilePrint:
    case FilePrintDirect:
    case FilePrintPreview: kiva::RunPrintCommand(id, molecule_, *this, DocumentName(), window()); return true;
    default: return false;
    }
}

// The document's title as its frame shows it, for the print job.
QString CKivaView::DocumentName() const {
    return parentWidget() ? parentWidget()->windowTitle() : QString();
}

void CKivaView::UpdateToolBars() {
    for (QAction* button : buttons_) {
        const kiva::CommandStatus status = molecule_.QueryCommand(button->data().toInt());
        button->setEnabled(status.enabled);
        button->setCheckable(status.checkable);
        button->setChecked(status.checked);
    }
}

void CKivaView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect picture(0, 0, kPicture, kPicture);
    if (molecule_.State().displayQuality == kiva::DisplayQuality::High) {
        const kiva::PictureBuffers& buffers = molecule_.RenderPicture();
        const QImage image(buffers.colour.data(), kPicture, kPicture, kPicture * 3, QImage::Format_BGR888);
        painter.drawImage(picture, image);
    } else {
        offscreen_.fill(Qt::black);
        QPainter offscreenPainter(&offscreen_);
        kiva::PainterCanvas canvas(offscreenPainter);
        molecule_.DrawLowQuality(canvas);
        offscreenPainter.end();
        painter.drawImage(picture, offscreen_);
    }
}

void CKivaView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    molecule_.MousePress(PicturePointOf(event));
}

void CKivaView::mouseMoveEvent(QMouseEvent* event) {
    // A grab lost to a popup or another window ends the drag without a release.
    if (!(event->buttons() & Qt::LeftButton)) molecule_.LoseMouse();
    molecule_.MouseMove(PicturePointOf(event));
}

void CKivaView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
    molecule_.MouseRelease(PicturePointOf(event));
}

void CKivaView::wheelEvent(QWheelEvent* event) {
    wheelTurn_ += event->angleDelta().y();
    for (; wheelTurn_ >= kWheelNotch; wheelTurn_ -= kWheelNotch) RunCommand(kiva::command::ZoomIn);
    for (; wheelTurn_ <= -kWheelNotch; wheelTurn_ += kWheelNotch) RunCommand(kiva::command::ZoomOut);
    event->accept();
}

void CKivaView::leaveEvent(QEvent* event) {
    HideTip();
    QWidget::leaveEvent(event);
}

bool CKivaView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter && (watched == navigationToolBar_ || watched == structureToolBar_)) HideTip();
    return QWidget::eventFilter(watched, event);
}

void CKivaView::InvalidatePicture() { update(0, 0, kPicture, kPicture); }

void CKivaView::SetTipText(const std::string& text) { tipText_ = QString::fromStdString(text); }

// The tip stays while the pointer is over the picture; Qt leaves a tip with an unchanged text
// where it stands.
void CKivaView::ShowTip(kiva::PicturePoint at) {
    const kiva::PicturePoint window = kiva::ToWindowPoint(at);
    QToolTip::showText(mapToGlobal(QPoint(window.x, window.y)), tipText_, this, QRect(0, 0, kPicture, kPicture));
    // The tip stands just below the pointer, often over the next atom to pick: clicks and moves
    // pass through it to the picture.
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->inherits("QTipLabel") && top->windowHandle())
            top->windowHandle()->setFlag(Qt::WindowTransparentForInput, true);
}

void CKivaView::HideTip() { QToolTip::hideText(); }

void CKivaView::MovePointer(kiva::PicturePoint to) {
    const kiva::PicturePoint window = kiva::ToWindowPoint(to);
    QCursor::setPos(mapToGlobal(QPoint(window.x, window.y)));
}

void CKivaView::ShowNoCrystalMessage() {
    kiva::ShowMessageBox({this, QApplication::applicationName(),
                          QStringLiteral("No crystal structure.\nOnly single molecule available."),
                          kiva::MessageButtons::Ok, kiva::MessageIcon::None});
}
