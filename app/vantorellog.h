// The program's logging category. Its debug lines are off unless switched on
// with QT_LOGGING_RULES="vantorel.debug=true".
#ifndef VANTOREL_VANTORELLOG_H
#define VANTOREL_VANTORELLOG_H

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcVantorel)

#endif  // VANTOREL_VANTORELLOG_H
