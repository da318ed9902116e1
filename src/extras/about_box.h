// The about box: the program, its version and its maker, the texts of the skin in use,
// and the maker's acronym typed letter by letter.
#pragma once

#include "ui/skin_button.h"
#include "ui/skin_label.h"
#include "ui/skin_panel.h"
#include "ui/skin_window.h"

#include <QElapsedTimer>
#include <QTimer>

class frmAbout : public SkinWindow {
    Q_OBJECT
public:
    // Wears the skin and the opacity of `mainWindow` each time it comes up.
    explicit frmAbout(SkinSource mainWindow);

    void Form_Activate() override;
    void Timer1_Timer();      // one step of the typewriter
    void SkinButton1_Click(); // "Baiklah.."
    void SkinButton2_Click(); // "Credits.."

    // The caption that follows `caption` in the typewriter's cycle: the empty text, the
    // acronym's prefixes of one to four letters, the whole acronym, and round again.
    // A caption outside the cycle is followed by the empty text.
    static QString nextTypewriterCaption(const QString &caption);

    SkinPanel *SkinPanel1 = nullptr;
    SkinLabel *SkinLabel1 = nullptr; // product name
    SkinLabel *SkinLabel6 = nullptr; // version, shown by the first tick
    SkinLabel *sklbDemo = nullptr;   // the typed acronym
    SkinLabel *SkinLabel2 = nullptr; // "Alamat :"
    SkinLabel *SkinLabel7 = nullptr; // postal address, four lines
    SkinLabel *SkinLabel8 = nullptr;
    SkinLabel *SkinLabel9 = nullptr;
    SkinLabel *SkinLabel10 = nullptr;
    SkinLabel *SkinLabel13 = nullptr; // "E-Mail :"
    SkinLabel *SkinLabel11 = nullptr; // mailbox
    SkinLabel *SkinLabel12 = nullptr; // web address
    SkinLabel *SkinLabel3 = nullptr;  // "Skin Title:"
    SkinLabel *SkinLabel4 = nullptr;  // "Skin Artist:"
    SkinLabel *SkinLabel5 = nullptr;  // "Skin Info:"
    SkinLabel *sklbTitle = nullptr;
    SkinLabel *sklbArtist = nullptr;
    SkinLabel *sklbInfo = nullptr;
    SkinButton *SkinButton1 = nullptr;
    SkinButton *SkinButton2 = nullptr;
    QTimer *const Timer1;

    // Modal while it is open, so assistive technology hears a dialog.
    bool isDialog() const override { return true; }

signals:
    void dismissed();        // "Baiklah..": back to the main window
    void creditsRequested(); // "Credits.."

protected:
    void closeRequested() override { SkinButton1_Click(); }
    // The typewriter rests while the box is hidden and, shown again, takes the steps it
    // would have taken meanwhile and keeps its beat: nobody sees the difference.
    void hideEvent(QHideEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void showSkinTexts();
    void slideAcronymAndVersion();
    void growPanel();

    SkinSource mainWindow_;
    QElapsedTimer clock_;   // since the box was made
    qint64 lastTickAt_ = 0; // on clock_, when the typewriter last stepped
};
