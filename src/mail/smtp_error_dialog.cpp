#include "smtp_error_dialog.h"

#include "ui/entrance_effects.h"

namespace {

// What a server or a socket says, made safe to show: no control or format characters
// (line breaks, escapes, direction overrides), blanks runs kept short, and a long text cut
// without splitting a character.
QString shownDetail(const QString &text) {
    QString shown;
    shown.reserve(text.size());
    for (QChar c : text) {
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Other_Format)
            shown += u' ';
        else
            shown += c;
    }
    shown = shown.simplified();
    if (shown.size() > Form1::longestDetail) {
        qsizetype cut = Form1::longestDetail - 1;
        if (shown.at(cut - 1).isHighSurrogate())
            --cut;
        shown = shown.left(cut) + QChar(0x2026);
    }
    return shown;
}

} // namespace

Form1::Form1()
    : MessageDialog(QStringLiteral(" VALIDITAS SMTP"),
                    QStringLiteral("         Ada kesalahan SMTP.           Periksalah validitas "
                                   "data SMTP     yang anda masukkan tersebut."),
                    QStringLiteral(""), Beep::Never) {
    setObjectName(QStringLiteral("Form1"));
}

void Form1::setDetail(const QString &detail) {
    SkinLabel2->setText(shownDetail(detail));
    placeLines();
}

void Form1::runEntrance() {
    slideIn(SkinButton1, 830);
}
