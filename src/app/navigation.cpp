#include "navigation.h"

#include "mail/send_page.h"
#include "mail/smtp_error_dialog.h"
#include "mail/smtp_login_dialog.h"
#include "road_taker.h"
#include "ui/page_controls.h"
#include "window_set.h"
#include "wizard/main_window.h"
#include "wizard/wizard_page.h"
#include "wizard/work_file_error_dialog.h"

#include <QMetaMethod>

namespace navigation {

namespace {

void arrive(WindowSet &windows, const Road &road, SkinWindow *leaving) {
    if (road.arrival == Arrival::Nothing || road.arrival == Arrival::EndsRun)
        return;
    SkinWindow *next = road.to == WindowId::Owner
                           ? qobject_cast<SkinWindow *>(leaving->parentWidget())
                           : windows.window(road.to);
    if (!next)
        return;
    if (road.arrival == Arrival::Returns) {
        // A page takes the skin of the window that led away as it comes back.
        if (auto *page = qobject_cast<WizardPage *>(next))
            page->returnFrom(leaving);
        return;
    }
    if (road.skin == SkinHandOver::Handed)
        handSkinOver(leaving, next);
    if (road.arrival == Arrival::Shows)
        next->Show();
    else
        next->showOver(road.over == WindowId::None ? leaving : windows.window(road.over));
}

void leave(WindowSet &windows, const Road &road, SkinWindow *leaving) {
    switch (road.leaving) {
    case Leaving::Stays:
        return;
    case Leaving::Hides:
        leaving->hide();
        return;
    case Leaving::Unloads:
        windows.unload(road.from);
        return;
    }
}

// A work file that fails is reported over the window that wrote it, which stays as it was.
template <class Window> void leadWorkFileFailures(WindowSet &windows, Window *window) {
    QObject::connect(window, &Window::workFileFailed, window,
                     [&windows, window](const QString &message) {
                         ::WorkFileErrorDialog *dialog = windows.WorkFileErrorDialog.get();
                         handSkinOver(window, dialog);
                         dialog->setMessage(message);
                         dialog->showOver(window);
                     });
}

void leadSendPage(WindowSet &windows, frmMail *page) {
    QObject::connect(page, &frmMail::smtpErrorRaised, page,
                     [&windows, page](const QString &detail) {
                         ::Form1 *dialog = windows.Form1.get();
                         handSkinOver(page, dialog);
                         dialog->setDetail(detail);
                         dialog->showOver(page);
                     });
    QObject::connect(page, &frmMail::loginRequired, page,
                     [&windows, page](const QString &host, const QString &user) {
                         windows.SmtpLoginDialog.get()->ask(page, host, user);
                     });
    QObject::connect(page, &frmMail::loginWithdrawn, page,
                     [&windows] { windows.SmtpLoginDialog.unload(); });
}

void leadLoginDialog(WindowSet &windows, SmtpLoginDialog *dialog) {
    // The question goes before the send goes on, so that a second one can come up.
    QObject::connect(dialog, &SmtpLoginDialog::loginGiven, dialog,
                     [&windows](const QString &user, const QString &password) {
                         windows.SmtpLoginDialog.unload();
                         if (windows.frmMail.loaded())
                             windows.frmMail.get()->logIn(user, password);
                     });
    QObject::connect(dialog, &SmtpLoginDialog::loginCancelled, dialog, [&windows] {
        windows.SmtpLoginDialog.unload();
        if (windows.frmMail.loaded())
            windows.frmMail.get()->loginCancelled();
    });
}

} // namespace

void travel(WindowSet &windows, const Road &road, SkinWindow *leaving) {
    if (road.arrival == Arrival::EndsRun) {
        windows.End();
        return;
    }
    if (road.order == Order::LeaveThenArrive)
        leave(windows, road, leaving);
    arrive(windows, road, leaving);
    if (road.order == Order::ArriveThenLeave)
        leave(windows, road, leaving);
}

void lead(WindowSet &windows, WindowId id, SkinWindow *window) {
    const QMetaObject *meta = window->metaObject();
    for (const Road &road : roadsFrom(id)) {
        const QMetaMethod exit = meta->method(meta->indexOfSignal(road.exit));
        auto *taker =
            new RoadTaker([&windows, road, window] { travel(windows, road, window); }, window);
        QObject::connect(window, exit, taker, RoadTaker::takeMethod());
    }
    if (auto *page = qobject_cast<WizardPage *>(window))
        leadWorkFileFailures(windows, page);
    else if (auto *main = qobject_cast<frmMain *>(window))
        leadWorkFileFailures(windows, main);
    else if (auto *sendPage = qobject_cast<frmMail *>(window))
        leadSendPage(windows, sendPage);
    else if (auto *login = qobject_cast<SmtpLoginDialog *>(window))
        leadLoginDialog(windows, login);
}

} // namespace navigation
