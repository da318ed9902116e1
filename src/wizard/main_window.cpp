#include "main_window.h"

#include "document/domain_section.h"
#include "document/log_categories.h"
#include "document/maker.h"
#include "document/zone_table.h"
#include "ui/accessibility.h"
#include "ui/entrance_effects.h"
#include "ui/page_controls.h"
#include "ui/twips.h"
#include "ui/typed_text.h"
#include "work_file_error_dialog.h"

#include <QAction>
#include <QFileDialog>

namespace {

// Left edge of page I's entry controls, and the two heights of its boxes, in twips.
constexpr int entryLeft = 2160;
constexpr int rowHeight = 285;
constexpr int pageWidth = 8760;
constexpr int pageHeight = 4320;

} // namespace

frmMain::frmMain(int splashMilliseconds)
    : SkinWindow(QStringLiteral("Velda")), menuBar(new QMenuBar(this)), page_(new QWidget(this)) {
    setObjectName(QStringLiteral("frmMain"));
    // The splash is a window of its own, not a child of this one, so that it takes
    // nothing of the main window's activation with it.
    splash_ = std::make_unique<SplashScreen>(splashMilliseconds);
    Splash1 = splash_.get();
    for (std::size_t i = 0; i < skinStorages.size(); ++i)
        skinStorages[i] = std::make_unique<SkinStorage>(QLatin1String(builtinSkins[i].resource));

    QWidget *p = page_;
    SkinLabel2 = pageTitle(QStringLiteral("SkinLabel2"), QStringLiteral("I. INFORMASI DOMAIN"), p);
    SkinLabel3 = pageLabel(QStringLiteral("SkinLabel3"), QStringLiteral("a. Status"), p);
    SkinLabel4 = pageLabel(QStringLiteral("SkinLabel4"), QStringLiteral("b. Nama Domain"), p);
    SkinLabel5 = pageLabel(QStringLiteral("SkinLabel5"), QStringLiteral("c. Organisasi"), p);
    SkinLabel6 = pageLabel(QStringLiteral("SkinLabel6"), QStringLiteral("d. Keterangan"), p);
    SkinLabel7 = pageLabel(QStringLiteral("SkinLabel7"), QStringLiteral("e. Identitas"), p);
    SkinLabel8 = pageLabel(QStringLiteral("SkinLabel8"), QStringLiteral("f.  Kontak Cepat"), p);
    SkinLabel6->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Entry controls, made top to bottom so that Tab walks them in the page's order.
    Option1 = pageControl(new QRadioButton(QStringLiteral("BARU"), p), QStringLiteral("Option1"),
                          QStringLiteral("BARU"));
    Option2 = pageControl(new QRadioButton(QStringLiteral("UBAH"), p), QStringLiteral("Option2"),
                          QStringLiteral("UBAH"));
    Option3 = pageControl(new QRadioButton(QStringLiteral("HAPUS"), p), QStringLiteral("Option3"),
                          QStringLiteral("HAPUS"));
    Text1 = pageField(QStringLiteral("Text1"), SkinLabel4->text(), p);
    Combo1 = pageControl(new QComboBox(p), QStringLiteral("Combo1"),
                         SkinLabel4->text() + QStringLiteral(" (zona)"));
    Combo1->setEditable(true);
    Combo1->lineEdit()->setAccessibleName(Combo1->accessibleName());
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->addItems(zones::entryTexts());
    Combo1->setEditText(QStringLiteral("domain"));
    SkinLabel15 = pageLabel(QStringLiteral("SkinLabel15"), QLatin1String(zones::topLevelSuffix), p);
    Text2 = pageField(QStringLiteral("Text2"), SkinLabel5->text(), p);
    Text3 = pageControl(new QPlainTextEdit(p), QStringLiteral("Text3"), SkinLabel6->text());
    Text3->setTabChangesFocus(true);
    Text4 = pageField(QStringLiteral("Text4"), SkinLabel7->text(), p);
    Text5 = pageField(QStringLiteral("Text5"), SkinLabel8->text(), p);

    for (std::size_t i = 0; i < decorations.size(); ++i) {
        decorations[i] = pageLabel(QStringLiteral("SkinLabel%1").arg(9 + i), QString(), p);
        markDecorative(decorations[i]);
    }
    SkinPanel1 = new SkinPanel(QLatin1String(maker::acronym), p);
    SkinPanel1->setObjectName(QStringLiteral("SkinPanel1"));
    SkinLabel19 =
        pageLabel(QStringLiteral("SkinLabel19"), QLatin1String(zones::countryCodeLabel), p);
    SkinLabel20 = pageLabel(QStringLiteral("SkinLabel20"),
                            QStringLiteral("Country Code Top Level Domain"), p);
    SkinLabel21 = pageLabel(QStringLiteral("SkinLabel21"), QLatin1String(maker::organisation), p);
    for (SkinLabel *line : {SkinLabel19, SkinLabel20, SkinLabel21})
        line->setAlignment(Qt::AlignCenter);

    SkinButton2 = pageButton(QStringLiteral("SkinButton2"), QStringLiteral("Informasi"), p);
    SkinButton3 = pageButton(QStringLiteral("SkinButton3"), QStringLiteral("Selanjutnya.."), p);
    connect(SkinButton3, &SkinButton::clicked, this, &frmMain::SkinButton3_Click);
    connect(SkinButton2, &SkinButton::clicked, this, &frmMain::SkinButton2_Click);

    QWidget::setTabOrder(Option1, Option2);
    QWidget::setTabOrder(Option2, Option3);
    QWidget::setTabOrder(Option3, Text1);
    QWidget::setTabOrder(Text1, Combo1);
    QWidget::setTabOrder(Combo1, Text2);
    QWidget::setTabOrder(Text2, Text3);
    QWidget::setTabOrder(Text3, Text4);
    QWidget::setTabOrder(Text4, Text5);
    QWidget::setTabOrder(Text5, SkinButton2);
    QWidget::setTabOrder(SkinButton2, SkinButton3);

    buildMenu();
    placeControls();
}

