// SPDX-License-Identifier: GPL-2.0-or-later
#include "view/heating_panel.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "dialogs/substance_fact_rows.h"
#include "matter/heating_curve_csv.h"
#include "platform/binary_archive.h"
#include "platform/message_box.h"
#include "platform/translations.h"
#include "view/commands.h"
#include "view/heating_curve_painter.h"
#include "view/kiva_view.h"

namespace kiva {

QString PhaseName(MatterPhase phase) {
    switch (phase) {
    case MatterPhase::Solid: return CHeatingPanel::tr("solid");
    case MatterPhase::Melting: return CHeatingPanel::tr("melting");
    case MatterPhase::Liquid: return CHeatingPanel::tr("liquid");
    case MatterPhase::Boiling: return CHeatingPanel::tr("boiling");
    case MatterPhase::Gas: return CHeatingPanel::tr("gas");
    case MatterPhase::Subliming: return CHeatingPanel::tr("subliming");
    }
    return {};
}

}  // namespace kiva

namespace {

constexpr int kSliderSteps = 1000;

// The curve, repainted from the run each frame.
class CurveWidget final : public QWidget {
public:
    // A plot a little less high than wide, however tall the window.
    explicit CurveWidget(CKivaView& view, QWidget* parent) : QWidget(parent), view_(view) {
        setMinimumHeight(160);
        setMaximumHeight(280);
    }
    QSize sizeHint() const override { return {CHeatingPanel::kWidth, 240}; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (const kiva::HeatingSession* session = view_.Molecule().Heating())
            kiva::PaintHeatingCurve(painter, rect(), kiva::CurvePictureOf(*session));
        else
            painter.fillRect(rect(), Qt::white);
    }

private:
    CKivaView& view_;
};

}  // namespace

CHeatingPanel::CHeatingPanel(CKivaView& view) : QWidget(&view), view_(view) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    thermometer_ = new QLabel(this);
    QFont big = thermometer_->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    thermometer_->setFont(big);
    thermometer_->setToolTip(tr("The thermometer: the temperature of the particles"));
    phase_ = new QLabel(this);
    QFont phaseFont = phase_->font();
    phaseFont.setPointSizeF(phaseFont.pointSizeF() * 1.3);
    phase_->setFont(phaseFont);
    phase_->setToolTip(tr("The phase, read from how the particles move"));
    layout->addWidget(thermometer_);
    layout->addWidget(phase_);

    auto* buttons = new QHBoxLayout;
    for (const int id : {kiva::command::HeatingHeat, kiva::command::HeatingCool, kiva::command::HeatingHold})
        AddButton(id, buttons);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    slider_ = new QSlider(Qt::Horizontal, this);
    slider_->setRange(0, kSliderSteps);
    slider_->setToolTip(tr("The temperature the thermostat holds"));
    connect(slider_, &QSlider::valueChanged, this, [this](int value) {
        const kiva::HeatingSession* session = view_.Molecule().Heating();
        if (!session) return;
        view_.Molecule().HoldHeatingAt(session->HighestKelvin() * value / kSliderSteps);
        Refresh();
    });
    setPoint_ = new QLabel(this);
    layout->addWidget(setPoint_);
    layout->addWidget(slider_);
    message_ = new QLabel(this);
    message_->setWordWrap(true);
    layout->addWidget(message_);

    curve_ = new CurveWidget(view, this);
    layout->addWidget(curve_);
    auto* exportButton = new QToolButton(this);
    exportButton->setText(tr("Export Curve..."));
    exportButton->setToolTip(tr("Save the heating curve as a PNG picture or as CSV numbers"));
    connect(exportButton, &QToolButton::clicked, this, &CHeatingPanel::ExportCurve);
    layout->addWidget(exportButton, 0, Qt::AlignRight);
    layout->addStretch(1);
    setAutoFillBackground(true);
}

QToolButton* CHeatingPanel::AddButton(int id, QLayout* layout) {
    auto* button = new QToolButton(this);
    button->setText(kiva::TranslatedText(kiva::command::kStringsContext, kiva::command::StringsOf(id).tooltip));
    button->setToolTip(kiva::TranslatedText(kiva::command::kStringsContext, kiva::command::StringsOf(id).prompt));
    button->setProperty("command", id);
    button->setMinimumWidth(64);
    connect(button, &QToolButton::clicked, this, [this, id] {
        view_.RunCommand(id);
        Refresh();
    });
    layout->addWidget(button);
    buttons_.push_back(button);
    return button;
}

void CHeatingPanel::Refresh() {
    const kiva::HeatingSession* session = view_.Molecule().Heating();
    for (QToolButton* button : buttons_) {
        const kiva::CommandStatus status = view_.Molecule().QueryCommand(button->property("command").toInt());
        button->setEnabled(status.enabled);
        button->setCheckable(true);
        button->setChecked(status.checked);
    }
    if (!session) return;
    thermometer_->setText(kiva::TemperatureText(session->ThermometerKelvin()));
    phase_->setText(kiva::PhaseName(session->Phase()));
    const bool holding = session->Control() == kiva::HeatingControl::Hold;
    setPoint_->setText(holding ? tr("Held at %1").arg(kiva::TemperatureText(session->TargetKelvin()))
                               : session->Control() == kiva::HeatingControl::Heat ? tr("Heating at a constant power")
                                                                                  : tr("Cooling at a constant power"));
    {
        const QSignalBlocker quiet(slider_);
        const double share = (holding ? session->TargetKelvin() : session->ThermometerKelvin()) / session->HighestKelvin();
        slider_->setValue(static_cast<int>(std::lround(std::clamp(share, 0.0, 1.0) * kSliderSteps)));
    }
    const kiva::PhasePoints& points = session->Points();
    if (session->Decomposed() && points.meltingK)
        message_->setText(tr("%1 decomposes at %2 before it melts")
                              .arg(QString::fromUtf8(view_.Molecule().Compound().name), kiva::TemperatureText(*points.meltingK)));
    else
        message_->clear();
    curve_->update();
}

void CHeatingPanel::ExportCurve() {
    const kiva::HeatingSession* session = view_.Molecule().Heating();
    if (!session) return;
    const QString png = tr("PNG picture (*.png)"), csv = tr("CSV numbers (*.csv)");
    QString filter = png;
    QString path = QFileDialog::getSaveFileName(this, tr("Export Heating Curve"), QString(), png + QStringLiteral(";;") + csv, &filter);
    if (path.isEmpty()) return;
    const bool asCsv = filter == csv || path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
    if (!path.contains(QLatin1Char('.'))) path += asCsv ? QStringLiteral(".csv") : QStringLiteral(".png");
    try {
        if (asCsv) {
            kiva::WriteFileReplacing(path.toStdString(), kiva::HeatingCurveCsv(session->Curve()));
        } else {
            const QImage image = kiva::HeatingCurveImage(kiva::CurvePictureOf(*session), QSize(1200, 800));
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, "PNG");
            kiva::WriteFileReplacing(path.toStdString(), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        }
    } catch (const std::exception& error) {
        kiva::ShowMessageBox({this, QApplication::applicationName(), tr("The curve could not be saved:\n%1").arg(QString::fromLocal8Bit(error.what())),
                              kiva::MessageButtons::Ok, kiva::MessageIcon::Warning});
    }
}
