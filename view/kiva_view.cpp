// SPDX-License-Identifier: GPL-2.0-or-later
#include "view/kiva_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QImage>
#include <QLayout>
#include <QPainter>
#include <QFrame>
#include <QMouseEvent>
#include <QToolButton>
#include <QToolTip>
#include <QWheelEvent>
#include <QWindow>

#include "chem/fixed_text.h"
#include "chem/shared_data.h"
#include "dialogs/substance_info_dialog.h"
#include "platform/message_box.h"
#include "platform/translations.h"
#include "view/commands.h"
#include "view/compound_selection.h"
#include "view/export_animation_command.h"
#include "view/handout.h"
#include "view/export_picture_command.h"
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
    using namespace kiva::command;
    navigationToolBar_ = CreateToolBar({Reset, kSeparator, Rotate, Translate, Rock, kSeparator, ZoomIn, ZoomOut,
                                        kSeparator, Position, Distance, Angle, TorsionAngle, kSeparator,
                                        UnitCellMultiples},
                                       Qt::Horizontal, QRect(0, kPicture, kPicture, kBarThickness));
    structureToolBar_ = CreateToolBar({ChemicalUnit, CrystalSolid, Liquid, Gas, kSeparator, BallAndStick,
                                       SpaceFilling, kSeparator, LowQuality, HighQuality, kSeparator, Axes,
                                       CellFrame, Coordination, kSeparator, WholeMolecules},
                                      Qt::Vertical, QRect(kPicture, 0, kBarThickness, kViewSize));
    LayOutPicture();
    setWhatsThis(tr("<p><b>The picture</b></p><p>The substance as shaded atoms and bonds. Drag it to "
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
        button->setToolTip(kiva::TranslatedText(kiva::command::kStringsContext, kiva::command::StringsOf(id).tooltip));
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
    repaint(PictureRect());
    return true;
}

kiva::CommandStatus CKivaView::QueryCommand(int id) const {
    // The selection commands have no update rule: always enabled while there is a document.
    if (kiva::IsSelectionCommand(id)) return {document_ != nullptr, document_ != nullptr, false, false};
    if (id == kiva::command::EditCopy) return {true, true, false, false};
    if (id == kiva::command::FullScreen) return {true, true, true, fullScreen_};
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

// A file's substance shows what the file gave, even when a catalogue entry has its name.
kiva::SubstanceFacts CKivaView::Facts() const {
    const kiva::CompoundRecord& compound = molecule_.Compound();
    if (document_ && document_->FromCatalogue())
        return kiva::FactsOfCompound(compound, kiva::TheSharedData().moleculeIndex);
    return kiva::GatherSubstanceFacts(compound, nullptr);
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

// The shaded picture at the size it has on screen, so it pastes into a slide or a worksheet.
void CKivaView::CopyPicture() {
    const kiva::PictureBuffers picture = molecule_.RenderPictureAt(molecule_.Area(), 0);
    const QImage image(picture.colour.data(), picture.width, picture.height, picture.width * 3, QImage::Format_BGR888);
    QGuiApplication::clipboard()->setImage(image.copy());
}

QRect CKivaView::PictureRect() const {
    if (fullScreen_) return rect();
    if (!fitWindow_) return QRect(0, 0, kPicture, kPicture);
    return QRect(0, 0, std::max(width() - kBarThickness, kiva::kMinPictureSide),
                 std::max(height() - kBarThickness, kiva::kMinPictureSide));
}

void CKivaView::SetFitWindow(bool fit) {
    if (fit == fitWindow_) return;
    fitWindow_ = fit;
    LayOutPicture();
    update();
}

void CKivaView::LayOutPicture() {
    const QRect picture = PictureRect();
    navigationToolBar_->setGeometry(0, picture.height(), picture.width(), kBarThickness);
    structureToolBar_->setGeometry(picture.width(), 0, kBarThickness, picture.height() + kBarThickness);
    const qreal ratio = devicePixelRatioF();
    molecule_.SetPictureArea({static_cast<int>(std::lround(picture.width() * ratio)),
                              static_cast<int>(std::lround(picture.height() * ratio))});
}

void CKivaView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (fitWindow_ || fullScreen_) LayOutPicture();
}

// The view leaves its frame for a window of its own on the whole screen, and comes back to it.
void CKivaView::SetFullScreen(bool on) {
    if (on == fullScreen_) return;
    fullScreen_ = on;
    HideTip();
    navigationToolBar_->setVisible(!on);
    structureToolBar_->setVisible(!on);
    if (on) {
        const QSize screen = this->screen() ? this->screen()->geometry().size() : size();
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        setGeometry(this->screen() ? this->screen()->geometry() : geometry());
        resize(screen);
        showFullScreen();
        activateWindow();
        setFocus();
    } else {
        setWindowFlags(Qt::Widget);
        if (parentWidget()) {
            resize(parentWidget()->contentsRect().size());
            QResizeEvent resized(parentWidget()->size(), parentWidget()->size());
            QApplication::sendEvent(parentWidget(), &resized);  // the frame places its widget again
        }
        show();
        window()->activateWindow();
    }
    LayOutPicture();
    update();
    emit commandRan();
}

void CKivaView::keyPressEvent(QKeyEvent* event) {
    if (fullScreen_ && (event->key() == Qt::Key_Escape || event->key() == Qt::Key_F11)) {
        SetFullScreen(false);
        return;
    }
    QWidget::keyPressEvent(event);
}

void CKivaView::paintEvent(QPaintEvent*) {
    const QRect picture = PictureRect();
    // On a screen of another pixel ratio the picture is drawn at its new device pixels.
    if (std::lround(picture.width() * devicePixelRatioF()) != molecule_.Area().width) LayOutPicture();
    QPainter painter(this);
    const kiva::PictureMap map = molecule_.Map();
    const qreal ratio = static_cast<qreal>(map.width) / picture.width();
    if (molecule_.State().displayQuality == kiva::DisplayQuality::High) {
        const kiva::PictureBuffers& buffers = molecule_.RenderPicture();
        QImage image(buffers.colour.data(), buffers.width, buffers.height, buffers.width * 3, QImage::Format_BGR888);
        image.setDevicePixelRatio(ratio);
        painter.drawImage(picture.topLeft(), image);
    } else {
        if (offscreen_.size() != QSize(map.width, map.height)) offscreen_ = QImage(map.width, map.height, QImage::Format_RGB32);
        offscreen_.setDevicePixelRatio(1);
        offscreen_.fill(Qt::black);
        QPainter offscreenPainter(&offscreen_);
        kiva::PainterCanvas canvas(offscreenPainter);
        molecule_.DrawLowQuality(canvas, map);
        offscreenPainter.end();
        offscreen_.setDevicePixelRatio(ratio);
        painter.drawImage(picture.topLeft(), offscreen_);
    }
}

// The pointer in device pixels of the picture, then in picture units.
kiva::PicturePoint CKivaView::PicturePointOf(const QMouseEvent* event) const {
    const QPointF position = event->position();
    const kiva::PictureMap map = molecule_.Map();
    const double ratio = static_cast<double>(map.width) / PictureRect().width();
    return kiva::FromDevicePoint(map, {std::floor(position.x() * ratio), std::floor(position.y() * ratio)});
}

QPoint CKivaView::WindowPointOf(kiva::PicturePoint p) const {
    const kiva::PictureMap map = molecule_.Map();
    const double ratio = static_cast<double>(map.width) / PictureRect().width();
    const kiva::DevicePoint device = kiva::ToDevicePoint(map, p);
    return QPoint(static_cast<int>(device.x / ratio), static_cast<int>(device.y / ratio));
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

void CKivaView::InvalidatePicture() { update(PictureRect()); }

void CKivaView::SetTipText(const std::string& text) { tipText_ = QString::fromStdString(text); }

// The tip stays while the pointer is over the picture; Qt leaves a tip with an unchanged text
// where it stands.
void CKivaView::ShowTip(kiva::PicturePoint at) {
    QToolTip::showText(mapToGlobal(WindowPointOf(at)), tipText_, this, PictureRect());
    // The tip stands just below the pointer, often over the next atom to pick: clicks and moves
    // pass through it to the picture.
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->inherits("QTipLabel") && top->windowHandle())
            top->windowHandle()->setFlag(Qt::WindowTransparentForInput, true);
}

void CKivaView::HideTip() { QToolTip::hideText(); }

void CKivaView::MovePointer(kiva::PicturePoint to) {
    QCursor::setPos(mapToGlobal(WindowPointOf(to)));
}

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
