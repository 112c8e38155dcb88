// The file dialogs of the program: each kind of file (roads, PI files, stake
// files, imports) starts where the user last took or put one, else in the
// user's documents folder.
#ifndef VANTOREL_FILEDIALOGS_H
#define VANTOREL_FILEDIALOGS_H

#include <QString>

class QWidget;

namespace filedialogs {

// The directory the dialog for this kind of file starts in.
QString startDirectory(const QString& kind);
// The directory of `file` becomes the start for its kind.
void rememberDirectory(const QString& kind, const QString& file);

// Asks for an existing file of this kind; empty when cancelled.
QString openFileName(QWidget* parent, const QString& kind, const QString& caption,
                     const QString& filter);
// Asks for a file to write, starting at `start` (a directory or a file); a
// name typed without a suffix gets `suffix`, so that the file is listed
// under the filter later. Empty when cancelled.
QString saveFileName(QWidget* parent, const QString& caption, const QString& start,
                     const QString& filter, const QString& suffix);

}  // namespace filedialogs

#endif  // VANTOREL_FILEDIALOGS_H
