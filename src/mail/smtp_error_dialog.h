// Dialog of the send page: the SMTP dialogue failed. Under its fixed text it says in one
// line what went wrong.
#pragma once

#include "ui/message_dialog.h"

class Form1 : public MessageDialog {
    Q_OBJECT
public:
    // The longest line shown under the fixed text; a longer one is cut.
    static constexpr qsizetype longestDetail = 160;

    Form1();

    // The line under the fixed text: the server's last reply, or what happened to the
    // connection. Control characters are taken out and a long text is cut.
    void setDetail(const QString &detail);

protected:
    void runEntrance() override;
};
