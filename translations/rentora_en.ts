<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>AccountMove</name>
    <message>
        <source>无法读取 %1 的行数</source>
        <translation>Cannot read the rows of %1</translation>
    </message>
    <message>
        <source>%1.%2 的第 %3 行存放着“%4”，不是整数，无法准确迁移。</source>
        <translation>%1.%2 of row %3 holds &quot;%4&quot;, which is not a whole number; it cannot be moved exactly.</translation>
    </message>
    <message>
        <source>%1：原帐户 %2 行，目标 %3 行</source>
        <translation>%1: %2 rows in the account, %3 in the target</translation>
    </message>
    <message>
        <source>%1.%2：原帐户合计 %3，目标合计 %4</source>
        <translation>%1.%2: total %3 in the account, %4 in the target</translation>
    </message>
    <message>
        <source>迁移后的核对不一致，已撤销：</source>
        <translation>The check after the move found a difference; the move was undone: </translation>
    </message>
    <message>
        <source>数据库 %1 中已有 %2 个表；帐户只能迁移到空数据库中。没有写入任何内容。</source>
        <translation>The database %1 already holds %2 tables; an account is moved only into an empty database. Nothing was written.</translation>
    </message>
    <message>
        <source>文件“%1”已经存在；迁移不会覆盖已有的文件。</source>
        <translation>The file &quot;%1&quot; exists already; a move never replaces an existing file.</translation>
    </message>
    <message>
        <source>文件夹“%1”不存在。</source>
        <translation>The folder &quot;%1&quot; does not exist.</translation>
    </message>
    <message>
        <source>无法把完成的文件改名为“%1”。</source>
        <translation>The finished file could not be renamed to &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1：%2 行</source>
        <translation>%1: %2 rows</translation>
    </message>
</context>
<context>
    <name>Audit</name>
    <message>
        <source>操作日志未能写入。</source>
        <translation>The operation log could not be written.</translation>
    </message>
    <message>
        <source>出租</source>
        <translation>Rental</translation>
    </message>
    <message>
        <source>归还</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>销售</source>
        <translation>Sale</translation>
    </message>
    <message>
        <source>销售修改</source>
        <translation>Sale changed</translation>
    </message>
    <message>
        <source>销售撤销</source>
        <translation>Sale undone</translation>
    </message>
    <message>
        <source>入库</source>
        <translation>Stock in</translation>
    </message>
    <message>
        <source>影碟修改</source>
        <translation>Title changed</translation>
    </message>
    <message>
        <source>库存删除</source>
        <translation>Stock deleted</translation>
    </message>
    <message>
        <source>报损</source>
        <translation>Written off</translation>
    </message>
    <message>
        <source>会员</source>
        <translation>Member</translation>
    </message>
    <message>
        <source>会员缴费</source>
        <translation>Member payment</translation>
    </message>
    <message>
        <source>人员</source>
        <translation>Staff</translation>
    </message>
    <message>
        <source>权限</source>
        <translation>Permissions</translation>
    </message>
    <message>
        <source>出租选项</source>
        <translation>Rental options</translation>
    </message>
    <message>
        <source>单位信息</source>
        <translation>Shop details</translation>
    </message>
    <message>
        <source>费用类别</source>
        <translation>Fee class</translation>
    </message>
    <message>
        <source>影片类别</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>收支类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>供应商</source>
        <translation>Supplier</translation>
    </message>
    <message>
        <source>费用收支</source>
        <translation>Income/expense</translation>
    </message>
    <message>
        <source>登陆</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>登陆失败</source>
        <translation>Login failed</translation>
    </message>
    <message>
        <source>暂时离开</source>
        <translation>Away</translation>
    </message>
    <message>
        <source>备份</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>帐户切换</source>
        <translation>Account switch</translation>
    </message>
    <message>
        <source>交班结算</source>
        <translation>Cash-up</translation>
    </message>
</context>
<context>
    <name>Banner</name>
    <message>
        <source>Rentora  影碟租售管理系统</source>
        <translation>Rentora  Video Disc Rental and Sales Management</translation>
    </message>
</context>
<context>
    <name>Barcode</name>
    <message>
        <source>没有编码</source>
        <translation>No code</translation>
    </message>
    <message>
        <source>编码“%1”含有条码不能表示的字符</source>
        <translation>The code &quot;%1&quot; holds characters a barcode cannot show</translation>
    </message>
</context>
<context>
    <name>CashUp</name>
    <message>
        <source>收取押金</source>
        <translation>Deposits in</translation>
    </message>
    <message>
        <source>退还押金</source>
        <translation>Deposits back</translation>
    </message>
    <message>
        <source>租金收入</source>
        <translation>Rent</translation>
    </message>
    <message>
        <source>销售收入</source>
        <translation>Sales</translation>
    </message>
    <message>
        <source>其他收入</source>
        <translation>Other income</translation>
    </message>
    <message>
        <source>费用支出</source>
        <translation>Expenses</translation>
    </message>
    <message>
        <source>交班结算记录%1未能保存！</source>
        <translation>Cash-up %1 was not stored.</translation>
    </message>
</context>
<context>
    <name>CashUpSlip</name>
    <message>
        <source>交班结算单</source>
        <translation>Cash-up Slip</translation>
    </message>
    <message>
        <source>单    号：%1</source>
        <translation>No.: %1</translation>
    </message>
    <message>
        <source>操作人员：%1（%2）</source>
        <translation>Operator: %1 (%2)</translation>
    </message>
    <message>
        <source>开始：%1</source>
        <translation>From: %1</translation>
    </message>
    <message>
        <source>无营业</source>
        <translation>no business</translation>
    </message>
    <message>
        <source>结束：%1</source>
        <translation>To: %1</translation>
    </message>
    <message>
        <source>应有现金</source>
        <translation>Expected cash</translation>
    </message>
    <message>
        <source>实点现金</source>
        <translation>Counted cash</translation>
    </message>
    <message>
        <source>差    额</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>备注：%1</source>
        <translation>Note: %1</translation>
    </message>
    <message>
        <source>交班人签字：</source>
        <translation>Signature:</translation>
    </message>
    <message>
        <source>交班结算报表</source>
        <translation>Cash-up Report</translation>
    </message>
    <message>
        <source>日期：%1 至 %2</source>
        <translation>Dates: %1 to %2</translation>
    </message>
    <message>
        <source>结束时间</source>
        <translation>Ended</translation>
    </message>
    <message>
        <source>操作人员</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>差额</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>本日合计</source>
        <translation>Day total</translation>
    </message>
    <message>
        <source>总计</source>
        <translation>Total</translation>
    </message>
</context>
<context>
    <name>ChartCsv</name>
    <message>
        <source>占比(%)</source>
        <translation>Share (%)</translation>
    </message>
    <message>
        <source>月份</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>购片支出(元)</source>
        <translation>Disc purchases</translation>
    </message>
    <message>
        <source>租金收入(元)</source>
        <translation>Rent taken</translation>
    </message>
    <message>
        <source>押金(元)</source>
        <translation>Deposits taken</translation>
    </message>
</context>
<context>
    <name>ChartLook</name>
    <message>
        <source>我没有找到您需要的数据!</source>
        <translation>No data found.</translation>
    </message>
    <message>
        <source>保存图片</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>打印图表</source>
        <translation>Print chart</translation>
    </message>
    <message>
        <source>导出 CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>把图表的数字导出为 CSV 表格</source>
        <translation>Export the chart&apos;s figures as a CSV table</translation>
    </message>
    <message>
        <source>没有可导出的数据。</source>
        <translation>There is nothing to export.</translation>
    </message>
    <message>
        <source>导出 CSV 表格</source>
        <translation>Export CSV table</translation>
    </message>
    <message>
        <source>CSV 表格 (*.csv)</source>
        <translation>CSV tables (*.csv)</translation>
    </message>
    <message>
        <source>导出 CSV 失败：%1</source>
        <translation>CSV export failed: %1</translation>
    </message>
    <message>
        <source>已导出 CSV 表格：%1</source>
        <translation>CSV table exported: %1</translation>
    </message>
    <message>
        <source>没有可保存的图表。</source>
        <translation>There is no chart to save.</translation>
    </message>
    <message>
        <source>PNG 图片 (*.png)</source>
        <translation>PNG pictures (*.png)</translation>
    </message>
    <message>
        <source>图片保存失败：%1</source>
        <translation>The picture could not be saved: %1</translation>
    </message>
    <message>
        <source>已保存图片：%1</source>
        <translation>Picture saved: %1</translation>
    </message>
    <message>
        <source>没有可打印的图表。</source>
        <translation>There is no chart to print.</translation>
    </message>
</context>
<context>
    <name>Charts</name>
    <message>
        <source>其他</source>
        <translation>Others</translation>
    </message>
    <message>
        <source>未命名</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>未分类</source>
        <translation>No type</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>无法写入文件 %1：%2</source>
        <translation>Cannot write the file %1: %2</translation>
    </message>
</context>
<context>
    <name>DataGrid</name>
    <message>
        <source>导出 CSV...</source>
        <translation>Export CSV...</translation>
    </message>
    <message>
        <source>读取列表失败：%1</source>
        <translation>Reading the list failed: %1</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>已导出 %1 行到
%2</source>
        <translation>Exported %1 rows to
%2</translation>
    </message>
    <message>
        <source>导出失败：%1</source>
        <translation>Export failed: %1</translation>
    </message>
    <message>
        <source>取消按此列分组</source>
        <translation>Ungroup this column</translation>
    </message>
    <message>
        <source>按此列分组</source>
        <translation>Group by this column</translation>
    </message>
    <message>
        <source>全部展开</source>
        <translation>Expand all</translation>
    </message>
    <message>
        <source>全部折叠</source>
        <translation>Collapse all</translation>
    </message>
</context>
<context>
    <name>EntryHelpers</name>
    <message>
        <source>“%1”不是有效的整数!</source>
        <translation>&quot;%1&quot; is not a whole number.</translation>
    </message>
    <message>
        <source>“%1”超出范围，请输入%2到%3之间的整数!</source>
        <translation>&quot;%1&quot; is out of range; please enter a whole number from %2 to %3.</translation>
    </message>
</context>
<context>
    <name>FaultText</name>
    <message>
        <source>帐户文件正被其他程序占用，等候超时，本次操作未完成！
请稍后再试一次。</source>
        <translation>The account file is in use by another program and did not come free in time; nothing was done.
Please try again in a moment.</translation>
    </message>
    <message>
        <source>磁盘空间不足，数据未能写入，本次操作未完成！
请清理磁盘空间后再试一次。</source>
        <translation>The disk is full; nothing was written.
Please free some disk space and try again.</translation>
    </message>
    <message>
        <source>帐户文件只读，不能写入，本次操作未完成！
请检查帐户文件及其文件夹的写入权限后再试一次。</source>
        <translation>The account file is read-only; nothing was written.
Please check that the file and its folder may be written, and try again.</translation>
    </message>
    <message>
        <source>请用“文件→打开”打开最近的备份文件。</source>
        <translation>Open the latest backup with File &gt; Open.</translation>
    </message>
    <message>
        <source>请用“文件→打开”打开最近的备份“%1”。</source>
        <translation>Open the latest backup &quot;%1&quot; with File &gt; Open.</translation>
    </message>
    <message>
        <source>帐户文件已损坏，本次操作未完成！
%1</source>
        <translation>The account file is damaged; nothing was done.
%1</translation>
    </message>
    <message>
        <source>数据库操作失败，本次操作未完成！</source>
        <translation>The database operation failed; nothing was done.</translation>
    </message>
    <message>
        <source>与数据库服务器的连接已断开，本次操作未完成！
请检查网络和服务器后再试一次。</source>
        <translation>The connection to the database server was lost; the operation was not completed!
Please check the network and the server and try again.</translation>
    </message>
    <message>
        <source>要写入的记录已经存在（可能刚被其他收银台写入），本次操作未完成！
请刷新后再试一次。</source>
        <translation>The record to be written exists already (perhaps another counter has just written it); the operation was not completed!
Please refresh and try again.</translation>
    </message>
</context>
<context>
    <name>GridGroupPanel</name>
    <message>
        <source>把列拖到这儿，按列进行分组</source>
        <translation>Drag a column header here to group by that column</translation>
    </message>
    <message>
        <source>按列分组: </source>
        <translation>Grouped by: </translation>
    </message>
    <message>
        <source>取消分组</source>
        <translation>Ungroup</translation>
    </message>
    <message>
        <source>清除全部分组</source>
        <translation>Clear all groups</translation>
    </message>
