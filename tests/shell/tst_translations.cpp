#include "shell/Translations.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>

class tst_Translations : public QObject
{
    Q_OBJECT
private slots:
    void standardButtonsSpeakChinese_data();
    void standardButtonsSpeakChinese();
    void fileDialogSpeaksChinese();
};

void tst_Translations::standardButtonsSpeakChinese_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("text");
    QTest::newRow("OK") << int(QDialogButtonBox::Ok) << QStringLiteral("确定");
    QTest::newRow("Cancel") << int(QDialogButtonBox::Cancel) << QStringLiteral("取消");
    QTest::newRow("Yes") << int(QDialogButtonBox::Yes) << QStringLiteral("是");
    QTest::newRow("No") << int(QDialogButtonBox::No) << QStringLiteral("否");
    QTest::newRow("Save") << int(QDialogButtonBox::Save) << QStringLiteral("保存");
}

void tst_Translations::standardButtonsSpeakChinese()
{
    QFETCH(int, button);
    QFETCH(QString, text);
    QVERIFY2(Translations::installQtTranslations(*qApp),
             qPrintable(Translations::qtTranslationsFolder()));
    // A second call (another start-up path) keeps the one translator and the same texts.
    QVERIFY(Translations::installQtTranslations(*qApp));
    QDialogButtonBox box{QDialogButtonBox::StandardButtons(button)};
    QPushButton *b = box.button(QDialogButtonBox::StandardButton(button));
    QVERIFY(b);
    QCOMPARE(b->text().remove(QLatin1Char('&')).section(QLatin1Char('('), 0, 0), text);
}

void tst_Translations::fileDialogSpeaksChinese()
{
    QVERIFY(Translations::installQtTranslations(*qApp));
    QFileDialog dialog(nullptr, QStringLiteral("数据文件备份到"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList labels;
    for (QLabel *l : dialog.findChildren<QLabel *>())
        labels << l->text();
    QVERIFY2(labels.join(QLatin1Char('|')).contains(QStringLiteral("文件名")),
             qPrintable(labels.join(QLatin1Char('|'))));
    const QDialogButtonBox *buttons = dialog.findChild<QDialogButtonBox *>();
    QVERIFY(buttons);
    QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&'))
                 .section(QLatin1Char('('), 0, 0),
             QStringLiteral("取消"));
}

QTEST_MAIN(tst_Translations)
#include "tst_translations.moc"
