#include "vantorellog.h"

Q_LOGGING_CATEGORY(lcVantorel, "vantorel", QtWarningMsg)
