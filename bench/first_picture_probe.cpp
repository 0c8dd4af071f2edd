// SPDX-License-Identifier: GPL-2.0-or-later
// Loaded into the viewer with LD_PRELOAD by bench/compare_rasmol.py: ends the process as soon as
// the first molecule picture has been painted, so the whole run is the viewer's time from its
// start to its first picture. It needs nothing of the viewer's own code, so it times any build.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace {

class FirstPictureProbe final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!painted_ && event->type() == QEvent::Paint && watched->inherits("CKivaView")) {
            painted_ = true;
            // After this paint has been delivered; nothing of the program's exit is timed.
            QTimer::singleShot(0, [] {
                std::fflush(nullptr);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    bool painted_ = false;
};

void InstallProbe() { QCoreApplication::instance()->installEventFilter(new FirstPictureProbe); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallProbe)