frmMain::~frmMain() = default;

void frmMain::placeControls() {
    placeAt(SkinLabel2, 240, 180, 4920, 450);
    placeAt(decorations[0], 240, 690, pageWidth - 240, 45);
    const int rowTops[] = {840, 1200, 1560, 1920, 2520, 2880};
    SkinLabel *rowLabels[] = {SkinLabel3, SkinLabel4, SkinLabel5,
                              SkinLabel6, SkinLabel7, SkinLabel8};
    for (int row = 0; row < 6; ++row)
        placeAt(rowLabels[row], 240, rowTops[row], 1800, row == 3 ? 525 : rowHeight);

    placeAt(Option1, entryLeft, 840, 900, rowHeight);
    placeAt(Option2, 3120, 840, 900, rowHeight);
    placeAt(Option3, 4080, 840, 1020, rowHeight);
    placeAt(Text1, entryLeft, 1200, 1335, rowHeight);
    placeAt(Combo1, 3600, 1200, 1095, rowHeight);
    placeAt(SkinLabel15, 4740, 1200, 480, rowHeight);
    placeAt(Text2, entryLeft, 1560, 3015, rowHeight);
    placeAt(Text3, entryLeft, 1920, 3015, 525);
    placeAt(Text4, entryLeft, 2520, 3015, rowHeight);
    placeAt(Text5, entryLeft, 2880, 3015, rowHeight);

    placeAt(decorations[1], 5340, 840, 45, 2325);
    placeAt(SkinPanel1, 5520, 840, 3240, 1200);
    placeAt(SkinLabel19, 5520, 2160, 3240, rowHeight);
    placeAt(SkinLabel20, 5520, 2460, 3240, rowHeight);
    placeAt(SkinLabel21, 5520, 2760, 3240, rowHeight);
    placeAt(decorations[2], 240, 3330, pageWidth - 240, 45);
    placeAt(decorations[3], 7800, 3540, 240, 240);
    placeAt(decorations[4], 8100, 3540, 240, 240);
    placeAt(decorations[5], 8400, 3540, 240, 240);

    placeAt(SkinButton2, entryLeft, 3480, 1455, 405);
    placeAt(SkinButton3, 3720, 3480, 1455, 405);

    const QSize pageSize = twipsRect(0, 0, pageWidth + 240, pageHeight, this).size();
    const int menuHeight = menuBar->sizeHint().height();
    menuBar->setGeometry(0, 0, pageSize.width(), menuHeight);
    page_->setGeometry(0, menuHeight, pageSize.width(), pageSize.height());
    setFixedSize(pageSize.width(), pageSize.height() + menuHeight);
}

