#include "mail_exchanger_page.h"

#include "mail_exchanger_message_box.h"
#include "window_set.h"

namespace {
constexpr RecordPageDesign mailExchangerDesign{
    RecordType::MailExchanger,
    "IV. MAIL EXCHANGE RECORD ( MX )",
    "SECONDARY MX RECORD LAINNYA",
    {"Hostnames", "Netaddress", "Reference"},
};
} // namespace

Form6::Form6(WindowSet &windows)
    : RecordPage(windows, QStringLiteral("Form6"), mailExchangerDesign) {}

MessageDialog *Form6::incompleteDialog() {
    return windows_.Form11.get();
}

void Form6::unloadPage() {
    windows_.Form6.unload();
}
