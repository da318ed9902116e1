#include "navigation_table.h"

#include "extras/about_box.h"
#include "extras/credits_roll.h"
#include "extras/gallery_lock.h"
#include "extras/gallery_page.h"
#include "mail/mail_program_dialog.h"
#include "mail/send_page.h"
#include "mail/smtp_error_dialog.h"
#include "mail/smtp_login_dialog.h"
#include "wizard/contact_page.h"
#include "wizard/declaration_message_box.h"
#include "wizard/declaration_page.h"
#include "wizard/incomplete_data_dialog.h"
#include "wizard/information_viewer.h"
#include "wizard/mail_exchanger_page.h"
#include "wizard/main_window.h"
#include "wizard/name_server_page.h"
#include "wizard/record_choice_page.h"
#include "wizard/work_file_error_dialog.h"

namespace navigation {

namespace {

using enum WindowId;
using enum Arrival;
using enum SkinHandOver;
using enum Leaving;
using enum Order;

constexpr Road table[] = {
    // Page I: the domain. Page II wears the main window's skin from its load.
    {frmMain, "completed()", Form2, Shows, Kept, Hides},
    {frmMain, "incomplete()", FormMessageBox, ShowsOver, Handed, Stays},
    {FormMessageBox, "dismissed()", frmMain, Shows, Kept, Hides},
    {frmMain, "informationRequested()", Form13, Shows, Handed, Stays},
    {frmMain, "aboutRequested()", frmAbout, ShowsOver, Kept, Stays},
    {frmMain, "endRequested()", None, EndsRun, Kept, Stays},

    // Page II: the contacts. Its dialog wears the main window's skin, which it takes itself.
    {Form2, "completed()", Form4, Shows, Handed, Hides},
    {Form2, "incomplete()", Form3, ShowsOver, Kept, Stays},
    {Form3, "dismissed()", Form2, Shows, Kept, Hides, LeaveThenArrive},
    {Form2, "informationRequested()", Form13, Shows, Handed, Stays},
    {Form2, "endRequested()", None, EndsRun, Kept, Stays},

    // Page III: name servers or mail exchangers.
    {Form4, "nameServersChosen()", Form5, Shows, Handed, Unloads},
    {Form4, "mailExchangersChosen()", Form6, Shows, Handed, Unloads},
    {Form4, "endRequested()", None, EndsRun, Kept, Stays},

    // Page IV, the name servers.
    {Form5, "completed()", Form7, Shows, Handed, Unloads},
    {Form5, "incomplete()", Form10, ShowsOver, Handed, Stays},
    {Form10, "dismissed()", Form5, Returns, Handed, Unloads},
    {Form5, "informationRequested()", Form13, Shows, Handed, Stays},
    {Form5, "endRequested()", None, EndsRun, Kept, Stays},

    // Page IV, the mail exchangers.
    {Form6, "completed()", Form7, Shows, Handed, Unloads},
    {Form6, "incomplete()", Form11, ShowsOver, Handed, Stays},
    {Form11, "dismissed()", Form6, Returns, Handed, Unloads},
    {Form6, "informationRequested()", Form13, Shows, Handed, Stays},
    {Form6, "endRequested()", None, EndsRun, Kept, Stays},

    // Page V: the declaration. The viewer takes the main window's skin itself.
    {Form7, "completed()", frmMail, Shows, Handed, Unloads},
    {Form7, "incomplete()", Form12, ShowsOver, Handed, Stays},
    {Form12, "dismissed()", Form7, Returns, Handed, Unloads, LeaveThenArrive},
    {Form7, "informationRequested()", Form13, Shows, Kept, Stays},
    {Form7, "endRequested()", None, EndsRun, Kept, Stays},

    // The hidden gallery, behind page V's dialog; every way out leads back to page V.
    {Form12, "galleryRequested()", Form9, ShowsOver, Handed, Unloads, LeaveThenArrive, Form7},
    {Form9, "unlocked()", Form14, ShowsOver, Handed, Unloads, ArriveThenLeave, Form7},
    {Form9, "dismissed()", Form7, Returns, Handed, Unloads, LeaveThenArrive},
    {Form14, "dismissed()", Form7, Returns, Handed, Unloads, LeaveThenArrive},

    // A work file that failed is reported over the page that wrote it, which stays as it was.
    {WorkFileErrorDialog, "dismissed()", Owner, Shows, Kept, Hides, LeaveThenArrive},

    // The send page: the last one, which ends the run.
    {frmMail, "endRequested()", None, EndsRun, Kept, Stays},
    {Form1, "dismissed()", frmMail, Shows, Handed, Unloads},
    {frmMail, "mailProgramMissing()", MailProgramDialog, ShowsOver, Handed, Stays},
    {MailProgramDialog, "dismissed()", frmMail, Shows, Handed, Unloads},

    // The about box over page I and its credits roll; the about box wears the main window's
    // skin, which it takes itself.
    {frmAbout, "dismissed()", frmMain, Shows, Kept, Hides, LeaveThenArrive},
    {frmAbout, "creditsRequested()", FormCredits, ShowsOver, Handed, Hides, LeaveThenArrive},
    {FormCredits, "dismissed()", frmAbout, Shows, Kept, Unloads, LeaveThenArrive},
    {FormCredits, "nothingToRoll()", None, Nothing, Kept, Unloads},
};

struct WindowEntry {
    WindowId id;
    const char *name;
    const QMetaObject *windowClass;
};

const WindowEntry windowEntries[] = {
    {frmMain, "frmMain", &::frmMain::staticMetaObject},
    {FormMessageBox, "FormMessageBox", &IncompleteDataDialog::staticMetaObject},
    {Form2, "Form2", &::Form2::staticMetaObject},
    {Form3, "Form3", &IncompleteDataDialog::staticMetaObject},
    {Form4, "Form4", &::Form4::staticMetaObject},
    {Form5, "Form5", &::Form5::staticMetaObject},
    {Form10, "Form10", &IncompleteDataDialog::staticMetaObject},
    {Form6, "Form6", &::Form6::staticMetaObject},
    {Form11, "Form11", &IncompleteDataDialog::staticMetaObject},
    {Form7, "Form7", &::Form7::staticMetaObject},
    {Form12, "Form12", &::Form12::staticMetaObject},
    {Form13, "Form13", &::Form13::staticMetaObject},
    {WorkFileErrorDialog, "WorkFileErrorDialog", &::WorkFileErrorDialog::staticMetaObject},
    {frmMail, "frmMail", &::frmMail::staticMetaObject},
    {Form1, "Form1", &::Form1::staticMetaObject},
    {SmtpLoginDialog, "SmtpLoginDialog", &::SmtpLoginDialog::staticMetaObject},
    {MailProgramDialog, "MailProgramDialog", &::MailProgramDialog::staticMetaObject},
    {frmAbout, "frmAbout", &::frmAbout::staticMetaObject},
    {FormCredits, "FormCredits", &::FormCredits::staticMetaObject},
    {Form9, "Form9", &::Form9::staticMetaObject},
    {Form14, "Form14", &::Form14::staticMetaObject},
};

const WindowEntry *entryOf(WindowId window) {
    for (const WindowEntry &entry : windowEntries)
        if (entry.id == window)
            return &entry;
    return nullptr;
}

} // namespace

std::span<const Road> roads() {
    return table;
}

std::vector<Road> roadsFrom(WindowId window) {
    std::vector<Road> found;
    for (const Road &road : table)
        if (road.from == window)
            found.push_back(road);
    return found;
}

const char *windowName(WindowId window) {
    const WindowEntry *entry = entryOf(window);
    return entry ? entry->name : "";
}

WindowId windowNamed(QByteArrayView name) {
    for (const WindowEntry &entry : windowEntries)
        if (name == entry.name)
            return entry.id;
    return WindowId::None;
}

const QMetaObject *windowClass(WindowId window) {
    const WindowEntry *entry = entryOf(window);
    return entry ? entry->windowClass : nullptr;
}

} // namespace navigation
