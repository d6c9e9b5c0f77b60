<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>Csv</name>
    <message>
        <source>无法写入文件 %1：%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataGrid</name>
    <message>
        <source>导出 CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取列表失败：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导出</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已导出 %1 行到
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导出失败：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消按此列分组</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>按此列分组</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全部展开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全部折叠</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GridGroupPanel</name>
    <message>
        <source>把列拖到这儿，按列进行分组</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>按列分组: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消分组</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>清除全部分组</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>语言</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>语言设置将在下次启动程序时生效。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Msg</name>
    <message>
        <source>系统提示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportDocument</name>
    <message>
        <source>报表没有页面</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法创建文件夹：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法写入文件：%1（%2）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法写入文件：%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportPreview</name>
    <message>
        <source>报表页面</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>首页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上一页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下一页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>末页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第 0000 页 / 共 0000 页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>页宽</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>按页宽显示，滚动查看整页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导出PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第 %1 页 / 共 %2 页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导出PDF失败：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已导出 PDF 文件：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportPrinter</name>
    <message>
        <source>打印失败：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>报表没有页面</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已存为 PDF 文件：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有安装打印机，已存为 PDF 文件：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印机 %1 不可用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法打开打印机 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印机 %1 没有接受第 %2 页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印机 %1 出错</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已发送到打印机 %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
