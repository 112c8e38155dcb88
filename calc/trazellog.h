// The library's logging category. Its debug lines are off unless switched on
// with QT_LOGGING_RULES="trazel.debug=true", so hot loops pay one flag test.
#ifndef TRAZEL_TRAZELLOG_H
#define TRAZEL_TRAZELLOG_H

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcTrazel)

#endif  // TRAZEL_TRAZELLOG_H
