#include "trazellog.h"

Q_LOGGING_CATEGORY(lcTrazel, "trazel", QtWarningMsg)
