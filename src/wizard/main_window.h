// The main window: page I of the wizard (domain information), the menu bar and start-up.
#pragma once

#include "ui/skin_button.h"
#include "ui/skin_label.h"
#include "ui/skin_panel.h"
#include "ui/skin_storage.h"
#include "ui/skin_window.h"
#include "ui/splash_screen.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <array>
#include <memory>

class frmMain : public SkinWindow {
    Q_OBJECT
public:
    // The splash stays up this long while the window loads.
    explicit frmMain(int splashMilliseconds);
    ~frmMain() override;

    // Start-up: hide, splash; once the splash has gone, show and the first skin. The window
    // exists and its load has returned while the splash is up.
    void Form_Load();
    // Makes the skin current, colours and skins page I's controls and replays the entrance.
    void ApplySkinToMain(SkinRef skin);

    void SkinButton3_Click(); // "Selanjutnya.."
    void SkinButton2_Click(); // "Informasi"
    void mnAbout_Click();     // "Detail"
    void mnExit_Click();      // "Dea&ktifasi"
    // "Skin Lainnya..": asks for a file, then loads it.
    void mnOpenSkin_Click();
    // Loads a skin file and applies it; a file that cannot be used changes nothing.
    bool openSkinFile(const QString &path);

    // Page I.
    SkinLabel *SkinLabel2 = nullptr;
    SkinLabel *SkinLabel3 = nullptr;
    SkinLabel *SkinLabel4 = nullptr;
    SkinLabel *SkinLabel5 = nullptr;
    SkinLabel *SkinLabel6 = nullptr;
    SkinLabel *SkinLabel7 = nullptr;
    SkinLabel *SkinLabel8 = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QRadioButton *Option3 = nullptr;
    QLineEdit *Text1 = nullptr;
    QComboBox *Combo1 = nullptr;
    SkinLabel *SkinLabel15 = nullptr;
    QLineEdit *Text2 = nullptr;
    QPlainTextEdit *Text3 = nullptr;
    QLineEdit *Text4 = nullptr;
    QLineEdit *Text5 = nullptr;
    std::array<SkinLabel *, 6> decorations{}; // SkinLabel9 to SkinLabel14, captionless
    SkinPanel *SkinPanel1 = nullptr;
    SkinLabel *SkinLabel19 = nullptr;
    SkinLabel *SkinLabel20 = nullptr;
    SkinLabel *SkinLabel21 = nullptr;
    SkinButton *SkinButton2 = nullptr;
    SkinButton *SkinButton3 = nullptr;

    SplashScreen *Splash1 = nullptr;
    std::array<std::unique_ptr<SkinStorage>, 8> skinStorages; // SkinStorage1 to SkinStorage8

    QMenuBar *menuBar = nullptr;

signals:
    // Next wrote page I's files: on to page II.
    void completed();
    // Next found one required entry empty: the page's dialog is to come up (once for every
    // empty entry).
    void incomplete();
    // A work file could not be written: the message is to be shown over the page.
    void workFileFailed(const QString &message);
    void informationRequested(); // "Informasi"
    void aboutRequested();       // "Detail"
    void endRequested();         // "Dea&ktifasi", or the close control

protected:
    void closeRequested() override { mnExit_Click(); }

private:
    void buildMenu();
    void placeControls();
    void colourStandardControls(const Skin &skin);

    std::unique_ptr<SplashScreen> splash_;
    QWidget *page_ = nullptr; // the area below the menu bar that holds page I
};
