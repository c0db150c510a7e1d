// The session: the window's whole state kept in the user's data folder while the program runs, so that the next
// start opens as this one was left and a killed process loses at most the last two seconds. It is written at most two
// seconds after the first change not yet written (continuous typing still gets written) and when the window closes;
// through QSaveFile, so that two windows at once never corrupt it (the last to write wins).
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

namespace vxr::app {

class Session : public QObject {
    Q_OBJECT

public:
    // `snapshot` gives the bytes to write.
    Session(std::function<QByteArray()> snapshot, QObject* parent);

    // The session file: session.vxr in the user's data folder (QStandardPaths::AppDataLocation).
    static QString path();

    // A change not yet written: write within two seconds.
    void changed();
    // Writes now; false where the file cannot be written (the program carries on).
    bool write();

private:
    std::function<QByteArray()> snapshot_;
    QTimer timer_;
};

}  // namespace vxr::app
