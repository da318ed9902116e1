// The road through the program: for every window's exit, which window comes next, how it
// comes up, who hands the skin to whom, and whether the window that is done stays, hides or
// unloads. Reading the table below from the top follows one registration from page I to the
// send page; the windows beside the road (dialogs, the viewer, the about box, the gallery)
// follow it.
#pragma once

#include <QByteArrayView>
#include <QMetaObject>
#include <span>
#include <vector>

// Every window of the program, by its name in the window design.
enum class WindowId {
    None,
    Owner, // as a road's next window: the one the window that is done was shown over
    frmMain,
    FormMessageBox,
    Form2,
    Form3,
    Form4,
    Form5,
    Form10,
    Form6,
    Form11,
    Form7,
    Form12,
    Form13,
    WorkFileErrorDialog,
    frmMail,
    Form1,
    SmtpLoginDialog,
    MailProgramDialog,
    frmAbout,
    FormCredits,
    Form9,
    Form14,
};

// How the next window comes up.
enum class Arrival {
    Nothing,   // none comes up
    Shows,     // shown, modeless
    ShowsOver, // shown modal over the window that is done, or over `over`
    Returns,   // a page comes back to the front in the skin of the window that led away
    EndsRun,   // every window closes and the program ends
};

enum class SkinHandOver {
    Kept,   // the next window wears its own skin, or takes the main window's itself
    Handed, // the window that is done hands its current skin to the next one first
};

enum class Leaving { Stays, Hides, Unloads };

enum class Order { ArriveThenLeave, LeaveThenArrive };

struct Road {
    WindowId from;
    const char *exit; // the signal of `from` that says it is done, as "completed()"
    WindowId to;
    Arrival arrival;
    SkinHandOver skin;
    Leaving leaving;
    Order order = Order::ArriveThenLeave;
    WindowId over = WindowId::None; // with ShowsOver: the owner, when not the window that is done
};

namespace navigation {

// Every road, in the order of one registration.
std::span<const Road> roads();
// The roads out of one window.
std::vector<Road> roadsFrom(WindowId window);

// The window's name in the window design, as its object name.
const char *windowName(WindowId window);
// The window of that name; None when there is none.
WindowId windowNamed(QByteArrayView name);
// The class of the window, for what it can signal; no window is made for it.
const QMetaObject *windowClass(WindowId window);

} // namespace navigation
