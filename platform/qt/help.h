// Help: a help file name such as "TRELUMO.HLP" stands for the document trelumo.html in the
// program's help folder, shown in a modeless help window.
#pragma once

#include <QString>
#include <QStringList>

class QApplication;

namespace trelumo {

/// Where help documents are looked for: beside the program, then in the installed data folder.
QStringList help_folders();

/// The documents a help file name may stand for, one in each folder, in the order they are sought.
QStringList help_document_candidates(const QString& help_file,
                                     const QStringList& folders = help_folders());

/// The document a help file name stands for, or an empty text when none is found.
QString help_document_path(const QString& help_file, const QStringList& folders = help_folders());

/// Shows the document in the help window, or says in a message box that it is missing.
void show_help(const QString& help_file);

/// Makes F1 open the application's help file wherever the focus is.
void install_help_key(QApplication& application);

}  // namespace trelumo
