// orvanta-jet-reader on Jet files made byte by byte for what the fixtures lack: an Access 97
// (Jet 3) file, a row moved to a slot past 127, a memo that claims more than its row holds;
// telling Jet and ACE files by their header; and the reader's stream read back at its limits.
#include "jet/jet_file.h"
#include "jet_file_builder.h"
#include "schedule/week_record.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using JetFileBuilder::Slot;
using JetFileBuilder::Version;

Q_DECLARE_METATYPE(JetFileBuilder::Version)
Q_DECLARE_METATYPE(JetFileBuilder::Slot)

namespace {

const QString kFixtures = QStringLiteral(ORVANTA_JET_FIXTURES);

struct ReaderRun
{
    int exitCode = -1;
    QString said; // standard error
    QList<JetReaderStream::Row> rows;
    bool ended = false; // the end record came, with the rows' count
};

ReaderRun runReader(const QString &file)
{
    QProcess reader;
    reader.start(QStringLiteral(ORVANTA_JET_READER), {file});
    ReaderRun run;
    if (!reader.waitForFinished(60 * 1000))
        return run;
    run.exitCode = reader.exitStatus() == QProcess::NormalExit ? reader.exitCode() : -1;
    run.said = QString::fromUtf8(reader.readAllStandardError()).trimmed();
    JetReaderStream::Parser stream;
    stream.append(reader.readAllStandardOutput());
    for (;;) {
        JetReaderStream::Row row;
        const auto next = stream.next(&row);
        if (next == JetReaderStream::Parser::Next::Row) {
            run.rows.append(row);
            continue;
        }
        run.ended = next == JetReaderStream::Parser::Next::End &&
                    stream.rowsAtEnd() == quint32(run.rows.size());
        return run;
    }
}

QString week(const QString &sunday)
{
    return sunday + WeekDataSeparator + WeekDataSeparator.repeated(kWeekFieldCount - 1);
}

JetFileBuilder::Row row(double date, const QByteArray &memo)
{
    return {date, memo};
}

QByteArray le32(quint32 v)
{
    const char bytes[] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
    return QByteArray(bytes, 4);
}

// A row as read: its stored date, or "-", and its text.
QString seen(std::optional<double> date, std::optional<QString> text)
{
    return (date ? QString::number(*date, 'g', 17) : u"-"_s) + u' ' + text.value_or(u"(none)"_s);
}

// A page of the file: a data page's slots (and how many its header claims), or a long-value
// page's rows.
struct Page
{
    QList<Slot> cells;
    QList<QByteArray> longValues = {};
    int claimedSlots = -1;
    quint32 onlyMapped = 0; // no page added: one the usage map lists besides
};

} // namespace

Q_DECLARE_METATYPE(Page)

class TestJetReader : public QObject
{
    Q_OBJECT
private slots:
    void headers_data();
    void headers();
    void filesMadeByteByByte_data();
    void filesMadeByteByByte();
    void refusals_data();
    void refusals();
    void streamAtItsLimits_data();
    void streamAtItsLimits();
};

void TestJetReader::headers_data()
{
    QTest::addColumn<QString>("file"); // a fixture, or "jet3" for one made here
    QTest::addColumn<bool>("isJetOrAce");
    QTest::newRow("Access 2010 (ACE)") << "calendar-ace.accdb" << true;
    QTest::newRow("Access 2000 (Jet 4)") << "calendar-jet4.mdb" << true;
    QTest::newRow("Access 97 (Jet 3)") << "jet3" << true;
    QTest::newRow("a text file") << "README.md" << false;
    QTest::newRow("no file") << "none.mdb" << false;
}

void TestJetReader::headers()
{
    QFETCH(QString, file);
    QFETCH(bool, isJetOrAce);
    QTemporaryDir folder;
    QString path = QDir(kFixtures).filePath(file);
    if (file == u"jet3") {
        path = folder.filePath(u"access97.mdb"_s);
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(JetFileBuilder::Builder(Version::Jet3).file());
    }
    QCOMPARE(JetFile::isJetOrAceFile(path), isJetOrAce);
    // The header alone, and nothing shorter: a file cut inside its name is none.
    QFile in(path);
    const QByteArray first = in.open(QIODevice::ReadOnly) ? in.read(20) : QByteArray();
    QCOMPARE(JetFile::hasJetOrAceHeader(first), isJetOrAce);
    QVERIFY(!JetFile::hasJetOrAceHeader(first.left(19)));
    if (isJetOrAce) {
        QByteArray otherPage = first;
        otherPage[1] = 0x02;
        QVERIFY(!JetFile::hasJetOrAceHeader(otherPage));
    }
}

