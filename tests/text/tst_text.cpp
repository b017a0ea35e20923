// The text rules every data file and report relies on: the two number forms, the
// leading-number rule, half-to-even rounding, the CR line reader and the code page.
#include "CodePage.h"
#include "LeadingNumber.h"
#include "LineReader.h"
#include "NumberForms.h"
#include "RuntimeError.h"

#include <QTest>

#include <limits>

using namespace MainBas;
using namespace Qt::StringLiterals;

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();
constexpr qint64 Overflowed = std::numeric_limits<qint64>::min(); // stands for the error

// The number and detail of the run-time error a call raises; number 0 when none.
template<typename Call> std::pair<int, QString> errorOf(Call call)
{
    try {
        call();
    } catch (const RuntimeError &error) {
        return {error.number(), QString::fromStdString(error.detail())};
    }
    return {};
}

} // namespace

class TestText : public QObject
{
    Q_OBJECT

private slots:
    // Each value in both forms, with the decimal separator of a comma locale; a fraction
    // has no blank-signed form.
    void numberForms_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("blankSigned");
        QTest::addColumn<QString>("plain");

        QTest::newRow("positive") << 15.0 << u" 15"_s << u"15"_s;
        QTest::newRow("zero, even negative") << -0.0 << u" 0"_s << u"0"_s;
        QTest::newRow("largest 15-digit number")
            << 999999999999999.0 << u" 999999999999999"_s << u"999999999999999"_s;
        QTest::newRow("smallest 64-bit number")
            << -9223372036854775808.0 << u"-9223372036854775808"_s << u"-9,22337203685478E+18"_s;
        QTest::newRow("negative fraction") << -0.25 << QString() << u"-0,25"_s;
        QTest::newRow("binary noise cut at 15 digits") << 0.1 + 0.2 << QString() << u"0,3"_s;
        QTest::newRow("exponent form") << 1.5e20 << QString() << u"1,5E+20"_s;
    }

    void numberForms()
    {
        QFETCH(double, value);
        QFETCH(QString, blankSigned);
        QFETCH(QString, plain);
        QCOMPARE(QString::fromStdString(PlainNumber(value, ",")), plain);
        if (!blankSigned.isNull())
            QCOMPARE(QString::fromStdString(BlankSigned(static_cast<qint64>(value))), blankSigned);
    }

    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");

        QTest::newRow("no number") << u"abc"_s << 0.0;
        QTest::newRow("blank between digits") << u"1 2"_s << 12.0;
        QTest::newRow("line feed between digits") << u"12\n3"_s << 123.0;
        QTest::newRow("tab before and blank after sign") << u"\t- 3"_s << -3.0;
        QTest::newRow("plus sign") << u"+4"_s << 4.0;
        QTest::newRow("negative without digit before period") << u"-.5"_s << -0.5;
        QTest::newRow("no digit after period") << u"5."_s << 5.0;
        QTest::newRow("second period stops") << u"1.2.3"_s << 1.2;
        QTest::newRow("second sign stops") << u"--5"_s << 0.0;
        QTest::newRow("exponent not read") << u"1e5"_s << 1.0;
        QTest::newRow("comma is no separator") << u"1,5"_s << 1.0;
        QTest::newRow("CR stops") << u"12\r3"_s << 12.0;
        QTest::newRow("400 digits read as infinity") << QString(400, u'9') << Infinity;
        QTest::newRow("overlong fraction underflows") << u"0."_s + QString(400, u'0') + u'1' << 0.0;
    }

    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(ReadLeadingNumber(text.toStdU16String()), expected);
        QCOMPARE(ReadLeadingNumber(text.toLatin1().toStdString()), expected);
    }

    void roundHalfToEven_data()
    {
        QTest::addColumn<int>("bits");
        QTest::addColumn<double>("value");
        QTest::addColumn<qint64>("expected");

        QTest::newRow("16: 12.5 to even 12") << 16 << 12.5 << qint64(12);
        QTest::newRow("16: 32767.5 overflows") << 16 << 32767.5 << Overflowed;
        QTest::newRow("16: -32768.5 to even -32768") << 16 << -32768.5 << qint64(-32768);
        QTest::newRow("16: -32768.6 overflows") << 16 << -32768.6 << Overflowed;
        QTest::newRow("16: infinity overflows") << 16 << Infinity << Overflowed;
        QTest::newRow("32: 8.5 to even 8") << 32 << 8.5 << qint64(8);
        QTest::newRow("32: 2147483646.5 to even, fits") << 32 << 2147483646.5 << qint64(2147483646);
        QTest::newRow("32: 2147483647.5 overflows") << 32 << 2147483647.5 << Overflowed;
        QTest::newRow("32: -2147483648.5 to even, fits")
            << 32 << -2147483648.5 << qint64(-2147483648LL);
        QTest::newRow("32: -2147483649 overflows") << 32 << -2147483649.0 << Overflowed;
    }

    void roundHalfToEven()
    {
        QFETCH(int, bits);
        QFETCH(double, value);
        QFETCH(qint64, expected);

        qint64 actual = Overflowed;
        const auto round = [&] { actual = bits == 16 ? RoundToInt16(value) : RoundToInt32(value); };
        QCOMPARE(errorOf(round).first, expected == Overflowed ? int(Overflow) : 0);
        QCOMPARE(actual, expected);
    }

    void lineReader_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArrayList>("lines");

        QTest::newRow("CR LF ends a line") << QByteArray("a\r\nb") << QByteArrayList {"a", "b"};
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
        QCOMPARE(errorOf([&] { reader.readLine(); }).first, int(InputPastEndOfFile));
    }

    // Every byte decodes to a character that encodes back to it, and no other character
    // is encodable, so nothing is ever saved as a different character.
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
    }

    void refusesUnencodable_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");

        QTest::newRow("after encodable high characters")
            << u"\u20AC\u00FF\u0160\u2603"_s << u"U+2603"_s;
        QTest::newRow("emoji outside the BMP") << u"x\U0001F600y"_s << u"U+1F600"_s;
        QTest::newRow("C1 control no byte stands for") << u"\u0080"_s << u"U+0080"_s;
    }

    void refusesUnencodable()
    {
        QFETCH(QString, text);
        QFETCH(QString, name);

        const auto [error, detail] = errorOf([&] { EncodeSingleByte(text.toStdU16String()); });
        QCOMPARE(error, int(InvalidArgument));
        QVERIFY2(detail.contains(name), qPrintable(detail));
    }
};

QTEST_GUILESS_MAIN(TestText)
#include "tst_text.moc"
