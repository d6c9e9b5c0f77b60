#include "HelpTopics.h"

#include <QCoreApplication>
#include <QHash>

namespace HelpTopics {

const QList<Topic> &topics()
{
    static const QList<Topic> list = {
        {QStringLiteral("main"), QStringLiteral(QT_TRANSLATE_NOOP("HelpTopics", "主窗口与快捷键"))},
        {QStringLiteral("rent"), QStringLiteral(QT_TRANSLATE_NOOP("HelpTopics", "影碟出租"))},
        {QStringLiteral("return"), QStringLiteral(QT_TRANSLATE_NOOP("HelpTopics", "影碟归还"))},
        {QStringLiteral("sell"), QStringLiteral(QT_TRANSLATE_NOOP("HelpTopics", "影碟销售"))},
        {QStringLiteral("stock"), QStringLiteral(QT_TRANSLATE_NOOP("HelpTopics", "库存管理"))},
        {QStringLiteral("members"), QStringLiteral(QT_TRANSLATE_NOOP("HelpTopics", "会员"))},
        {QStringLiteral("staff"), QStringLiteral(QT_TRANSLATE_NOOP("HelpTopics", "人员与权限"))},
        {QStringLiteral("options"),
         QStringLiteral(QT_TRANSLATE_NOOP("HelpTopics", "出租选项、费用与类型"))},
        {QStringLiteral("money"), QStringLiteral(QT_TRANSLATE_NOOP("HelpTopics", "费用收支"))},
        {QStringLiteral("reports"), QStringLiteral(QT_TRANSLATE_NOOP("HelpTopics", "统计报表"))},
        {QStringLiteral("charts"), QStringLiteral(QT_TRANSLATE_NOOP("HelpTopics", "统计分析图"))},
        {QStringLiteral("accounts"),
         QStringLiteral(QT_TRANSLATE_NOOP("HelpTopics", "帐户、备份与恢复"))},
    };
    return list;
}

QString titleOf(const Topic &topic)
{
    return QCoreApplication::translate("HelpTopics", topic.title.toUtf8().constData());
}

QString pageUrl(const QString &key)
{
    // The guide in the program's language: a translation names the folder of its own pages.
    return QCoreApplication::translate("HelpTopics", "qrc:/help/%1.html",
                                       "where the guide's pages lie; English: qrc:/help/en/%1.html")
        .arg(key);
}

QString topicForWindow(const QString &className, int detail, bool report)
{
    static const QHash<QString, QString> byClass = {
        {QStringLiteral("TLeaseMainFM"), QStringLiteral("rent")},
        {QStringLiteral("TSelectPicFm"), QStringLiteral("rent")},
        {QStringLiteral("TSelectPerFm"), QStringLiteral("rent")},
        {QStringLiteral("TInforFm"), QStringLiteral("rent")},
        {QStringLiteral("TSellMainFm"), QStringLiteral("sell")},
        {QStringLiteral("TSellFm"), QStringLiteral("sell")},
        {QStringLiteral("TRepertoryFm"), QStringLiteral("stock")},
        {QStringLiteral("TRepertoryDetailFM"), QStringLiteral("stock")},
        {QStringLiteral("TRepertoryDetailEditFm"), QStringLiteral("stock")},
        {QStringLiteral("TASSmoneyFm"), QStringLiteral("members")},
        {QStringLiteral("TInOutMoneyListFm"), QStringLiteral("money")},
        {QStringLiteral("TInOutMoneyFm"), QStringLiteral("money")},
        {QStringLiteral("TNewAccountFm"), QStringLiteral("accounts")},
        {QStringLiteral("TOpenAccountFm"), QStringLiteral("accounts")},
        {QStringLiteral("TBackupFm"), QStringLiteral("accounts")},
        {QStringLiteral("TLoginFm"), QStringLiteral("staff")},
        {QStringLiteral("TLeaseCharFm"), QStringLiteral("charts")},
        {QStringLiteral("TQStoreCharFm"), QStringLiteral("charts")},
        {QStringLiteral("TCompareChFm"), QStringLiteral("charts")},
    };
    if (className == QLatin1String("TLeaseFm"))
        return detail == 1 ? QStringLiteral("return") : QStringLiteral("rent");
    if (className == QLatin1String("TSetupFm")) {
        // Members; then the options, fees, staff, types, suppliers and shop details pages.
        static const char *const pages[] = {"members", "options", "options", "staff",
                                            "options", "options", "options"};
        return detail >= 0 && detail < 7 ? QLatin1String(pages[detail]) : QStringLiteral("members");
    }
    if (report)
        return QStringLiteral("reports");
    return byClass.value(className, QStringLiteral("main"));
}

} // namespace HelpTopics
