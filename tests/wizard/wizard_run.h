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
#include "wizard/window_set.h"

#include <QtTest>

// Page I for the zone text given, status BARU.
inline Form2 *completePageOne(WindowSet &windows, const QString &zone = QStringLiteral(".usaha")) {
    frmMain *page = windows.frmMain.get();
    page->Option1->setChecked(true);
    page->Text1->setText(QStringLiteral("lumbung"));
    page->Combo1->setEditText(zone);
    page->Text2->setText(QStringLiteral("Koperasi Lumbung Tani"));
    page->Text3->setPlainText(QStringLiteral("Simpan pinjam petani"));
    page->Text4->setText(QStringLiteral("AKTA 7/2025"));
    page->Text5->setText(QStringLiteral("Sari 555-0147"));
    page->SkinButton3->click();
    return windows.Form2.loaded() ? windows.Form2.get() : nullptr;
}

// The 24 contact fields: "<column letter><row letter>", e.g. "Ab" for the admin's name;
// the three NIC handles are "ADM-QV", "BIL-QV" and "TEK-QV".
inline void fillContacts(Form2 *page) {
    const char *handles[3] = {"ADM-QV", "BIL-QV", "TEK-QV"};
    for (int i = 0; i < 24; ++i)
        page->Texts[i]->setText(i % 8 == 0 ? QLatin1String(handles[i / 8])
                                           : QString(QChar(u'A' + i / 8)) + QChar(u'a' + i % 8));
}

inline Form4 *completeContacts(WindowSet &windows) {
    Form2 *page = completePageOne(windows);
    fillContacts(page);
    page->SkinButton1->click();
    return windows.Form4.loaded() ? windows.Form4.get() : nullptr;
}

// Page III's choice: the NS or the MX page.
inline RecordPage *chooseRecords(WindowSet &windows, RecordType type) {
    Form4 *choice = completeContacts(windows);
    if (type == RecordType::NameServer) {
        choice->SkinButton1->click();
        return windows.Form5.get();
    }
    choice->SkinButton2->click();
    return windows.Form6.get();
}

// Every record field "<group><row>", e.g. "1a" for the primary's host name.
inline void fillRecords(RecordPage *page) {
    const int rows = recordFieldsPerGroup(page->recordType);
    for (int i = 0; i < int(page->Texts.size()); ++i)
        page->Texts[i]->setText(QString::number(1 + i / rows) + QChar(u'a' + i % rows));
}

inline Form7 *completeRecords(WindowSet &windows, RecordType type) {
    RecordPage *page = chooseRecords(windows, type);
    fillRecords(page);
    page->SkinButton1->click();
    return windows.Form7.loaded() ? windows.Form7.get() : nullptr;
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

// What a screen reader would miss among the window's controls, one line each.
inline QString namingProblemsIn(QWidget *window) {
    return namingProblems(accessibleTree(window)).join(u'\n');
}