</context>
<context>
    <name>HelpTopics</name>
    <message>
        <source>主窗口与快捷键</source>
        <translation>Main window and keys</translation>
    </message>
    <message>
        <source>影碟出租</source>
        <translation>Renting out</translation>
    </message>
    <message>
        <source>影碟归还</source>
        <translation>Returns</translation>
    </message>
    <message>
        <source>影碟销售</source>
        <translation>Sales</translation>
    </message>
    <message>
        <source>库存管理</source>
        <translation>Stock</translation>
    </message>
    <message>
        <source>会员</source>
        <translation>Members</translation>
    </message>
    <message>
        <source>人员与权限</source>
        <translation>Staff and permissions</translation>
    </message>
    <message>
        <source>出租选项、费用与类型</source>
        <translation>Options, fees, types</translation>
    </message>
    <message>
        <source>费用收支</source>
        <translation>Income and expenses</translation>
    </message>
    <message>
        <source>统计报表</source>
        <translation>Reports</translation>
    </message>
    <message>
        <source>统计分析图</source>
        <translation>Charts</translation>
    </message>
    <message>
        <source>帐户、备份与恢复</source>
        <translation>Accounts and backup</translation>
    </message>
    <message>
        <source>qrc:/help/%1.html</source>
        <comment>where the guide&apos;s pages lie; English: qrc:/help/en/%1.html</comment>
        <translation>qrc:/help/en/%1.html</translation>
    </message>
</context>
<context>
    <name>InOutMoney</name>
    <message>
        <source>该收支记录已不存在！</source>
        <translation>This entry no longer exists.</translation>
    </message>
    <message>
        <source>系统内置类型的收支记录不能修改或删除！</source>
        <translation>Entries of a built-in type cannot be changed or deleted.</translation>
    </message>
    <message>
        <source>所选的收支类型已不存在！</source>
        <translation>The chosen type no longer exists.</translation>
    </message>
    <message>
        <source>系统内置的收支类型不能用于手工记帐！</source>
        <translation>Built-in types cannot be used for entries made by hand.</translation>
    </message>
</context>
<context>
    <name>LabelSheet</name>
    <message>
        <source>影碟标签</source>
        <translation>Disc labels</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>As the system</translation>
    </message>
    <message>
        <source>语言设置将在下次启动程序时生效。</source>
        <translation>The language applies from the next start of the program.</translation>
    </message>
</context>
<context>
    <name>LeaseTexts</name>
    <message>
        <source>共出租影片：%1部，</source>
        <translation>Discs rented: %1,</translation>
    </message>
    <message>
        <source>押&#x3000;&#x3000;&#x3000;金：%1元，</source>
        <translation>Deposit:  %1,</translation>
    </message>
    <message>
        <source>租&#x3000;&#x3000;&#x3000;金：%1元，</source>
        <translation>Rent:  %1,</translation>
    </message>
    <message>
        <source>本次实收：%1元</source>
        <translation>Taken now: %1</translation>
    </message>
    <message>
        <source>共归还影片：%1部，</source>
        <translation>Discs returned: %1,</translation>
    </message>
    <message>
        <source>应退&#x3000;押金：%1元，</source>
        <translation>Deposit back: %1,</translation>
    </message>
    <message>
        <source>应收客户：%1元</source>
        <translation>Customer pays: %1</translation>
    </message>
    <message>
        <source>应退客户：%1元</source>
        <translation>Pay customer: %1</translation>
    </message>
    <message>
        <source>%1超期%2天</source>
        <translation>%1 %2 days late</translation>
    </message>
    <message>
        <source>过期未还%1部：</source>
        <translation>%1 overdue: </translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>会员已于%1到期</source>
        <translation>Membership expired on %1</translation>
    </message>
    <message>
        <source>；</source>
        <translation>; </translation>
    </message>
    <message>
        <source>本次实收押金%1元，租金还碟时结算</source>
        <translation>Deposit taken now: %1; rent is paid on return</translation>
    </message>
    <message>
        <source>应收客户%1元</source>
        <translation>customer pays %1</translation>
    </message>
    <message>
        <source>应退客户%1元</source>
        <translation>pay customer %1</translation>
    </message>
    <message>
        <source>押金%1 − 租金%2 = %3</source>
        <translation>Deposit %1 − rent %2 = %3</translation>
    </message>
</context>
<context>
    <name>MemberReport</name>
    <message>
        <source>&apos;小计:  共 &apos;0&apos; 部&apos;</source>
        <comment>number mask: quoted text, 0 the count</comment>
        <translation>&apos;Subtotal:  &apos;0&apos; discs&apos;</translation>
    </message>
    <message>
        <source>&apos;合计:  共 &apos;0&apos; 部&apos;</source>
        <comment>number mask: quoted text, 0 the count</comment>
        <translation>&apos;Total:  &apos;0&apos; discs&apos;</translation>
    </message>
    <message>
        <source>会员租赁报表</source>
        <translation>Member Rentals Report</translation>
    </message>
    <message>
        <source>未归还</source>
        <translation>Not returned</translation>
    </message>
</context>
<context>
    <name>Money</name>
    <message>
        <source>金额超出范围，本次操作未完成！
金额最大为99999999999999.99元。</source>
        <translation>The amount is out of range; nothing was done.
The largest amount is 99999999999999.99.</translation>
    </message>
</context>
<context>
    <name>Msg</name>
    <message>
        <source>系统提示</source>
        <translation>System Notice</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>导航条</source>
        <translation>Navigation</translation>
    </message>
</context>
<context>
    <name>OptionStore</name>
    <message>
        <source>租金计算方法</source>
        <translation>Rent method</translation>
    </message>
    <message>
        <source>系统运行方式</source>
        <translation>Permission mode</translation>
    </message>
    <message>
        <source>过期天数</source>
        <translation>Days before overdue</translation>
    </message>
    <message>
        <source>打印设置</source>
        <translation>Receipt printing</translation>
    </message>
    <message>
        <source>单据类型</source>
        <translation>Receipt form</translation>
    </message>
    <message>
        <source>小票纸卷</source>
        <translation>Receipt roll</translation>
    </message>
    <message>
        <source>【%1】</source>
        <translation> &quot;%1&quot;</translation>
    </message>
    <message>
        <source>选项%1在帐户中缺失或无效，现按默认值显示，保存后即更正。</source>
        <translation>Missing or invalid in the account:%1. The defaults are shown; saving puts them right.</translation>
    </message>
    <message>
        <source>过期天数输入有错误，请输入天数！</source>
        <translation>The days before a rental is overdue are wrong: enter a number of days.</translation>
    </message>
</context>
<context>
    <name>OverdueReport</name>
    <message>
        <source>合  计</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>租赁过期报表</source>
        <translation>Overdue Rentals Report</translation>
    </message>
</context>
<context>
    <name>PickLists</name>
    <message>
        <source>输入编号或名称查找</source>
        <translation>Code or name to find</translation>
    </message>
</context>
<context>
    <name>Power</name>
    <message>
        <source>出租/归还</source>
        <translation>Rent/return</translation>
    </message>
    <message>
        <source>库存管理</source>
        <translation>Stock</translation>
    </message>
    <message>
        <source>统计/分析</source>
        <translation>Reports/charts</translation>
    </message>
    <message>
        <source>销售管理</source>
        <translation>Sales</translation>
    </message>
    <message>
        <source>系统设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>费用收支</source>
        <translation>Income/expense</translation>
    </message>
    <message>
        <source>文件/帐户</source>
        <translation>Files/accounts</translation>
    </message>
    <message>
        <source>交班结算</source>
        <translation>Cash-up</translation>
    </message>
</context>
<context>
    <name>RankingReport</name>
    <message>
        <source>影片销售排行榜</source>
        <translation>Best-Selling Titles</translation>
    </message>
    <message>
        <source>影片租赁排行榜</source>
        <translation>Most Rented Titles</translation>
    </message>
    <message>
        <source>只计销售数量，不含出租</source>
        <translation>Counts the quantities sold, not rentals</translation>
    </message>
    <message>
        <source>只计出租，不含销售</source>
        <translation>Counts rentals, not sales</translation>
    </message>
    <message>
        <source>销售数量</source>
        <translation>Qty sold</translation>
    </message>
    <message>
        <source>出租次数</source>
        <translation>Times rented</translation>
    </message>
    <message>
        <source>按类型排行</source>
        <translation>By type</translation>
    </message>
    <message>
        <source>总排行</source>
        <translation>Overall</translation>
    </message>
    <message>
        <source>影片类型:</source>
        <translation>Type:</translation>
    </message>
</context>
<context>
    <name>Receipt</name>
    <message>
        <source>零售</source>
        <translation>Retail</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>零租客户</source>
        <translation>Walk-in customer</translation>
    </message>
    <message>
        <source>出 租 单</source>
        <translation>RENTAL</translation>
    </message>
    <message>
        <source>归 还 单</source>
        <translation>RETURN</translation>
    </message>
    <message>
        <source>销 售 单</source>
        <translation>SALE</translation>
    </message>
    <message>
        <source>租金%1/张</source>
        <translation>Rent %1/disc</translation>
    </message>
    <message>
        <source>租金%1/天</source>
        <translation>Rent %1/day</translation>
    </message>
    <message>
        <source>押金%1</source>
        <translation>Deposit %1</translation>
    </message>
    <message>
        <source>应还%1</source>
        <translation>Due %1</translation>
    </message>
    <message>
        <source>%1天</source>
        <translation>%1 days</translation>
    </message>
    <message>
        <source>租金%1</source>
        <translation>Rent %1</translation>
    </message>
    <message>
        <source>退押金%1</source>
        <translation>Deposit back %1</translation>
    </message>
    <message>
        <source>地址：%1</source>
        <translation>Address: %1</translation>
    </message>
    <message>
        <source>客户：%1</source>
        <translation>Customer: %1</translation>
    </message>
    <message>
        <source>欢迎光临</source>
        <translation>Welcome</translation>
    </message>
    <message>
        <source>电话：%1</source>
        <translation>Phone: %1</translation>
    </message>
    <message>
        <source>单据号：%1</source>
        <translation>Receipt no.: %1</translation>
    </message>
    <message>
        <source>操作人员：%1</source>
        <translation>Operator: %1</translation>
    </message>
    <message>
        <source>影碟名称</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Qty</translation>
    </message>
    <message>
        <source>金额</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>合计：</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>共 %1 部</source>
        <translation>Discs: %1</translation>
    </message>
    <message>
        <source>%1元</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>押&#x3000;&#x3000;金：</source>
        <translation>Deposit:</translation>
    </message>
    <message>
        <source>租金(还碟时付)：</source>
        <translation>Rent (on return):</translation>
    </message>
    <message>
        <source>租金/天(还碟时付)：</source>
        <translation>Rent/day (on return):</translation>
    </message>
    <message>
        <source>本次实收：</source>
        <translation>Taken now:</translation>
    </message>
    <message>
        <source>退还押金：</source>
        <translation>Deposit back:</translation>
    </message>
    <message>
        <source>收取租金：</source>
        <translation>Rent taken:</translation>
    </message>
    <message>
        <source>应收客户：</source>
        <translation>Customer pays:</translation>
    </message>
    <message>
        <source>应退客户：</source>
        <translation>Pay customer:</translation>
    </message>
    <message>
        <source>合&#x3000;&#x3000;计：</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>单据</source>
        <translation>Receipt</translation>
    </message>
</context>
<context>
    <name>RentalReport</name>
    <message>
        <source>租赁报表</source>
        <translation>Rental report</translation>
    </message>
    <message>
        <source>押金小计:</source>
        <translation>Deposits:</translation>
    </message>
    <message>
        <source>租金小计:</source>
        <translation>Rent:</translation>
    </message>
    <message>
        <source>押金合计:</source>
        <translation>Total deposits:</translation>
    </message>
    <message>
        <source>租金合计:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>租 赁 报 表</source>
        <translation>Rental Report</translation>
    </message>
