// SPDX-License-Identifier: GPL-2.0-or-later
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

#include "chem/selection_keys.h"
#include "dialogs/dialog_controls.h"
#include "dialogs/selection_dialogs.h"
#include "platform/translations.h"

namespace kiva {

namespace {

NotFoundReporter& Reporter() {
    static NotFoundReporter reporter = [](QWidget* owner, const QString& message) {
        QMessageBox::information(owner, QStringLiteral("Zelkora"), message);
    };
    return reporter;
}

// Keyboard focus makes a list's first row current without selecting it; only a selection (a
// click, the arrow keys, the space bar) is the user's choice, so only a selection is passed on.
template <typename Chosen>
void ConnectChosenRow(QListWidget* list, QObject* receiver, Chosen chosen) {
    QObject::connect(list, &QListWidget::itemSelectionChanged, receiver, [list, chosen] {
        const QList<QListWidgetItem*> selected = list->selectedItems();
        if (!selected.isEmpty()) chosen(list->row(selected.first()));
    });
}

}  // namespace

void SetNotFoundReporter(NotFoundReporter reporter) { Reporter() = std::move(reporter); }

SelectionDialog::SelectionDialog(QWidget* parent, const QString& title, int widthUnits, int heightUnits,
                                 SelectionModel& model)
    : QDialog(parent), units_(*this), model_(model) {
    setWindowTitle(title);
    setFixedSize(units_.X(widthUnits), units_.Y(heightUnits));
}

void SelectionDialog::AddSelectedEdit(const QString& label, int editId, QRect labelRect, QRect editRect) {
    edit_ = new QLineEdit(this);
    PlaceControl(edit_, editRect, editId);
    auto* caption = new QLabel(label, this);
    PlaceControl(caption, labelRect, 0);
    caption->setBuddy(edit_);
    connect(edit_, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.EditChanged(text.toStdString());
        ShowModel();
    });
}

void SelectionDialog::AddMatchList(const QString& label, int listId, QRect labelRect, QRect listRect) {
    matches_ = new QListWidget(this);
    PlaceControl(matches_, listRect, listId);
    matches_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto* caption = new QLabel(label, this);
    PlaceControl(caption, labelRect, 0);
    caption->setBuddy(matches_);
    ConnectChosenRow(matches_, this, [this](int row) {
        model_.ChooseRow(row);
        ShowModel();
    });
    connect(matches_, &QListWidget::itemDoubleClicked, this, [this] { Confirm(); });
}

void SelectionDialog::AddButtons(QRect ok, QRect cancel) {
    AddOkCancel(*this, ok, cancel, [this] { OnOk(); });
}

QListWidget* SelectionDialog::AddKeyList(const QString& label, int listId, QRect labelRect, QRect listRect,
                                         int columnPixels, const std::vector<std::string>& keys,
                                         std::function<void(int)> chosen) {
    auto* list = new QListWidget(this);
    PlaceControl(list, listRect, listId);
    MakeMultiColumn(list, units_, columnPixels);
    for (const std::string& key : keys) list->addItem(TranslatedText(kSelectionKeysContext, key));
    auto* caption = new QLabel(label, this);
    PlaceControl(caption, labelRect, 0);
    caption->setBuddy(list);
    ConnectChosenRow(list, this, [this, chosen = std::move(chosen)](int row) {
        chosen(row);
        ShowModel();
    });
    return list;
}

void SelectionDialog::ShowModel() {
    const QSignalBlocker blockList(matches_);
    const auto& lines = model_.Lines();
    bool same = matches_->count() == static_cast<int>(lines.size());
    for (int i = 0; same && i < matches_->count(); ++i)
        same = matches_->item(i)->text().toStdString() == lines[static_cast<std::size_t>(i)];
    if (!same) {
        matches_->clear();
        for (const std::string& line : lines) matches_->addItem(QString::fromStdString(line));
    }
    if (model_.SelectedRow() >= 0) {
        matches_->setCurrentRow(model_.SelectedRow());
        matches_->scrollToItem(matches_->currentItem());
    } else {
        matches_->setCurrentRow(-1);
        matches_->clearSelection();
    }
    const QString name = QString::fromStdString(model_.SelectedName());
    if (edit_->text() != name) edit_->setText(name);
}

void SelectionDialog::Confirm() {
    model_.EditChanged(edit_->text().toStdString());
    const Confirmation confirmation = model_.Confirm();
    if (confirmation.outcome == Confirmation::Outcome::Close)
        accept();
    else if (confirmation.outcome == Confirmation::Outcome::NotFound)
        Reporter()(this, TranslatedText(kNotFoundContext, confirmation.messageFormat)
                             .replace(QStringLiteral("%s"), QString::fromStdString(confirmation.name)));
}

void SelectionDialog::OnOk() { accept(); }

void SelectionDialog::done(int result) {
    // A name typed in the user's language stands for its catalogue name.
    model_.EditChanged(edit_->text().toStdString());
    selectedName_ = QString::fromStdString(model_.ResolvedName());
    QDialog::done(result);
}

}  // namespace kiva
