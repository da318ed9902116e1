// Benchmark: loading a help topic into the rich-text box, as the information viewer does,
// beside Qt loading the same text as HTML into the same kind of box: the largest topic that
// comes with the program, and a large generated document.
#include "bench_table.h"
#include "ui/rich_text_box.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextDocument>

#include <functional>

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

// The largest of the help topics that come with the program.
QByteArray largestTopic(QString *name) {
    QByteArray largest;
    const QDir folder(QStringLiteral(VELD_HELP_DIR));
    for (const QString &file : folder.entryList({QStringLiteral("dat*.jov")}, QDir::Files)) {
        QFile topic(folder.filePath(file));
        if (topic.open(QIODevice::ReadOnly) && topic.size() > largest.size()) {
            largest = topic.readAll();
            *name = file;
        }
    }
    return largest;
}

// Median time of `runs` loads, each into a fresh box and laid out, in microseconds.
double medianMicroseconds(int runs, const std::function<void(RichTextBox &)> &load) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        RichTextBox box;
        box.resize(600, 400);
        QElapsedTimer clock;
        clock.start();
        load(box);
        box.document()->size(); // laid out as for showing
        times.push_back(clock.nsecsElapsed() / 1e3);
    }
    return median(times);
}

void compare(const char *measurement, const QByteArray &rtf, int runs) {
    RichTextBox reader;
    reader.setRichText(rtf);
    const QString html = reader.document()->toHtml();
    const double ours = medianMicroseconds(runs, [&](RichTextBox &box) { box.setRichText(rtf); });
    const double qt = medianMicroseconds(runs, [&](RichTextBox &box) { box.setHtml(html); });
    printBenchRow(measurement, ours, qt, "us", "same text as HTML, Qt");
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QString name;
    const QByteArray topic = largestTopic(&name);
    if (topic.isEmpty()) {
        std::fprintf(stderr, "bench_rtf_reader: no help topic in %s\n", VELD_HELP_DIR);
        return 1;
    }
    compare(QByteArray("load help topic " + name.toLatin1() + ", " +
                       QByteArray::number(topic.size() / 1024.0, 'f', 1) + " KiB")
                .constData(),
            topic, 201);
    compare("load generated RTF, 2 MiB", generateDocument(2 * 1024 * 1024), 3);
    return 0;
}
