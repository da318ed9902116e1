#include "name_server_page.h"

namespace {
constexpr RecordPageDesign nameServerDesign{
    RecordType::NameServer,
    "IV. NAME SERVER RECORD (NS)",
    "SECONDARY NS RECORD LAINNYA",
    {"a. Hostnames", "b. Netaddress", nullptr},
};
} // namespace

Form5::Form5() : RecordPage(QStringLiteral("Form5"), nameServerDesign) {}
