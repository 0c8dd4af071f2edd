// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The application's end of the main frame's command routing: what the frame asks of the program
// that runs it, so that the frame knows nothing else of the application.
class QWidget;

namespace kiva {

class ApplicationCommands {
public:
    // The quit prompt, asked whenever the main window is to close: true lets it close.
    virtual bool SaveAllModified(QWidget* mainWindow) = 0;
    // Help > About.
    virtual void OnAppAbout(QWidget* mainWindow) = 0;

protected:
    ~ApplicationCommands() = default;
};

}  // namespace kiva
