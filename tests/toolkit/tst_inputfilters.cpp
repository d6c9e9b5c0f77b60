// The entry fields' filters: what a digits field and an amount field let in, typed key by key
// and pasted, full-width input included.
#include "toolkit/InputFilters.h"

#include <QLineEdit>
#include <QTest>

namespace {

QValidator::State check(const QValidator &v, QString &text)
{
    int pos = int(text.size());
    return v.validate(text, pos);
}

} // namespace

class tst_InputFilters : public QObject
{
    Q_OBJECT
private slots:
    void digits_data();
    void digits();
    void money_data();
    void money();
    void pastedTextMeetsTheSameRule();
    void keysMeetTheSameRule();
};

void tst_InputFilters::digits_data()
{
    QTest::addColumn<int>("maxDigits");
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("becomes");
    QTest::newRow("empty") << 0 << "" << true << "";
    QTest::newRow("digits") << 0 << "0042" << true << "0042";
    QTest::newRow("full-width digits") << 0 << "１２３" << true << "123";
    QTest::newRow("letter") << 0 << "12a" << false << "";
    QTest::newRow("minus") << 0 << "-5" << false << "";
    QTest::newRow("point") << 0 << "1.5" << false << "";
    QTest::newRow("blank inside") << 0 << "1 5" << false << "";
    QTest::newRow("three of three") << 3 << "999" << true << "999";
    QTest::newRow("four of three") << 3 << "1000" << false << "";
}

void tst_InputFilters::digits()
{
    QFETCH(int, maxDigits);
    QFETCH(QString, input);
    QFETCH(bool, accepted);
    QFETCH(QString, becomes);
    Input::DigitsValidator v(maxDigits);
    QCOMPARE(check(v, input) == QValidator::Acceptable, accepted);
    if (accepted)
        QCOMPARE(input, becomes);
}

void tst_InputFilters::money_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("becomes");
    QTest::newRow("empty") << "" << true << "";
    QTest::newRow("whole") << "25" << true << "25";
    QTest::newRow("one decimal") << "25.5" << true << "25.5";
    QTest::newRow("two decimals") << "0.05" << true << "0.05";
    QTest::newRow("trailing point, still typing") << "12." << true << "12.";
    QTest::newRow("leading point") << ".5" << true << ".5";
    QTest::newRow("full-width") << "１２．５" << true << "12.5";
    QTest::newRow("three decimals") << "25.555" << false << "";
    QTest::newRow("two points") << "1.2.3" << false << "";
    QTest::newRow("comma") << "2,5" << false << "";
    QTest::newRow("minus") << "-5" << false << "";
    QTest::newRow("letters") << "abc" << false << "";
    QTest::newRow("largest typed amount") << "999999999.99" << true << "999999999.99";
    QTest::newRow("beyond the range") << "1000000000" << false << "";
    QTest::newRow("beyond the range, still typing") << "1000000000." << false << "";
}

void tst_InputFilters::money()
{
    QFETCH(QString, input);
    QFETCH(bool, accepted);
    QFETCH(QString, becomes);
    Input::MoneyValidator v;
    QCOMPARE(check(v, input) == QValidator::Acceptable, accepted);
    if (accepted)
        QCOMPARE(input, becomes);
}

// A paste inserts text through the validator: what a key could not bring in, a paste cannot
// either, and the field keeps what it held.
void tst_InputFilters::pastedTextMeetsTheSameRule()
{
    QLineEdit amount;
    Input::acceptMoneyOnly(&amount);
    amount.insert(QStringLiteral("12"));
    amount.insert(QStringLiteral("abc"));
    QCOMPARE(amount.text(), QStringLiteral("12"));
    amount.insert(QStringLiteral(".5"));
    QCOMPARE(amount.text(), QStringLiteral("12.5"));
    amount.insert(QStringLiteral("55"));
    QCOMPARE(amount.text(), QStringLiteral("12.5"));
    amount.selectAll();
    amount.insert(QStringLiteral("２０．００"));
    QCOMPARE(amount.text(), QStringLiteral("20.00"));

    QLineEdit quantity;
    Input::acceptDigitsOnly(&quantity, 3);
    quantity.insert(QStringLiteral("12"));
    quantity.insert(QStringLiteral("34"));
    QCOMPARE(quantity.text(), QStringLiteral("12"));
    quantity.insert(QStringLiteral("x"));
    QCOMPARE(quantity.text(), QStringLiteral("12"));
}

// Keys: letters are swallowed, Enter still reaches the field's handlers on an empty field.
void tst_InputFilters::keysMeetTheSameRule()
{
    QLineEdit amount;
    Input::acceptMoneyOnly(&amount);
    int entered = 0;
    connect(&amount, &QLineEdit::returnPressed, this, [&entered] { ++entered; });
    QTest::keyClicks(&amount, QStringLiteral("1a2.3.4x5"));
    QCOMPARE(amount.text(), QStringLiteral("12.34"));
    QTest::keyClick(&amount, Qt::Key_Return);
    amount.clear();
    QTest::keyClick(&amount, Qt::Key_Return);
    QCOMPARE(entered, 2);
}

QTEST_MAIN(tst_InputFilters)
#include "tst_inputfilters.moc"
