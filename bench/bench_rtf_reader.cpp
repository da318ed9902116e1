// Benchmark: how fast the RTF reader turns a large formatted document into a QTextDocument.
#include "ui/rtf_reader.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>
#include <limits>

namespace {

// About targetBytes of help-text-like RTF: headings, runs in every style, accented and
// Unicode characters, indented and centred paragraphs.
QByteArray generateDocument(qsizetype targetBytes) {
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0"
                     "{\\fonttbl{\\f0\\fswiss Sans;}{\\f1\\froman Serif;}{\\f2\\fmodern Mono;}}"
                     "{\\colortbl;\\red200\\green0\\blue0;\\red0\\green90\\blue160;}"
                     "{\\*\\generator bench}\\viewkind4\\uc1\n";
    for (int paragraph = 0; rtf.size() < targetBytes; ++paragraph) {
        rtf += "\\pard\\qc{\\b\\fs32\\cf2 Bagian " + QByteArray::number(paragraph) + "}\\par\n";
        rtf += "\\pard\\qj\\li360\\fi-180\\f1\\fs22 Nama domain {\\i dipilih} oleh pemohon, "
               "{\\ul diperiksa} oleh registri, {\\b\\cf1 disetujui} caf\\'e9 \\'80 10 "
               "\\u8364? \\u8220?kutipan\\u8221?.\\line {\\f2 ns1.contoh.xa}\\tab selesai.\\par\n";
    }
    rtf += "}";
    return rtf;
}

} // namespace

int main(int argc, char **argv) {
    // Fonts and text layout need a GUI application; no display is needed to measure.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QByteArray rtf = generateDocument(2 * 1024 * 1024);
    qint64 bestNs = std::numeric_limits<qint64>::max();
    int blocks = 0;
    for (int run = 0; run < 3; ++run) {
        QTextDocument document;
        QElapsedTimer timer;
        timer.start();
        RtfReader::read(rtf, &document);
        bestNs = std::min(bestNs, timer.nsecsElapsed());
        blocks = document.blockCount();
    }
    const double seconds = bestNs / 1e9;
    std::printf("bench_rtf_reader: %lld bytes, %d paragraphs, best of 3: %.1f ms, %.1f MB/s\n",
                static_cast<long long>(rtf.size()), blocks, seconds * 1e3,
                rtf.size() / seconds / (1024.0 * 1024.0));
    return 0;
}