void frmMain::buildMenu() {
    auto item = [](QMenu *menu, const char *name, const QString &caption) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    QMenu *mnFile = menuBar->addMenu(QStringLiteral("Tampilan"));
    mnFile->setObjectName(QStringLiteral("mnFile"));
    mnFile->menuAction()->setObjectName(QStringLiteral("mnFile"));
    QMenu *mnBuildSkin = mnFile->addMenu(QStringLiteral("Skin"));
    mnBuildSkin->setObjectName(QStringLiteral("mnBuildSkin"));
    mnBuildSkin->menuAction()->setObjectName(QStringLiteral("mnBuildSkin"));
    const char *skinItems[] = {"mnSkin1", "mnSkin2", "mnSkin3", "mnSkin4",
                               "mnMenu5", "mnMenu6", "mnMenu7", "mnMenu8"};
    for (std::size_t i = 0; i < builtinSkins.size(); ++i) {
        QAction *skin = item(mnBuildSkin, skinItems[i], QLatin1String(builtinSkins[i].name));
        connect(skin, &QAction::triggered, this,
                [this, i] { ApplySkinToMain(skinStorages[i]->StoredSkin()); });
    }
    connect(item(mnFile, "mnOpenSkin", QStringLiteral("Skin Lainnya..")), &QAction::triggered, this,
            &frmMain::mnOpenSkin_Click);
    // Switched off in the design and never switched on: they have no command, and a
    // switched-off entry answers neither a click nor its shortcut.
    QAction *mnImportWinamp = item(mnFile, "mnImportWinamp", QStringLiteral("Import WinAmp"));
    mnImportWinamp->setShortcut(QKeySequence(QStringLiteral("Ctrl+W")));
    mnImportWinamp->setEnabled(false);
    QAction *mnSave = item(mnFile, "mnSave", QStringLiteral("&Save Skin"));
    mnSave->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    mnSave->setEnabled(false);
    mnFile->addSeparator()->setObjectName(QStringLiteral("mnSep20"));
    QAction *mnExit = item(mnFile, "mnExit", QStringLiteral("Dea&ktifasi"));
    mnExit->setShortcut(QKeySequence(QStringLiteral("Ctrl+K")));
    connect(mnExit, &QAction::triggered, this, &frmMain::mnExit_Click);

    QMenu *mnControls = menuBar->addMenu(QStringLiteral("Controls"));
    mnControls->setObjectName(QStringLiteral("mnControls"));
    mnControls->menuAction()->setObjectName(QStringLiteral("mnControls"));
    QAction *mnAutoApply = item(mnControls, "mnAutoApply", QStringLiteral("Auto-Apply Skin"));
    mnAutoApply->setCheckable(true);
    mnAutoApply->setChecked(true);
    item(mnControls, "mnApplySkin", QStringLiteral("Apply Skin"));
    item(mnControls, "mnRemoveSkin", QStringLiteral("Remove Skin"));
    mnControls->setEnabled(false);
    mnControls->menuAction()->setEnabled(false);

    QAction *mnAbout = menuBar->addAction(QStringLiteral("Detail"));
    mnAbout->setObjectName(QStringLiteral("mnAbout"));
    connect(mnAbout, &QAction::triggered, this, &frmMain::mnAbout_Click);
}

void frmMain::Form_Load() {
    hide();
    Splash1->LoadSplash();
    Splash1->ShowSplash([this] {
        Show();
        ApplySkinToMain(skinStorages[0]->StoredSkin());
    });
}

