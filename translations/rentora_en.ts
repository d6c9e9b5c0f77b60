<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
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
    <name>TAboutFm</name>
    <message>
        <source>关于</source>
        <translation>About</translation>
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
</context>
</TS>
