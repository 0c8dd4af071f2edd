// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// One viewer per desktop session: a second `kiva FILE` on the same display hands FILE to the
// viewer already running there over a local socket and ends; on another display it opens a window
// of its own. The message is the files' absolute paths, one a line, in UTF-8.
#include <QObject>
#include <QStringList>

class QLocalServer;

namespace kiva {

// The socket of this process's session: in the user's runtime directory, named by the user and
// the display ($WAYLAND_DISPLAY, else $DISPLAY).
QString ViewerSocketName();
QString ViewerSocketName(const QString& runtimeDirectory, const QString& display);

// True when a running viewer took the files.
bool HandFilesToRunningViewer(const QStringList& absolutePaths, const QString& socketName = ViewerSocketName());

// Parses one message: absolute paths only, blank and relative lines dropped.
QStringList ParseFileMessage(const QByteArray& message);

class InstanceServer final : public QObject {
    Q_OBJECT
public:
    // A message longer than this is cut off: paths are short, and a stray client must not
    // make the viewer hold unbounded data.
    static constexpr qsizetype kMaxMessageBytes = 64 * 1024;

    InstanceServer();
    ~InstanceServer() override;
    // Starts serving; a socket left by a viewer that died is replaced. False when it cannot.
    bool Listen(const QString& socketName = ViewerSocketName());

signals:
    void filesReceived(const QStringList& paths);

private:
    void Accept();

    QLocalServer* server_;
};

}  // namespace kiva
