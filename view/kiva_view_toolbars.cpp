// SPDX-License-Identifier: GPL-2.0-or-later
// The view's two toolbars: the navigation bar below the picture and the structure bar to its
// right, flat buttons carrying their command ids.
#include <QAction>
#include <QFrame>
#include <QLayout>
#include <QToolButton>

#include "platform/translations.h"
#include "view/commands.h"
#include "view/help_topics.h"
#include "view/kiva_view.h"
#include "view/tool_icons.h"

namespace {

constexpr int kSeparator = 0;

}  // namespace

void CKivaView::CreateToolBars() {
    using namespace kiva::command;
    navigationToolBar_ = CreateToolBar({Reset, kSeparator, Rotate, Translate, Rock, kSeparator, ZoomIn, ZoomOut,
                                        kSeparator, Position, Distance, Angle, TorsionAngle, kSeparator,
                                        UnitCellMultiples},
                                       Qt::Horizontal);
    structureToolBar_ = CreateToolBar({ChemicalUnit, CrystalSolid, Liquid, Gas, Heating, kSeparator, BallAndStick,
                                       SpaceFilling, kSeparator, LowQuality, HighQuality, kSeparator, Axes,
                                       CellFrame, Coordination, kSeparator, WholeMolecules},
                                      Qt::Vertical);
}

// A strip of flat 26-pixel buttons: twelve of them and the separators fit the picture's side.
QWidget* CKivaView::CreateToolBar(std::initializer_list<int> buttons, Qt::Orientation orientation) {
    auto* bar = new QWidget(this);
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

void CKivaView::UpdateToolBars() {
    for (QAction* button : buttons_) {
        const kiva::CommandStatus status = molecule_.QueryCommand(button->data().toInt());
        button->setEnabled(status.enabled);
        button->setCheckable(status.checkable);
        button->setChecked(status.checked);
    }
}
