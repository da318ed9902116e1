// Dialog shown when a work file cannot be written or read: says which and why, and
// returns to the page, which kept everything that was typed.
#pragma once

#include "ui/message_dialog.h"

#include <QPointer>
#include <functional>
#include <optional>

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

// Runs the writes of a page's Next: the message that names the work file that failed, or
// none when everything was written. The page then stays as it was, with every field.
std::optional<QString> workFileFailure(const std::function<void()> &write);
