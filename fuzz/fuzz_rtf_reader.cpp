// Fuzzes the RTF reader: any bytes give a document that can be laid out, and never a crash,
// a hang, a leak or undefined behaviour.
#include "ui/rtf_reader.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***argv) {
    // Fonts need an application; offscreen, so no display is needed. It gets only the program
    // name: libFuzzer's own options are not Qt's to read. It lives until the process ends.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's warnings about odd fonts are not findings and would bury the reports; a fatal
    // message still aborts.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    static int qtArgc = 1;
    static char *qtArgv[] = {(*argv)[0], nullptr};
    static QGuiApplication *const application = new QGuiApplication(qtArgc, qtArgv);
    (void)application;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray rtf(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QTextDocument document;
    RtfReader::read(rtf, &document);
    // The help window lays the document out next, with whatever sizes and indents it holds.
    document.setTextWidth(400);
    (void)document.size();
    return 0;
}
