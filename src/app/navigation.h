// Where the exits of every window lead. A window only says that it is done (completed,
// incomplete, NS or MX chosen, dismissed, about or information requested, end requested);
// the functions here decide which window comes next, whether the one that is done hides or
// unloads, and who hands the skin to whom. Each connects a window's signals once, as the
// window set makes the window, and returns it.
#pragma once

class WindowSet;
class frmMain;
class Form2;
class Form4;
class Form5;
class Form6;
class Form7;
class Form12;
class IncompleteDataDialog;
class Form13;
class WorkFileErrorDialog;
class frmMail;
class Form1;
class SmtpLoginDialog;
class frmAbout;
class FormCredits;
class Form9;
class Form14;

namespace navigation {

frmMain *lead(WindowSet &windows, frmMain *page);
Form2 *lead(WindowSet &windows, Form2 *page);
Form4 *lead(WindowSet &windows, Form4 *page);
Form5 *lead(WindowSet &windows, Form5 *page);
Form6 *lead(WindowSet &windows, Form6 *page);
Form7 *lead(WindowSet &windows, Form7 *page);
Form12 *lead(WindowSet &windows, Form12 *dialog);
frmMail *lead(WindowSet &windows, frmMail *page);
Form1 *lead(WindowSet &windows, Form1 *dialog);
SmtpLoginDialog *lead(WindowSet &windows, SmtpLoginDialog *dialog);
frmAbout *lead(WindowSet &windows, frmAbout *about);
FormCredits *lead(WindowSet &windows, FormCredits *credits);
Form9 *lead(WindowSet &windows, Form9 *lock);
Form14 *lead(WindowSet &windows, Form14 *gallery);

// The incomplete-data dialogs are one window class; each leads back to its own page:
// FormMessageBox to page I, Form3 to page II, Form10 and Form11 to the record pages.
IncompleteDataDialog *leadBackToPageOne(WindowSet &windows, IncompleteDataDialog *dialog);
IncompleteDataDialog *leadBackToContacts(WindowSet &windows, IncompleteDataDialog *dialog);
IncompleteDataDialog *leadBackToNameServers(WindowSet &windows, IncompleteDataDialog *dialog);
IncompleteDataDialog *leadBackToMailExchangers(WindowSet &windows, IncompleteDataDialog *dialog);

} // namespace navigation
