// The record page's part of the registration document.
#include "record_section.h"

#include "document_lines.h"

#include <array>

namespace {

struct RecordDocument {
    const char *typeWord;
    std::array<const char *, recordGroupCount> headings;
    std::array<const char *, 3> itemNames; // the MX page uses all three
    int itemCount;
    int lastGroupLabelWidth;
};

constexpr RecordDocument nameServers{
    "NS",
    {"6. Primary Name Server", "7. Secondary Name Server", "8. Secondary Name Server",
     "9. Secondary Name Server", "10. Secondary Name Server"},
    {"Hostnames", "Netaddress", nullptr},
    2,
    itemLabelWidth,
};

constexpr RecordDocument mailExchangers{
    "MX",
    {"6.  Primary MX Server", "7. Secondary MX Server", "8. Secondary MX Server",
     "9. Secondary MX Server", "10. Secondary MX Server"},
    {"Hostnames", "Netaddress", "Reference"},
    3,
    itemLabelWidth + 1,
};

const RecordDocument &recordDocument(RecordType type) {
    return type == RecordType::NameServer ? nameServers : mailExchangers;
}

} // namespace

int recordFieldsPerGroup(RecordType type) {
    return recordDocument(type).itemCount;
}

QByteArray buildRecordSections(RecordType type, const QStringList &fields) {
    const RecordDocument &document = recordDocument(type);
    Q_ASSERT(fields.size() == recordGroupCount * document.itemCount);

    QByteArray bytes = emptyLine();
    bytes +=
        itemLine(QStringLiteral("5.  Record..............:"), QLatin1String(document.typeWord));
    for (int group = 0; group < recordGroupCount; ++group) {
        const int labelWidth =
            group == recordGroupCount - 1 ? document.lastGroupLabelWidth : itemLabelWidth;
        bytes += emptyLine();
        bytes += documentLine(QLatin1String(document.headings[group]));
        for (int item = 0; item < document.itemCount; ++item) {
            const QString numberAndLetter = QString::number(6 + group) + QChar(u'a' + item);
            bytes += itemLine(
                itemLabel(numberAndLetter, QLatin1String(document.itemNames[item]), labelWidth),
                fields.value(group * document.itemCount + item));
        }
    }
    return bytes;
}
