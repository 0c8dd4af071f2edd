// SPDX-License-Identifier: GPL-2.0-or-later
// The organic dialog: fifteen categories as radio buttons, and an OK that checks the name.
#include <QCoreApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>

#include "chem/selection_keys.h"
#include "chem/shared_data.h"
#include "dialogs/dialog_controls.h"
#include "dialogs/selection_dialogs.h"
#include "platform/translations.h"

namespace kiva {

namespace {

// The buttons' places in dialog units, in tab order: three columns of five.
struct CategoryButton {
    int id;
    int x, y, width;
};
constexpr CategoryButton kButtons[] = {
    {1030, 16, 124, 72}, {1031, 16, 136, 84},  {1032, 16, 148, 88},  {1033, 16, 160, 84},  {1040, 16, 172, 80},
    {1034, 108, 124, 43}, {1037, 108, 136, 46}, {1036, 108, 148, 42}, {1035, 108, 160, 40}, {1044, 108, 172, 40},
    {1041, 155, 124, 64}, {1038, 155, 136, 60}, {1042, 155, 148, 64}, {1039, 155, 160, 36}, {1043, 155, 172, 53}};

int CategoryOf(int buttonId) {
    for (std::size_t i = 0; i < kOrganicCategories.size(); ++i)
        if (kOrganicCategories[i].buttonId == buttonId) return static_cast<int>(i);
    return -1;
}

}  // namespace

COrganicDlg::COrganicDlg(const MoleculeIndex& index, QWidget* parent)
    : SelectionDialog(parent, QCoreApplication::translate("SelectionDialog", "Organic Compounds"), 236, 194, selection_), selection_(index, &TheSharedData().catalogueLanguage) {
    auto* group = new QGroupBox(QCoreApplication::translate("SelectionDialog", "&Category:"), this);
    group->setGeometry(units_.Rect(8, 108, 220, 80));
    auto* buttons = new QButtonGroup(this);
    for (const CategoryButton& place : kButtons) {
        const int category = CategoryOf(place.id);
        const QString label = TranslatedText("OrganicCategory", kOrganicCategories[static_cast<std::size_t>(category)].label);
        auto* button = new QRadioButton(QString(label).replace(QStringLiteral("&"), QStringLiteral("&&")), this);
        QRect rect = units_.Rect(place.x, place.y, place.width, 8);
        rect.setWidth(std::max(rect.width(), button->sizeHint().width()));  // never cut a label off
        button->setGeometry(rect);
        button->setObjectName(QString::number(place.id));
        buttons->addButton(button, place.id);
    }
    connect(buttons, &QButtonGroup::idClicked, this, [this](int id) {
        selection_.ChooseCategory(CategoryOf(id));
        ShowModel();
    });
    AddMatchList(QCoreApplication::translate("SelectionDialog", "&Select from:"), 1029, units_.Rect(8, 26, 68, 8), units_.Rect(10, 40, 218, 64));
    AddSelectedEdit(QCoreApplication::translate("SelectionDialog", "Selected &Compound:"), 1028, units_.Rect(8, 10, 68, 8), units_.Rect(80, 8, 90, 12));
    AddButtons(units_.Rect(179, 8, 50, 14), units_.Rect(179, 24, 50, 14));
    MakeRoomForTexts(*this);
}

void COrganicDlg::OnOk() { Confirm(); }

}  // namespace kiva
