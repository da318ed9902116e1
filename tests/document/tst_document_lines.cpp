// Tests of the document's line convention: labels, item lines and the line breaks in a value.
#include "document/document_lines.h"

#include <QTest>

class TestDocumentLines : public QObject {
    Q_OBJECT

private slots:
    void itemLineKeepsTheValueAsTyped();
    void lineBreaksInAValueBecomeCrLf_data();
    void lineBreaksInAValueBecomeCrLf();
};

// The labels of every section stand in the files the document and whole-run tests pin; here
// the name too long for its column, and values the fields may hold.
void TestDocumentLines::itemLineKeepsTheValueAsTyped() {
    QCOMPARE(itemLabel("1x", "Sebuah nama yang panjang"), u"1x. Sebuah nama yang panjang:"_qs);
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

QTEST_MAIN(TestDocumentLines)
#include "tst_document_lines.moc"
