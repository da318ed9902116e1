#include "work_file_error_dialog.h"

#include "document/log_categories.h"
#include "document/work_file_error.h"
#include "ui/entrance_effects.h"

WorkFileErrorDialog::WorkFileErrorDialog()
    : MessageDialog(QStringLiteral("Kesalahan Berkas Kerja"),
                    QStringLiteral("Data belum dapat disimpan."), QStringLiteral(""),
                    Beep::BeforeSkin) {
    setObjectName(QStringLiteral("WorkFileErrorDialog"));
}

void WorkFileErrorDialog::setMessage(const QString &message) {
    SkinLabel2->setText(message);
    SkinLabel2->setAccessibleName(message);
}

void WorkFileErrorDialog::runEntrance() {
    slideIn(SkinButton1, -230);
}

std::optional<QString> workFileFailure(const std::function<void()> &write) {
    try {
        write();
        return std::nullopt;
    } catch (const WorkFileError &error) {
        qCWarning(veldWork).noquote() << error.message();
        return error.message();
    }
}
