#include "about_box.h"

#include "credits_roll.h"
#include "document/maker.h"
#include "ui/accessibility.h"
#include "ui/entrance_effects.h"
#include "ui/page_controls.h"
#include "ui/twips.h"
#include "veld_version.h"

namespace {

constexpr int typewriterMilliseconds = 1750;
// The typed acronym and the version both fade to this level.
constexpr int demoLevel = 225;

// Left edges of the headings and of the texts beside them, in twips.
constexpr int headingLeft = 480;
constexpr int textLeft = 1920;
constexpr int textWidth = 4560;
constexpr int lineHeight = 285;

} // namespace

frmAbout::frmAbout(SkinSource mainWindow)
    : SkinWindow(QStringLiteral("Detail")), Timer1(new QTimer(this)),
      mainWindow_(std::move(mainWindow)) {
    setObjectName(QStringLiteral("frmAbout"));
    auto label = [this](const char *name, const QString &caption, int left, int top, int width,
                        int height) {
        auto *made = new SkinLabel(caption, this);
        made->setObjectName(QLatin1String(name));
        placeAt(made, left, top, width, height);
        return made;
    };

    // The panel first, so that everything else stands in front of it.
    SkinPanel1 = new SkinPanel(QString(), this);
    SkinPanel1->setObjectName(QStringLiteral("SkinPanel1"));
    markDecorative(SkinPanel1);
    placeAt(SkinPanel1, 240, 240, 6480, 4440);

    SkinLabel1 = label("SkinLabel1", QStringLiteral("VELDA"), headingLeft, 360, 3000, 600);
    SkinLabel1->setFontScale(2.2);
    sklbDemo = label("sklbDemo", QLatin1String(maker::acronym), headingLeft, 1020, 1380, 375);
    sklbDemo->setFontScale(1.3);
    // The version comes up from below onto the acronym's line, to its right.
    SkinLabel6 = label("SkinLabel6", QStringLiteral("Versi ") + QLatin1String(program::version),
                       textLeft, 1020, 1800, 375);
    SkinLabel6->hide();

    SkinLabel2 =
        label("SkinLabel2", QStringLiteral("Alamat :"), headingLeft, 1560, 1320, lineHeight);
    SkinLabel *address[4];
    for (int line = 0; line < 4; ++line) {
        const QByteArray name = "SkinLabel" + QByteArray::number(7 + line);
        address[line] = label(name.constData(), QString::fromUtf8(maker::postalAddress[line]),
                              textLeft, 1560 + line * lineHeight, textWidth, lineHeight);
    }
    SkinLabel7 = address[0];
    SkinLabel8 = address[1];
    SkinLabel9 = address[2];
    SkinLabel10 = address[3];
    SkinLabel13 =
        label("SkinLabel13", QStringLiteral("E-Mail :"), headingLeft, 2820, 1320, lineHeight);
    SkinLabel11 =
        label("SkinLabel11", QLatin1String(maker::mailbox), textLeft, 2820, textWidth, lineHeight);
    SkinLabel12 = label("SkinLabel12", QLatin1String(maker::webAddress), textLeft,
                        2820 + lineHeight, textWidth, lineHeight);

    SkinLabel3 =
        label("SkinLabel3", QStringLiteral("Skin Title:"), headingLeft, 3600, 1320, lineHeight);
    SkinLabel4 = label("SkinLabel4", QStringLiteral("Skin Artist:"), headingLeft, 3600 + lineHeight,
                       1320, lineHeight);
    SkinLabel5 = label("SkinLabel5", QStringLiteral("Skin Info:"), headingLeft,
                       3600 + 2 * lineHeight, 1320, lineHeight);
    const QString unknown = QStringLiteral("Unknown");
    sklbTitle = label("sklbTitle", unknown, textLeft, 3600, textWidth, lineHeight);
    sklbArtist = label("sklbArtist", unknown, textLeft, 3600 + lineHeight, textWidth, lineHeight);
    // The info is a sentence or two: it wraps over two lines.
    sklbInfo =
        label("sklbInfo", unknown, textLeft, 3600 + 2 * lineHeight, textWidth, 2 * lineHeight);
    sklbInfo->setWordWrap(true);
    sklbInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    SkinButton1 = pageButton(QStringLiteral("SkinButton1"), QStringLiteral("Baiklah.."), this);
    placeAt(SkinButton1, 1920, 4920, 1455, 405);
    SkinButton2 = pageButton(QStringLiteral("SkinButton2"), QStringLiteral("Credits.."), this);
    placeAt(SkinButton2, 3840, 4920, 1455, 405);
    connect(SkinButton1, &SkinButton::clicked, this, &frmAbout::SkinButton1_Click);
    connect(SkinButton2, &SkinButton::clicked, this, &frmAbout::SkinButton2_Click);

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(typewriterMilliseconds);
    connect(Timer1, &QTimer::timeout, this, &frmAbout::Timer1_Timer);
    Timer1->start();
    clock_.start();

    setFixedSize(twipsRect(0, 0, 6960, 5640, this).size());
}

