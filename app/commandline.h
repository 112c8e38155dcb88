// The program's command line: `vantorel [road.rod]`, with --help and
// --version answered by Qt's parser.
#ifndef VANTOREL_COMMANDLINE_H
#define VANTOREL_COMMANDLINE_H

#include <QString>
#include <QStringList>

// The road file named in `arguments` (the program's name first), as an
// absolute path; empty when none is named.
QString roadOnCommandLine(const QStringList& arguments);

#endif  // VANTOREL_COMMANDLINE_H