void TestJetReader::filesMadeByteByByte_data()
{
    QTest::addColumn<Version>("version");
    QTest::addColumn<QList<Page>>("pages");
    QTest::addColumn<QStringList>("rows"); // the rows read, in order (seen())
    QTest::addColumn<QString>("refusal");  // empty: read to the end

    const QString first = week(u"first"_s), moved = week(u"moved"_s), decoy = week(u"deleted"_s);
    const quint32 second = JetFileBuilder::kFirstDataPage + 1; // the second page added
    for (const Version version : {Version::Jet3, Version::Jet4}) {
        const char *name = version == Version::Jet3 ? "Jet 3" : "Jet 4";
        const auto stored = [version](const QString &text) {
            return JetFileBuilder::storedText(version, text);
        };
        const auto live = [](const JetFileBuilder::Row &r) { return Slot{Slot::Kind::Live, r, 0}; };
        // A row moved to slot 129 of another page, whose slot 1 (129 less its top bit) holds
        // a deleted row: the pointer's whole low byte is the slot.
        QList<Slot> target(130, Slot{Slot::Kind::Deleted, std::nullopt, 0});
        target[1].row = row(37626.0, stored(decoy));
        target[129].row = row(37633.0, stored(moved));
        QTest::addRow("%s: a row moved to slot 129", name)
            << version
            << QList<Page>{{{live(row(37626.0, stored(first))),
                             Slot{Slot::Kind::Moved, std::nullopt, second << 8 | 129}}},
                           {target}}
            << QStringList{seen(37626.0, first), seen(37633.0, moved)} << QString();

        // An inline memo's header gives its length; the row holds exactly that many bytes.
        for (const int more : {0, 1, 12}) {
            JetFileBuilder::Row claiming = row(37626.0, stored(first));
            claiming.memoLengthClaimed = int(claiming.memo->size()) + more;
            QTest::addRow("%s: an inline memo claiming %d bytes more than its row holds", name,
                          more)
                << version << QList<Page>{{{live(claiming)}}}
                << (more ? QStringList() : QStringList{seen(37626.0, first)})
                << (more ? u"a memo runs past its row"_s : QString());
        }

        // Memos kept on long-value pages: on one, in a chain of parts, and broken.
        const QByteArray whole = stored(first);
        const QByteArray head = whole.left(20), tail = whole.mid(20);
        JetFileBuilder::Row onePage = row(37626.0, whole);
        onePage.memoAt = second << 8 | 0;
        QTest::addRow("%s: a memo on a long-value page", name)
            << version << QList<Page>{{{live(onePage)}}, {{}, {whole}}}
            << QStringList{seen(37626.0, first)} << QString();
        JetFileBuilder::Row chained = onePage;
        chained.memoChained = true;
        QTest::addRow("%s: a memo in a chain of two parts", name)
            << version
            << QList<Page>{{{live(chained)}}, {{}, {le32(second << 8 | 1) + head, le32(0) + tail}}}
            << QStringList{seen(37626.0, first)} << QString();
        QTest::addRow("%s: a chain that ends before the memo does", name)
            << version << QList<Page>{{{live(chained)}}, {{}, {le32(0) + head}}} << QStringList()
            << u"a memo's chain of pages is broken"_s;
        JetFileBuilder::Row elsewhere = row(37626.0, whole);
        elsewhere.memoAt = 200 << 8 | 0;
        QTest::addRow("%s: a memo on a page past the file's end", name)
            << version << QList<Page>{{{live(elsewhere)}}} << QStringList()
            << u"a memo's page cannot be read"_s;

        QTest::addRow("%s: a row without a date, and one without a text", name)
            << version
            << QList<Page>{{{live({std::nullopt, whole}), live({37626.0, std::nullopt})}}}
            << QStringList{seen(std::nullopt, first), seen(37626.0, std::nullopt)} << QString();
        QTest::addRow("%s: a usage map that lists a page past the file's end", name)
            << version << QList<Page>{{{live(row(37626.0, whole))}}, {{}, {}, -1, 300}}
            << QStringList() << u"a page of its table cannot be read"_s;
        QTest::addRow("%s: a row moved to a page past the file's end", name)
            << version << QList<Page>{{{Slot{Slot::Kind::Moved, std::nullopt, 250 << 8 | 0}}}}
            << QStringList() << u"a page of its table cannot be read"_s;
        JetFileBuilder::Row cutShort = row(37626.0, {});
        cutShort.memo.reset();
        cutShort.memoField = QByteArray(11, '\0');
        QTest::addRow("%s: a memo field shorter than a memo's header", name)
            << version << QList<Page>{{{live(cutShort)}}} << QStringList()
            << u"a memo's header is cut short"_s;
        QTest::addRow("%s: a chain's part with no text, leading to itself", name)
            << version << QList<Page>{{{live(chained)}}, {{}, {le32(second << 8 | 0)}}}
            << QStringList() << u"a memo's chain of pages is broken"_s;
        QTest::addRow("%s: a slot that leads to no bytes", name)
            << version << QList<Page>{{{Slot{Slot::Kind::Live, std::nullopt, 0}}}} << QStringList()
            << u"a row lies outside its page"_s;
        // A page whose slots fill it, all deleted, and whose header claims more: the slots
        // are read as far as the page goes, and no further.
        const int fitting = version == Version::Jet3 ? (2048 - 10) / 2 : (4096 - 14) / 2;
        QTest::addRow("%s: more slots claimed than the page holds", name)
            << version
            << QList<Page>{{QList<Slot>(fitting, Slot{Slot::Kind::Deleted, std::nullopt, 0}),
                            {},
                            fitting + 300}}
            << QStringList() << QString();
    }
    // A row that starts right where the slots end, a deleted one filling the rest of the page.
    {
        const JetFileBuilder::Builder jet4(Version::Jet4);
        const JetFileBuilder::Row last =
            row(37626.0, JetFileBuilder::storedText(Version::Jet4, first));
        const int slotsEnd = 0x0c + 2 + 2 * 2;
        const int rest = 4096 - slotsEnd - int(jet4.calendarRow(last).size());
        const JetFileBuilder::Row filler = row(37633.0, QByteArray(rest - 29, 'x'));
        QCOMPARE(jet4.calendarRow(filler).size(), rest);
        QTest::newRow("Jet 4: a row right after the slots")
            << Version::Jet4
            << QList<Page>{{{Slot{Slot::Kind::Deleted, filler, 0},
                             Slot{Slot::Kind::Live, last, 0}}}}
            << QStringList{seen(37626.0, first)} << QString();
    }
    // Access 97 keeps the Windows code page, where the euro, the quotes and the dashes are not
    // where Latin-1 has them.
    const QByteArray cp1252 = "Caf\xe9 \x96 \x93quoted\x94 \x80"
                              "5";
    QTest::newRow("Jet 3: the Windows code page")
        << Version::Jet3
        << QList<Page>{{{Slot{Slot::Kind::Live,
                              row(37626.0, cp1252 + WeekDataSeparator.repeated(8).toLatin1()), 0}}}}
        << QStringList{seen(37626.0, u"Caf\u00e9 \u2013 \u201cquoted\u201d \u20ac5"_s +
                                         WeekDataSeparator.repeated(8))}
        << QString();
}

