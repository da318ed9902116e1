#include "log_categories.h"

Q_LOGGING_CATEGORY(veldSkin, "veld.skin", QtWarningMsg)
Q_LOGGING_CATEGORY(veldHelp, "veld.help", QtWarningMsg)
Q_LOGGING_CATEGORY(veldWork, "veld.work", QtWarningMsg)
Q_LOGGING_CATEGORY(veldSmtp, "veld.smtp", QtWarningMsg)
Q_LOGGING_CATEGORY(veldApp, "veld.app", QtWarningMsg)
