// The program's log: one category per area whose failures the windows take in quietly, so
// that the reason still reaches someone. Warnings show on standard error by default; the SMTP
// transcript is at debug level, switched on with QT_LOGGING_RULES="veld.smtp.debug=true".
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(veldSkin) // "veld.skin": skin files refused
Q_DECLARE_LOGGING_CATEGORY(veldHelp) // "veld.help": help topics that cannot be read
Q_DECLARE_LOGGING_CATEGORY(veldWork) // "veld.work": work files that cannot be used
Q_DECLARE_LOGGING_CATEGORY(veldSmtp) // "veld.smtp": sends that fail, and the transcript
Q_DECLARE_LOGGING_CATEGORY(veldApp)  // "veld.app": the program's claim on its folder
