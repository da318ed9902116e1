// Fuzzes both skin-file parsers: any bytes are either refused with SkinFileError or give a
// skin that both writers write and both parsers read back equal.
#include "ui/skin_file.h"

#include <cstdint>
#include <cstdlib>
#include <optional>

namespace {

std::optional<Skin> parsed(Skin (*parse)(const QByteArray &), const QByteArray &bytes) {
    try {
        return parse(bytes);
    } catch (const SkinFileError &) {
        return std::nullopt;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    for (const auto parse : {parseSkinText, parseSkinXml}) {
        const std::optional<Skin> skin = parsed(parse, bytes);
        // An exception escaping from here (a writer refusing a skin that was read) is a finding
        // too: libFuzzer reports it as a crash.
        if (skin && (parseSkinText(writeSkinText(*skin)) != *skin ||
                     parseSkinXml(writeSkinXml(*skin)) != *skin))
            std::abort();
    }
    return 0;
}
