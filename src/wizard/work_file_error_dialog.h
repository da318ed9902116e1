// Dialog shown when a work file cannot be written or read: says which and why, and
// returns to the page, which kept everything that was typed.
#pragma once

#include "ui/message_dialog.h"

#include <QPointer>
#include <functional>

class WindowSet;

class WorkFileErrorDialog : public MessageDialog {
    Q_OBJECT
public:
    WorkFileErrorDialog();

    // Takes the page's skin and shows the message over the page.
    void showFor(SkinWindow *page, const QString &message);

    void SkinButton1_Click() override;

protected:
    void runEntrance() override;

private:
    QPointer<SkinWindow> page_;
};

// Runs the writes of a page's Next. A work file that fails is reported over the page, which
// stays as it was with every field; true when everything was written.
bool writeWorkFilesOrReport(WindowSet &windows, SkinWindow *page,
                            const std::function<void()> &write);
