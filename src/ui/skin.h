// The skin object: everything a window and its skinned controls need to draw themselves.
#pragma once

#include <QColor>
#include <QString>
#include <memory>
#include <stdexcept>

// A vertical gradient from top to bottom; equal colours give a flat fill.
struct SkinFill {
    QColor top;
    QColor bottom;
    bool operator==(const SkinFill &) const = default;
};

// Decoration drawn over a fill.
enum class SkinPattern { None, Stripes, Grid, Dots, Bars, Gloss };

// The look of one kind of surface: a window, a button in one state, a label, a panel.
struct SkinLook {
    SkinFill fill;
    QColor border;
    int borderWidth = 1;
    int radius = 0;
    QColor text;
    SkinPattern pattern = SkinPattern::None;
    QColor patternColor;
    bool operator==(const SkinLook &) const = default;
};

// Raised by Skin::LoadFile for a file that is missing, unreadable, truncated or invalid.
class SkinFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Skin {
public:
    QString SkinTitle;
    QString SkinArtist;
    QString SkinInfo;
    // Colours for the standard controls: ControlColor1 is their background, ControlColor2 their
    // text.
    QColor ControlColor1;
    QColor ControlColor2;

    QString fontFamily;
    int fontPointSize = 9;
    bool fontBold = false;
    // The window's own opacity, 0..255; below 255 the skin is translucent.
    int opacity = 255;

    SkinLook form;
    SkinLook buttonNormal;
    SkinLook buttonHover;
    SkinLook buttonPressed;
    SkinLook buttonDisabled;
    SkinLook label;
    SkinLook panel;

    // Replaces this skin with the one in the file (*.skn, or *.xml for the XML rendition).
    // Throws SkinFileError and leaves the skin untouched when the file cannot be used.
    void LoadFile(const QString &path);

    bool operator==(const Skin &) const = default;
};

// Skins travel between windows by reference: every window that took a skin over
// draws with the very same object.
using SkinRef = std::shared_ptr<const Skin>;
