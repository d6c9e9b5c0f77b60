#include "TipsWindow.h"

#include "Openers.h"

#include "data/SettingsStore.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

QPointer<TNoteFm> g_tips;

const QString kIndent = QStringLiteral("\u3000\u3000");

// Chinese paragraphs open with two ideographic blanks; translated ones keep their own style.
QLabel *paragraph(const QString &text, QWidget *parent, bool indent = true)
{
    const bool chinese = !text.isEmpty() && text.front().script() == QChar::Script_Han;
    auto *l = new QLabel(indent && chinese ? kIndent + text : text, parent);
    l->setWordWrap(true);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QWidget *page(const QList<QLabel *> &labels)
{
    auto *w = new QWidget;
    auto *layout = new QVBoxLayout(w);
    layout->setContentsMargins(16, 12, 16, 8);
    layout->setSpacing(8);
    for (QLabel *l : labels) {
        l->setParent(w);
        layout->addWidget(l);
    }
    layout->addStretch();
    return w;
}

QLabel *heading(const QString &text)
{
    auto *l = new QLabel(text);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

} // namespace

TNoteFm *tipsWindow()
{
    return g_tips;
}

void ShowTips()
{
    if (!g_tips)
        g_tips = new TNoteFm(QApplication::activeWindow());
    g_tips->show();
    g_tips->raise();
    g_tips->activateWindow();
}

TNoteFm::TNoteFm(QWidget *parent) : TBaseDlgFM(parent)
{
    setObjectName(QStringLiteral("NoteFm"));
    setWindowTitle(tr("技巧与提示"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(false);

    PageControl1 = new QStackedWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));

    auto *welcome = new QLabel(tr("欢迎使用Tarvane"));
    QFont big(QStringLiteral("新宋体"));
    big.setPixelSize(21);
    big.setBold(true);
    welcome->setFont(big);
    welcome->setStyleSheet(QStringLiteral("color: blue;"));
    PageControl1->addWidget(page({
        welcome,
        heading(tr("准备工作：")),
        paragraph(tr("1：首先请在系统设置中输入供应商的信息，然后根据不同的供应商提供的影碟，"
                     "依次在库存输入您的影碟信息。"),
                  nullptr, false),
        paragraph(tr("2：在系统设置中设置您的出租相关的选项，包括费用、员工、会员、单位信息。"),
                  nullptr, false),
        paragraph(tr("3：您现在可以利用系统的各项功能快捷方便的管理的您的业务了。"), nullptr,
                  false),
        // The program starts on the sample account: how to begin one's own shop.
        paragraph(tr("开始自己的店：程序自带的示例帐户（Sample.MDB）里都是演示数据。"
                     "请用菜单“文件 → 新建”建立您自己的帐户，以后每次启动都会打开它。"),
                  nullptr, false),
    }));
    PageControl1->addWidget(page({
        heading(tr("影碟信息的输入：")),
        paragraph(
            tr("本系统对影碟的编码处理，每套影碟有一个不重复的编号，出租和销售的影碟进行统一编码，"
               "可以保持编码的唯一性，也可方便的在销售和出租业务中交互使用。对同种影碟有多套时，"
               "系统会自动拆开编码生成如：０００１-１、０００１-２编码。"),
            nullptr),
        paragraph(tr("批量输入影碟时，以同一供应商来同时输入。输入影碟信息时您可以用"
                     "“ＥＮＴＥＲ”回车键操作输入框向下一输入框移动。"),
                  nullptr),
        paragraph(tr("影碟输入时的一些选项，如供应商、语言、类型等修改和添加操作请到系统设置"
                     "中的相关页面进行设置。"),
                  nullptr),
    }));
    PageControl1->addWidget(page({
        heading(tr("影碟出租：")),
        paragraph(tr("影碟出租时，系统根据您在系统设置中所设置的押金和租金自动计算本次出租所产生的"
                     "押金租金"
                     "总和，如果实际的押金和租金数有不同的话，请在押金和租金的显示框中直接输入。"),
                  nullptr),
        heading(tr("单据的打印：")),
        paragraph(tr("系统提供单据的打印服务，当您在系统设置中选择了“打印单据”后，每次业务"
                     "完成后，确定业务的金额，系统就会自动打印本次的业务单据。"),
                  nullptr),
    }));
    QLabel *thanks = paragraph(tr("再次感谢您使用Tarvane，请把你在使用过程中的任何建议和"
                                  "意见告诉我们。联系我们：Quorvale SoftWare 客户服务部。"),
                               nullptr);
    thanks->setStyleSheet(QStringLiteral("color: blue;"));
    PageControl1->addWidget(page({
        heading(tr("系统的表格操作：")),
        paragraph(tr("本系统中使用的表格，您可以按照自己的要求进行排序，点击您需要排序的列的列名，"
                     "系统自动"
                     "以该列进行正反序排列。同样您也可以把某一列拉到表格上方的分组框中，系统会自动"
                     "按该列进行"
                     "分组显示。"),
                  nullptr),
        thanks,
    }));

    FlatCheckBox1 = new QCheckBox(tr("下次启动时显示"), this);
    FlatCheckBox1->setObjectName(QStringLiteral("FlatCheckBox1"));
    BtnUp = new QPushButton(tr("上一页"), this);
    BtnUp->setObjectName(QStringLiteral("BtnUp"));
    BtnDown = new QPushButton(tr("下一页"), this);
    BtnDown->setObjectName(QStringLiteral("BtnDown"));
    BtnClose = new QPushButton(tr("关\u3000闭"), this);
    BtnClose->setObjectName(QStringLiteral("BtnClose"));
    for (QPushButton *b : {BtnUp, BtnDown, BtnClose})
        b->setAutoDefault(false);

    auto *strip = new QHBoxLayout;
    strip->setContentsMargins(8, 4, 8, 4);
    strip->addWidget(FlatCheckBox1);
    strip->addStretch();
    strip->addWidget(BtnUp);
    strip->addWidget(BtnDown);
    strip->addWidget(BtnClose);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControl1, 1);
    layout->addLayout(strip);
    resize(455, 299);

    connect(BtnUp, &QPushButton::clicked, this, &TNoteFm::BtnUpClick);
    connect(BtnDown, &QPushButton::clicked, this, &TNoteFm::BtnDownClick);
    connect(BtnClose, &QPushButton::clicked, this, &QWidget::close);
    connect(FlatCheckBox1, &QCheckBox::clicked, this, &TNoteFm::FlatCheckBox1Click);
}

void TNoteFm::showEvent(QShowEvent *event)
{
    TBaseDlgFM::showEvent(event);
    FormShow();
}

void TNoteFm::FormShow()
{
    PageControl1->setCurrentIndex(0);
    updateButtons();
    FlatCheckBox1->setChecked(GetNoteFlag() == 0);
}

void TNoteFm::updateButtons()
{
    const int i = PageControl1->currentIndex();
    BtnUp->setEnabled(i > 0);
    BtnDown->setEnabled(i < PageControl1->count() - 1);
}

void TNoteFm::BtnUpClick()
{
    PageControl1->setCurrentIndex(qMax(0, PageControl1->currentIndex() - 1));
    updateButtons();
}

void TNoteFm::BtnDownClick()
{
    PageControl1->setCurrentIndex(
        qMin(PageControl1->count() - 1, PageControl1->currentIndex() + 1));
    updateButtons();
}

void TNoteFm::FlatCheckBox1Click()
{
    SetNoteFlag(FlatCheckBox1->isChecked() ? 0 : 1);
}

void TNoteFm::changeEvent(QEvent *event)
{
    TBaseDlgFM::changeEvent(event);
    // Clicking another window of the program puts the tips away.
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow())
        close();
}
