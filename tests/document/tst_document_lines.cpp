// Tests of the document's line convention: labels, item lines, header, trailer, separators.
#include "document/document_lines.h"

#include <QTest>

class TestDocumentLines : public QObject {
    Q_OBJECT

private slots:
    void labelsPadToTheColonColumn_data();
    void labelsPadToTheColonColumn();
    void itemLineKeepsTheValueAsTyped();
    void lineBreaksInAValueBecomeCrLf_data();
    void lineBreaksInAValueBecomeCrLf();
    void frameLines();
};

void TestDocumentLines::labelsPadToTheColonColumn_data() {
    QTest::addColumn<QString>("numberAndLetter");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("label");

    QTest::newRow("1b") << "1b"
                        << "Nama Domain" << 25 << "1b. Nama Domain.........:";
    QTest::newRow("11a") << "11a"
                         << "NAMA-PENDAFTAR" << 25 << "11a. NAMA-PENDAFTAR.....:";
    QTest::newRow("11b") << "11b"
                         << "E-MAIL-PENDAFTAR" << 25 << "11b. E-MAIL-PENDAFTAR...:";
    QTest::newRow("one point longer") << "10a"
                                      << "Hostnames" << 26 << "10a. Hostnames...........:";
    QTest::newRow("too long is not cut")
        << "1x"
        << "Sebuah nama yang panjang" << 25 << "1x. Sebuah nama yang panjang:";
}

void TestDocumentLines::labelsPadToTheColonColumn() {
    QFETCH(QString, numberAndLetter);
    QFETCH(QString, name);
    QFETCH(int, width);
    QFETCH(QString, label);
    QCOMPARE(itemLabel(numberAndLetter, name, width), label);
}

void TestDocumentLines::itemLineKeepsTheValueAsTyped() {
    const QString label = itemLabel("1c", "Organisasi");
    QCOMPARE(itemLine(label, QString()), QByteArray("1c. Organisasi..........: \r\n"));
    QCOMPARE(itemLine(label, QStringLiteral("  PT Maju ")),
             QByteArray("1c. Organisasi..........:   PT Maju \r\n"));
    QCOMPARE(itemLine(label, QStringLiteral("Caf\u00E9 \u20AC\u0101")),
             QByteArray("1c. Organisasi..........: Caf\xE9 \x80?\r\n"));
}

void TestDocumentLines::lineBreaksInAValueBecomeCrLf_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("line");

    const QByteArray twoLines("1d. Keterangan..........: Toko buku\r\ndan alat tulis\r\n");
    QTest::newRow("LF") << "Toko buku\ndan alat tulis" << twoLines;
    QTest::newRow("CR LF") << "Toko buku\r\ndan alat tulis" << twoLines;
    QTest::newRow("lone CR") << "Toko buku\rdan alat tulis" << twoLines;
    QTest::newRow("paragraph separator")
        << QStringLiteral("Toko buku\u2029dan alat tulis") << twoLines;
    QTest::newRow("line separator") << QStringLiteral("Toko buku\u2028dan alat tulis") << twoLines;
    QTest::newRow("blank line kept")
        << "a\r\n\r\n  b\n"
        << QByteArray("1d. Keterangan..........: a\r\n\r\n  b\r\n\r\n");
    QTest::newRow("CR CR is two breaks")
        << "a\r\rb" << QByteArray("1d. Keterangan..........: a\r\n\r\nb\r\n");
    QTest::newRow("LF CR is two breaks")
        << "a\n\rb" << QByteArray("1d. Keterangan..........: a\r\n\r\nb\r\n");
}

void TestDocumentLines::lineBreaksInAValueBecomeCrLf() {
    QFETCH(QString, value);
    QFETCH(QByteArray, line);
    QCOMPARE(itemLine(itemLabel("1d", "Keterangan"), value), line);
}

void TestDocumentLines::frameLines() {
    QCOMPARE(headerLine("RDVUMUM"),
             QByteArray("ZCZC RDVUMUM $Revision 3.1 $ Baris INI JANGAN DIHAPUS !!!!!!!!\r\n"));
    QCOMPARE(trailerLine("RDVUMUM"),
             QByteArray("NNNN RDVUMUM $Revision 3.1 $ Baris INI JANGAN DIHAPUS !!!!!\r\n"));
    QCOMPARE(separatorLine(headerSeparatorLength), QByteArray(71, '-') + "\r\n");
    QCOMPARE(separatorLine(declarationSeparatorLength), QByteArray(68, '-') + "\r\n");
    QCOMPARE(emptyLine(), QByteArray("\r\n"));
    QCOMPARE(documentLine("5.  Record..............: NS"),
             QByteArray("5.  Record..............: NS\r\n"));
}

QTEST_MAIN(TestDocumentLines)
#include "tst_document_lines.moc"
