#include "data/Money.h"

#include <QTest>

#include <limits>

class tst_Money : public QObject
{
    Q_OBJECT
private slots:
    void parseAccepted_data();
    void parseAccepted();
    void parseRefused_data();
    void parseRefused();
    void negativeOnlyWhenAllowed();
    void display_data();
    void display();
    void shortForm_data();
    void shortForm();
    void arithmeticIsExact();
    void rangeEnds_data();
    void rangeEnds();
    void arithmeticBeyondTheRangeIsRefused_data();
    void arithmeticBeyondTheRangeIsRefused();
    void storedCentsBeyondTheRangeAreRefused();
    void sumsGoBeyondWhatCanBeTyped();
    void displayedValueParsesBack_data();
    void displayedValueParsesBack();
};

void tst_Money::parseAccepted_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("units");
    QTest::newRow("whole") << "12" << qint64(120000);
    QTest::newRow("two decimals") << "12.34" << qint64(123400);
    QTest::newRow("three decimals kept exactly") << "12.346" << qint64(123460);
    QTest::newRow("four decimals") << "0.0001" << qint64(1);
    QTest::newRow("leading point") << ".5" << qint64(5000);
    QTest::newRow("trailing point") << "5." << qint64(50000);
    QTest::newRow("blanks around") << "  7.10 " << qint64(71000);
    QTest::newRow("full-width digits") << QStringLiteral("１２．５") << qint64(125000);
    QTest::newRow("explicit plus") << "+3" << qint64(30000);
    QTest::newRow("largest amount") << "999999999.99" << qint64(9999999999900);
    QTest::newRow("zero") << "0" << qint64(0);
}

void tst_Money::parseAccepted()
{
    QFETCH(QString, typed);
    QFETCH(qint64, units);
    const auto m = Money::parse(typed);
    QVERIFY(m.has_value());
    QCOMPARE(m->units(), units);
}

void tst_Money::parseRefused_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("empty") << "";
    QTest::newRow("blank") << "   ";
    QTest::newRow("letters") << "12a";
    QTest::newRow("letter o for zero") << "1O";
    QTest::newRow("second point") << "1.2.3";
    QTest::newRow("point alone") << ".";
    QTest::newRow("negative where none belongs") << "-5";
    QTest::newRow("sign alone") << "+";
    QTest::newRow("inner blank") << "1 2";
    QTest::newRow("thousands separator") << "1,200";
    QTest::newRow("five decimals") << "1.00001";
    QTest::newRow("rounds beyond the largest amount") << "999999999.995";
    QTest::newRow("beyond any shop") << "1000000000";
    QTest::newRow("overflowing digits") << "99999999999999999999999";
    QTest::newRow("exponent") << "1e3";
}

void tst_Money::parseRefused()
{
    QFETCH(QString, typed);
    QVERIFY(!Money::parse(typed).has_value());
}

void tst_Money::negativeOnlyWhenAllowed()
{
    QVERIFY(!Money::parse(u"-6").has_value());
    const auto m = Money::parse(u"-6.5", Money::Sign::AllowNegative);
    QVERIFY(m.has_value());
    QCOMPARE(m->cents(), qint64(-650));
    QVERIFY(!Money::parse(u"--6", Money::Sign::AllowNegative).has_value());
    QVERIFY(!Money::parse(u"-", Money::Sign::AllowNegative).has_value());
}

void tst_Money::display_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<qint64>("cents");
    QTest::newRow("12.346 rounds up") << "12.346" << "12.35" << qint64(1235);
    QTest::newRow("12 gets two decimals") << "12" << "12.00" << qint64(1200);
    QTest::newRow("half rounds away from zero") << "0.005" << "0.01" << qint64(1);
    QTest::newRow("below half rounds down") << "0.0049" << "0.00" << qint64(0);
    QTest::newRow("negative half away from zero") << "-2.345" << "-2.35" << qint64(-235);
    QTest::newRow("negative small") << "-0.004" << "0.00" << qint64(0);
    QTest::newRow("carry into whole") << "9.995" << "10.00" << qint64(1000);
}

void tst_Money::display()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(qint64, cents);
    const auto m = Money::parse(typed, Money::Sign::AllowNegative);
    QVERIFY(m.has_value());
    QCOMPARE(m->toString(), shown);
    QCOMPARE(m->cents(), cents);
    QCOMPARE(Money::fromCents(cents).toString(), shown);
}