QString frmAbout::nextTypewriterCaption(const QString &caption) {
    const QString acronym = QLatin1String(maker::acronym);
    if (caption.size() < acronym.size() && acronym.startsWith(caption))
        return acronym.left(caption.size() + 1);
    return QString();
}

void frmAbout::Timer1_Timer() {
    // Back to the full beat after the shorter first wait on coming back.
    if (Timer1->interval() != typewriterMilliseconds)
        Timer1->setInterval(typewriterMilliseconds);
    lastTickAt_ = clock_.elapsed();
    SkinLabel6->show();
    sklbDemo->setText(nextTypewriterCaption(sklbDemo->text()));
}

void frmAbout::hideEvent(QHideEvent *event) {
    Timer1->stop();
    SkinWindow::hideEvent(event);
}

void frmAbout::showEvent(QShowEvent *event) {
    if (!Timer1->isActive()) { // it rested while hidden
        const qint64 since = clock_.elapsed() - lastTickAt_;
        const qint64 missed = since / typewriterMilliseconds;
        // The captions come round every six steps, so more than six missed steps are as many
        // as their remainder; the version needs one step at least.
        const qint64 steps = missed == 0 ? 0 : (missed - 1) % 6 + 1;
        for (qint64 step = 0; step < steps; ++step)
            Timer1_Timer();
        const qint64 intoBeat = since % typewriterMilliseconds;
        lastTickAt_ = clock_.elapsed() - intoBeat;
        Timer1->start(int(typewriterMilliseconds - intoBeat));
    }
    SkinWindow::showEvent(event);
}

void frmAbout::Form_Activate() {
    const SkinWindow *main = mainWindow_();
    if (main)
        handSkinOver(main, this);
    showSkinTexts();

    for (Skinnable *control : std::initializer_list<Skinnable *>{
             SkinPanel1, SkinButton1, SkinButton2, SkinLabel1, SkinLabel2, SkinLabel3, SkinLabel4,
             SkinLabel5, SkinLabel6, SkinLabel7, SkinLabel8, SkinLabel9, SkinLabel10, SkinLabel11,
             SkinLabel12, SkinLabel13, sklbArtist, sklbDemo})
        control->ApplySkin(SkinForm1);
    for (SkinLabel *faded : {sklbDemo, sklbDemo, SkinLabel6, SkinLabel6}) {
        faded->ApplySkin(SkinForm1);
        if (SkinElement *element = faded->SkinElement())
            element->setElementLevel(demoLevel);
    }
    sklbTitle->ApplySkin(SkinForm1);
    sklbInfo->ApplySkin(SkinForm1);

    slideAcronymAndVersion();
    growPanel();
    if (main)
        SkinForm1->setSkinFormLevel(main->SkinForm1->SkinFormLevel());
    slideIn(SkinButton1, -330);
    slideIn(SkinButton2, -330);
}

void frmAbout::showSkinTexts() {
    const SkinRef skin = SkinForm1->CurrentSkin();
    if (!skin)
        return;
    // An empty text leaves the caption as it was.
    const std::pair<SkinLabel *, QString> texts[] = {
        {sklbTitle, skin->SkinTitle}, {sklbArtist, skin->SkinArtist}, {sklbInfo, skin->SkinInfo}};
    for (const auto &[caption, text] : texts)
        if (!text.isEmpty())
            caption->setText(text);
}

void frmAbout::slideAcronymAndVersion() {
    SkinElement *demo = sklbDemo->SkinElement();
    if (!demo)
        return;
    // The acronym rises 100 onto its line; the version rises from 420 below onto the same line.
    const int top = demo->TopValue();
    const QString script =
        QStringLiteral("moveto - ") + QString::number(top) + QStringLiteral(" - - - - 1000 decel");
    demo->setTopText(QString::number(top + 100));
    demo->RunScript(script);
    if (SkinElement *version = SkinLabel6->SkinElement()) {
        version->setTopText(QString::number(top + 420));
        version->RunScript(script);
    }
}

void frmAbout::growPanel() {
    SkinElement *panel = SkinPanel1->SkinElement();
    if (!panel)
        return;
    const QRect designed(panel->LeftValue(), panel->TopValue(), panel->WidthValue(),
                         panel->HeightValue());
    const QString ten = QStringLiteral("10");
    panel->setLeftText(ten);
    panel->setTopText(ten);
    panel->setWidthText(ten);
    panel->setHeightText(ten);
    panel->RunScript(QStringLiteral("moveto %1 %2 - - %3 %4 1000 decel")
                         .arg(designed.x())
                         .arg(designed.y())
                         .arg(designed.width())
                         .arg(designed.height()));
}

void frmAbout::SkinButton1_Click() {
    emit dismissed();
}

void frmAbout::SkinButton2_Click() {
    emit creditsRequested();
}
