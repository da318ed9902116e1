// Sections 2 to 4: every item line written, empty ones ending in ": ", values as typed.
#include "document/contact_section.h"

#include <QtTest>

class TestContactSection : public QObject {
    Q_OBJECT
private slots:
    void handlesOnlyGiveThirtyLinesWithEmptyItems();
};

void TestContactSection::handlesOnlyGiveThirtyLinesWithEmptyItems() {
    ContactFields fields;
    fields[0] = QStringLiteral("ADM-QV");
    fields[8] = QStringLiteral("  "); // blanks count as content
    fields[16] = QStringLiteral(" TEK-QV ");
    const QByteArray bytes = buildContactSections(fields);

    const QList<QByteArray> lines = bytes.split('\n');
    QCOMPARE(lines.size(), 31); // 30 lines, each ended by CR LF
    QVERIFY(lines.last().isEmpty());
    QCOMPARE(std::count_if(lines.begin(), lines.end(),
                           [](const QByteArray &line) { return line.endsWith(".: \r"); }),
             21);
    QVERIFY(bytes.startsWith("\r\n2. Kontak Administratif\r\n2a. NIC Handle..........: ADM-QV\r\n"
                             "2b. Nama................: \r\n"));
    QVERIFY(bytes.contains("\r\n\r\n3. Kontak Pembayaran\r\n3a. NIC Handle..........:   \r\n"));
    QVERIFY(bytes.contains("\r\n3g. Telepon.............: \r\n3h. Fax.................: \r\n"));
    QVERIFY(bytes.contains("\r\n\r\n4. Kontak Teknis\r\n4a. NIC Handle..........:  TEK-QV \r\n"));
    QVERIFY(bytes.endsWith("\r\n4h. Fax.................: \r\n"));
}

QTEST_MAIN(TestContactSection)
#include "tst_contact_section.moc"
