#include "schedule/week_record.h"

#include <QTest>

namespace {

// The literal text, not the code's constant: a wrong separator of the same length must fail.
const QString S = QStringLiteral("||MySeparator123||");

WeekTexts textsOf(const QStringList &list)
{
    WeekTexts texts;
    for (int i = 0; i < kWeekFieldCount && i < list.size(); ++i)
        texts[i] = list[i];
    return texts;
}

} // namespace

class TestWeekRecord : public QObject
{
    Q_OBJECT
private slots:
    void encode_data();
    void encode();
    void decode_data();
    void decode();
    void roundTripKeepsEveryCharacter_data();
    void roundTripKeepsEveryCharacter();
    void lineBreaks_data();
    void lineBreaks();
};

void TestWeekRecord::encode_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("record");

    QTest::newRow("an empty week is eight separators, 144 characters")
        << QStringList() << S.repeated(8);
    QTest::newRow("first day and notes, the rest empty")
        << QStringList{QStringLiteral("T0"), {}, {}, {}, {}, {}, {}, QStringLiteral("T7")}
        << QStringLiteral("T0") + S.repeated(7) + QStringLiteral("T7") + S;
    QTest::newRow("every box filled")
        << QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                       QStringLiteral("d"), QStringLiteral("e"), QStringLiteral("f"),
                       QStringLiteral("g"), QStringLiteral("h")}
        << QStringLiteral("a%1b%1c%1d%1e%1f%1g%1h%1").arg(S);
}

void TestWeekRecord::encode()
{
    QFETCH(QStringList, texts);
    QFETCH(QString, record);
    QCOMPARE(encodeWeekRecord(textsOf(texts)), record.toUtf8());
    if (texts.isEmpty())
        QCOMPARE(record.size(), 144);
}

void TestWeekRecord::decode_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QStringList>("fields");

    QTest::newRow("empty text fills nothing") << QString() << QStringList();
    QTest::newRow("no separator fills nothing") << QStringLiteral("stray text") << QStringList();
    QTest::newRow("one separator fills the first box; the text after it is dropped")
        << QStringLiteral("Mon") + S + QStringLiteral("dropped")
        << QStringList{QStringLiteral("Mon")};
    QTest::newRow("three separators fill three boxes")
        << QStringLiteral("a%1b%1c%1").arg(S)
        << QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    QTest::newRow("eight separators fill all eight")
        << QStringLiteral("a%1%1%1%1%1%1%1n%1").arg(S)
        << QStringList{QStringLiteral("a"), {}, {}, {}, {}, {}, {}, QStringLiteral("n")};
    QTest::newRow("fields past the eighth stay in the notes, joined by the separator")
        << QStringList{QStringLiteral("0"),
                       QStringLiteral("1"),
                       QStringLiteral("2"),
                       QStringLiteral("3"),
                       QStringLiteral("4"),
                       QStringLiteral("5"),
                       QStringLiteral("6"),
                       QStringLiteral("n1"),
                       QStringLiteral("n2"),
                       QStringLiteral("n3"),
                       QString()}
               .join(S)
        << QStringList{QStringLiteral("0"), QStringLiteral("1"),
                       QStringLiteral("2"), QStringLiteral("3"),
                       QStringLiteral("4"), QStringLiteral("5"),
                       QStringLiteral("6"), QStringLiteral("n1%1n2%1n3").arg(S)};
    QTest::newRow("the separator is matched case-sensitively")
        << QStringLiteral("a||myseparator123||b") + S
        << QStringList{QStringLiteral("a||myseparator123||b")};
}

void TestWeekRecord::decode()
{
    QFETCH(QString, record);
    QFETCH(QStringList, fields);
    QCOMPARE(decodeWeekRecord(record), fields);
    // The same fields from the record's UTF-8 bytes.
    const QByteArray utf8 = record.toUtf8();
    QStringList fromBytes;
    for (const QByteArrayView field : decodeWeekRecordUtf8(utf8))
        fromBytes.append(QString::fromUtf8(field));
    QCOMPARE(fromBytes, fields);
}

void TestWeekRecord::roundTripKeepsEveryCharacter_data()
{
    QTest::addColumn<QString>("record");

    QTest::newRow("empty week") << S.repeated(8);
    QTest::newRow("CR LF lines and non-Latin text")
        << QStringLiteral("Zahnarzt 9:00\r\nBüro%1会议\r\n午後%1Ελληνικά%1עברית%1😀%1%1%1notes%1")
               .arg(S);
    QTest::newRow("a typed separator: more than eight fields survive a load and a save")
        << QStringLiteral("a%1%1%1%1%1%1%1left%1right%1").arg(S);
    QTest::newRow("a 1 MB text") << QString(1 << 20, QLatin1Char('x')) + S.repeated(8);
}

void TestWeekRecord::roundTripKeepsEveryCharacter()
{
    QFETCH(QString, record);
    const QStringList fields = decodeWeekRecord(record);
    QCOMPARE(encodeWeekRecord(textsOf(fields)), record.toUtf8());
}

void TestWeekRecord::lineBreaks_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");

    QTest::newRow("single line") << QStringLiteral("one") << QStringLiteral("one");
    QTest::newRow("LF lines, a break first and last")
        << QStringLiteral("\na\nb\n\nc\n") << QStringLiteral("\r\na\r\nb\r\n\r\nc\r\n");
    QTest::newRow("a text box's paragraph and line breaks")
        << QStringLiteral("a\u2029b\u2028c\u2029") << QStringLiteral("a\r\nb\r\nc\r\n");
    QTest::newRow("breaks beside other scripts and a surrogate pair")
        << QStringLiteral("Büro\u2029会议\n😀\u2028é") << QStringLiteral("Büro\r\n会议\r\n😀\r\né");
    QTest::newRow("CR LF stays one break; a lone CR is no break")
        << QStringLiteral("a\r\nb\rc") << QStringLiteral("a\r\nb\rc");
    QTest::newRow("no-break space kept")
        << QStringLiteral("9\u00a0am") << QStringLiteral("9\u00a0am");
    QTest::newRow("the first character past ASCII, U+0080, beside ASCII's last")
        << QStringLiteral("\u007f\u0080x") << QStringLiteral("\u007f\u0080x");
}

void TestWeekRecord::lineBreaks()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    WeekTexts texts;
    texts[3] = typed;
    QCOMPARE(encodeWeekRecord(texts), (S.repeated(3) + stored + S.repeated(5)).toUtf8());
}

QTEST_APPLESS_MAIN(TestWeekRecord)
#include "tst_week_record.moc"
