#include "information_viewer.h"

#include "document/log_categories.h"
#include "document/zone_table.h"
#include "ui/accessibility.h"
#include "ui/entrance_effects.h"
#include "ui/page_controls.h"
#include "ui/pictures.h"
#include "ui/twips.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr qint64 largestTopicBytes = 16 * 1024 * 1024;

// Columns of the three zone groups and the rows of the check boxes, in twips.
constexpr int columnLeft[3] = {2640, 4920, 7200};
constexpr int columnWidth = 2160;
constexpr int rulesTop = 1080;
constexpr int examplesTop = 1500;
constexpr int viewTop = 2040;
constexpr int viewHeight = 3840;

QString topicFileName(int number) {
    return QStringLiteral("dat%1.jov").arg(number);
}

} // namespace

Form13::Form13(SkinSource mainWindow, QString helpFolder)
    : SkinWindow(QStringLiteral("Informasi Registrasi Domain")), mainWindow_(std::move(mainWindow)),
      helpFolder_(std::move(helpFolder)) {
    setObjectName(QStringLiteral("Form13"));

    // Cells behind the check boxes first, so the boxes stand above them.
    for (int i = 6; i < 12; ++i) {
        SkinLabels[i] = new SkinLabel(QString(), this);
        SkinLabels[i]->setObjectName(QStringLiteral("SkinLabel%1").arg(i + 1));
        markDecorative(SkinLabels[i]);
        const int row = (i - 6) / 3;
        placeAt(SkinLabels[i], columnLeft[(i - 6) % 3], row == 0 ? rulesTop : examplesTop,
                columnWidth, 330);
    }
    for (int i = 0; i < 6; ++i) {
        SkinLabels[i] = new SkinLabel(QString(), this);
        SkinLabels[i]->setObjectName(QStringLiteral("SkinLabel%1").arg(i + 1));
    }
    for (int group = 0; group < 3; ++group) {
        SkinLabels[group]->setText(QString::fromUtf8(zones::groupHeadings[group]));
        SkinLabels[group]->setWordWrap(true);
        SkinLabels[group]->setAlignment(Qt::AlignCenter);
        placeAt(SkinLabels[group], columnLeft[group], 300, columnWidth, 660);
    }
    SkinLabels[3]->setText(QStringLiteral("JENIS DOMAIN"));
    SkinLabels[4]->setText(QStringLiteral("KETENTUAN"));
    SkinLabels[5]->setText(QStringLiteral("CONTOH"));
    placeAt(SkinLabels[3], 240, 300, 2280, 660);
    placeAt(SkinLabels[4], 240, rulesTop, 2280, 330);
    placeAt(SkinLabels[5], 240, examplesTop, 2280, 330);
    for (SkinLabel *label : SkinLabels)
        if (!label->text().isEmpty())
            label->setAccessibleName(label->text());

    for (int i = 0; i < 6; ++i) {
        auto *box = new QCheckBox(this);
        box->setObjectName(QStringLiteral("Check%1").arg(i + 1));
        const int group = i % 3;
        const bool rules = i < 3;
        box->setAccessibleName((rules ? QStringLiteral("KETENTUAN ") : QStringLiteral("CONTOH ")) +
                               QString::fromUtf8(zones::groupHeadings[group]));
        placeAt(box, columnLeft[group] + columnWidth / 2 - 120,
                rules ? rulesTop + 30 : examplesTop + 30, 300, 270);
        connect(box, &QCheckBox::clicked, this, [this, i] { Check_Click(i + 1); });
        Checks[i] = box;
    }

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(QStringLiteral("Cara melihat Informasi Registrasi Domain"));
    Text1->setReadOnly(true);
    Text1->setTabChangesFocus(true);
    Text1->setTabStopDistance(QFontMetricsF(Text1->font()).horizontalAdvance(QLatin1Char(' ')) * 6);
    Text1->setPlainText(
        QString(instructionText()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    placeAt(Text1, 240, viewTop, 5640, viewHeight);

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAccessibleName(QStringLiteral("Gambar bantuan"));
    placeAt(Picture1, 6120, viewTop + 240, 3240, 3240);
    Picture1->setPixmap(helpPicture(Picture1->size()));

    for (int i = 0; i < 7; ++i) {
        auto *box = new RichTextBox(this);
        box->setObjectName(QStringLiteral("RichTextBox%1").arg(i + 1));
        box->setAccessibleName(i < 6 ? Checks[i]->accessibleName() : QStringLiteral("F A Q"));
        placeAt(box, 240, viewTop, 9120, viewHeight);
        box->hide();
        RichTextBoxes[i] = box;
    }

    SkinButton1 = new SkinButton(QStringLiteral("F A Q"), this);
    SkinButton1->setObjectName(QStringLiteral("SkinButton1"));
    SkinButton2 = new SkinButton(QStringLiteral("Baiklah.."), this);
    SkinButton2->setObjectName(QStringLiteral("SkinButton2"));
    placeAt(SkinButton1, 2880, 6060, 1455, 405);
    placeAt(SkinButton2, 5280, 6060, 1455, 405);
    connect(SkinButton1, &SkinButton::clicked, this, &Form13::SkinButton1_Click);
    connect(SkinButton2, &SkinButton::clicked, this, &Form13::SkinButton2_Click);

    setFixedSize(twipsRect(0, 0, 9600, 6720, this).size());
}

QString Form13::instructionText() {
    const QString crlf = QStringLiteral("\r\n");
    return crlf + crlf + crlf + QStringLiteral("\tCara melihat Informasi Registrasi Domain:") +
           crlf + crlf + QStringLiteral("\tKlik CheckBox 2 untuk Keterangan Domain ") +
           QLatin1String(zones::webZoneOfSecondGroup) + crlf + QStringLiteral("\tatau") + crlf +
           QStringLiteral("\tKlik CheckBox 6 untuk Contoh Domain ") +
           QLatin1String(zones::zoneOfThirdGroup) + crlf + QStringLiteral("\tdan seterusnya...") +
           crlf;
}

void Form13::Form_Activate() {
    if (const SkinWindow *main = mainWindow_())
        handSkinOver(main, this);
    SkinButton1->ApplySkin(SkinForm1);
    SkinButton2->ApplySkin(SkinForm1);
    for (SkinLabel *label : SkinLabels)
        label->ApplySkin(SkinForm1);
    clearChecks();
    showInstructions();
    for (RichTextBox *box : RichTextBoxes)
        box->hide();
    clearChecks();
    showInstructions();
    slideIn(SkinButton2, -180);
    slideIn(SkinButton1, 130);
}

void Form13::Check_Click(int number) {
    QCheckBox *clicked = Checks[number - 1];
    if (clicked->isChecked()) {
        for (QCheckBox *box : Checks)
            if (box != clicked)
                box->setChecked(false);
    }
    loadTopic(number);
}

void Form13::SkinButton1_Click() {
    clearChecks();
    loadTopic(7);
}

void Form13::SkinButton2_Click() {
    clearChecks();
    for (RichTextBox *box : RichTextBoxes)
        box->hide();
    Picture1->hide();
    hide();
}

QString Form13::installedHelpFolder() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/" VELD_DATA_DIR_RELATIVE_TO_BIN));
}

QString Form13::topicPath(const QString &fileName) const {
    if (QFileInfo::exists(fileName))
        return QDir::current().absoluteFilePath(fileName);
    const QString folder = helpFolder_.isEmpty() ? installedHelpFolder() : helpFolder_;
    return QDir(folder).absoluteFilePath(fileName);
}

void Form13::loadTopic(int number) {
    RichTextBox *box = RichTextBoxes[number - 1];
    box->show();
    box->raise();

    // Read afresh at every click, so a topic replaced meanwhile shows its new content.
    const QString name = topicFileName(number);
    QFile file(topicPath(name));
    if (!file.exists()) {
        box->setMessage(QStringLiteral("Topik bantuan tidak ditemukan: ") + name);
        qCWarning(veldHelp, "help topic %s not found", qUtf8Printable(file.fileName()));
    } else if (!file.open(QIODevice::ReadOnly) || file.size() > largestTopicBytes) {
        box->setMessage(QStringLiteral("Topik bantuan tidak dapat dibaca: ") + name);
        qCWarning(veldHelp, "help topic %s cannot be read: %s", qUtf8Printable(file.fileName()),
                  file.isOpen() ? "larger than 16 MiB" : qUtf8Printable(file.errorString()));
    } else {
        box->setRichText(file.readAll());
    }

    Picture1->hide();
    for (RichTextBox *other : RichTextBoxes)
        if (other != box)
            other->hide();
}

void Form13::clearChecks() {
    for (QCheckBox *box : Checks)
        box->setChecked(false);
}

void Form13::showInstructions() {
    Text1->show();
    Picture1->show();
}