</context>
<context>
    <name>ReportColumn</name>
    <message>
        <source>客户名称</source>
        <translation>Customer</translation>
    </message>
    <message>
        <source>可观看影片数</source>
        <translation>Discs left</translation>
    </message>
    <message>
        <source>租赁日期</source>
        <translation>Rented on</translation>
    </message>
    <message>
        <source>影片名称</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>观看天数</source>
        <translation>Days kept</translation>
    </message>
    <message>
        <source>出租日期</source>
        <translation>Rented on</translation>
    </message>
    <message>
        <source>过期天数</source>
        <translation>Days out</translation>
    </message>
    <message>
        <source>押金金额</source>
        <translation>Deposit</translation>
    </message>
    <message>
        <source>排  名</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>租赁人</source>
        <translation>Customer</translation>
    </message>
    <message>
        <source>影片类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>押金</source>
        <translation>Deposit</translation>
    </message>
    <message>
        <source>租金</source>
        <translation>Rent</translation>
    </message>
    <message>
        <source>排名</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>语言种类</source>
        <translation>Lang.</translation>
    </message>
    <message>
        <source>供应商</source>
        <translation>Supplier</translation>
    </message>
    <message>
        <source>进货日期</source>
        <translation>Bought on</translation>
    </message>
    <message>
        <source>部数</source>
        <translation>Sets</translation>
    </message>
    <message>
        <source>数量/每套</source>
        <translation>Per set</translation>
    </message>
    <message>
        <source>总数量</source>
        <translation>Discs</translation>
    </message>
    <message>
        <source>金额</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Qty</translation>
    </message>
    <message>
        <source>销售日期</source>
        <translation>Sold on</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>单价</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>类    型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>名   称</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>单   价</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>数   量</source>
        <translation>Qty</translation>
    </message>
    <message>
        <source>金   额</source>
        <translation>Amount</translation>
    </message>
</context>
<context>
    <name>ReportDocument</name>
    <message>
        <source>报表没有页面</source>
        <translation>The report has no pages</translation>
    </message>
    <message>
        <source>无法创建文件夹：%1</source>
        <translation>Cannot create the folder: %1</translation>
    </message>
    <message>
        <source>无法写入文件：%1（%2）</source>
        <translation>Cannot write the file: %1 (%2)</translation>
    </message>
    <message>
        <source>无法写入文件：%1</source>
        <translation>Cannot write the file: %1</translation>
    </message>
</context>
<context>
    <name>ReportHeading</name>
    <message>
        <source>第 %1 页</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>从%1到%2</source>
        <translation>From %1 to %2</translation>
    </message>
    <message>
        <source> (续)</source>
        <translation> (cont.)</translation>
    </message>
    <message>
        <source>制表日期：</source>
        <translation>Printed on:</translation>
    </message>
</context>
<context>
    <name>ReportPeriod</name>
    <message>
        <source>今天</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>本周</source>
        <translation>This week</translation>
    </message>
    <message>
        <source>本月</source>
        <translation>This month</translation>
    </message>
    <message>
        <source>上月</source>
        <translation>Last month</translation>
    </message>
    <message>
        <source>今年</source>
        <translation>This year</translation>
    </message>
    <message>
        <source>去年</source>
        <translation>Last year</translation>
    </message>
    <message>
        <source>开始日期晚于结束日期，已将两个日期对调：从%1到%2。</source>
        <translation>The start date was after the end date; the two were swapped: from %1 to %2.</translation>
    </message>
    <message>
        <source>时段</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>常用时段</source>
        <translation>Common periods</translation>
    </message>
    <message>
        <source>自定时段</source>
        <translation>Custom period</translation>
    </message>
</context>
<context>
    <name>ReportPreview</name>
    <message>
        <source>报表页面</source>
        <translation>Report page</translation>
    </message>
    <message>
        <source>首页</source>
        <translation>First</translation>
    </message>
    <message>
        <source>上一页</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>下一页</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>末页</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>第 0000 页 / 共 0000 页</source>
        <translation>Page 0000 of 0000</translation>
    </message>
    <message>
        <source>页宽</source>
        <translation>Page width</translation>
    </message>
    <message>
        <source>按页宽显示，滚动查看整页</source>
        <translation>Fit the page width; scroll to see the whole page</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>导出PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>第 %1 页 / 共 %2 页</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>导出PDF失败：%1</source>
        <translation>Exporting the PDF failed: %1</translation>
    </message>
    <message>
        <source>已导出 PDF 文件：%1</source>
        <translation>PDF file exported: %1</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
</context>
<context>
    <name>ReportPrinter</name>
    <message>
        <source>打印失败：%1</source>
        <translation>Printing failed: %1</translation>
    </message>
    <message>
        <source>报表没有页面</source>
        <translation>The report has no pages</translation>
    </message>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation>Cannot create the folder %1</translation>
    </message>
    <message>
        <source>已存为 PDF 文件：%1</source>
        <translation>Saved as a PDF file: %1</translation>
    </message>
    <message>
        <source>没有安装打印机，已存为 PDF 文件：%1</source>
        <translation>No printer installed; saved as a PDF file: %1</translation>
    </message>
    <message>
        <source>打印机 %1 不可用</source>
        <translation>The printer %1 is not available</translation>
    </message>
    <message>
        <source>无法打开打印机 %1</source>
        <translation>Cannot open the printer %1</translation>
    </message>
    <message>
        <source>打印机 %1 没有接受第 %2 页</source>
        <translation>The printer %1 did not accept page %2</translation>
    </message>
    <message>
        <source>打印机 %1 出错</source>
        <translation>The printer %1 reported an error</translation>
    </message>
    <message>
        <source>已发送到打印机 %1</source>
        <translation>Sent to the printer %1</translation>
    </message>
    <message>
        <source>没有要打印的页面（报表共 %1 页）</source>
        <translation>No pages to print (the report has %1 pages)</translation>
    </message>
    <message>
        <source>没有可打印的图表</source>
        <translation>No chart to print</translation>
    </message>
    <message>
        <source>无法写入文件：%1</source>
        <translation>Cannot write the file: %1</translation>
    </message>
</context>
<context>
    <name>SaleStore</name>
    <message>
        <source>共销售影片：%1部</source>
        <translation>Discs sold: %1</translation>
    </message>
    <message>
        <source>总  金  额：%1元</source>
        <translation>Total: %1</translation>
    </message>
</context>
<context>
    <name>SalesReports</name>
    <message>
        <source>小   计：</source>
        <translation>Subtotal:</translation>
    </message>
    <message>
        <source>合   计：</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>销售汇总报表</source>
        <translation>Sales Summary Report</translation>
    </message>
    <message>
        <source>销售明细报表</source>
        <translation>Sales Detail Report</translation>
    </message>
</context>
<context>
    <name>ServerAddressFields</name>
    <message>
        <source>服务器：</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>端口：</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>数据库：</source>
        <translation>Database:</translation>
    </message>
    <message>
        <source>用户：</source>
        <translation>User:</translation>
    </message>
    <message>
        <source>请输入数据库服务器的名称或地址！</source>
        <translation>Please enter the name or address of the database server!</translation>
    </message>
    <message>
        <source>端口应是 1 到 65535 之间的数！</source>
        <translation>The port must be a number from 1 to 65535!</translation>
    </message>
    <message>
        <source>请输入数据库名称！</source>
        <translation>Please enter the name of the database!</translation>
    </message>
    <message>
        <source>口令不保存在本程序中：服务器要求口令时程序会询问，只在本次运行中记住。写在本机用户的 ~/.pgpass 文件（或 PGPASSFILE 指定的文件、服务文件）中，就不必每次输入。</source>
        <translation>The password is not kept by this program: when the server asks for one, the program asks you and remembers it only while it runs. Put it in the user&apos;s ~/.pgpass file (or the file PGPASSFILE names, or a service file) to avoid typing it each time.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>请输入类型名称！</source>
        <translation>Please enter the fee class name.</translation>
    </message>
    <message>
        <source>请输入租金/天金额！</source>
        <translation>Please enter the rent per day.</translation>
    </message>
    <message>
        <source>请输入押金金额！</source>
        <translation>Please enter the deposit.</translation>
    </message>
    <message>
        <source>租金/天金额输入有错误，请检查！</source>
        <translation>The rent per day is not valid. Please check it.</translation>
    </message>
    <message>
        <source>押金金额输入有错误，请检查！</source>
        <translation>The deposit is not valid. Please check it.</translation>
    </message>
    <message>
        <source>该费用类型还有%1部影碟在使用，不能删除！</source>
        <translation>%1 discs still use this fee class; it cannot be deleted.</translation>
    </message>
    <message>
        <source>请输入影片类型！</source>
        <translation>Please enter the category.</translation>
    </message>
    <message>
        <source>该影片类型还有%1部影碟在使用，不能删除！</source>
        <translation>%1 discs are still in this category; it cannot be deleted.</translation>
    </message>
    <message>
        <source>请输入会员编号！</source>
        <translation>Please enter the member number.</translation>
    </message>
    <message>
        <source>请输入会员姓名！</source>
        <translation>Please enter the member&apos;s name.</translation>
    </message>
    <message>
        <source>会员编号【%1】已被会员【%2】使用，请输入其他编号！</source>
        <translation>Member number %1 is used by %2. Please enter another number.</translation>
    </message>
    <message>
        <source>该会员资料受保护，不能修改或删除！</source>
        <translation>This member is protected and cannot be changed or deleted.</translation>
    </message>
    <message>
        <source>该会员还有%1张影碟未归还，不能删除！</source>
        <translation>This member still has %1 discs out and cannot be deleted.</translation>
    </message>
    <message>
        <source>数据保存成功！</source>
        <translation>Saved.</translation>
    </message>
    <message>
        <source>数据保存失败！</source>
        <translation>Saving failed.</translation>
    </message>
    <message>
        <source>请输入人员名称！</source>
        <translation>Please enter the name.</translation>
    </message>
    <message>
        <source>权限管理方式下至少要有一名人员具有“系统设置”权限，否则将无法再进入系统设置！</source>
        <translation>With permission control on, at least one person must hold the &quot;Settings&quot; permission, or nobody can open the settings again.</translation>
    </message>
    <message>
        <source>请输入供应商公司名称！</source>
        <translation>Please enter the supplier&apos;s company name.</translation>
    </message>
    <message>
        <source>该供应商还有%1部影碟的资料，不能删除！</source>
        <translation>%1 titles still name this supplier; it cannot be deleted.</translation>
    </message>
    <message>
        <source>系统内置的收支类型不能修改或删除！</source>
        <translation>Built-in types cannot be changed or deleted.</translation>
    </message>
    <message>
        <source>请输入收支名称！</source>
        <translation>Please enter the name of the type.</translation>
    </message>
    <message>
        <source>该收支类型已有%1笔收支记录，不能删除！</source>
        <translation>%1 entries use this type; it cannot be deleted.</translation>
    </message>
    <message>
        <source>该费用类型已不存在！</source>
        <translation>This fee class no longer exists.</translation>
    </message>
    <message>
        <source>该影片类型已不存在！</source>
        <translation>This category no longer exists.</translation>
    </message>
    <message>
        <source>该会员已不存在！</source>
        <translation>This member no longer exists.</translation>
    </message>
    <message>
        <source>该交费记录已不存在！</source>
        <translation>This payment no longer exists.</translation>
    </message>
    <message>
        <source>该人员已不存在！</source>
        <translation>This member of staff no longer exists.</translation>
    </message>
    <message>
        <source>该供应商已不存在！</source>
        <translation>This supplier no longer exists.</translation>
    </message>
    <message>
        <source>该收支类型已不存在！</source>
        <translation>This type no longer exists.</translation>
    </message>
</context>
<context>
    <name>SetupFeesPage</name>
    <message>
        <source>收费标准</source>
        <translation>Fee classes</translation>
    </message>
    <message>
        <source>类型名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>租金/天</source>
        <translation>Rent/day</translation>
    </message>
    <message>
        <source>押   金</source>
        <translation>Deposit</translation>
    </message>
    <message>
        <source>添  加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>保  存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>删  除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>押金</source>
        <translation>Deposit</translation>
    </message>
    <message>
        <source>影片分类</source>
        <translation>Categories</translation>
    </message>
    <message>
        <source>影片类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>在这儿您可以设置出租影片的租金费用，以及影片的分类情况。</source>
        <translation>Set the rent of the discs and the categories of the titles here.</translation>
    </message>
    <message>
        <source>确定要删除类型【%1】吗？</source>
        <translation>Delete the type &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>确定要删除分类【%1】吗？</source>
        <translation>Delete the category &quot;%1&quot;?</translation>
    </message>
