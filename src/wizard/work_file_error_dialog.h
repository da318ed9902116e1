// Dialog shown when a work file cannot be written or read: says which and why. "Baiklah.."
// leads back to the page it was raised over, which kept everything that was typed.
#pragma once

#include "ui/message_dialog.h"

#include <functional>
#include <optional>

class WorkFileErrorDialog : public MessageDialog {
    Q_OBJECT
public:
    WorkFileErrorDialog();

    // The message that names the work file and what went wrong with it.
    void setMessage(const QString &message);

protected:
    void runEntrance() override;
};

// Runs the writes of a page's Next: the message that names the work file that failed, or
// none when everything was written. The page then stays as it was, with every field.
std::optional<QString> workFileFailure(const std::function<void()> &write);
