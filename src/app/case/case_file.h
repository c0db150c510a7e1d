// The case file (.vxr): everything typed, chosen and calculated on every page, kept as UTF-8 JSON (docs/case-file.md).
//
// Reading is all or nothing: `parse` checks the whole document before anything is handed on, and gives either a
// document whose every page object is complete (fields the file leaves out at their defaults) or the reason for the
// refusal. Page and field names this version does not know are skipped and listed; keys a newer version of the same
// format added are ignored. Writing goes through QSaveFile, so
// that a failure leaves an older file as it was. The same document with the open file's name and its unsaved mark is
// the session the program keeps between runs.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <map>
#include <optional>

#include "app/case/page_json.h"
#include "app/pages/page_list.h"

namespace vxr::app::casefile {

inline constexpr const char* kFormat = "vxr-case";
inline constexpr int kVersion = 1;
inline constexpr qint64 kMaxBytes = 10 * 1024 * 1024;
inline constexpr const char* kSuffix = "vxr";

struct Document {
    QDateTime changed;                   // the case's last change
    QString program;                     // the program that wrote it
    QJsonObject project;                 // the project information of the sheet's title block
    QString page;                        // the page shown
    std::map<QString, PageState> pages;  // every page of the page list by its name: its state
    // The session's own: the case file open, and whether the window holds changes not saved to it.
    QString file;
    bool unsaved = false;
};

struct Reading {
    std::optional<Document> document;
    QString error;        // why not, where there is no document
    bool newer = false;   // refused as written by a newer version
    QStringList skipped;  // page and field names this version does not know
};

// Every page at start, no case file, the start page shown, changed now.
Document fresh();

// The document in `bytes`, checked; `session` also reads the session's own keys.
Reading parse(const QByteArray& bytes, bool session = false);
QByteArray serialize(const Document& document, bool session = false);

// The file at `path` read and parsed; a file that cannot be read or is larger than kMaxBytes is refused.
Reading readFile(const QString& path, bool session = false);
// Writes `bytes` to `path` through QSaveFile; false with the reason where it cannot.
bool writeFile(const QString& path, const QByteArray& bytes, QString* error);

}  // namespace vxr::app::casefile
