// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Helpers every dialog uses to lay out its controls from its template.
#include <QRect>
#include <functional>
#include <utility>

class QDialog;
class QListWidget;
class QPushButton;
class QWidget;

namespace kiva {

class DialogUnits;

// Puts a control at its template rectangle (in pixels) and names it by its control id, so tests
// find it; a label grows to fit its text.
void PlaceControl(QWidget* control, QRect rect, int id);

// The OK button (id 1, the default) and Cancel (id 2) at their template rectangles: OK runs
// `onOk`, which decides whether the dialog closes; Cancel closes it with Cancel.
std::pair<QPushButton*, QPushButton*> AddOkCancel(QDialog& dialog, QRect ok, QRect cancel, std::function<void()> onOk);

// Widens a fixed layout where a language's texts need more room than the template gives: a
// label whose text runs into the control beside it, or a button or box narrower than its text,
// moves the controls to its right over, widens the controls that span that place, and the dialog
// grows by as much. A layout whose texts fit, as the English one does, stays as it is.
void MakeRoomForTexts(QDialog& dialog);

// A list of short items in columns of the given classic width, filled top to bottom and
// scrolled sideways.
void MakeMultiColumn(QListWidget* list, const DialogUnits& units, int columnPixels);

}  // namespace kiva
