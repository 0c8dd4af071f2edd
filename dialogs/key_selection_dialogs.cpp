// The three dialogs that list substances by their keys: ions, covalences or an element.
#include <QListWidget>

#include "dialogs/selection_dialogs.h"

namespace kiva {

CMetallicDlg::CMetallicDlg(const MoleculeIndex& index, QWidget* parent)
    : SelectionDialog(parent, QStringLiteral("Metallic Compounds"), 238, 177, selection_), selection_(index) {
    AddSelectedEdit(QStringLiteral("Selected &Compound:"), 1003, units_.Rect(8, 10, 68, 8), units_.Rect(80, 8, 90, 12));
    AddButtons(units_.Rect(180, 8, 50, 14), units_.Rect(180, 24, 50, 14));
    AddMatchList(QStringLiteral("&Select from:"), 1002, units_.Rect(8, 26, 68, 8), units_.Rect(10, 40, 218, 68));
    QListWidget* positive = AddKeyList(QStringLiteral("&Positive Ions:"), 1000, units_.Rect(8, 112, 50, 8),
                                       units_.Rect(10, 124, 90, 44), 32, MetallicSelection::PositiveKeys());
    QListWidget* negative = AddKeyList(QStringLiteral("&Negative Ions:"), 1001, units_.Rect(112, 112, 56, 8),
                                       units_.Rect(112, 124, 112, 44), 40, MetallicSelection::NegativeKeys());
    connect(positive, &QListWidget::currentRowChanged, this, [this](int row) {
        selection_.ChoosePositive(row);
        ShowModel();
    });
    connect(negative, &QListWidget::currentRowChanged, this, [this](int row) {
        selection_.ChooseNegative(row);
        ShowModel();
    });
}

CNonMetallicDlg::CNonMetallicDlg(const MoleculeIndex& index, QWidget* parent)
    : SelectionDialog(parent, QStringLiteral("Non-Metallic Compounds"), 238, 177, selection_), selection_(index) {
    AddSelectedEdit(QStringLiteral("Selected &Compound:"), 1008, units_.Rect(8, 10, 68, 8), units_.Rect(80, 8, 90, 12));
    AddButtons(units_.Rect(180, 8, 50, 14), units_.Rect(180, 24, 50, 14));
    AddMatchList(QStringLiteral("&Select from:"), 1009, units_.Rect(8, 26, 68, 8), units_.Rect(10, 40, 218, 68));
    QListWidget* positive = AddKeyList(QStringLiteral("&Positive Covalence:"), 1010, units_.Rect(8, 112, 68, 8),
                                       units_.Rect(10, 124, 64, 44), 40, NonMetallicSelection::PositiveKeys());
    QListWidget* negative = AddKeyList(QStringLiteral("&Negative Covalence:"), 1011, units_.Rect(86, 112, 68, 8),
                                       units_.Rect(88, 124, 136, 44), 40, NonMetallicSelection::NegativeKeys());
    connect(positive, &QListWidget::currentRowChanged, this, [this](int row) {
        selection_.ChoosePositive(row);
        ShowModel();
    });
    connect(negative, &QListWidget::currentRowChanged, this, [this](int row) {
        selection_.ChooseNegative(row);
        ShowModel();
    });
}

CHomoatomicDlg::CHomoatomicDlg(const MoleculeIndex& index, const ElementTable& elements, QWidget* parent)
    : SelectionDialog(parent, QStringLiteral("Homoatomic Substance"), 238, 149, selection_), selection_(index, elements) {
    AddSelectedEdit(QStringLiteral("&Selected Substance:"), 1017, units_.Rect(8, 10, 68, 8), units_.Rect(80, 8, 90, 12));
    AddButtons(units_.Rect(180, 8, 50, 14), units_.Rect(180, 24, 50, 14));
    AddMatchList(QStringLiteral("Select &from:"), 1016, units_.Rect(8, 26, 68, 8), units_.Rect(10, 40, 218, 40));
    QListWidget* elementList = AddKeyList(QStringLiteral("&Elements:"), 1015, units_.Rect(8, 84, 40, 8),
                                          units_.Rect(10, 96, 218, 44), 32, selection_.ElementKeys());
    connect(elementList, &QListWidget::currentRowChanged, this, [this](int row) {
        selection_.ChooseElement(row);
        ShowModel();
    });
}

CIndexDlg::CIndexDlg(const MoleculeIndex& index, QWidget* parent)
    : SelectionDialog(parent, QStringLiteral("Index"), 238, 135, selection_), selection_(index) {
    AddSelectedEdit(QStringLiteral("Selected &Compound:"), 1013, units_.Rect(8, 10, 68, 8), units_.Rect(80, 8, 90, 12));
    AddMatchList(QStringLiteral("&Select from:"), 1014, units_.Rect(8, 26, 68, 8), units_.Rect(10, 40, 218, 88));
    AddButtons(units_.Rect(180, 8, 50, 14), units_.Rect(180, 25, 50, 14));
    ShowModel();
}

}  // namespace kiva