</context>
<context>
    <name>SetupMembersPage</name>
    <message>
        <source>会员列表</source>
        <translation>Members</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>会员编号</source>
        <translation>Member no.</translation>
    </message>
    <message>
        <source>姓    名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>电    话</source>
        <translation>Phone</translation>
    </message>
    <message>
        <source>等    级</source>
        <translation>Grade</translation>
    </message>
    <message>
        <source>可观看的影片数</source>
        <translation>Discs allowed</translation>
    </message>
    <message>
        <source>(每租一张减一，0：表示已不能再租)</source>
        <translation>(one less per disc rented; 0: no more rentals)</translation>
    </message>
    <message>
        <source>观看影片的终止日期</source>
        <translation>Allowed until</translation>
    </message>
    <message>
        <source>(“2000-01-01”表示不限制终止日期)</source>
        <translation>(&quot;2000-01-01&quot;: no end date)</translation>
    </message>
    <message>
        <source>说    明</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>当前状态：</source>
        <translation>State:</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>添  加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>保  存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>删  除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>会员交费</source>
        <translation>Payments</translation>
    </message>
    <message>
        <source>交费日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>金额</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>共0.00 元</source>
        <translation>Total 0.00</translation>
    </message>
    <message>
        <source>用户租赁列表，其中归还日期为空表示该影片未归还。</source>
        <translation>The member&apos;s rentals; no return date means the disc is still out.</translation>
    </message>
    <message>
        <source>会员租碟</source>
        <translation>Rentals</translation>
    </message>
    <message>
        <source>出租日期</source>
        <translation>Rented on</translation>
    </message>
    <message>
        <source>归还日期</source>
        <translation>Returned on</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Lang.</translation>
    </message>
    <message>
        <source>版本</source>
        <translation>Ver.</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>共 0 部</source>
        <translation>Titles: 0</translation>
    </message>
    <message>
        <source>在这儿您可以设置出租会员的基本信息。</source>
        <translation>Set the members&apos; details here.</translation>
    </message>
    <message>
        <source>确定要删除会员【%1】相关资料吗？</source>
        <translation>Delete the member &quot;%1&quot; and his records?</translation>
    </message>
    <message>
        <source>确定要删除交费记录吗?</source>
        <translation>Delete this payment?</translation>
    </message>
</context>
<context>
    <name>SetupOptionsPage</name>
    <message>
        <source>目前没有任何人员具有“系统设置”权限，启用权限管理方式后将无法再进入系统设置。确定要启用权限管理方式吗？</source>
        <translation>Nobody holds the &quot;Settings&quot; permission yet; with permission control on, nobody could open the settings again. Turn permission control on?</translation>
    </message>
    <message>
        <source>租金计算方法</source>
        <translation>Rent is charged</translation>
    </message>
    <message>
        <source>按出租天数记费</source>
        <translation>per day</translation>
    </message>
    <message>
        <source>按VCD每碟记费</source>
        <translation>per disc</translation>
    </message>
    <message>
        <source>系统运行方式</source>
        <translation>Permissions</translation>
    </message>
    <message>
        <source>无权限管理方式（任何人都可以使用系统所有功能）</source>
        <translation>Off (everyone can use everything)</translation>
    </message>
    <message>
        <source>权限管理方式（根据管理员所分配的权限进行操作）</source>
        <translation>On (as the manager assigns)</translation>
    </message>
    <message>
        <source>打印设置</source>
        <translation>Printing</translation>
    </message>
    <message>
        <source>打印单据</source>
        <translation>Print receipts</translation>
    </message>
    <message>
        <source>不打印单据</source>
        <translation>No receipts</translation>
    </message>
    <message>
        <source>单据类型</source>
        <translation>Receipt form</translation>
    </message>
    <message>
        <source>A4幅面</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>POS机票据幅面</source>
        <translation>POS slip</translation>
    </message>
    <message>
        <source>小票纸张</source>
        <translation>Slip paper</translation>
    </message>
    <message>
        <source>70 x 100 mm 单据</source>
        <translation>70 x 100 mm slip</translation>
    </message>
    <message>
        <source>58 mm 纸卷</source>
        <translation>58 mm roll</translation>
    </message>
    <message>
        <source>80 mm 纸卷</source>
        <translation>80 mm roll</translation>
    </message>
    <message>
        <source>单据和交班结算单的纸张</source>
        <translation>Paper of receipts and cash-up slips</translation>
    </message>
    <message>
        <source>租赁过期设置</source>
        <translation>Overdue</translation>
    </message>
    <message>
        <source>过期天数</source>
        <translation>Days allowed</translation>
    </message>
    <message>
        <source>天</source>
        <translation>days</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>在这儿您可以设置出租影片的租金计算的方法以及系统管理方式。</source>
        <translation>Set how rent is charged and how permissions work here.</translation>
    </message>
    <message>
        <source>数据保存出错！</source>
        <translation>Saving failed.</translation>
    </message>
</context>
<context>
    <name>SetupShopPage</name>
    <message>
        <source>单位名称</source>
        <translation>Shop name</translation>
    </message>
    <message>
        <source>单位地址</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>联系电话</source>
        <translation>Phone</translation>
    </message>
    <message>
        <source>应  用</source>
        <translation>Apply</translation>
    </message>
</context>
<context>
    <name>SetupStaffPage</name>
    <message>
        <source>人员列表</source>
        <translation>Staff</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>基本信息</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>姓    名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>操作口令</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>不修改口令请留空</source>
        <translation>Leave empty to keep the password</translation>
    </message>
    <message>
        <source>居住地址</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>联系方式</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>说   明</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>权限分配</source>
        <translation>Permissions</translation>
    </message>
    <message>
        <source>所有权限</source>
        <translation>All permissions</translation>
    </message>
    <message>
        <source>人员所具有的权限</source>
        <translation>Held by this person</translation>
    </message>
    <message>
        <source>添  加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>保  存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>删  除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>在这儿您可以进行员工的管理操作。</source>
        <translation>Manage the staff here.</translation>
    </message>
    <message>
        <source>确定要删除人员【%1】吗？</source>
        <translation>Delete &quot;%1&quot;?</translation>
    </message>
</context>
<context>
    <name>SetupSuppliersPage</name>
    <message>
        <source>供应商</source>
        <translation>Suppliers</translation>
    </message>
    <message>
        <source>公司名称</source>
        <translation>Company</translation>
    </message>
    <message>
        <source>联系电话</source>
        <translation>Phone</translation>
    </message>
    <message>
        <source>地址</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>公司地址</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>说    明</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>添  加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>保  存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>删  除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>在这儿您可以设置供应商的基本信息。</source>
        <translation>Set the suppliers&apos; details here.</translation>
    </message>
    <message>
        <source>确定要删除供应商【%1】吗？</source>
        <translation>Delete the supplier &quot;%1&quot;?</translation>
    </message>
</context>
<context>
    <name>SetupTypesPage</name>
    <message>
        <source>收支类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>收支名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>说&#x3000;&#x3000;明</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>添  加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>保  存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>删  除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>在这儿您可以设置收支类型的基本信息。</source>
        <translation>Set the income and expense types here.</translation>
    </message>
    <message>
        <source>确定要删除类型【%1】吗？</source>
        <translation>Delete the type &quot;%1&quot;?</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>程序已经在运行</source>
        <translation>The program is already running</translation>
    </message>
    <message>
        <source>数据库连接错误,程序无法运行！</source>
        <translation>Database connection error, the program cannot run!</translation>
    </message>
</context>
<context>
    <name>StockReport</name>
    <message>
        <source>库存报表</source>
        <translation>Stock report</translation>
    </message>
    <message>
        <source>小  计</source>
        <translation>Subtotal</translation>
    </message>
    <message>
        <source>合  计</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>库 存 报 表</source>
        <translation>Stock Report</translation>
    </message>
</context>
<context>
    <name>TASSmoneyFm</name>
    <message>
        <source>会员交费（按ESC键关闭窗口）</source>
        <translation>Member Payment (Esc to close)</translation>
    </message>
    <message>
        <source>会员交费情况</source>
        <translation>Member payment</translation>
    </message>
    <message>
        <source>交费日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>交费金额</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>交费说明</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>请输入会员交费金额！</source>
        <translation>Please enter the amount paid.</translation>
    </message>
    <message>
        <source>会员交费金额输入有错，请检查！</source>
        <translation>The amount paid is not valid. Please check it.</translation>
    </message>
</context>
<context>
    <name>TAboutFm</name>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
</context>
<context>
    <name>TAccountMoveFm</name>
    <message>
        <source>迁移到帐户文件</source>
        <translation>Move to an account file</translation>
    </message>
    <message>
        <source>数据文件(*.MDB)</source>
        <translation>Data files (*.MDB)</translation>
    </message>
    <message>
        <source>帐户迁移到服务器</source>
        <translation>Move the account to a server</translation>
    </message>
    <message>
        <source>帐户迁移到文件</source>
        <translation>Move the account to a file</translation>
    </message>
    <message>
        <source>迁移的帐户：%1</source>
        <translation>Account to move: %1</translation>
    </message>
    <message>
        <source>目标：服务器上的一个空数据库</source>
        <translation>Target: an empty database on a server</translation>
    </message>
    <message>
        <source>目标文件</source>
        <translation>Target file</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>迁移之后，这里列出每个表的行数和金额合计（两边核对一致）。</source>
        <translation>After the move, the rows and money totals of every table (checked on both sides) are listed here.</translation>
    </message>
    <message>
        <source>迁移</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>请输入目标文件的名称！</source>
        <translation>Please enter the name of the target file!</translation>
    </message>
    <message>
        <source>正在迁移 %1：%2 / %3 行</source>
        <translation>Moving %1: %2 / %3 rows</translation>
    </message>
    <message>
        <source>帐户迁移没有完成，目标中没有写入任何内容。</source>
        <translation>The account was not moved; nothing was written to the target.</translation>
    </message>
    <message>
        <source>帐户已迁移到服务器，两边的行数和金额合计一致。
各台电脑用“文件 → 打开 → 服务器帐户”打开它。</source>
        <translation>The account was moved to the server; the rows and money totals agree on both sides.
Open it on every computer with &quot;File → Open → Server account&quot;.</translation>
    </message>
    <message>
        <source>帐户已迁移到文件，两边的行数和金额合计一致。</source>
        <translation>The account was moved to the file; the rows and money totals agree on both sides.</translation>
    </message>
    <message>
        <source>当前帐户已在服务器上。要复制到另一个服务器，请先把它迁移到文件，再把文件迁移到那个服务器。</source>
        <translation>The account in use is on a server already. To copy it to another server, move it to a file first, then move the file to that server.</translation>
    </message>
    <message>
        <source>当前帐户已是一个文件；要复制它，请用“文件 → 保存/备份”。</source>
        <translation>The account in use is a file already; to copy it, use &quot;File → Save/Backup&quot;.</translation>
    </message>
</context>
<context>
    <name>TAuditLogFm</name>
    <message>
        <source>操作日志</source>
        <translation>Activity Log</translation>
    </message>
    <message>
        <source>所有类型</source>
        <translation>All types</translation>
    </message>
    <message>
        <source>查询</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>操作人员</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>对象</source>
        <translation>Subject</translation>
    </message>
    <message>
        <source>修改前</source>
        <translation>Before</translation>
    </message>
    <message>
        <source>修改后</source>
        <translation>After</translation>
    </message>
    <message>
        <source>共0条</source>
        <translation>Entries: 0</translation>
    </message>
    <message>
        <source>起始日期</source>
        <translation>From</translation>
    </message>
    <message>
        <source>截止日期</source>
        <translation>To</translation>
    </message>
    <message>
        <source>操作类型</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>所有人员</source>
        <translation>All staff</translation>
    </message>
</context>
<context>
    <name>TBackupFm</name>
    <message>
        <source>数据文件备份到</source>
        <translation>Back up the data file to</translation>
    </message>
    <message>
        <source>数据文件(*.MDB)</source>
        <translation>Data files (*.MDB)</translation>
    </message>
    <message>
        <source>数据备份</source>
        <translation>Data Backup</translation>
    </message>
    <message>
        <source>进行数据备份操作</source>
        <translation>Back up the data</translation>
    </message>
    <message>
        <source>备份文件夹</source>
        <translation>Backup folder</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>备份</source>
        <translation>Back up</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>请输入备份数据的文件名称！</source>
        <translation>Please enter the name of the backup file!</translation>
    </message>
    <message>
        <source>数据文件＂%1＂已存在，覆盖吗？</source>
        <translation>The data file &quot;%1&quot; exists already. Overwrite it?</translation>
    </message>
    <message>
        <source>备份失败.可能磁盘空间不足,或磁盘不可写,或目标文件不能被覆盖..</source>
        <translation>The backup failed. The disk may be full or not writable, or the target file cannot be overwritten.</translation>
    </message>
    <message>
        <source>数据备份成功！</source>
        <translation>Data backed up!</translation>
    </message>
    <message>
        <source>备份文件不能是正在使用的帐户文件或它的日志文件，请换一个文件名！</source>
        <translation>The backup cannot be the account file in use or its journal. Please choose another file name.</translation>
    </message>