void TestJetReader::filesMadeByteByByte()
{
    QFETCH(Version, version);
    QFETCH(QList<Page>, pages);
    QFETCH(QStringList, rows);
    QFETCH(QString, refusal);
    QTemporaryDir folder;
    JetFileBuilder::Builder builder(version);
    for (const Page &page : pages) {
        if (page.onlyMapped)
            builder.alsoMap(page.onlyMapped);
        else if (page.longValues.isEmpty())
            builder.addPage(page.cells, page.claimedSlots);
        else
            builder.addLongValuePage(page.longValues);
    }
    const QString path = folder.filePath(u"dbCalendar.mdb"_s);
    {
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(builder.file());
    }
    const ReaderRun run = runReader(path);
    if (!refusal.isEmpty()) {
        QCOMPARE(run.exitCode, int(JetReaderStream::NotReadable));
        QVERIFY2(run.said.contains(refusal), qPrintable(run.said));
        QVERIFY(!run.ended);
        return;
    }
    QVERIFY2(run.exitCode == 0, qPrintable(run.said));
    QVERIFY(run.ended);
    QStringList read;
    for (const JetReaderStream::Row &r : run.rows)
        read.append(
            seen(r.date, r.text ? std::optional(QString::fromUtf8(*r.text)) : std::nullopt));
    QCOMPARE(read, rows);
    for (qsizetype i = 0; i < run.rows.size(); ++i)
        QCOMPARE(run.rows[i].number, quint32(i + 1));
}

