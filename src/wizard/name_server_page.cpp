#include "name_server_page.h"

#include "name_server_message_box.h"
#include "window_set.h"

namespace {
constexpr RecordPageDesign nameServerDesign{
    RecordType::NameServer,
    "IV. NAME SERVER RECORD (NS)",
    "SECONDARY NS RECORD LAINNYA",
    {"a. Hostnames", "b. Netaddress", nullptr},
};
} // namespace

Form5::Form5(WindowSet &windows) : RecordPage(windows, QStringLiteral("Form5"), nameServerDesign) {}

MessageDialog *Form5::incompleteDialog() {
    return windows_.Form10.get();
}

void Form5::unloadPage() {
    windows_.Form5.unload();
}
