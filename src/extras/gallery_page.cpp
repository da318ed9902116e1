#include "gallery_page.h"

#include "document/maker.h"
#include "ui/entrance_effects.h"
#include "ui/page_controls.h"
#include "ui/pictures.h"
#include "ui/twips.h"

#include <array>

namespace {

constexpr int captionMilliseconds = 2000;

// Where and when the second picture was taken, as its banner and its first caption say.
constexpr const char *gathering = "Zone Keepers' Gathering";
constexpr const char *gatheringYear = "2002";

QString gatheringBanner() {
    return QString::fromLatin1(gathering).toUpper() + u' ' + QLatin1String(gatheringYear);
}

// The two pictures side by side, each with its caption below; the code row under the
// second picture; the way out along the bottom.
constexpr int pictureWidth = 3840;
constexpr int pictureHeight = 2880;
constexpr int leftColumn = 240;
constexpr int rightColumn = 4320;
constexpr int captionTop = 3180;
constexpr int codeTop = 3930;
constexpr int exitTop = 4770;
constexpr int buttonWidth = 1320;

QLabel *picture(const QString &name, const QString &description, int left, QWidget *parent) {
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setAccessibleName(description);
    placeAt(label, left, 240, pictureWidth, pictureHeight);
    return label;
}

SkinLabel *caption(const QString &name, int left, QWidget *parent) {
    SkinLabel *label = pageLabel(name, QString(), parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    placeAt(label, left, captionTop, pictureWidth, 570);
    return label;
}

SkinButton *exitButton(const QString &name, const QString &text, int left, QWidget *parent) {
    SkinButton *button = pageButton(name, text, parent);
    placeAt(button, left, exitTop, buttonWidth, 405);
    return button;
}

} // namespace

Form14::Form14()
    : SkinWindow(QStringLiteral("Congratulations!!.. you found this one...")),
      Picture1(picture(QStringLiteral("Picture1"),
                       QStringLiteral("A desk late at night: a screen full of code, a pile of "
                                      "papers and three mugs of coffee"),
                       leftColumn, this)),
      Picture2(
          picture(QStringLiteral("Picture2"),
                  QStringLiteral("Three friends smiling under the banner ") + gatheringBanner(),
                  rightColumn, this)),
      SkinLabel1(caption(QStringLiteral("SkinLabel1"), leftColumn, this)),
      SkinLabel3(caption(QStringLiteral("SkinLabel3"), rightColumn, this)),
      SkinLabel2(pageLabel(QStringLiteral("SkinLabel2"), QStringLiteral("Pic's pwd:"), this)),
      Text1(pageField(QStringLiteral("Text1"), SkinLabel2->text(), this)),
      SkinButton2(pageButton(QStringLiteral("SkinButton2"), QStringLiteral("Show Pic"), this)),
      SkinButton1(exitButton(QStringLiteral("SkinButton1"), QStringLiteral("Quit .."), 6840, this)),
      SkinButton3(exitButton(QStringLiteral("SkinButton3"), QStringLiteral("Whoops"), 240, this)),
      SkinButton4(exitButton(QStringLiteral("SkinButton4"), QStringLiteral("Quit?.."), 3540, this)),
      SkinButton5(
          exitButton(QStringLiteral("SkinButton5"), QStringLiteral("Ok.. Ok.."), 6840, this)),
      Timer1(new QTimer(this)), Timer2(new QTimer(this)) {
    setObjectName(QStringLiteral("Form14"));
    Picture1->setPixmap(deskPicture(Picture1->size()));
    Picture2->setPixmap(gatheringPicture(Picture2->size(), gatheringBanner()));
    Picture2->hide();
    SkinLabel3->hide();

    placeAt(SkinLabel2, rightColumn, codeTop, 1320, 315);
    placeAt(Text1, rightColumn + 1380, codeTop, 1020, 315);
    placeAt(SkinButton2, rightColumn + pictureWidth - buttonWidth, codeTop - 45, buttonWidth, 405);
    SkinButton2->setButtonEnabled(false);
    for (SkinButton *later : {SkinButton3, SkinButton4, SkinButton5})
        later->hide();

    connect(Text1, &QLineEdit::textChanged, this, &Form14::Text1_Change);
    connect(SkinButton2, &SkinButton::clicked, this, &Form14::SkinButton2_Click);
    connect(SkinButton1, &SkinButton::clicked, this, &Form14::SkinButton1_Click);
    connect(SkinButton3, &SkinButton::clicked, this, &Form14::SkinButton3_Click);
    connect(SkinButton4, &SkinButton::clicked, this, &Form14::SkinButton4_Click);
    connect(SkinButton5, &SkinButton::clicked, this, &Form14::SkinButton5_Click);

    for (QTimer *timer : {Timer1, Timer2}) {
        timer->setInterval(captionMilliseconds);
        timer->start();
    }
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer2->setObjectName(QStringLiteral("Timer2"));
    connect(Timer1, &QTimer::timeout, this, &Form14::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &Form14::Timer2_Timer);

    setFixedSize(
        twipsRect(0, 0, rightColumn + pictureWidth + 240, exitTop + 405 + 300, this).size());
}

QString Form14::mainCaption(int row) {
    static const std::array<const char *, captionCount> rows{
        "                Nice, isn't it? .. ;-)              ",
        "What happened when i designed this application..",
        "                Me?.. busy?.. nope! ..              ",
        "just another day in my daily routines.. he he .. X-)",
        "                       C Ya..                       ",
    };
    return QLatin1String(rows.at(row));
}

QString Form14::secondCaption(int row) {
    const QString author = QLatin1String(maker::author);
    const std::array<QString, captionCount> rows{
        QStringLiteral("  at the %1, Marindal %2  ")
            .arg(QLatin1String(gathering), QLatin1String(gatheringYear)),
        QStringLiteral("  that's me, between Laras and Tegar ..  "),
        QStringLiteral("Laras Kinanti Prameswari - ") + author +
            QStringLiteral(" - Tegar Adiwarna Sastranegara"),
        QString(),
        QStringLiteral("      got it?...        :-)  "),
    };
    return rows.at(row);
}

void Form14::Form_Activate() {
    SkinForm1->reapplySkin();
    applySkinToOwnControls(this);
    slideIn(SkinButton1, -230);
    slideIn(SkinButton2, -230);
    SkinLabel3->hide();
    Picture2->hide();
}

void Form14::Text1_Change() {
    SkinButton2->setButtonEnabled(Text1->text() == QLatin1String(pictureCode));
}

void Form14::SkinButton2_Click() {
    SkinLabel3->show();
    Picture2->show();
    if (!Timer2->isActive())
        Timer2->start();
}

void Form14::SkinButton1_Click() {
    SkinButton3->show();
    SkinButton1->hide();
}

void Form14::SkinButton3_Click() {
    SkinButton4->show();
    SkinButton3->hide();
    SkinButton1->hide();
}

void Form14::SkinButton4_Click() {
    SkinButton5->show();
    SkinButton4->hide();
    SkinButton3->hide();
    SkinButton1->hide();
}

void Form14::SkinButton5_Click() {
    emit dismissed();
}

void Form14::Timer1_Timer() {
    counter1_ = (counter1_ + 1) % captionCount;
    SkinLabel1->setText(mainCaption(counter1_));
}

void Form14::Timer2_Timer() {
    counter2_ = (counter2_ + 1) % captionCount;
    SkinLabel3->setText(secondCaption(counter2_));
}
