// What every skinned control offers (button, label, panel), and the small piece of
// state they share: the skin form applied to them and their skin element.
#pragma once

#include "skin_element.h"
#include "skin_form.h"

#include <QPointer>
#include <memory>

class QWidget;

class Skinnable {
public:
    virtual ~Skinnable() = default;
    // Gives the control the look of the form's skin and a skin element; none removes both.
    virtual void ApplySkin(SkinForm *form) = 0;
    // The control's skin element, or none until a skin is applied.
    virtual ::SkinElement *SkinElement() const = 0;
};

// The applied form and the element of one control. Re-applying a skin first puts the
// control back where its element found it, so an entrance effect cut short by a new
// activation never leaves the control off its designed place.
class SkinAttachment {
public:
    explicit SkinAttachment(QWidget *control) : control_(control) {}
    ~SkinAttachment();

    void apply(SkinForm *form);
    ::SkinElement *element() const { return element_.get(); }
    // The skin the control draws with: its form's current skin, or none.
    const Skin *skin() const;

private:
    QWidget *control_;
    QPointer<SkinForm> form_;
    std::unique_ptr<::SkinElement> element_;
};
