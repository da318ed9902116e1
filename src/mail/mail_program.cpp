#include "mail_program.h"

#include <QDesktopServices>
#include <QProcess>

QString mailtoHandler() {
    constexpr int answerMilliseconds = 5000;
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                             QStringLiteral("x-scheme-handler/mailto")});
    if (!query.waitForFinished(answerMilliseconds)) {
        query.kill();
        query.waitForFinished();
        return QString();
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return QString();
    return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
}

bool openWithDesktop(const QUrl &url) {
    return QDesktopServices::openUrl(url);
}
