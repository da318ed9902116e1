// SkinStorage and the table of built-in skins.
#include "ui/skin_storage.h"

#include <QtGlobal>
#include <memory>

const std::array<BuiltinSkin, 8> builtinSkins = {{
    {"WinAqua", ":/skins/winaqua.skn"},
    {"BarCharts", ":/skins/barcharts.skn"},
    {"B-Studio", ":/skins/b_studio.skn"},
    {"Metallic", ":/skins/metallic.skn"},
    {"Zhelezo", ":/skins/zhelezo.skn"},
    {"Web-II", ":/skins/web_ii.skn"},
    {"Media", ":/skins/media.skn"},
    {"Military (Transparant)", ":/skins/military.skn"},
}};

SkinRef SkinStorage::StoredSkin() const {
    if (!skin_) {
        auto skin = std::make_shared<Skin>();
        try {
            skin->LoadFile(path_);
        } catch (const SkinFileError &error) {
            qFatal("built-in skin cannot be loaded: %s", error.what());
        }
        skin_ = std::move(skin);
    }
    return skin_;
}
