// Sending from the send page in tests.
#pragma once

#include "mail/send_page.h"

#include <QSignalSpy>

// Presses "Kirimkan" and waits until the send has ended; false when it never does.
inline bool sendAndWait(frmMail *page, bool *completed) {
    QSignalSpy finished(page, &frmMail::sendFinished);
    page->SkinButton1->click();
    if (!finished.wait(10000))
        return false;
    *completed = finished.first().first().toBool();
    return true;
}
