// Where the exits of the send page, the about box, the credits roll and the gallery lead:
// each of those windows only says that it is done, and the functions here decide which
// window comes next, whether the one that is done hides or unloads, and who hands the skin
// to whom. Each connects a window's signals once, as the window set makes it.
#pragma once

class WindowSet;
class frmMail;
class Form1;
class SmtpLoginDialog;
class frmAbout;
class FormCredits;
class Form9;
class Form14;

namespace navigation {

frmMail *lead(WindowSet &windows, frmMail *page);
Form1 *lead(WindowSet &windows, Form1 *dialog);
SmtpLoginDialog *lead(WindowSet &windows, SmtpLoginDialog *dialog);
frmAbout *lead(WindowSet &windows, frmAbout *about);
FormCredits *lead(WindowSet &windows, FormCredits *credits);
Form9 *lead(WindowSet &windows, Form9 *lock);
Form14 *lead(WindowSet &windows, Form14 *gallery);

} // namespace navigation
