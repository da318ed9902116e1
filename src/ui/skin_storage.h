// SkinStorage: one built-in skin held ready, and the list of the eight built-in skins.
#pragma once

#include "ui/skin.h"

#include <QString>
#include <array>

// One entry of the Skin menu: its caption and the resource file that holds the skin.
struct BuiltinSkin {
    const char *name;
    const char *resource;
};

// The built-in skins in menu order; the first is the one every start shows.
extern const std::array<BuiltinSkin, 8> builtinSkins;

class SkinStorage {
public:
    // Holds the skin file at `path`, normally one of the built-in resources. It is parsed
    // when the skin is first asked for: a start shows one skin, not eight. A built-in skin
    // that does not parse is a fault of the program itself, so it stops the program.
    explicit SkinStorage(QString path) : path_(std::move(path)) {}

    // The same shared skin object on every call.
    SkinRef StoredSkin() const;

private:
    QString path_;
    mutable SkinRef skin_;
};
