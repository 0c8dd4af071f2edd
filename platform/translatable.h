// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Marks a text of the Qt-free core that a user reads. The core keeps the English text; the Qt
// layer that shows it passes it through QCoreApplication::translate with the same context, and
// lupdate collects it as it collects QT_TRANSLATE_NOOP.
#define KIVA_TRANSLATABLE(context, text) text