void frmMain::colourStandardControls(const Skin &skin) {
    QWidget *controls[] = {Text1, Text2, Text3, Text4, Text5, Option1, Option2, Option3, Combo1};
    for (QWidget *control : controls) {
        QPalette palette = control->palette();
        for (QPalette::ColorRole role : {QPalette::Base, QPalette::Window, QPalette::Button})
            palette.setColor(role, skin.ControlColor1);
        for (QPalette::ColorRole role :
             {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
            palette.setColor(role, skin.ControlColor2);
        control->setPalette(palette);
    }
    // An option button draws its circle in the text-box colours: keep the circle the lighter
    // of the two and its dot the darker, so that on a dark skin the circle does not vanish
    // into the dark background.
    const bool lightBackground = skin.ControlColor1.lightnessF() >= skin.ControlColor2.lightnessF();
    const QColor circle = lightBackground ? skin.ControlColor1 : skin.ControlColor2;
    const QColor dot = lightBackground ? skin.ControlColor2 : skin.ControlColor1;
    for (QRadioButton *option : {Option1, Option2, Option3}) {
        QPalette palette = option->palette();
        palette.setColor(QPalette::Base, circle);
        palette.setColor(QPalette::Text, dot);
        option->setPalette(palette);
        option->setAutoFillBackground(true);
    }
}

void frmMain::ApplySkinToMain(SkinRef skin) {
    SkinForm1->setCurrentSkin(skin);
    if (skin)
        colourStandardControls(*skin);
    SkinPanel1->ApplySkin(SkinForm1);
    SkinButton2->ApplySkin(SkinForm1);
    SkinButton3->ApplySkin(SkinForm1);
    for (SkinLabel *label :
         {SkinLabel2, SkinLabel3, SkinLabel4, SkinLabel5, SkinLabel6, SkinLabel7, SkinLabel8})
        label->ApplySkin(SkinForm1);
    for (SkinLabel *label : decorations)
        label->ApplySkin(SkinForm1);
    for (SkinLabel *label : {SkinLabel15, SkinLabel19, SkinLabel20, SkinLabel21})
        label->ApplySkin(SkinForm1);

    growIn(SkinPanel1, 80, -180, 50);
    growIn(SkinButton2, 70, 100, 80);
    slideIn(SkinButton3, 80);
    update();
}

void frmMain::SkinButton3_Click() {
    const QString zone = Combo1->currentText();
    const QString description = typedText(Text3);
    // The zone box's own first text, "domain", counts as no zone chosen.
    const QString chosenZone = zone == QLatin1String("domain") ? QString() : zone;
    if (!requiredValuesFilled(
            {chosenZone, Text1->text(), Text2->text(), description, Text4->text(), Text5->text()},
            [this] { emit incomplete(); }))
        return;

    DomainInformation domain;
    domain.status = Option1->isChecked()   ? DomainInformation::Status::New
                    : Option2->isChecked() ? DomainInformation::Status::Change
                    : Option3->isChecked() ? DomainInformation::Status::Delete
                                           : DomainInformation::Status::None;
    domain.domainName = Text1->text();
    domain.zoneText = zone;
    domain.organisation = Text2->text();
    domain.description = description;
    domain.identity = Text4->text();
    domain.quickContact = Text5->text();
    if (const std::optional<QString> failure =
            workFileFailure([&] { writeDomainFiles(buildDomainFiles(domain)); })) {
        emit workFileFailed(*failure);
        return;
    }
    emit completed();
}

void frmMain::SkinButton2_Click() {
    emit informationRequested();
}

void frmMain::mnAbout_Click() {
    emit aboutRequested();
}

void frmMain::mnExit_Click() {
    emit endRequested();
}

void frmMain::mnOpenSkin_Click() {
    const QString path = QFileDialog::getOpenFileName(
        this, QString(), QString(), QStringLiteral("Skin Files (*.skn);;Old-styled skins (*.xml)"));
    if (!path.isEmpty())
        openSkinFile(path);
}

bool frmMain::openSkinFile(const QString &path) {
    try {
        auto skin = std::make_shared<Skin>();
        skin->LoadFile(path);
        ApplySkinToMain(std::move(skin));
        return true;
    } catch (const SkinFileError &error) {
        // A skin file that cannot be used is ignored without a word; the old skin stays, and
        // the log says why.
        qCWarning(veldSkin, "skin file refused: %s", error.what());
        return false;
    } catch (...) {
        qCWarning(veldSkin, "skin file refused: %s", qUtf8Printable(path));
        return false;
    }
}
