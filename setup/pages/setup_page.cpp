// SPDX-License-Identifier: GPL-2.0-or-later
#include "setup/pages/setup_page.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include "dialogs/dialog_units.h"

static void LoadSetupResources() { Q_INIT_RESOURCE(setup); }

namespace kiva::setup {

namespace {

// A title bar with no buttons but the close box where the page has one. Qt turns these flags into
// the Motif hints (no minimise, no maximise, no close function unless asked for).
Qt::WindowFlags PageFlags(bool closeBox) {
    Qt::WindowFlags flags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (closeBox) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    return flags;
}

// Openbox draws minimise and maximise on normal, dialog and utility windows whatever their Motif
// hints ask, and leaves them off toolbar windows only (the close box it always draws). Qt's X11
// platform puts the types of the window property below (toolbar 0x8) before the utility type in
// _NET_WM_WINDOW_TYPE, so managers without toolbars still see a utility window. It reads the
// property when the flags change, hence the round trip through a flag X11 has no use for. Other
// platforms ignore both.
void AskForToolbarWindow(QWidget& page) {
    page.winId();
    QWindow* window = page.windowHandle();
    window->setProperty(kX11WindowTypeProperty, kX11ToolbarWindowType);
    const Qt::WindowFlags flags = window->flags();
    window->setFlags(flags | Qt::WindowFullscreenButtonHint);
    window->setFlags(flags);
}

}  // namespace

CSetupPage::CSetupPage(const PageRequest& request, MessageShower showMessage, QWidget* parent)
    : QDialog(parent, PageFlags(LayoutOf(request.page).closeBox)),
      layout_(LayoutOf(request.page)),
      request_(request),
      showMessage_(std::move(showMessage)) {
    LoadSetupResources();
    AskForToolbarWindow(*this);
    setWindowTitle(PageCaption());
    setObjectName(QString::number(static_cast<int>(request.page)));
    Build();
}

void CSetupPage::Build() {
    const DialogUnits units(*this);
    setFixedSize(units.X(layout_.units.width()), units.Y(layout_.units.height()));
    for (const ControlLayout& control : layout_.controls) {
        const QRect rect = units.Rect(control.units.x(), control.units.y(), control.units.width(),
                                      control.units.height());
        QWidget* widget = nullptr;
        switch (control.kind) {
        case ControlKind::Text: {
            auto* label = new QLabel(ControlText(control), this);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            widget = label;
            break;
        }
        case ControlKind::Edit:
            edit_ = new QLineEdit(QString::fromStdString(request_.text), this);
            widget = edit_;
            break;
        case ControlKind::Agreement: {
            auto* agreement = new QPlainTextEdit(AgreementText(), this);
            agreement->setReadOnly(true);
            agreement->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            widget = agreement;
            break;
        }
        case ControlKind::Group:
            widget = new QGroupBox(ControlText(control), this);
            break;
        case ControlKind::Button:
        case ControlKind::DefaultButton: {
            auto* button = new QPushButton(ControlText(control), this);
            button->setDefault(control.kind == ControlKind::DefaultButton);
            button->setAutoDefault(control.kind == ControlKind::DefaultButton);
            const int id = control.id;
            connect(button, &QPushButton::clicked, this, [this, id] { Press(id); });
            widget = button;
            break;
        }
        case ControlKind::Progress: {
            auto* bar = new QProgressBar(this);
            bar->setRange(0, 100);
            bar->setValue(0);
            widget = bar;
            break;
        }
        case ControlKind::SetupBitmap:
        case ControlKind::WelcomeBitmap: {
            auto* picture = new QLabel(this);
            const bool corner = control.kind == ControlKind::SetupBitmap;
            const QPixmap pixmap(corner ? QStringLiteral(":/setup/setup.png") : QStringLiteral(":/setup/welcome.png"));
            picture->setPixmap(pixmap);
            picture->setGeometry(QRect(rect.topLeft(), pixmap.deviceIndependentSize().toSize()));
            picture->setObjectName(corner ? QStringLiteral("setup bitmap") : QStringLiteral("welcome bitmap"));
            continue;
        }
        }
        widget->setGeometry(rect);
        if (control.id != 0) widget->setObjectName(QString::number(control.id));
    }
    // Controls framed by a group box are drawn above it.
    if (edit_) edit_->raise();
    if (request_.page == PageId::Error) SetStaticText(control::kMessage, SetupMessageText(request_.text));
}

PageOutcome CSetupPage::Run() {
    setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
    show();
    loop.exec(QEventLoop::DialogExec);
    return outcome_;
}

void CSetupPage::SetButtonAction(int id, std::function<void()> action) { actions_[id] = std::move(action); }

void CSetupPage::SetStaticText(int id, const QString& text) {
    if (auto* label = findChild<QLabel*>(QString::number(id))) label->setText(text);
}

void CSetupPage::SetProgress(std::int64_t position) {
    // A bar ignores values beyond its range, so a copy larger than announced shows it full.
    if (auto* bar = findChild<QProgressBar*>(QString::number(control::kProgressBar)))
        bar->setValue(static_cast<int>(std::clamp<std::int64_t>(position, 0, 100)));
}

void CSetupPage::Press(int id) {
    if (const auto action = actions_.find(id); action != actions_.end()) {
        action->second();
        return;
    }
    if (id == result::kContinue && request_.checkContinue && edit_) {
        const ContinueCheck check = request_.checkContinue(edit_->text().toStdString());
        if (check.outcome == ContinueCheck::Outcome::Stay) return;
        if (check.outcome == ContinueCheck::Outcome::Refuse) {
            hide();
            if (showMessage_) showMessage_(check.text);
            show();
            return;
        }
        outcome_.text = check.text;
        accepted_ = true;
    }
    done(id);
}

void CSetupPage::done(int result) {
    outcome_.result = result;
    if (!accepted_) outcome_.text = edit_ ? edit_->text().toStdString() : request_.text;
    QDialog::done(result);
}

void CSetupPage::reject() {
    if (layout_.closeResult != kCloseIgnored) done(layout_.closeResult);
}

void CSetupPage::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Every page centres itself on the screen when it opens. The window system's own show, as a
    // minimised page comes back, keeps the place: the frame is not measured yet then, and the
    // page would creep down by half its title bar each time.
    if (event->spontaneous()) return;
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->geometry().center());
        move(frame.topLeft());
    }
}

void CSetupPage::closeEvent(QCloseEvent* event) {
    event->ignore();
    reject();
}

}  // namespace kiva::setup