</context>
<context>
    <name>TBaseDlgFM</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TCashUpFm</name>
    <message>
        <source>交班结算</source>
        <translation>Cash-up</translation>
    </message>
    <message>
        <source>操作人员</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>本班开始</source>
        <translation>Shift began</translation>
    </message>
    <message>
        <source>应有现金</source>
        <translation>Expected cash</translation>
    </message>
    <message>
        <source>实点现金</source>
        <translation>Counted cash</translation>
    </message>
    <message>
        <source>差    额</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>备    注</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>结算</source>
        <translation>Close shift</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>本班尚无收付</source>
        <translation>No takings yet this shift</translation>
    </message>
    <message>
        <source>金额输入有错，请检查！</source>
        <translation>The amount is not valid. Please check it.</translation>
    </message>
    <message>
        <source>确定结算本班吗？结算后本班的收付不再改变。</source>
        <translation>Close this shift? Its takings cannot change afterwards.</translation>
    </message>
    <message>
        <source>交班结算完成，差额 %1 元。</source>
        <translation>Shift closed; difference %1.</translation>
    </message>
</context>
<context>
    <name>TCashUpListFm</name>
    <message>
        <source>交班记录</source>
        <translation>Cash-ups</translation>
    </message>
    <message>
        <source>查询</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>报表</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>操作人员</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>开始时间</source>
        <translation>Began</translation>
    </message>
    <message>
        <source>结束时间</source>
        <translation>Ended</translation>
    </message>
    <message>
        <source>收取押金</source>
        <translation>Deposits in</translation>
    </message>
    <message>
        <source>退还押金</source>
        <translation>Deposits back</translation>
    </message>
    <message>
        <source>租金收入</source>
        <translation>Rent</translation>
    </message>
    <message>
        <source>销售收入</source>
        <translation>Sales</translation>
    </message>
    <message>
        <source>其他收入</source>
        <translation>Other income</translation>
    </message>
    <message>
        <source>费用支出</source>
        <translation>Expenses</translation>
    </message>
    <message>
        <source>应有现金</source>
        <translation>Expected cash</translation>
    </message>
    <message>
        <source>实点现金</source>
        <translation>Counted cash</translation>
    </message>
    <message>
        <source>差额</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>起始日期</source>
        <translation>From</translation>
    </message>
    <message>
        <source>截止日期</source>
        <translation>To</translation>
    </message>
    <message>
        <source>所有人员</source>
        <translation>All staff</translation>
    </message>
    <message>
        <source>交班结算报表</source>
        <translation>Cash-up Report</translation>
    </message>
</context>
<context>
    <name>TCompareChFm</name>
    <message>
        <source>%1月</source>
        <comment>a month on the axis, %1 as yyyy-MM</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>月平均收支</source>
        <translation>Monthly income and expense</translation>
    </message>
    <message>
        <source>从</source>
        <translation>From</translation>
    </message>
    <message>
        <source>到</source>
        <translation>to</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>金额</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Qty</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>月支出走势图</source>
        <translation>Spending per month</translation>
    </message>
    <message>
        <source>左移</source>
        <translation>Move left</translation>
    </message>
    <message>
        <source>右移</source>
        <translation>Move right</translation>
    </message>
    <message>
        <source>月收入走势图</source>
        <translation>Takings per month</translation>
    </message>
    <message>
        <source>租金收入</source>
        <translation>Rent</translation>
    </message>
    <message>
        <source>押金</source>
        <translation>Deposits</translation>
    </message>
    <message>
        <source>收支数据读取失败！</source>
        <translation>The income and expense figures could not be read.</translation>
    </message>
</context>
<context>
    <name>TDeferFm</name>
    <message>
        <source>过期</source>
        <comment>before the days typed: out for more than N days</comment>
        <translation>Out for more than</translation>
    </message>
    <message>
        <source>天以上</source>
        <comment>after the days typed</comment>
        <translation>days</translation>
    </message>
    <message>
        <source>“%1”不是有效的天数，请输入一个整数。</source>
        <translation>&quot;%1&quot; is not a number of days; enter a whole number.</translation>
    </message>
</context>
<context>
    <name>THelpFm</name>
    <message>
        <source>使用帮助</source>
        <translation>User guide</translation>
    </message>
    <message>
        <source>帮助目录</source>
        <translation>Guide contents</translation>
    </message>
    <message>
        <source>帮助内容</source>
        <translation>Guide page</translation>
    </message>
</context>
<context>
    <name>TInOutMoneyFm</name>
    <message>
        <source>费用收支（按ESC键关闭窗口）</source>
        <translation>Income and Expense (Esc to close)</translation>
    </message>
    <message>
        <source>费用收支添加</source>
        <translation>New income or expense</translation>
    </message>
    <message>
        <source>费用收支编辑</source>
        <translation>Edit income or expense</translation>
    </message>
    <message>
        <source>收入</source>
        <translation>Income</translation>
    </message>
    <message>
        <source>支出</source>
        <translation>Expense</translation>
    </message>
    <message>
        <source>收支日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>收支类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>对应客户</source>
        <translation>Customer</translation>
    </message>
    <message>
        <source>收支金额</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>经 手 人</source>
        <translation>Handled by</translation>
    </message>
    <message>
        <source>收支方向</source>
        <translation>In or out</translation>
    </message>
    <message>
        <source>收支说明</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>保存/添加</source>
        <translation>Save/New</translation>
    </message>
    <message>
        <source>保存/退出</source>
        <translation>Save/Close</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>该收支记录已不存在！</source>
        <translation>This entry no longer exists.</translation>
    </message>
    <message>
        <source>请选择收支类型！</source>
        <translation>Please choose a type.</translation>
    </message>
    <message>
        <source>金额输入有错，请检查！</source>
        <translation>The amount is not valid. Please check it.</translation>
    </message>
    <message>
        <source>请选择对应客户！</source>
        <translation>Please choose a customer.</translation>
    </message>
    <message>
        <source>请选择经手人！</source>
        <translation>Please choose who handled it.</translation>
    </message>
    <message>
        <source>已添加 %1 条记录</source>
        <translation>%1 entries added</translation>
    </message>
    <message>
        <source>已保存</source>
        <translation>Saved</translation>
    </message>
    <message>
        <source>数据保存失败！</source>
        <translation>Saving failed.</translation>
    </message>
</context>
<context>
    <name>TInOutMoneyListFm</name>
    <message>
        <source>所有费用收支列表</source>
        <translation>Income and Expenses</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>收支日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>收支类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>金额</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>对应客户</source>
        <translation>Customer</translation>
    </message>
    <message>
        <source>经手人</source>
        <translation>Handled by</translation>
    </message>
    <message>
        <source>按日期</source>
        <translation>By date</translation>
    </message>
    <message>
        <source>收入和支出</source>
        <translation>Income and expense</translation>
    </message>
    <message>
        <source>只看收入</source>
        <translation>Income only</translation>
    </message>
    <message>
        <source>只看支出</source>
        <translation>Expense only</translation>
    </message>
    <message>
        <source>收支方向</source>
        <translation>In or out</translation>
    </message>
    <message>
        <source>数据过滤</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>到</source>
        <translation>to</translation>
    </message>
    <message>
        <source>所有类型</source>
        <translation>All types</translation>
    </message>
    <message>
        <source>%1 元</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>收入 %1    支出 %2    差额 %3</source>
        <translation>Income %1    Expense %2    Balance %3</translation>
    </message>
    <message>
        <source>合计读取失败：%1</source>
        <translation>Reading the totals failed: %1</translation>
    </message>
    <message>
        <source>确定要删除收支记录吗？</source>
        <translation>Delete this entry?</translation>
    </message>
    <message>
        <source>收支记录删除失败！</source>
        <translation>Deleting the entry failed.</translation>
    </message>
</context>
<context>
    <name>TInforFm</name>
    <message>
        <source>单据打印失败：%1</source>
        <translation>Printing the receipt failed: %1</translation>
    </message>
    <message>
        <source>结算提示</source>
        <translation>Settlement</translation>
    </message>
    <message>
        <source>结算信息</source>
        <translation>To settle</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TLabelPrintFm</name>
    <message>
        <source>打印标签</source>
        <translation>Print labels</translation>
    </message>
    <message>
        <source>影碟</source>
        <translation>Discs</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>All</translation>
    </message>
    <message>
        <source>全不选</source>
        <translation>None</translation>
    </message>
    <message>
        <source>A4 标签纸</source>
        <translation>A4 label sheet</translation>
    </message>
    <message>
        <source>标签打印机 40 x 30 mm</source>
        <translation>Label printer 40 x 30 mm</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>行数</source>
        <translation>Rows</translation>
    </message>
    <message>
        <source>列数</source>
        <translation>Columns</translation>
    </message>
    <message>
        <source>请选择要打印标签的影碟！</source>
        <translation>Please choose the discs to label.</translation>
    </message>
    <message>
        <source>以下影碟不能打印条码：
%1</source>
        <translation>These discs cannot get a barcode:
%1</translation>
    </message>
</context>
<context>
    <name>TLeaseCharFm</name>
    <message>
        <source>租赁分析</source>
        <translation>Rental analysis</translation>
    </message>
    <message>
        <source>按影片名称</source>
        <translation>By title</translation>
    </message>
    <message>
        <source>按影片类型</source>
        <translation>By type</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>从</source>
        <translation>From</translation>
    </message>
    <message>
        <source>到</source>
        <translation>to</translation>
    </message>
    <message>
        <source>统计方式</source>
        <translation>Count by</translation>
    </message>
    <message>
        <source>只计出租，不含销售</source>
        <translation>Rentals only, sales not counted</translation>
    </message>
    <message>
        <source>租赁分析图</source>
        <translation>Rental analysis chart</translation>
    </message>
    <message>
        <source>影片类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>影片名称</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>出租数量</source>
        <translation>Rentals</translation>
    </message>
    <message>
        <source>租赁数据读取失败！</source>
        <translation>The rental figures could not be read.</translation>
    </message>
</context>
<context>
    <name>TLeaseFm</name>
    <message>
        <source>无限制</source>
        <translation>No limit</translation>
    </message>
    <message>
        <source>零租客户</source>
        <translation>Walk-in customer</translation>
    </message>
    <message>
        <source>影碟归还（按ESC键关闭窗口）</source>
        <translation>Return Discs (Esc to close)</translation>
    </message>
    <message>
        <source>影片归还数据录入</source>
        <translation>Enter returned discs</translation>
    </message>
    <message>
        <source>影碟出租（按ESC键关闭窗口）</source>
        <translation>Rent Discs (Esc to close)</translation>
    </message>
    <message>
        <source>影片出租数据录入</source>
        <translation>Enter rented discs</translation>
    </message>
    <message>
        <source>客户编码不存在,请检查!</source>
        <translation>No customer has this number. Please check it.</translation>
    </message>
    <message>
        <source>会  员</source>
        <translation>Member</translation>
    </message>
    <message>
        <source>（已到期）</source>
        <translation> (expired)</translation>
    </message>
    <message>
        <source>影片已出租或影片编码不存在,请检查!</source>
        <translation>The disc is rented out or its code does not exist. Please check it.</translation>
    </message>
    <message>
        <source>影片影片编码不存在或没有出租记录,请检查!</source>
        <translation>The disc code does not exist or the disc is not rented out. Please check it.</translation>
    </message>
    <message>
        <source>编号为%1的客户</source>
        <translation>customer no. %1</translation>
    </message>
    <message>
        <source>会员%1 %2</source>
        <translation>member %1 %2</translation>
    </message>
    <message>
        <source>影片【%1】（编码 %2）是%3租的，不是当前客户的。
确认归还吗？它的租金和押金记在%3名下。</source>
        <translation>The disc &quot;%1&quot; (code %2) was rented by %3, not by this customer.
