// The session: a window's whole state kept in the user's data folder while it runs, so that the next start can bring
// back what a closed or killed window held and a killed process loses at most the last two seconds. It is written at
// most two seconds after the first change not yet written (continuous typing still gets written) and when the window
// closes, through QSaveFile, so that a file is never left half written.
//
// Each running window keeps a session file of its own (session.vxr, session-2.vxr, …) and holds its lock
// (session.vxr.lock, …) for as long as it runs, so that no window ever writes over another's. A lock held by a process
// that is gone (killed, crashed) is stale and taken over: that session is an orphan, offered at the next start.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "app/case/case_file.h"

class QLockFile;

namespace vxr::app {

// A session file whose window is no longer running, read and locked by this process while it decides what to do.
struct Orphan {
    QString file;
    std::shared_ptr<QLockFile> lock;
    casefile::Reading reading;
};

class Session : public QObject {
    Q_OBJECT

public:
    // `snapshot` gives the bytes to write.
    Session(std::function<QByteArray()> snapshot, QObject* parent);
    ~Session() override;

    // The folder of the sessions (QStandardPaths::AppDataLocation) and its first session file, session.vxr.
    static QString folder();
    static QString path();

    // Every session file of the folder whose window is not running: locked now, and read.
    static std::vector<Orphan> orphans();
    // Moves an orphan that cannot be read aside, under a name that says why and when
    // (session-无法读取-20261207-101500.vxr): the new path; empty where it could not be moved (it stays where it is,
    // and no window writes to it).
    static QString setAside(const Orphan& orphan, const QString& why);
    // Deletes an orphan.
    static void discard(const Orphan& orphan);

    // This window's session file; empty until the first write (or adopt()).
    const QString& file() const { return file_; }
    // Takes `orphan` over as this window's session, its lock kept: a restored session is this window's from now on.
    void adopt(const Orphan& orphan);

    // A change not yet written: write within two seconds.
    void changed();
    // Writes now, to a file of this window's own (the first free name, locked, on the first write); false where it
    // cannot be written, with writeFailed() and the reason.
    bool write();

signals:
    void writeFailed(const QString& reason);
    void written();

private:
    bool claim(QString* error);

    std::function<QByteArray()> snapshot_;
    QTimer timer_;
    QString file_;
    std::shared_ptr<QLockFile> lock_;
};

}  // namespace vxr::app
