// Walking the wizard in tests: each page filled through its own fields and left with
// its own Next, as an applicant does.
#pragma once

#include "support/accessibility_walk.h"
#include "support/windows.h"
#include "wizard/contact_page.h"
#include "wizard/declaration_page.h"
#include "wizard/mail_exchanger_page.h"
#include "wizard/main_window.h"
#include "wizard/name_server_page.h"
#include "wizard/record_choice_page.h"
#include "app/window_set.h"

#include <QtTest>

// Every field of a page. Page I: status BARU, the zone given (".usaha" when none is).
// Contacts: the handles "ADM-QV", " BIL-QV " (blanks are content) and "TEK-QV", the other
// items "<column><row>" ("Ab" is the admin's name); records "<group><row>" ("1a" is the
// primary's host name); the registrant Sari Wulandari.
inline void fillPage(SkinWindow *page, const QString &zone = QStringLiteral(".usaha")) {
    if (auto *domain = qobject_cast<frmMain *>(page)) {
        domain->Option1->setChecked(true);
        domain->Text1->setText(QStringLiteral("lumbung"));
        domain->Combo1->setEditText(zone);
        domain->Text2->setText(QStringLiteral("Koperasi Lumbung Tani"));
        domain->Text3->setPlainText(QStringLiteral("Simpan pinjam petani"));
        domain->Text4->setText(QStringLiteral("AKTA 7/2025"));
        domain->Text5->setText(QStringLiteral("Sari 555-0147"));
    } else if (auto *contacts = qobject_cast<Form2 *>(page)) {
        const char *handles[3] = {"ADM-QV", " BIL-QV ", "TEK-QV"};
        for (int i = 0; i < 24; ++i)
            contacts->Texts[i]->setText(i % 8 == 0
                                            ? QLatin1String(handles[i / 8])
                                            : QString(QChar(u'A' + i / 8)) + QChar(u'a' + i % 8));
    } else if (auto *records = qobject_cast<RecordPage *>(page)) {
        const int rows = recordFieldsPerGroup(records->recordType);
        for (int i = 0; i < int(records->Texts.size()); ++i)
            records->Texts[i]->setText(QString::number(1 + i / rows) + QChar(u'a' + i % rows));
    } else if (auto *declaration = qobject_cast<Form7 *>(page)) {
        declaration->Text1->setText(QStringLiteral("Sari Wulandari"));
        declaration->Text2->setText(QStringLiteral("sari@lumbung.usaha.qv"));
    }
}

// The page's "Selanjutnya" ("NS Record" on page III). A dialog over the page is its child
// and has buttons of the same names.
inline SkinButton *nextButton(SkinWindow *page) {
    if (auto *domain = qobject_cast<frmMain *>(page))
        return domain->SkinButton3;
    return page->findChild<SkinButton *>(QStringLiteral("SkinButton1"), Qt::FindDirectChildrenOnly);
}

// Fills the page and presses its Next.
inline void completePage(SkinWindow *page) {
    fillPage(page);
    nextButton(page)->click();
}

// Page I for the zone text given; page II, if that is where it led.
inline Form2 *completePageOne(WindowSet &windows, const QString &zone = QStringLiteral(".usaha")) {
    fillPage(windows.frmMain.get(), zone);
    nextButton(windows.frmMain.get())->click();
    return windows.Form2.loaded() ? windows.Form2.get() : nullptr;
}

// Runs the wizard from a fresh page I up to the page named (Form2, Form4, Form5, Form6 or
// Form7), which is returned empty; pages before it are completed on the way.
inline SkinWindow *reachPage(WindowSet &windows, const QString &name,
                             const QString &zone = QStringLiteral(".usaha")) {
    SkinWindow *page = completePageOne(windows, zone);
    if (!page || name == QLatin1String("Form2"))
        return page;
    completePage(page);
    Form4 *choice = windows.Form4.get();
    if (name == QLatin1String("Form4"))
        return choice;
    if (name == QLatin1String("Form6")) {
        choice->SkinButton2->click();
        return windows.Form6.get();
    }
    choice->SkinButton1->click();
    if (name == QLatin1String("Form5"))
        return windows.Form5.get();
    completePage(windows.Form5.get());
    return windows.Form7.get();
}

// The object names of the window's controls in the order Tab walks them.
inline QStringList tabOrder(QWidget *window) {
    QStringList names;
    QWidget *first = window->nextInFocusChain();
    while (first->focusPolicy() == Qt::NoFocus || !first->isVisibleTo(window))
        first = first->nextInFocusChain();
    for (QWidget *w = first;;) {
        names << w->objectName();
        do
            w = w->nextInFocusChain();
        while (w != first && (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(window) ||
                              w->window() != window));
        if (w == first)
            return names;
    }
}