Take it back? Its rent and deposit are booked to %3.</translation>
    </message>
    <message>
        <source>会员租借数量还剩%1本次租碟数已超出！</source>
        <translation>The member may rent %1 more discs; this rental is over the limit.</translation>
    </message>
    <message>
        <source>请输入影片编号！</source>
        <translation>Please enter a disc code.</translation>
    </message>
    <message>
        <source>影片%1已在本次列表中，同一张影碟不能重复添加！</source>
        <translation>Disc %1 is already in this list; a disc cannot be added twice.</translation>
    </message>
    <message>
        <source>押金输入有错误，请检查！</source>
        <translation>The deposit is not valid. Please check it.</translation>
    </message>
    <message>
        <source>租金输入有错误，请检查！</source>
        <translation>The rent is not valid. Please check it.</translation>
    </message>
    <message>
        <source>出租列表不能为空!</source>
        <translation>The list is empty.</translation>
    </message>
    <message>
        <source>影片%1已被出租或售出，请从本次列表中删除！</source>
        <translation>Disc %1 has been rented or sold. Please delete it from the list.</translation>
    </message>
    <message>
        <source>影片%1已经归还，请从本次列表中删除！</source>
        <translation>Disc %1 has already been returned. Please delete it from the list.</translation>
    </message>
    <message>
        <source>数据保存错误!</source>
        <translation>Saving failed.</translation>
    </message>
    <message>
        <source>本次出租列表</source>
        <translation>Discs in this transaction</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Lang.</translation>
    </message>
    <message>
        <source>版本</source>
        <translation>Ver.</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>导演</source>
        <translation>Director</translation>
    </message>
    <message>
        <source>主演</source>
        <translation>Starring</translation>
    </message>
    <message>
        <source>存放地址</source>
        <translation>Shelf</translation>
    </message>
    <message>
        <source>押金</source>
        <translation>Deposit</translation>
    </message>
    <message>
        <source>租金</source>
        <translation>Rent</translation>
    </message>
    <message>
        <source>天数</source>
        <translation>Days</translation>
    </message>
    <message>
        <source>应收租金</source>
        <translation>Rent due</translation>
    </message>
    <message>
        <source>超期天数</source>
        <translation>Days late</translation>
    </message>
    <message>
        <source>客户已租列表</source>
        <translation>Discs the customer has</translation>
    </message>
    <message>
        <source>出租日期</source>
        <translation>Rented on</translation>
    </message>
    <message>
        <source>应还日期</source>
        <translation>Due</translation>
    </message>
    <message>
        <source>出租信息</source>
        <translation>Rental</translation>
    </message>
    <message>
        <source>选择会员</source>
        <translation>Choose member</translation>
    </message>
    <message>
        <source>选择会员 (F2)</source>
        <translation>Choose member (F2)</translation>
    </message>
    <message>
        <source>选择影片</source>
        <translation>Choose Disc</translation>
    </message>
    <message>
        <source>选择影片 (F2)</source>
        <translation>Choose disc (F2)</translation>
    </message>
    <message>
        <source>客户编号</source>
        <translation>Customer no.</translation>
    </message>
    <message>
        <source>影片编码</source>
        <translation>Disc code</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>完成(F12)</source>
        <translation>Done (F12)</translation>
    </message>
    <message>
        <source>F2：在编码栏中打开选择列表</source>
        <translation>F2 in a code field: pick from a list</translation>
    </message>
    <message>
        <source>影片信息</source>
        <translation>Disc</translation>
    </message>
    <message>
        <source>名称:</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>类型:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>版本:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>语言:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>导演:</source>
        <translation>Director:</translation>
    </message>
    <message>
        <source>主演:</source>
        <translation>Starring:</translation>
    </message>
    <message>
        <source>客户信息</source>
        <translation>Customer</translation>
    </message>
    <message>
        <source>类    型:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>剩余数量:</source>
        <translation>Discs left:</translation>
    </message>
    <message>
        <source>到期日期:</source>
        <translation>Expires:</translation>
    </message>
    <message>
        <source>单据数据读取失败：</source>
        <translation>Reading the receipt failed:</translation>
    </message>
</context>
<context>
    <name>TLeaseMainFM</name>
    <message>
        <source>影碟出租列表</source>
        <translation>Rentals</translation>
    </message>
    <message>
        <source>出租影碟列表,只列出出租未归还的出租信息.</source>
        <translation>Discs rented out and not yet returned.</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>添加业务信息</source>
        <translation>New transaction</translation>
    </message>
    <message>
        <source>在这儿输入会员的编码</source>
        <translation>Type a member number here</translation>
    </message>
    <message>
        <source>查   询</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>客户出租列表</source>
        <translation>Open rentals</translation>
    </message>
    <message>
        <source>出租日期</source>
        <translation>Rented on</translation>
    </message>
    <message>
        <source>会员编号</source>
        <translation>Member no.</translation>
    </message>
    <message>
        <source>客户名称</source>
        <translation>Customer</translation>
    </message>
    <message>
        <source>影片名称</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>租金</source>
        <translation>Rent</translation>
    </message>
    <message>
        <source>押金</source>
        <translation>Deposit</translation>
    </message>
    <message>
        <source>员工编号</source>
        <translation>Staff no.</translation>
    </message>
    <message>
        <source>共0.00 元</source>
        <translation>Total 0.00</translation>
    </message>
</context>
<context>
    <name>TLoginFm</name>
    <message>
        <source>登陆窗口</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>用 户 名</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>登陆口令</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>没有可登陆的人员，请先在人员管理中添加人员！</source>
        <translation>Nobody can log in: please add staff under Staff first!</translation>
    </message>
    <message>
        <source>您要退出系统吗？</source>
        <translation>Do you want to leave the program?</translation>
    </message>
    <message>
        <source>该人员已被删除，不能登陆！</source>
        <translation>This staff member has been deleted and cannot log in!</translation>
    </message>
    <message>
        <source>用户名或口令错误，请重新输入！</source>
        <translation>Wrong user name or password, please enter them again!</translation>
    </message>
</context>
<context>
    <name>TMainFm</name>
    <message>
        <source>让科技生活化</source>
        <translation>Technology for everyday life</translation>
    </message>
    <message>
        <source>出    租(F5)</source>
        <translation>Rent (F5)</translation>
    </message>
    <message>
        <source>影碟出租业务</source>
        <translation>Rent out discs</translation>
    </message>
    <message>
        <source>归    还(F6)</source>
        <translation>Return (F6)</translation>
    </message>
    <message>
        <source>影碟归还业务</source>
        <translation>Take discs back</translation>
    </message>
    <message>
        <source>销    售(F7)</source>
        <translation>Sell (F7)</translation>
    </message>
    <message>
        <source>影碟销售管理</source>
        <translation>Sell discs</translation>
    </message>
    <message>
        <source>库    存(F8)</source>
        <translation>Stock (F8)</translation>
    </message>
    <message>
        <source>库存影碟管理</source>
        <translation>Discs in stock</translation>
    </message>
    <message>
        <source>统计/分析  </source>
        <translation>Statistics  </translation>
    </message>
    <message>
        <source>统计/汇总报表</source>
        <translation>Reports and charts</translation>
    </message>
    <message>
        <source>费用收支(F9)</source>
        <translation>Money (F9)</translation>
    </message>
    <message>
        <source>业务资料查看</source>
        <translation>Income and expense records</translation>
    </message>
    <message>
        <source>设    置(F4)</source>
        <translation>Settings (F4)</translation>
    </message>
    <message>
        <source>系统参数设定</source>
        <translation>Program settings</translation>
    </message>
    <message>
        <source>退   出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>新      建</source>
        <translation>New</translation>
    </message>
    <message>
        <source>打     开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>保存/备份</source>
        <translation>Save/Back up</translation>
    </message>
    <message>
        <source>恢     复</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>屏蔽导航条</source>
        <translation>Hide navigation bar</translation>
    </message>
    <message>
        <source>暂时离开</source>
        <translation>Step away</translation>
    </message>
    <message>
        <source>退     出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>业务管理</source>
        <translation>Business</translation>
    </message>
    <message>
        <source>租    赁</source>
        <translation>Rent</translation>
    </message>
    <message>
        <source>归    还</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>销    售</source>
        <translation>Sell</translation>
    </message>
    <message>
        <source>库存管理</source>
        <translation>Stock</translation>
    </message>
    <message>
        <source>费用收支</source>
        <translation>Income/Expense</translation>
    </message>
    <message>
        <source>统计/分析</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>租赁报表</source>
        <translation>Rental report</translation>
    </message>
    <message>
        <source>租赁分析</source>
        <translation>Rental analysis</translation>
    </message>
    <message>
        <source>销售汇总表</source>
        <translation>Sales summary</translation>
    </message>
    <message>
        <source>销售汇总报表</source>
        <translation>Sales summary report</translation>
    </message>
    <message>
        <source>销售明细表</source>
        <translation>Sales detail</translation>
    </message>
    <message>
        <source>销售明细报表</source>
        <translation>Sales detail report</translation>
    </message>
    <message>
        <source>库存报表</source>
        <translation>Stock report</translation>
    </message>
    <message>
        <source>库存分析</source>
        <translation>Stock analysis</translation>
    </message>
    <message>
        <source>会员报表</source>
        <translation>Member report</translation>
    </message>
    <message>
        <source>租赁过期报表</source>
        <translation>Overdue rentals report</translation>
    </message>
    <message>
        <source>月平均收支</source>
        <translation>Monthly income and expense</translation>
    </message>
    <message>
        <source>租赁排行榜</source>
        <translation>Rental ranking</translation>
    </message>
    <message>
        <source>销售排行榜</source>
        <translation>Sales ranking</translation>
    </message>
    <message>
        <source>系统设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>会员设置</source>
        <translation>Members</translation>
    </message>
    <message>
        <source>出    租</source>
        <translation>Rental</translation>
    </message>
    <message>
        <source>费    用</source>
        <translation>Fees</translation>
    </message>
    <message>
        <source>人员管理</source>
        <translation>Staff</translation>
    </message>
    <message>
        <source>收支类型</source>
        <translation>Income/expense types</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>使用帮助</source>
        <translation>User guide</translation>
    </message>
    <message>
        <source>技巧与提示</source>
        <translation>Tips and Hints</translation>
    </message>
    <message>
        <source>关    于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>系统运行方式设置缺失或无效，本次按不控制权限运行。</source>
        <translation>The permission mode setting is missing or invalid; this run does not check permissions.</translation>
    </message>
    <message>
        <source>当前帐户：</source>
        <translation>Account: </translation>
    </message>
    <message>
        <source>未设置单位名称 </source>
        <translation>No shop name set </translation>
    </message>
    <message>
        <source>确认退出系统吗？</source>
        <translation>Leave the program?</translation>
    </message>
    <message>
        <source>%1    【%2】</source>
        <translation>%1    [%2]</translation>
    </message>
    <message>
        <source>    （示例帐户，用“文件 → 新建”建立自己的帐户）</source>
        <translation>    (sample account: make your own with File &gt; New)</translation>
    </message>
    <message>
        <source>系统时间：</source>
        <translation>Time: </translation>
    </message>
    <message>
        <source>yyyy&apos;年&apos;MM&apos;月&apos;dd&apos;日&apos;  HH:mm:ss</source>
        <translation>yyyy-MM-dd  HH:mm:ss</translation>
    </message>
    <message>
        <source>交班结算</source>
        <translation>Shift cash-up</translation>
    </message>
    <message>
        <source>操作日志</source>
        <translation>Audit log</translation>
    </message>
    <message>
        <source>交班记录</source>
        <translation>Cash-up records</translation>
    </message>
    <message>
        <source>迁移到服务器</source>
        <translation>Move to server</translation>
    </message>
    <message>
        <source>迁移到文件</source>
        <translation>Move to file</translation>
    </message>
    <message>
        <source>    （服务器帐户：%1）</source>
        <translation>    (server account: %1)</translation>
    </message>
</context>
<context>
    <name>TNewAccountFm</name>
    <message>
        <source>新建帐户</source>
        <translation>New Account</translation>
    </message>
    <message>
        <source>帐户名称</source>
        <translation>Account name</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>请输入帐户名称！</source>
        <translation>Please enter the account name!</translation>
    </message>
    <message>
        <source>帐户创建失败!</source>
        <translation>The account could not be created!</translation>
    </message>
    <message>
        <source>数据库模板不存在，请检查！</source>
        <translation>The database template does not exist, please check!</translation>
    </message>
    <message>
        <source>文件已经存在，请重新命名！</source>
        <translation>The file already exists, please choose another name!</translation>
    </message>
    <message>
        <source>帐户创建成功!</source>
        <translation>Account created!</translation>
    </message>