void tst_Money::shortForm_data()
{
    QTest::addColumn<qint64>("cents");
    QTest::addColumn<QString>("shortest");
    QTest::newRow("whole") << qint64(1700) << "17";
    QTest::newRow("one decimal") << qint64(1250) << "12.5";
    QTest::newRow("negative") << qint64(-600) << "-6";
    QTest::newRow("two decimals") << qint64(5) << "0.05";
    QTest::newRow("zero") << qint64(0) << "0";
    QTest::newRow("hundred") << qint64(10000) << "100";
}

void tst_Money::shortForm()
{
    QFETCH(qint64, cents);
    QFETCH(QString, shortest);
    QCOMPARE(Money::fromCents(cents).toShortString(), shortest);
}

void tst_Money::arithmeticIsExact()
{
    // 0.1 added ten times is exactly 1, which a double does not give.
    Money sum;
    for (int i = 0; i < 10; ++i)
        sum += *Money::parse(u"0.1");
    QCOMPARE(sum, Money::fromYuan(1));
    QCOMPARE((Money::fromCents(300) * 3).toString(), QStringLiteral("9.00"));
    QCOMPARE((Money::fromCents(2000) - Money::fromCents(300)).toShortString(), QStringLiteral("17"));
    QVERIFY(Money::fromCents(-1).isNegative());
    QVERIFY(Money::fromCents(-1) < Money());
}

