// SPDX-License-Identifier: GPL-2.0-or-later
#include "dialogs/element_color_dialog.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

#include "chem/fixed_text.h"
#include "dialogs/dialog_controls.h"
#include "dialogs/dialog_units.h"
#include "platform/color_dialog.h"
#include "platform/message_box.h"

namespace kiva {

namespace {

QColor ToQColor(std::uint32_t color) { return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF); }

}  // namespace

ColorSample::ColorSample(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    QPalette framed = palette();
    framed.setColor(QPalette::WindowText, Qt::black);
    setPalette(framed);
}

void ColorSample::SetColor(std::uint32_t color) {
    color_ = color;
    update();
}

void ColorSample::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    const QRect client = contentsRect();
    const int cx = (client.left() + client.right() + 1) / 2;
    const int cy = (client.top() + client.bottom() + 1) / 2;
    const int r = std::min(client.width() / 2, client.height() / 2) - 4;
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(ToQColor(color_));
    painter.drawEllipse(QRect(cx - r, cy - r, 2 * r, 2 * r));
}

CElementColorDlg::CElementColorDlg(const ElementColorModel::Rows& rows, QWidget* parent)
    : QDialog(parent), model_(rows) {
    const DialogUnits units(*this);
    setWindowTitle(QCoreApplication::translate("ElementColorDialog", "Color of Element"));
    setFixedSize(units.X(235), units.Y(142));

    auto* group = new QGroupBox(QCoreApplication::translate("ElementColorDialog", "Color of element:"), this);
    PlaceControl(group, units.Rect(8, 8, 156, 64), 0);
    const auto addEdit = [&](const QString& label, int id, int y) {
        auto* edit = new QLineEdit(this);
        PlaceControl(edit, units.Rect(42, y, 32, 12), id);
        auto* caption = new QLabel(label, this);
        PlaceControl(caption, units.Rect(16, y + 2, 24, 8), 0);
        caption->setBuddy(edit);
        connect(edit, &QLineEdit::textEdited, this, [this] {
            Refuse(model_.Read(CurrentFields(), true));
            DrawSample();
        });
        return edit;
    };
    red_ = addEdit(QCoreApplication::translate("ElementColorDialog", "&Red="), 1019, 20);
    green_ = addEdit(QCoreApplication::translate("ElementColorDialog", "&Green="), 1020, 36);
    blue_ = addEdit(QCoreApplication::translate("ElementColorDialog", "&Blue="), 1021, 52);
    PlaceControl(new QLabel(QCoreApplication::translate("ElementColorDialog", "Sample:"), this), units.Rect(84, 20, 28, 8), 0);
    sample_ = new ColorSample(this);
    PlaceControl(sample_, units.Rect(112, 20, 36, 28), 1025);
    auto* choose = new QPushButton(QCoreApplication::translate("ElementColorDialog", "&Choose Color..."), this);
    PlaceControl(choose, units.Rect(84, 52, 72, 14), 1022);
    connect(choose, &QPushButton::clicked, this, &CElementColorDlg::ChooseColor);

    const auto [ok, cancel] = AddOkCancel(*this, units.Rect(178, 10, 50, 14), units.Rect(178, 28, 50, 14), [this] { Ok(); });
    auto* restore = new QPushButton(QCoreApplication::translate("ElementColorDialog", "Default"), this);
    PlaceControl(restore, units.Rect(178, 46, 50, 14), 3);
    connect(restore, &QPushButton::clicked, this, &CElementColorDlg::RestoreDefaults);

    auto* listLabel = new QLabel(QCoreApplication::translate("ElementColorDialog", "&Elements:"), this);
    PlaceControl(listLabel, units.Rect(8, 76, 40, 8), 0);
    list_ = new QListWidget(this);
    PlaceControl(list_, units.Rect(10, 88, 218, 44), 1024);
    MakeMultiColumn(list_, units, 32);
    listLabel->setBuddy(list_);
    for (const ElementInfo& row : model_.Table()) list_->addItem(QString::fromStdString(std::string(TextOf(row.symbol))));
    connect(list_, &QListWidget::currentRowChanged, this, &CElementColorDlg::SwitchElement);

    WriteFields();
    DrawSample();
    // The tab order follows the template: the list, the edits, then the buttons.
    setTabOrder(list_, red_);
    setTabOrder(red_, green_);
    setTabOrder(green_, blue_);
    setTabOrder(blue_, choose);
    setTabOrder(choose, ok);
    setTabOrder(ok, cancel);
    setTabOrder(cancel, restore);
    red_->setFocus();
    MakeRoomForTexts(*this);
}

ColorFields CElementColorDlg::CurrentFields() const {
    return {red_->text().toStdString(), green_->text().toStdString(), blue_->text().toStdString(),
            list_->currentRow()};
}

void CElementColorDlg::WriteFields() {
    const ColorFields fields = model_.Fields();
    red_->setText(QString::fromStdString(fields.red));
    green_->setText(QString::fromStdString(fields.green));
    blue_->setText(QString::fromStdString(fields.blue));
    const QSignalBlocker quiet(list_);
    list_->setCurrentRow(fields.row);
}

void CElementColorDlg::DrawSample() { sample_->SetColor(model_.Color()); }

QLineEdit* CElementColorDlg::Edit(ColorEdit edit) const {
    switch (edit) {
    case ColorEdit::Red: return red_;
    case ColorEdit::Green: return green_;
    case ColorEdit::Blue: break;
    }
    return blue_;
}

void CElementColorDlg::Refuse(std::optional<ColorEdit> edit) {
    if (!edit) return;
    ShowMessageBox({this, QApplication::applicationName(), QCoreApplication::translate("ElementColorDialog", kColorRefusal), MessageButtons::Ok,
                    MessageIcon::Warning});
    QLineEdit* refused = Edit(*edit);
    refused->setFocus();
    refused->selectAll();
}

void CElementColorDlg::SwitchElement() {
    const auto refused = model_.SwitchElement(CurrentFields());
    Refuse(refused);
    WriteFields();
    if (refused) Edit(*refused)->selectAll();
    DrawSample();
}

void CElementColorDlg::ChooseColor() {
    Refuse(model_.Read(CurrentFields()));
    const std::optional<QColor> chosen = kiva::ChooseColor(ToQColor(model_.Color()), this);
    if (!chosen) return;
    model_.SetColor(MakeColor(static_cast<unsigned>(chosen->red()), static_cast<unsigned>(chosen->green()),
                              static_cast<unsigned>(chosen->blue())));
    WriteFields();
    DrawSample();
}

void CElementColorDlg::RestoreDefaults() {
    model_.RestoreDefaults();
    WriteFields();
    DrawSample();
}

void CElementColorDlg::Ok() {
    const auto refused = model_.Commit(CurrentFields());
    if (refused) {
        Refuse(refused);
        return;
    }
    accept();
}

}  // namespace kiva
