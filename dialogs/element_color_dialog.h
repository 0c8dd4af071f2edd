// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// "Color of Element": edits the display colour of every element on a working copy of the
// element table, with a live sample disc, the system colour chooser and the built-in colours.
#include <QDialog>
#include <QFrame>

#include "dialogs/element_color_model.h"

class QLineEdit;
class QListWidget;

namespace kiva {

// A black-framed square showing the colour as a disc with a black outline, 4 pixels inside the
// frame's shorter half-extent.
class ColorSample final : public QFrame {
public:
    explicit ColorSample(QWidget* parent);
    void SetColor(std::uint32_t color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::uint32_t color_ = 0;
};

class CElementColorDlg final : public QDialog {
public:
    // The working table starts as a copy of `rows`; after OK, rows() is the table to keep.
    explicit CElementColorDlg(const ElementColorModel::Rows& rows, QWidget* parent = nullptr);

    const ElementColorModel::Rows& rows() const { return model_.Table(); }

private:
    ColorFields CurrentFields() const;
    void WriteFields();
    void DrawSample();
    // The refusal message, then the focus on the refused edit with its text selected.
    void Refuse(std::optional<ColorEdit> edit);
    QLineEdit* Edit(ColorEdit edit) const;

    void SwitchElement();
    void ChooseColor();
    void RestoreDefaults();
    void Ok();

    ElementColorModel model_;
    QListWidget* list_ = nullptr;
    QLineEdit* red_ = nullptr;
    QLineEdit* green_ = nullptr;
    QLineEdit* blue_ = nullptr;
    ColorSample* sample_ = nullptr;
};

}  // namespace kiva
