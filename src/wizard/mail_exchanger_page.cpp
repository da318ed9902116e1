#include "mail_exchanger_page.h"

namespace {
constexpr RecordPageDesign mailExchangerDesign{
    RecordType::MailExchanger,
    "IV. MAIL EXCHANGE RECORD ( MX )",
    "SECONDARY MX RECORD LAINNYA",
    {"Hostnames", "Netaddress", "Reference"},
};
} // namespace

Form6::Form6() : RecordPage(QStringLiteral("Form6"), mailExchangerDesign) {}
