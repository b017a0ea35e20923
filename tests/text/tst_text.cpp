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

// The number of the run-time error a call raises; 0 when it raises none.
template<typename Call> int errorNumberOf(Call call)
{
    try {
        call();
    } catch (const RuntimeError &error) {
        return error.number();
    }
    return 0;
}

std::string_view view(const QByteArray &bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

} // namespace

class TestText : public QObject
{
    Q_OBJECT

private slots:
    void blankSigned_data()
    {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<QString>("expected");

        QTest::newRow("positive keeps a blank sign") << qint64(15) << u" 15"_s;
        QTest::newRow("zero keeps a blank sign") << qint64(0) << u" 0"_s;
        QTest::newRow("negative has no blank") << qint64(-1) << u"-1"_s;
        QTest::newRow("largest 64-bit")
            << std::numeric_limits<qint64>::max() << u" 9223372036854775807"_s;
        QTest::newRow("smallest 64-bit")
            << std::numeric_limits<qint64>::min() << u"-9223372036854775808"_s;
    }

    void blankSigned()
    {
        QFETCH(qint64, value);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(BlankSigned(value)), expected);
    }

    void plainNumber_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("expected");

        QTest::newRow("whole number") << 1000.0 << u"."_s << u"1000"_s;
        QTest::newRow("negative whole number") << -1.0 << u"."_s << u"-1"_s;
        QTest::newRow("zero") << 0.0 << u"."_s << u"0"_s;
        QTest::newRow("negative zero") << -0.0 << u"."_s << u"0"_s;
        QTest::newRow("fraction with period") << 2.5 << u"."_s << u"2.5"_s;
        QTest::newRow("fraction with locale comma") << 2.5 << u","_s << u"2,5"_s;
        QTest::newRow("negative fraction") << -0.25 << u"."_s << u"-0.25"_s;
        QTest::newRow("binary noise cut at 15 digits") << 0.1 + 0.2 << u"."_s << u"0.3"_s;
        QTest::newRow("one third to 15 digits") << 1.0 / 3 << u"."_s << u"0.333333333333333"_s;
        QTest::newRow("largest 15-digit whole number")
            << 999999999999999.0 << u"."_s << u"999999999999999"_s;
        QTest::newRow("huge number in exponent form") << 1e20 << u"."_s << u"1E+20"_s;
        QTest::newRow("exponent form with locale comma") << 1.5e20 << u","_s << u"1,5E+20"_s;
    }

    void plainNumber()
    {
        QFETCH(double, value);
        QFETCH(QString, separator);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(PlainNumber(value, separator.toStdString())), expected);
    }

    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");

        QTest::newRow("empty text") << u""_s << 0.0;
        QTest::newRow("blanks around") << u" 12 "_s << 12.0;
        QTest::newRow("letters after") << u"12abc"_s << 12.0;
        QTest::newRow("blank between digits") << u"1 2"_s << 12.0;
        QTest::newRow("blank then letters") << u"12 abc 3"_s << 12.0;
        QTest::newRow("fraction") << u"7.5"_s << 7.5;
        QTest::newRow("tab before sign") << u"\t-3"_s << -3.0;
        QTest::newRow("blank after sign") << u"- 3"_s << -3.0;
        QTest::newRow("plus sign") << u"+4"_s << 4.0;
        QTest::newRow("no number") << u"abc"_s << 0.0;
        QTest::newRow("sign alone") << u"-"_s << 0.0;
        QTest::newRow("period alone") << u"."_s << 0.0;
        QTest::newRow("no digit before period") << u".5"_s << 0.5;
        QTest::newRow("negative without digit before period") << u"-.5"_s << -0.5;
        QTest::newRow("no digit after period") << u"5."_s << 5.0;
        QTest::newRow("tab after period") << u"3.\t5"_s << 3.5;
        QTest::newRow("second period stops") << u"1.2.3"_s << 1.2;
        QTest::newRow("exponent not read") << u"1e5"_s << 1.0;
        QTest::newRow("second sign stops") << u"--5"_s << 0.0;
        QTest::newRow("sign after digits stops") << u"5-3"_s << 5.0;
        QTest::newRow("line feeds skipped") << u"12\n3"_s << 123.0;
        QTest::newRow("CR stops") << u"12\r3"_s << 12.0;
        QTest::newRow("comma is no separator") << u"1,5"_s << 1.0;
        QTest::newRow("leading zeros") << u"007"_s << 7.0;
        QTest::newRow("400 digits read as infinity") << QString(400, u'9') << Infinity;
        QTest::newRow("minus 400 digits read as -infinity")
            << u"-"_s + QString(400, u'9') << -Infinity;
        QTest::newRow("overlong leading zeros") << QString(400, u'0') + u'1' << 1.0;
        QTest::newRow("overlong fraction underflows") << u"0."_s + QString(400, u'0') + u'1' << 0.0;
    }

    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(ReadLeadingNumber(text.toStdU16String()), expected);
        QCOMPARE(ReadLeadingNumber(view(text.toLatin1())), expected);
    }

    void roundHalfToEven_data()
    {
        QTest::addColumn<int>("bits");
        QTest::addColumn<double>("value");
        QTest::addColumn<qint64>("expected");
        QTest::addColumn<int>("error");

        QTest::newRow("16: 12.5 to even 12") << 16 << 12.5 << qint64(12) << 0;
        QTest::newRow("16: 13.5 to even 14") << 16 << 13.5 << qint64(14) << 0;
        QTest::newRow("16: -0.5 to 0") << 16 << -0.5 << qint64(0) << 0;
        QTest::newRow("16: -1.5 to -2") << 16 << -1.5 << qint64(-2) << 0;
        QTest::newRow("16: just below half") << 16 << 0.4999999 << qint64(0) << 0;
        QTest::newRow("16: 32767.4 fits") << 16 << 32767.4 << qint64(32767) << 0;
        QTest::newRow("16: 32767.5 overflows") << 16 << 32767.5 << qint64(0) << 6;
        QTest::newRow("16: -32768.4 fits") << 16 << -32768.4 << qint64(-32768) << 0;
        QTest::newRow("16: -32768.5 to even -32768") << 16 << -32768.5 << qint64(-32768) << 0;
        QTest::newRow("16: -32768.6 overflows") << 16 << -32768.6 << qint64(0) << 6;
        QTest::newRow("16: infinity overflows") << 16 << Infinity << qint64(0) << 6;
        QTest::newRow("16: -infinity overflows") << 16 << -Infinity << qint64(0) << 6;
        QTest::newRow("16: NaN overflows")
            << 16 << std::numeric_limits<double>::quiet_NaN() << qint64(0) << 6;
        QTest::newRow("32: 7.5 to 8") << 32 << 7.5 << qint64(8) << 0;
        QTest::newRow("32: 8.5 to 8") << 32 << 8.5 << qint64(8) << 0;
        QTest::newRow("32: -2.5 to -2") << 32 << -2.5 << qint64(-2) << 0;
        QTest::newRow("32: 2147483646.5 fits") << 32 << 2147483646.5 << qint64(2147483646) << 0;
        QTest::newRow("32: 2147483647.5 overflows") << 32 << 2147483647.5 << qint64(0) << 6;
        QTest::newRow("32: -2147483648.5 to even")
            << 32 << -2147483648.5 << qint64(-2147483648LL) << 0;
        QTest::newRow("32: -2147483649 overflows") << 32 << -2147483649.0 << qint64(0) << 6;
        QTest::newRow("32: 99999999999 overflows") << 32 << 99999999999.0 << qint64(0) << 6;
        QTest::newRow("32: infinity overflows") << 32 << Infinity << qint64(0) << 6;
    }

    void roundHalfToEven()
    {
        QFETCH(int, bits);
        QFETCH(double, value);
        QFETCH(qint64, expected);
        QFETCH(int, error);

        qint64 actual = 0;
        const auto round = [&] { actual = bits == 16 ? RoundToInt16(value) : RoundToInt32(value); };
        QCOMPARE(errorNumberOf(round), error);
        if (error == 0)
            QCOMPARE(actual, expected);
    }

    void lineReader_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArrayList>("lines");

        QTest::newRow("CR LF ends a line") << QByteArray("a\r\nb") << QByteArrayList {"a", "b"};
        QTest::newRow("lone CR ends a line") << QByteArray("a\rb\r\n") << QByteArrayList {"a", "b"};
        QTest::newRow("lone LF is ordinary") << QByteArray("a\nb") << QByteArrayList {"a\nb"};
        QTest::newRow("LF before CR LF stays")
            << QByteArray("a\n\r\nb") << QByteArrayList {"a\n", "b"};
        QTest::newRow("empty last line") << QByteArray("a\r\n\r\n") << QByteArrayList {"a", ""};
        QTest::newRow("empty input has no line") << QByteArray("") << QByteArrayList {};
        QTest::newRow("line end alone") << QByteArray("\r\n") << QByteArrayList {""};
        QTest::newRow("CR then CR LF") << QByteArray("a\r\r\nb") << QByteArrayList {"a", "", "b"};
        QTest::newRow("trailing lone CR") << QByteArray("a\r") << QByteArrayList {"a"};
        QTest::newRow("blanks kept") << QByteArray(" a \r\n\tb") << QByteArrayList {" a ", "\tb"};
        QTest::newRow("NUL byte kept")
            << QByteArray("a\0b", 3) << QByteArrayList {QByteArray("a\0b", 3)};
    }

    void lineReader()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArrayList, lines);

        LineReader reader(view(bytes));
        QByteArrayList read;
        while (!reader.atEnd() && read.size() <= lines.size())
            read << QByteArray::fromStdString(reader.readLine());
        QCOMPARE(read, lines);
        QCOMPARE(errorNumberOf([&] { reader.readLine(); }), int(InputPastEndOfFile));
    }

    void everyByteRoundTrips()
    {
        std::string bytes;
        for (int byte = 0; byte < 256; ++byte)
            bytes += static_cast<char>(byte);
        const std::u16string text = DecodeSingleByte(bytes);
        QCOMPARE(text.size(), std::size_t(256));
        QVERIFY(!FirstUnencodable(text));
        QCOMPARE(QByteArray::fromStdString(EncodeSingleByte(text)),
                 QByteArray::fromStdString(bytes));
    }

    void decodesBytes_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("codePoint");

        QTest::newRow("ASCII letter") << 0x41 << 0x41;
        QTest::newRow("NUL") << 0x00 << 0x00;
        QTest::newRow("0x80 euro sign") << 0x80 << 0x20AC;
        QTest::newRow("0x81 unused, same value") << 0x81 << 0x81;
        QTest::newRow("0x8A S caron") << 0x8A << 0x160;
        QTest::newRow("0x8D unused, same value") << 0x8D << 0x8D;
        QTest::newRow("0x8F unused, same value") << 0x8F << 0x8F;
        QTest::newRow("0x90 unused, same value") << 0x90 << 0x90;
        QTest::newRow("0x9D unused, same value") << 0x9D << 0x9D;
        QTest::newRow("0x9F Y diaeresis") << 0x9F << 0x178;
        QTest::newRow("0xA0 no-break space") << 0xA0 << 0xA0;
        QTest::newRow("0xFF y diaeresis") << 0xFF << 0xFF;
    }

    void decodesBytes()
    {
        QFETCH(int, byte);
        QFETCH(int, codePoint);
        const std::u16string text = DecodeSingleByte(std::string(1, static_cast<char>(byte)));
        QCOMPARE(text.size(), std::size_t(1));
        QCOMPARE(int(text[0]), codePoint);
    }

    // Exactly 256 characters are encodable, and each encodes to the byte that decodes
    // back to it: no character is silently saved as a different one.
    void encodingInvertsDecoding()
    {
        int encodable = 0;
        for (int unit = 0; unit <= 0xFFFF; ++unit) {
            const std::u16string text(1, static_cast<char16_t>(unit));
            if (FirstUnencodable(text))
                continue;
            ++encodable;
            const std::string bytes = EncodeSingleByte(text);
            QCOMPARE(bytes.size(), std::size_t(1));
            QCOMPARE(int(DecodeSingleByte(bytes)[0]), unit);
        }
        QCOMPARE(encodable, 256);
    }

    void refusesUnencodable_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("name");

        QTest::newRow("snowman") << u"ab\u2603c"_s << 2 << u"U+2603"_s;
        QTest::newRow("emoji outside the BMP") << u"x\U0001F600y"_s << 1 << u"U+1F600"_s;
        QTest::newRow("C1 control no byte stands for") << u"\u0080"_s << 0 << u"U+0080"_s;
        QTest::newRow("after encodable high characters")
            << u"\u20AC\u00FF\u0160\u2713"_s << 3 << u"U+2713"_s;
    }

    void refusesUnencodable()
    {
        QFETCH(QString, text);
        QFETCH(int, position);
        QFETCH(QString, name);

        const std::u16string units = text.toStdU16String();
        QCOMPARE(FirstUnencodable(units), std::optional<std::size_t>(position));
        try {
            EncodeSingleByte(units);
            QFAIL("the text was encoded");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.number(), InvalidArgument);
            QVERIFY2(QString::fromStdString(error.detail()).contains(name), error.what());
        }
    }
};

QTEST_GUILESS_MAIN(TestText)
#include "tst_text.moc"