</context>
<context>
    <name>TNoteFm</name>
    <message>
        <source>技巧与提示</source>
        <translation>Tips and Hints</translation>
    </message>
    <message>
        <source>欢迎使用Tarvane</source>
        <translation>Welcome to Tarvane</translation>
    </message>
    <message>
        <source>准备工作：</source>
        <translation>Getting ready:</translation>
    </message>
    <message>
        <source>1：首先请在系统设置中输入供应商的信息，然后根据不同的供应商提供的影碟，依次在库存输入您的影碟信息。</source>
        <translation>1: First enter your suppliers under Settings, then enter the discs each supplier provides under Stock.</translation>
    </message>
    <message>
        <source>2：在系统设置中设置您的出租相关的选项，包括费用、员工、会员、单位信息。</source>
        <translation>2: Under Settings, set up the rental options: fees, staff, members and the shop&apos;s details.</translation>
    </message>
    <message>
        <source>3：您现在可以利用系统的各项功能快捷方便的管理的您的业务了。</source>
        <translation>3: Now you can run your business quickly and easily with the program&apos;s functions.</translation>
    </message>
    <message>
        <source>影碟信息的输入：</source>
        <translation>Entering discs:</translation>
    </message>
    <message>
        <source>本系统对影碟的编码处理，每套影碟有一个不重复的编号，出租和销售的影碟进行统一编码，可以保持编码的唯一性，也可方便的在销售和出租业务中交互使用。对同种影碟有多套时，系统会自动拆开编码生成如：０００１-１、０００１-２编码。</source>
        <translation>Every set of discs has a code of its own; discs for rent and for sale share one numbering, so codes stay unique and a disc can move between renting and selling. For several sets of one title the program makes codes such as 0001-1, 0001-2.</translation>
    </message>
    <message>
        <source>批量输入影碟时，以同一供应商来同时输入。输入影碟信息时您可以用“ＥＮＴＥＲ”回车键操作输入框向下一输入框移动。</source>
        <translation>Enter many discs from one supplier at a time. While entering a disc, the Enter key moves to the next field.</translation>
    </message>
    <message>
        <source>影碟输入时的一些选项，如供应商、语言、类型等修改和添加操作请到系统设置中的相关页面进行设置。</source>
        <translation>The choices offered while entering discs, such as suppliers, languages and kinds, are added and changed on the pages of Settings.</translation>
    </message>
    <message>
        <source>影碟出租：</source>
        <translation>Renting discs:</translation>
    </message>
    <message>
        <source>影碟出租时，系统根据您在系统设置中所设置的押金和租金自动计算本次出租所产生的押金租金总和，如果实际的押金和租金数有不同的话，请在押金和租金的显示框中直接输入。</source>
        <translation>When discs are rented, the program adds up the deposit and rent from the fees set under Settings; if the actual amounts differ, type them into the deposit and rent fields.</translation>
    </message>
    <message>
        <source>单据的打印：</source>
        <translation>Printing receipts:</translation>
    </message>
    <message>
        <source>系统提供单据的打印服务，当您在系统设置中选择了“打印单据”后，每次业务完成后，确定业务的金额，系统就会自动打印本次的业务单据。</source>
        <translation>With &quot;Print receipts&quot; chosen under Settings, the program prints a receipt after each transaction once its amount is confirmed.</translation>
    </message>
    <message>
        <source>再次感谢您使用Tarvane，请把你在使用过程中的任何建议和意见告诉我们。联系我们：Quorvale SoftWare 客户服务部。</source>
        <translation>Thank you again for using Tarvane. Please tell us any suggestions and comments you have. Contact: Quorvale SoftWare customer service.</translation>
    </message>
    <message>
        <source>系统的表格操作：</source>
        <translation>Working with tables:</translation>
    </message>
    <message>
        <source>本系统中使用的表格，您可以按照自己的要求进行排序，点击您需要排序的列的列名，系统自动以该列进行正反序排列。同样您也可以把某一列拉到表格上方的分组框中，系统会自动按该列进行分组显示。</source>
        <translation>Tables can be sorted as you like: click a column&apos;s header to sort by it, click again to reverse. Drag a column&apos;s header into the box above the table to group the rows by that column.</translation>
    </message>
    <message>
        <source>下次启动时显示</source>
        <translation>Show at next start</translation>
    </message>
    <message>
        <source>上一页</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>下一页</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>关&#x3000;闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>开始自己的店：程序自带的示例帐户（Sample.MDB）里都是演示数据。请用菜单“文件 → 新建”建立您自己的帐户，以后每次启动都会打开它。</source>
        <translation>Starting your own shop: the sample account that comes with the program (Sample.MDB) holds demonstration data only. Make your own account with File &gt; New; every later start opens it.</translation>
    </message>
</context>
<context>
    <name>TOpenAccountFm</name>
    <message>
        <source>帐户打开错误,系统将恢复到当前使用的帐户！</source>
        <translation>The account could not be opened; the program goes back to the account in use!</translation>
    </message>
    <message>
        <source>数据库连接错误：%1</source>
        <translation>Database connection error: %1</translation>
    </message>
    <message>
        <source>打开帐户</source>
        <translation>Open Account</translation>
    </message>
    <message>
        <source>帐户列表：</source>
        <translation>Accounts:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>请选择要打开的帐户！</source>
        <translation>Please choose the account to open!</translation>
    </message>
    <message>
        <source>下次启动时打开此帐户</source>
        <translation>Open this account at the next start</translation>
    </message>
    <message>
        <source>  （当前使用）</source>
        <translation>  (in use)</translation>
    </message>
    <message>
        <source>选择要恢复的备份文件</source>
        <translation>Choose the backup file to restore</translation>
    </message>
    <message>
        <source>数据文件(*.MDB *.mdb)</source>
        <translation>Data files (*.MDB *.mdb)</translation>
    </message>
    <message>
        <source>所选文件就是当前正在使用的帐户，不能用它恢复！</source>
        <translation>The chosen file is the account in use; it cannot be restored from!</translation>
    </message>
    <message>
        <source>恢复将用备份文件＂%1＂替换当前帐户＂%2＂中的全部数据。
替换之前，系统会先把当前帐户备份到备份文件夹中。
确定要恢复吗？</source>
        <translation>Restoring replaces all data of the account &quot;%2&quot; with the backup file &quot;%1&quot;.
The account is first backed up into the backup folder.
Restore now?</translation>
    </message>
    <message>
        <source>数据恢复成功！恢复前的帐户已备份为：
</source>
        <translation>Data restored! The account as it was before is backed up as:
</translation>
    </message>
    <message>
        <source>所选文件不是本系统的帐户数据文件，没有恢复！</source>
        <translation>The chosen file is not an account of this program; nothing was restored!</translation>
    </message>
    <message>
        <source>当前帐户备份失败，没有恢复。可能磁盘空间不足或磁盘不可写。</source>
        <translation>Backing up the account in use failed; nothing was restored. The disk may be full or not writable.</translation>
    </message>
    <message>
        <source>数据恢复失败，当前帐户保持原样！</source>
        <translation>Restoring failed; the account in use is unchanged!</translation>
    </message>
    <message>
        <source>数据恢复失败，帐户无法打开！恢复前的帐户备份在：
</source>
        <translation>Restoring failed and the account cannot be opened! The backup made before restoring is at:
</translation>
    </message>
    <message>
        <source>账套文件在网络共享上（%1）。几台电脑通过网络共享同时使用一个账套文件并不安全：文件锁可能失效，数据可能损坏。几台电脑要共用一个帐户时，请把帐户迁移到数据库服务器上（“文件 → 迁移到服务器”），各台电脑用“文件 → 打开 → 服务器帐户”打开它；否则请把账套文件放在本机硬盘上，只在一台电脑上使用。</source>
        <translation>The account file is on a network share (%1). Several computers using one account file over a network share is not safe: file locks may fail and data may be damaged. For several computers sharing one account, move the account to a database server (&quot;File → Move to server&quot;) and open it on every computer with &quot;File → Open → Server account&quot;; otherwise keep the account file on this computer&apos;s own disk and use it on one computer only.</translation>
    </message>
    <message>
        <source>服务器上的帐户不能在这里恢复：其他收银台正在使用它。请把备份文件迁移到一个空数据库（rentora-move），再用“文件 → 打开 → 服务器帐户”打开它。</source>
        <translation>An account on a server cannot be restored here: other counters are using it. Move the backup file into an empty database (rentora-move), then open it with &quot;File → Open → Server account&quot;.</translation>
    </message>
    <message>
        <source>服务器帐户…</source>
        <translation>Server account…</translation>
    </message>
</context>
<context>
    <name>TQChildFm</name>
    <message>
        <source>yyyy年M月d日</source>
        <comment>date pickers&apos; display format</comment>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>从</source>
        <translation>From</translation>
    </message>
    <message>
        <source>到</source>
        <translation>to</translation>
    </message>
    <message>
        <source>页码</source>
        <translation>Page number</translation>
    </message>
    <message>
        <source>共 %1 页</source>
        <translation>of %1</translation>
    </message>
    <message>
        <source>上一页</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>下一页</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>显示比例</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>显示比例（Ctrl+滚轮、Ctrl++、Ctrl+-）</source>
        <translation>Zoom (Ctrl+wheel, Ctrl++, Ctrl+-)</translation>
    </message>
    <message>
        <source>整页</source>
        <translation>Whole page</translation>
    </message>
    <message>
        <source>页宽</source>
        <translation>Page width</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source> 打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>在默认打印机上打印</source>
        <translation>Print on the default printer</translation>
    </message>
    <message>
        <source>打印…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>选择打印机、页码范围和份数</source>
        <translation>Choose the printer, the pages and the copies</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>导出 PDF 文件…</source>
        <translation>Export PDF file…</translation>
    </message>
    <message>
        <source>导出 CSV 表格…</source>
        <translation>Export CSV table…</translation>
    </message>
    <message>
        <source>我没有找到您需要的数据!</source>
        <translation>No data found.</translation>
    </message>
    <message>
        <source>制表日期</source>
        <translation>Printed on</translation>
    </message>
    <message>
        <source>共 %1 页…</source>
        <translation>of %1…</translation>
    </message>
    <message>
        <source>是否马上打印报表？</source>
        <translation>Print the report now?</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>导出 PDF 文件</source>
        <translation>Export PDF file</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>导出 PDF 失败：%1</source>
        <translation>PDF export failed: %1</translation>
    </message>
    <message>
        <source>已导出 PDF 文件：%1</source>
        <translation>PDF file exported: %1</translation>
    </message>
    <message>
        <source>导出 CSV 表格</source>
        <translation>Export CSV table</translation>
    </message>
    <message>
        <source>CSV 表格 (*.csv)</source>
        <translation>CSV tables (*.csv)</translation>
    </message>
    <message>
        <source>导出 CSV 失败：%1</source>
        <translation>CSV export failed: %1</translation>
    </message>
    <message>
        <source>已导出 CSV 表格：%1</source>
        <translation>CSV table exported: %1</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Page %1</translation>
    </message>
</context>
<context>
    <name>TQPHFm</name>
    <message>
        <source>排行类型</source>
        <translation>Ranking</translation>
    </message>
</context>
<context>
    <name>TQStoreCharFm</name>
    <message>
        <source>库存分析</source>
        <translation>Stock analysis</translation>
    </message>
    <message>
        <source>从</source>
        <translation>From</translation>
    </message>
    <message>
        <source>到</source>
        <translation>to</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>库存分析图</source>
        <translation>Stock analysis chart</translation>
    </message>
    <message>
        <source>影片类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>库存数量</source>
        <translation>Discs in stock</translation>
    </message>
    <message>
        <source>库存数据读取失败！</source>
        <translation>The stock figures could not be read.</translation>
    </message>
</context>
<context>
    <name>TQStoreRep</name>
    <message>
        <source>供应商</source>
        <translation>Supplier</translation>
    </message>
    <message>
        <source>所有供应商</source>
        <translation>All suppliers</translation>
    </message>
