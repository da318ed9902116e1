// Finding controls by their object names, and walking the wizard's pages as an applicant
// does: each page filled through its own fields and left with its own Next.
#pragma once

#include "ui/skin_button.h"
#include "ui/skin_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

// The control of that object name in the window; a missing one stops the test program, since
// the test itself is then wrong.
template <class Control = QWidget> Control *control(const QObject *window, const QString &name) {
    auto *found = window->findChild<Control *>(name);
    if (!found)
        qFatal("no %s named %s in %s", Control::staticMetaObject.className(), qPrintable(name),
               qPrintable(window->objectName()));
    return found;
}
inline QLineEdit *field(const QObject *window, const QString &name) {
    return control<QLineEdit>(window, name);
}
inline SkinButton *button(const QObject *window, const QString &name) {
    return control<SkinButton>(window, name);
}

// What fillPage types into Text1, Text2, ... of page II or of a record page with that many
// fields: the handles "ADM-QV", " BIL-QV " (blanks are content) and "TEK-QV", the other
// contact items "<column><row>" ("Ab" is the admin's name); records "<group><row>" ("1a" is
// the primary's host name) in five groups.
inline QStringList fieldTexts(const QString &page, int fields) {
    const char *handles[3] = {"ADM-QV", " BIL-QV ", "TEK-QV"};
    QStringList texts;
    for (int i = 0; i < fields; ++i)
        if (page == QLatin1String("Form2"))
            texts << (i % 8 == 0 ? QLatin1String(handles[i / 8])
                                 : QString(QChar(u'A' + i / 8)) + QChar(u'a' + i % 8));
        else
            texts << QString::number(1 + i / (fields / 5)) + QChar(u'a' + i % (fields / 5));
    return texts;
}

// Every field of a page. Page I: status BARU, the zone given; page II and the record pages
// their fieldTexts; page V the registrant Sari Wulandari.
inline void fillPage(SkinWindow *page, const QString &zone = QStringLiteral(".usaha")) {
    const QString name = page->objectName();
    const auto fill = [page](int number, const QString &text) {
        field(page, QStringLiteral("Text%1").arg(number))->setText(text);
    };
    if (name == QLatin1String("frmMain")) {
        control<QRadioButton>(page, "Option1")->setChecked(true);
        control<QComboBox>(page, "Combo1")->setEditText(zone);
        control<QPlainTextEdit>(page, "Text3")
            ->setPlainText(QStringLiteral("Simpan pinjam petani"));
        fill(1, QStringLiteral("lumbung"));
        fill(2, QStringLiteral("Koperasi Lumbung Tani"));
        fill(4, QStringLiteral("AKTA 7/2025"));
        fill(5, QStringLiteral("Sari 555-0147"));
    } else if (name == QLatin1String("Form7")) {
        fill(1, QStringLiteral("Sari Wulandari"));
        fill(2, QStringLiteral("sari@lumbung.usaha.qv"));
    } else if (name == QLatin1String("Form2") || name == QLatin1String("Form5") ||
               name == QLatin1String("Form6")) {
        const QStringList texts = fieldTexts(name, int(page->findChildren<QLineEdit *>().size()));
        for (int i = 0; i < texts.size(); ++i)
            fill(i + 1, texts[i]);
    }
}

// The page's "Selanjutnya" ("NS Record" on page III). A dialog over a page is its child and
// has buttons of the same names; page I's controls stand on an area below the menu bar.
inline SkinButton *nextButton(SkinWindow *page) {
    if (page->objectName() == QLatin1String("frmMain"))
        return button(page, "SkinButton3");
    return page->findChild<SkinButton *>(QStringLiteral("SkinButton1"), Qt::FindDirectChildrenOnly);
}

// Fills the page and presses its Next.
inline void completePage(SkinWindow *page) {
    fillPage(page);
    nextButton(page)->click();
}
