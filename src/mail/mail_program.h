// The applicant's own mail program: whether the desktop names one for mailto: links, and
// handing a link to it.
#pragma once

#include <QString>
#include <QUrl>
#include <functional>

// How a link reaches the desktop: true when the desktop took it.
using UrlOpener = std::function<bool(const QUrl &)>;

// The desktop's mailto: handler as xdg-mime names it ("thunderbird.desktop"); empty when
// there is none, or xdg-mime is missing, fails or does not answer within a few seconds.
// Asked before the link is handed over: the desktop's opener only says that it started.
QString mailtoHandler();

// QDesktopServices::openUrl.
bool openWithDesktop(const QUrl &url);
