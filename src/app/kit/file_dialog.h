// Qt's own file dialog in Chinese throughout. Qt's Chinese catalogue translates its buttons and captions but not the
// file list: the type of a folder ("Folder") has no entry in the context Qt 6 looks it up in, and sizes and dates are
// written in the system locale's words ("4.88 KiB", "7 Dec 2026"), which on a machine set to English or C are English.
#pragma once

class QFileDialog;
class QObject;
class QTranslator;

namespace vxr::app {

// The program's own catalogue of Qt's texts that Qt's lacks; installed after Qt's, it is asked first.
QTranslator* qtTextsCatalogue(QObject* parent);

// Qt's dialog (not the platform's, whose language follows the desktop), its list written as a Chinese desktop
// writes it: sizes in 字节, KB, MB, GB; dates as 2026/12/7 20:09; the types of folders and of the program's files.
void prepareFileDialog(QFileDialog& dialog);

}  // namespace vxr::app