</context>
<context>
    <name>TRepertoryDetailEditFm</name>
    <message>
        <source>影片资料修改（按ESC键关闭窗口）</source>
        <translation>Edit Title (Esc to close)</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>进货日期</source>
        <translation>Bought on</translation>
    </message>
    <message>
        <source>供 应 商</source>
        <translation>Supplier</translation>
    </message>
    <message>
        <source>自 编 码</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>影片名称</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>导    演</source>
        <translation>Director</translation>
    </message>
    <message>
        <source>主要演员</source>
        <translation>Starring</translation>
    </message>
    <message>
        <source>语言类型</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>影片类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>张数/每套</source>
        <translation>Discs/set</translation>
    </message>
    <message>
        <source>版本说明</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>套    数</source>
        <translation>Sets</translation>
    </message>
    <message>
        <source>总 价 格</source>
        <translation>Total price</translation>
    </message>
    <message>
        <source>存放地址</source>
        <translation>Shelf</translation>
    </message>
    <message>
        <source>请输入影片自编码!</source>
        <translation>Please enter the code.</translation>
    </message>
    <message>
        <source>请输入影片名称!</source>
        <translation>Please enter the title.</translation>
    </message>
    <message>
        <source>请选择影片版本!</source>
        <translation>Please choose the version.</translation>
    </message>
    <message>
        <source>请选择供应商!</source>
        <translation>Please choose the supplier.</translation>
    </message>
    <message>
        <source>请输入影片价格!</source>
        <translation>Please enter the price.</translation>
    </message>
    <message>
        <source>影片保存操作成功!</source>
        <translation>The title was saved.</translation>
    </message>
    <message>
        <source>影片保存操作失败!</source>
        <translation>Saving the title failed.</translation>
    </message>
</context>
<context>
    <name>TRepertoryDetailFM</name>
    <message>
        <source>库存影片编辑（按ESC键关闭窗口）</source>
        <translation>Stock Entry (Esc to close)</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>保存/新添</source>
        <translation>Save/New</translation>
    </message>
    <message>
        <source>打印标签</source>
        <translation>Print labels</translation>
    </message>
    <message>
        <source>保存/退出</source>
        <translation>Save/Close</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>进货日期</source>
        <translation>Bought on</translation>
    </message>
    <message>
        <source>自编码</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>价格</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Qty</translation>
    </message>
    <message>
        <source>共 0 部</source>
        <translation>Titles: 0</translation>
    </message>
    <message>
        <source>供 应 商</source>
        <translation>Supplier</translation>
    </message>
    <message>
        <source>自 编 码</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>影片名称</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>导    演</source>
        <translation>Director</translation>
    </message>
    <message>
        <source>主要演员</source>
        <translation>Starring</translation>
    </message>
    <message>
        <source>语言类型</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>影片类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>版本说明</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>张数/每套</source>
        <translation>Discs/set</translation>
    </message>
    <message>
        <source>数    量</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>总 价 格</source>
        <translation>Total price</translation>
    </message>
    <message>
        <source>存放地址</source>
        <translation>Shelf</translation>
    </message>
    <message>
        <source>影碟信息输入</source>
        <translation>Enter titles</translation>
    </message>
    <message>
        <source>请输入自编码!</source>
        <translation>Please enter the code.</translation>
    </message>
    <message>
        <source>请输入影片名称!</source>
        <translation>Please enter the title.</translation>
    </message>
    <message>
        <source>请输入影片价格!</source>
        <translation>Please enter the price.</translation>
    </message>
    <message>
        <source>请选择供应商!</source>
        <translation>Please choose the supplier.</translation>
    </message>
    <message>
        <source>影片保存失败，未写入任何记录!</source>
        <translation>Saving the titles failed; nothing was written.</translation>
    </message>
</context>
<context>
    <name>TRepertoryFm</name>
    <message>
        <source>影片库存</source>
        <translation>Stock</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>注销</source>
        <translation>Write off</translation>
    </message>
    <message>
        <source>标签</source>
        <translation>Labels</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>请输入查询的影片名称</source>
        <translation>Type a title to find</translation>
    </message>
    <message>
        <source>编码</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>版本</source>
        <translation>Ver.</translation>
    </message>
    <message>
        <source>导演</source>
        <translation>Director</translation>
    </message>
    <message>
        <source>主演</source>
        <translation>Starring</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Qty</translation>
    </message>
    <message>
        <source>价格</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>部数</source>
        <translation>Copies</translation>
    </message>
    <message>
        <source>进货日期</source>
        <translation>Bought on</translation>
    </message>
    <message>
        <source>供货商</source>
        <translation>Supplier</translation>
    </message>
    <message>
        <source>存放地址</source>
        <translation>Shelf</translation>
    </message>
    <message>
        <source>共 0 部</source>
        <translation>Titles: 0</translation>
    </message>
    <message>
        <source>共0.00 元</source>
        <translation>Total 0.00</translation>
    </message>
    <message>
        <source>查找影片</source>
        <translation>Find title</translation>
    </message>
    <message>
        <source>库存影碟管理,进行影碟的录入、修改和遗失处理</source>
        <translation>Stock: enter, edit and write off titles</translation>
    </message>
    <message>
        <source>确定要删除影片【%1】记录吗?</source>
        <translation>Delete the title &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>该影片已不在库存中!</source>
        <translation>This title is no longer in stock.</translation>
    </message>
    <message>
        <source>影片删除操作失败!</source>
        <translation>Deleting the title failed.</translation>
    </message>
    <message>
        <source>影片注销后将不能进行相关的操作，
并将删除该影片的未归还的出租记录！
确定要注销影片【%1】吗?</source>
        <translation>A title written off can no longer be used,
and its open rentals are deleted.
Write off &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>影片注销操作失败!</source>
        <translation>Writing off the title failed.</translation>
    </message>
</context>
<context>
    <name>TSelectPerFm</name>
    <message>
        <source>会员选择</source>
        <translation>Choose Member</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>选中</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>会员列表</source>
        <translation>Members</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>TSelectPicFm</name>
    <message>
        <source>选择影片</source>
        <translation>Choose Disc</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>影片类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>选中</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>影片列表</source>
        <translation>Discs</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Lang.</translation>
    </message>
    <message>
        <source>版本</source>
        <translation>Ver.</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>导演</source>
        <translation>Director</translation>
    </message>
    <message>
        <source>主演</source>
        <translation>Starring</translation>
    </message>
    <message>
        <source>存放地址</source>
        <translation>Shelf</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>State</translation>
    </message>
    <message>
        <source>所有类型</source>
        <translation>All types</translation>
    </message>
    <message>
        <source>已出租</source>
        <translation>Rented</translation>
    </message>
    <message>
        <source>已售出</source>
        <translation>Sold</translation>
    </message>
    <message>
        <source>已删除</source>
        <translation>Deleted</translation>
    </message>
    <message>
        <source>已报废</source>
        <translation>Written off</translation>
    </message>
    <message>
        <source>在库</source>
        <translation>In stock</translation>
    </message>
</context>
<context>
    <name>TSellFm</name>
    <message>
        <source>影碟销售(按ESC键退出)</source>
        <translation>Sell Discs (Esc to close)</translation>
    </message>
    <message>
        <source>选择影片</source>
        <translation>Choose Disc</translation>
    </message>
    <message>
        <source>选择影片 (F2)</source>
        <translation>Choose disc (F2)</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>完成(F12)</source>
        <translation>Done (F12)</translation>
    </message>
    <message>
        <source>销售信息</source>
        <translation>Sale</translation>
    </message>
    <message>
        <source>影片编码</source>
        <translation>Disc code</translation>
    </message>
    <message>
        <source>销售价格</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>元</source>
        <translation>yuan</translation>
    </message>
    <message>
        <source>销售数量</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>套</source>
        <translation>pcs</translation>
    </message>
    <message>
        <source>影片信息</source>
        <translation>Disc</translation>
    </message>
    <message>
        <source>名称:</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>类型:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>版本:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>语言:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>导演:</source>
        <translation>Director:</translation>
    </message>
    <message>
        <source>主演:</source>
        <translation>Starring:</translation>
    </message>
    <message>
        <source>总金额</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Lang.</translation>
    </message>
    <message>
        <source>版本</source>
        <translation>Ver.</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>导演</source>
        <translation>Director</translation>
    </message>
    <message>
        <source>主演</source>
        <translation>Starring</translation>
    </message>
    <message>
        <source>存放地址</source>
        <translation>Shelf</translation>
    </message>
    <message>
        <source>单价</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Qty</translation>
    </message>
    <message>
        <source>金额</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>录入影碟销售情况</source>
        <translation>Enter the discs sold</translation>
    </message>
    <message>
        <source>影片影片编码不存在或没有出租记录,请检查!</source>
        <translation>The disc code does not exist or the disc is not rented out. Please check it.</translation>
    </message>
    <message>
        <source>请输入影片的编码！</source>
        <translation>Please enter the disc code.</translation>
    </message>
    <message>
        <source>请输入影片的价格！</source>
        <translation>Please enter the price.</translation>
    </message>
    <message>
        <source>请输入影片的数量！</source>
        <translation>Please enter the quantity.</translation>
    </message>
    <message>
        <source>影片的价格输入有错误，请检查！</source>
        <translation>The price is not valid. Please check it.</translation>
    </message>
    <message>
        <source>影片的数量输入有错误，请检查！</source>
        <translation>The quantity is not valid. Please check it.</translation>
    </message>
    <message>
        <source>总金额超出范围，请检查影片的价格和数量！</source>
        <translation>The total is too large. Please check the price and quantity.</translation>
    </message>
    <message>
        <source>出租列表不能为空!</source>
        <translation>The list is empty.</translation>
    </message>
    <message>
        <source>影片【%1】（编码 %2）已出租或已售出，不能销售，请从列表中删除!</source>
        <translation>The disc &quot;%1&quot; (code %2) is rented out or sold and cannot be sold. Please delete it from the list.</translation>
    </message>
    <message>
        <source>数据保存错误!</source>
        <translation>Saving failed.</translation>
    </message>
    <message>
        <source>单据数据读取失败：</source>
        <translation>Reading the receipt failed:</translation>
    </message>
</context>
<context>
    <name>TSellMainFm</name>
    <message>
        <source>影碟销售列表</source>
        <translation>Sales</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>添加业务信息</source>
        <translation>New transaction</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>修改业务信息</source>
        <translation>Edit the sale</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>删除业务记录</source>
        <translation>Delete the sale</translation>
    </message>
    <message>
        <source>在这儿输入影片的名称</source>
        <translation>Type a title here</translation>
    </message>
    <message>
        <source>销售日期</source>
        <translation>Sold on</translation>
    </message>
    <message>
        <source>影片名称</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Lang.</translation>
    </message>
    <message>
        <source>版本</source>
        <translation>Ver.</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Qty</translation>
    </message>
    <message>
        <source>单价</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>金额</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>共0部</source>
        <translation>Discs: 0</translation>
    </message>
    <message>
        <source> 共0.00元</source>
        <translation> Total 0.00</translation>
    </message>
    <message>
        <source>查找影片</source>
        <translation>Find title</translation>
    </message>
    <message>
        <source>影碟销售列表,列出影片销售信息.</source>
        <translation>Discs sold.</translation>
    </message>
    <message>
        <source>确认要删除销售记录吗？</source>
        <translation>Delete this sale?</translation>
    </message>
    <message>
        <source>销售记录删除失败!</source>
        <translation>Deleting the sale failed.</translation>
    </message>
</context>
<context>
    <name>TServerAccountFm</name>
    <message>
        <source>服务器帐户</source>
        <translation>Server account</translation>
    </message>
</context>
<context>
    <name>TServerPasswordFm</name>
    <message>
        <source>服务器口令</source>
        <translation>Server Password</translation>
    </message>
    <message>
        <source>数据库服务器要求帐户 %1 的口令：</source>
        <translation>The database server asks for the password of the account %1:</translation>
    </message>
    <message>
        <source>服务器没有接受这个口令，请重新输入：</source>
        <translation>The server did not accept this password; please type it again:</translation>
    </message>
    <message>
        <source>口令只在本次运行中记住，不保存。</source>
        <translation>The password is remembered only while the program runs; it is never stored.</translation>
    </message>
    <message>
        <source>请输入口令！</source>
        <translation>Please type the password!</translation>
    </message>
</context>
<context>
    <name>TSetupFm</name>
    <message>
        <source>收支类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>供应商</source>
        <translation>Suppliers</translation>
    </message>
    <message>
        <source>系统设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>系统参数各种基础设置</source>
        <translation>The shop&apos;s basic settings</translation>
    </message>
    <message>
        <source>会  员</source>
        <translation>Members</translation>
    </message>
    <message>
        <source>出  租</source>
        <translation>Rental</translation>
    </message>
    <message>
        <source>费  用</source>
        <translation>Fees</translation>
    </message>
    <message>
        <source>人  员</source>
        <translation>Staff</translation>
    </message>
    <message>
        <source>单位信息</source>
        <translation>Shop</translation>
    </message>
</context>
</TS>