void TestJetReader::refusals_data()
{
    QTest::addColumn<QStringList>("arguments"); // fixtures by name
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("said");
    QTest::newRow("no file named") << QStringList() << 64 << "usage: orvanta-jet-reader";
    QTest::newRow("an option it does not know")
        << QStringList{u"--all"_s, u"calendar-ace.accdb"_s} << 64 << "usage: orvanta-jet-reader";
    QTest::newRow("not a Jet file")
        << QStringList{u"README.md"_s} << int(JetReaderStream::NotReadable)
        << "it is not a database of Microsoft Jet or ACE";
    QTest::newRow("no tblCalendar")
        << QStringList{u"other-table-jet4.mdb"_s} << int(JetReaderStream::NoCalendarTable)
        << "it has no table tblCalendar";
    QTest::newRow("other columns")
        << QStringList{u"calendar-wrong-columns-jet4.mdb"_s} << int(JetReaderStream::OtherColumns)
        << "has no columns StartWeekDate (Date/Time) and WeekData";
}

void TestJetReader::refusals()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, said);
    QStringList paths;
    for (const QString &argument : arguments)
        paths.append(argument.startsWith(u"--") ? argument : QDir(kFixtures).filePath(argument));
    QProcess reader;
    reader.start(QStringLiteral(ORVANTA_JET_READER), paths);
    QVERIFY(reader.waitForFinished(60 * 1000));
    QCOMPARE(reader.exitCode(), exitCode);
    const QString told = QString::fromUtf8(reader.readAllStandardError());
    QVERIFY2(told.contains(said), qPrintable(told));
    QVERIFY(reader.readAllStandardOutput().isEmpty());
}

void TestJetReader::streamAtItsLimits_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<int>("next"); // JetReaderStream::Parser::Next, once the stream is given
    using Next = JetReaderStream::Parser::Next;
    const auto header = [](quint8 flags, quint32 length) {
        JetReaderStream::Row r;
        QByteArray record = JetReaderStream::rowRecord(r); // an empty row: then its fields
        record[5] = char(flags);
        for (int i = 0; i < 4; ++i)
            record[14 + i] = char(length >> (8 * i));
        return QByteArray(JetReaderStream::kMagic) + record;
    };
    const quint32 most = JetReaderStream::kMaxTextBytes;
    QTest::newRow("the longest text, still coming")
        << header(JetReaderStream::kHasText, most) << int(Next::NeedMore);
    QTest::newRow("a byte longer: never waited for")
        << header(JetReaderStream::kHasText, most + 1) << int(Next::Damaged);
    QTest::newRow("a length without a text")
        << header(JetReaderStream::kHasDate, 1) << int(Next::Damaged);
    QTest::newRow("flags it does not know")
        << header(JetReaderStream::kHasText | 4, 0) << int(Next::Damaged);
    QTest::newRow("another stream") << "OJR2E\0\0\0\0"_ba << int(Next::Damaged);
}

void TestJetReader::streamAtItsLimits()
{
    QFETCH(QByteArray, stream);
    QFETCH(int, next);
    // Given whole, and byte by byte: the same answer once all is there.
    JetReaderStream::Parser whole, bytewise;
    whole.append(stream);
    JetReaderStream::Row row;
    QCOMPARE(int(whole.next(&row)), next);
    JetReaderStream::Parser::Next last = JetReaderStream::Parser::Next::NeedMore;
    for (const char c : stream) {
        bytewise.append(QByteArray(1, c));
        last = bytewise.next(&row);
        if (last == JetReaderStream::Parser::Next::Damaged)
            break;
    }
    QCOMPARE(int(last), next);
}

QTEST_GUILESS_MAIN(TestJetReader)
#include "tst_jet_reader.moc"
