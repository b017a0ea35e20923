// The text rules every data file and command relies on: the leading-number rule,
// half-to-even rounding, the CR line reader and the code page.
#include "CodePage.h"
#include "LeadingNumber.h"
#include "LineReader.h"
#include "RuntimeErrors.h"

#include <QTest>

#include <limits>

using namespace MainBas;
using namespace Qt::StringLiterals;

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();
constexpr qint64 Overflowed = std::numeric_limits<qint64>::min(); // stands for the error

} // namespace

class TestText : public QObject
{
    Q_OBJECT

private slots:
    // What a text reads as, and that value rounded half to even to 16 and to 32 bits.
    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<qint64>("int16");
        QTest::addColumn<qint64>("int32");

        const auto row
            = [](const char *name, const QString &text, double value, qint64 int16, qint64 int32) {
                  QTest::newRow(name) << text << value << int16 << int32;
              };
        row("no number", u"abc"_s, 0, 0, 0);
        row("blanks, tabs and line feeds skipped", u"\t- 1 2\n3"_s, -123, -123, -123);
        row("no digit before period", u"-.5"_s, -0.5, 0, 0);
        row("second period stops", u"12.5.3"_s, 12.5, 12, 12);
        row("comma stops", u"5,5"_s, 5, 5, 5);
        row("exponent not read", u"13.5e5"_s, 13.5, 14, 14);
        row("32767.5 leaves 16 bits", u"32767.5"_s, 32767.5, Overflowed, 32768);
        row("-32768.5 fits 16 bits", u"-32768.5"_s, -32768.5, -32768, -32768);
        row("2147483647.5 leaves 32 bits", u"2147483647.5"_s, 2147483647.5, Overflowed, Overflowed);
        row("400 digits read as infinity", QString(400, u'9'), Infinity, Overflowed, Overflowed);
        row("overlong fraction underflows", u"0."_s + QString(400, u'0') + u'1', 0, 0, 0);
    }

    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(ReadLeadingNumber(text.toStdU16String()), value);
        QCOMPARE(ReadLeadingNumber(text.toLatin1().toStdString()), value);
        const auto rounded = [value](auto round) {
            qint64 result = 0;
            return ErrorNumberOf([&] { result = round(value); }) == Overflow ? Overflowed : result;
        };
        QTEST(rounded(RoundToInt16), "int16");
        QTEST(rounded(RoundToInt32), "int32");
    }

    void lineReader_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArrayList>("lines");

        QTest::newRow("lone CR ends a line") << QByteArray("a\rb\r") << QByteArrayList {"a", "b"};
        QTest::newRow("lone LF is ordinary") << QByteArray("a\nb") << QByteArrayList {"a\nb"};
        QTest::newRow("CR then CR LF") << QByteArray("a\r\r\nb") << QByteArrayList {"a", "", "b"};
        QTest::newRow("empty last line") << QByteArray("a\r\n\r\n") << QByteArrayList {"a", ""};
        QTest::newRow("empty input has no line") << QByteArray("") << QByteArrayList {};
    }

    // Reading past the last line raises "Input past end of file".
    void lineReader()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArrayList, lines);

        const std::string data = bytes.toStdString();
        LineReader reader(data);
        QByteArrayList read;
        while (!reader.atEnd() && read.size() <= lines.size())
            read << QByteArray::fromStdString(reader.readLine());
        QCOMPARE(read, lines);
        QCOMPARE(ErrorNumberOf([&] { reader.readLine(); }), int(InputPastEndOfFile));
    }

    // Every byte decodes to a character that encodes back to it, and no other character
    // is encodable, so nothing is ever saved as a different character; one that cannot
    // be held is refused by name, even after encodable ones and outside the BMP.
    void codePageRoundTrips()
    {
        std::string bytes;
        for (int byte = 0; byte < 256; ++byte)
            bytes += static_cast<char>(byte);
        const std::u16string text = DecodeSingleByte(bytes);
        QCOMPARE(QByteArray::fromStdString(EncodeSingleByte(text)),
                 QByteArray::fromStdString(bytes));
        QCOMPARE(QString::fromStdU16String(text.substr(0x7F, 4)), u"\x7F\u20AC\x81\u201A"_s);

        int encodable = 0;
        for (int unit = 0; unit <= 0xFFFF; ++unit)
            encodable += FirstUnencodable(std::u16string(1, static_cast<char16_t>(unit))) ? 0 : 1;
        QCOMPARE(encodable, 256);

        const std::pair<QString, QString> refused[] = {
            {u"\u20AC\u00FF\u0160\u2603"_s, u"\"\u2603\" (U+2603)"_s},
            {u"x\U0001F600y"_s, u"\"\U0001F600\" (U+1F600)"_s},
        };
        for (const auto &[text, name] : refused) {
            const auto error = ErrorOf([&] { EncodeSingleByte(text.toStdU16String()); });
            QVERIFY(error && error->number() == InvalidArgument);
            QCOMPARE(QString::fromStdString(error->detail()),
                     u"The character %1 cannot be stored in a single-byte text file."_s.arg(name));
        }
    }
};

QTEST_GUILESS_MAIN(TestText)
#include "tst_text.moc"