void tst_Money::rangeEnds_data()
{
    QTest::addColumn<qint64>("units");
    QTest::addColumn<qint64>("cents");
    QTest::addColumn<QString>("shown");
    QTest::newRow("largest")
        << qint64(999'999'999'999'999'949) << qint64(9'999'999'999'999'999) << "99999999999999.99";
    QTest::newRow("smallest")
        << -qint64(999'999'999'999'999'949) << -qint64(9'999'999'999'999'999) << "-99999999999999.99";
    QTest::newRow("largest whole cents")
        << Money::MaxCents * 100 << Money::MaxCents << "99999999999999.99";
    QTest::newRow("one unit below a cent at the end")
        << Money::MaxCents * 100 - 51 << Money::MaxCents - 1 << "99999999999999.98";
    QTest::newRow("largest typed amount")
        << qint64(9'999'999'999'900) << qint64(99'999'999'999) << "999999999.99";
}

void tst_Money::rangeEnds()
{
    QFETCH(qint64, units);
    QFETCH(qint64, cents);
    QFETCH(QString, shown);
    const Money m = Money::fromUnits(units);
    QCOMPARE(m.cents(), cents);
    QCOMPARE(m.toString(), shown);
    QCOMPARE(Money::fromCents(cents).toString(), shown);
    QCOMPARE(m.roundedToCents(), Money::fromCents(cents));
}

void tst_Money::arithmeticBeyondTheRangeIsRefused_data()
{
    QTest::addColumn<qint64>("aUnits");
    QTest::addColumn<QString>("op");
    QTest::addColumn<qint64>("b"); // units of the second amount, or the factor
    const qint64 max = Money::MaxUnits;
    QTest::newRow("sum one unit beyond") << max << "+" << qint64(1);
    QTest::newRow("sum of the two largest") << max << "+" << max;
    QTest::newRow("difference below the smallest") << -max << "-" << qint64(1);
    QTest::newRow("largest minus smallest") << max << "-" << -max;
    // 5,000,000 sets at 2,147,483,647 cents each: 64 bits hold the product, the range does not.
    QTest::newRow("quantity times a large price")
        << qint64(214748364700) << "*" << qint64(5'000'000);
    // 10^16 cents: one cent beyond the range, far below 64 bits.
    QTest::newRow("product one cent beyond") << qint64(10'000) << "*" << qint64(100'000'000'000'000);
    // A product that wraps 64 bits: the wrapped value must not pass for a small amount.
    QTest::newRow("product wrapping 64 bits")
        << qint64(9'999'999'999'900) << "*" << qint64(1'844'674'407'370'955);
    QTest::newRow("times the smallest 64-bit value")
        << qint64(1) << "*" << std::numeric_limits<qint64>::min();
    QTest::newRow("negative times a factor") << qint64(-20000) << "*" << qint64(60'000'000'000'000);
}

void tst_Money::arithmeticBeyondTheRangeIsRefused()
{
    QFETCH(qint64, aUnits);
    QFETCH(QString, op);
    QFETCH(qint64, b);
    const Money a = Money::fromUnits(aUnits);
    if (op == QLatin1String("*")) {
        QVERIFY(!a.times(b).has_value());
        QVERIFY_THROWS_EXCEPTION(MoneyRangeError, a * b);
        return;
    }
    const Money other = Money::fromUnits(b);
    if (op == QLatin1String("+")) {
        QVERIFY(!a.plus(other).has_value());
        QVERIFY_THROWS_EXCEPTION(MoneyRangeError, a + other);
        Money sum = a;
        QVERIFY_THROWS_EXCEPTION(MoneyRangeError, sum += other);
        QCOMPARE(sum, a); // a refused sum leaves the amount as it was
    } else {
        QVERIFY(!a.minus(other).has_value());
        QVERIFY_THROWS_EXCEPTION(MoneyRangeError, a - other);
        Money rest = a;
        QVERIFY_THROWS_EXCEPTION(MoneyRangeError, rest -= other);
        QCOMPARE(rest, a);
    }
}

void tst_Money::storedCentsBeyondTheRangeAreRefused()
{
    for (qint64 cents : {Money::MaxCents + 1, -Money::MaxCents - 1,
                         std::numeric_limits<qint64>::max(), std::numeric_limits<qint64>::min()}) {
        QVERIFY(!Money::tryFromCents(cents).has_value());
        QVERIFY_THROWS_EXCEPTION(MoneyRangeError, Money::fromCents(cents));
    }
    QVERIFY_THROWS_EXCEPTION(MoneyRangeError, Money::fromYuan(Money::MaxYuan + 1));
    QVERIFY_THROWS_EXCEPTION(MoneyRangeError, Money::fromUnits(Money::MaxUnits + 1));
    // Within the range the checked forms agree with the operators.
    const Money a = Money::fromCents(Money::MaxCents - 5);
    QCOMPARE(*a.plus(Money::fromCents(5)), Money::fromCents(Money::MaxCents));
    QCOMPARE(*Money::fromCents(-7).times(3), Money::fromCents(-21));
}

void tst_Money::displayedValueParsesBack_data()
{
    QTest::addColumn<qint64>("units");
    QTest::newRow("zero") << qint64(0);
    QTest::newRow("a cent") << qint64(100);
    QTest::newRow("rounded half up") << qint64(12345);
    QTest::newRow("negative rounded") << qint64(-12355);
    QTest::newRow("largest") << Money::MaxUnits;
    QTest::newRow("smallest") << -Money::MaxUnits;
    QTest::newRow("just below a yuan carry") << qint64(99999999949);
    QTest::newRow("largest typed amount") << qint64(9'999'999'999'900);
    QTest::newRow("a sum beyond what can be typed") << qint64(10'000'000'009'900);
}

void tst_Money::displayedValueParsesBack()
{
    QFETCH(qint64, units);
    const Money m = Money::fromUnits(units);
    const bool typable = m.cents() <= Money::MaxTypedCents && m.cents() >= -Money::MaxTypedCents;
    for (const QString &shown : {m.toString(), m.toShortString()}) {
        const auto back = Money::parseShown(shown);
        QVERIFY2(back.has_value(), qPrintable(shown));
        QCOMPARE(*back, m.roundedToCents());
        // Typed, the same text is taken exactly when it is within the typing limit.
        const auto typed = Money::parse(shown, Money::Sign::AllowNegative);
        QCOMPARE(typed.has_value(), typable);
        if (typed)
            QCOMPARE(*typed, m.roundedToCents());
    }
}

// A list's or chart's sum may pass a billion yuan; the operator still cannot type it, and the
// whole-range reading refuses what lies beyond the range.
void tst_Money::sumsGoBeyondWhatCanBeTyped()
{
    const Money largestTyped = *Money::parse(u"999999999.99");
    const Money sum = largestTyped + Money::fromCents(100);
    QCOMPARE(sum.toString(), QStringLiteral("1000000000.99"));
    QVERIFY(!Money::parse(sum.toString()).has_value());
    QCOMPARE(Money::parseShown(sum.toString()), sum);
    QCOMPARE(largestTyped * 1000, Money::fromCents(99'999'999'999'000));
    QVERIFY(!Money::parseShown(u"100000000000000").has_value());
    QVERIFY(!Money::parseShown(u"99999999999999.995").has_value());
    QVERIFY(!Money::parseShown(u"99999999999999999999999").has_value());
    QCOMPARE(Money::parseShown(u"-99999999999999.99"), Money::fromCents(-Money::MaxCents));
    QVERIFY(!Money::parseShown(u"12a").has_value());
}

QTEST_APPLESS_MAIN(tst_Money)
#include "tst_money.moc"
