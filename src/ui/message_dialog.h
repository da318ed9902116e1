// The small message dialog every page raises: a warning picture, one or two skinned
// lines and the single button "Baiklah..". On each activation it beeps, takes its skin,
// skins its controls and runs its entrance routine.
#pragma once

#include "skin_button.h"
#include "skin_label.h"
#include "skin_window.h"

#include <QLabel>
#include <vector>

class MessageDialog : public SkinWindow {
    Q_OBJECT
public:
    enum class Beep { BeforeSkin, AfterSkin, Never };

    MessageDialog(const QString &caption, const QString &firstLine, const QString &secondLine,
                  Beep beep, QWidget *parent = nullptr);

    QLabel *const Image1;
    SkinLabel *const SkinLabel1;
    SkinLabel *const SkinLabel2; // none when the dialog has a single line
    SkinButton *const SkinButton1;

    void Form_Activate() override;
    // "Baiklah..": says the dialog is dismissed, for whoever leads back to its page.
    virtual void SkinButton1_Click();

    bool isDialog() const override { return true; }

signals:
    void beepSounded();
    void dismissed();

protected:
    // Step two of the activation: by default the dialog sets its skin again to the one
    // it holds, which redraws it in the skin handed over by its page.
    virtual void takeSkin();
    // The controls that get the dialog's skin, in order.
    virtual std::vector<Skinnable *> skinnedControls();
    // Runs after the controls are skinned, before the entrance routine.
    virtual void afterSkinning() {}
    virtual void runEntrance() = 0;
    // Sizes the labels to their texts, the button below them and the dialog around them;
    // again after a label's text changes.
    void placeLines();

    void closeRequested() override { SkinButton1_Click(); }

private:
    void beep();

    const Beep beep_;
};
