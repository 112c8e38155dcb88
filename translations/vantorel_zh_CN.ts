<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body style=&quot;font-family:&apos;宋体&apos;; font-size:9pt;&quot;&gt;&lt;p&gt;&lt;img src=&quot;:/new/prefix1/res/logo.png&quot;/&gt;&lt;/p&gt;&lt;p&gt;&lt;/p&gt;&lt;p&gt;版    本：5.0 (5.0.4.33)&lt;/p&gt;&lt;p&gt;出 品 人：Vantorel 开发组&lt;br/&gt;地    址：道路放样设计工作室&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body style=&quot;font-family:&apos;宋体&apos;; font-size:9pt;&quot;&gt;&lt;p&gt;&lt;img src=&quot;:/new/prefix1/res/logo.png&quot;/&gt;&lt;/p&gt;&lt;p&gt;&lt;/p&gt;&lt;p&gt;版    本：5.0 (5.0.4.33)&lt;/p&gt;&lt;p&gt;出 品 人：Vantorel 开发组&lt;br/&gt;地    址：道路放样设计工作室&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>ArcCalcDlg</name>
    <message>
        <source>Dialog</source>
        <translation>三点定圆</translation>
    </message>
    <message>
        <source>ReFill</source>
        <translation>重新填写</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Center of Circle</source>
        <translation>圆心</translation>
    </message>
    <message>
        <source>Azimuthes</source>
        <translation>方位角</translation>
    </message>
    <message>
        <source>X(N)</source>
        <translation>X(北)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>起点</translation>
    </message>
    <message>
        <source>Y(E)</source>
        <translation>Y(东)</translation>
    </message>
    <message>
        <source>End</source>
        <translation>终点</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Len</source>
        <translation>弧长</translation>
    </message>
    <message>
        <source>Insert to Current Road</source>
        <translation>插入当前道路</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Start Point</source>
        <translation>起点</translation>
    </message>
    <message>
        <source>Middle Point</source>
        <translation>中间点</translation>
    </message>
    <message>
        <source>End Point</source>
        <translation>终点</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>the three points are on a line!</source>
        <translation>三点共线！</translation>
    </message>
</context>
<context>
    <name>CalDialog</name>
    <message>
        <source>Calculate</source>
        <translation>坐标计算</translation>
    </message>
    <message>
        <source>Mile &amp;&amp; Offset</source>
        <translation>里程和偏距</translation>
    </message>
    <message>
        <source>Mile</source>
        <translation>里程</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>偏距</translation>
    </message>
    <message>
        <source>Coordinate</source>
        <translation>坐标</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>data input error!</source>
        <translation>输入数据有误！</translation>
    </message>
    <message>
        <source>there is no road to calculate on!</source>
        <translation>没有可计算的道路！</translation>
    </message>
    <message>
        <source>station %1 is not on the road, which runs from %2 to %3!</source>
        <translation>桩号 %1 不在道路上，道路从 %2 到 %3！</translation>
    </message>
</context>
<context>
    <name>DrawingPage</name>
    <message>
        <source>Profile</source>
        <translation>纵断面图</translation>
    </message>
    <message>
        <source>Cross-section</source>
        <translation>横断面图</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>平面图</translation>
    </message>
    <message>
        <source>H %1  V %2</source>
        <translation>水平 %1  竖向 %2</translation>
    </message>
    <message>
        <source>Drawing</source>
        <translation>图名</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>比例</translation>
    </message>
</context>
<context>
    <name>ElementMarks</name>
    <message>
        <source>QD</source>
        <translation>QD</translation>
    </message>
    <message>
        <source>ZD</source>
        <translation>ZD</translation>
    </message>
    <message>
        <source>ZH</source>
        <translation>ZH</translation>
    </message>
    <message>
        <source>HY</source>
        <translation>HY</translation>
    </message>
    <message>
        <source>YH</source>
        <translation>YH</translation>
    </message>
    <message>
        <source>HZ</source>
        <translation>HZ</translation>
    </message>
    <message>
        <source>ZY</source>
        <translation>ZY</translation>
    </message>
    <message>
        <source>YZ</source>
        <translation>YZ</translation>
    </message>
    <message>
        <source>GQ</source>
        <translation>GQ</translation>
    </message>
    <message>
        <source>JD%1</source>
        <translation>JD%1</translation>
    </message>
</context>
<context>
    <name>ExaggerationMenu</name>
    <message>
        <source>Vertical Exaggeration</source>
        <translation>竖向放大</translation>
    </message>
    <message>
        <source>%1×</source>
        <translation>%1×</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export</source>
        <translation>导出放样点</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>起点</translation>
    </message>
    <message>
        <source>End</source>
        <translation>终点</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>间距</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>偏距</translation>
    </message>
    <message>
        <source>One offset, or several separated by commas such as -7.5, 0, 7.5; negative to the left</source>
        <translation>一个偏距，或用逗号分隔的多个偏距，如 -7.5, 0, 7.5；负值在左侧</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路径</translation>
    </message>
    <message>
        <source>Integer Miles</source>
        <translation>整桩号</translation>
    </message>
    <message>
        <source>Export Prime Points</source>
        <translation>导出主点</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>First Number</source>
        <translation>起始点号</translation>
    </message>
    <message>
        <source>Station CSV</source>
        <translation>桩号 CSV</translation>
    </message>
    <message>
        <source>PNEZD CSV</source>
        <translation>PNEZD CSV</translation>
    </message>
    <message>
        <source>CASS DAT</source>
        <translation>CASS DAT</translation>
    </message>
    <message>
        <source>Vantorel</source>
        <translation>Vantorel</translation>
    </message>
    <message>
        <source>the offset &quot;%1&quot; is not a number!</source>
        <translation>偏距“%1”不是数字！</translation>
    </message>
    <message>
        <source>the interval is too small!</source>
        <translation>间距太小！</translation>
    </message>
    <message>
        <source>the road gives no sound stakes from Start on; nothing was written!</source>
        <translation>从起点起道路没有有效的桩点；未写入任何内容！</translation>
    </message>
    <message>
        <source>unable to open dested file!</source>
        <translation>无法打开目标文件！</translation>
    </message>
    <message>
        <source>export successfully!</source>
        <translation>导出成功！</translation>
    </message>
    <message>
        <source>points written: %1</source>
        <translation>已写入点数：%1</translation>
    </message>
    <message>
        <source>Save Stake Points</source>
        <translation>保存放样点</translation>
    </message>
</context>
<context>
    <name>GradePointLabels</name>
    <message>
        <source>H %1</source>
        <translation>H %1</translation>
    </message>
    <message>
        <source>i1 %1</source>
        <translation>i1 %1</translation>
    </message>
    <message>
        <source>i2 %1</source>
        <translation>i2 %1</translation>
    </message>
    <message>
        <source>R %1  T %2</source>
        <translation>R %1  T %2</translation>
    </message>
</context>
<context>
    <name>HorizonDialog</name>
    <message>
        <source>Horizon</source>
        <translation>平曲线</translation>
    </message>
    <message>
        <source>PI</source>
        <translation>交点</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>线元</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Curve  Length</source>
        <translation>曲线长</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>半径</translation>
    </message>
    <message>
        <source>Arc Len</source>
        <translation>圆曲线长</translation>
    </message>
    <message>
        <source>Spiral Len(in)</source>
        <translation>缓和曲线长(入)</translation>
    </message>
    <message>
        <source>Spiral Len(out)</source>
        <translation>缓和曲线长(出)</translation>
    </message>
    <message>
        <source>Tangent Len(in)</source>
        <translation>切线长(入)</translation>
    </message>
    <message>
        <source>Tangent Len(out)</source>
        <translation>切线长(出)</translation>
    </message>
    <message>
        <source>Deflection</source>
        <translation>转角</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>插入</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Attention: Value 0 of Radius column means the radius is infinite,
and the default value of which is 0 (infinite) if you leave it empty.</source>
        <translation>注意：半径列中的 0 表示半径无穷大，
留空时默认为 0（无穷大）。</translation>
    </message>
    <message>
        <source>Curv</source>
        <translation>圆曲线</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>圆心角</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>弧长</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Arc</source>
        <translation>圆曲线</translation>
    </message>
    <message>
        <source>Sprial|Spiral</source>
        <translation>缓和曲线|缓和曲线</translation>
    </message>
    <message>
        <source>Spiral|Arc|Spiral</source>
        <translation>缓和曲线|圆曲线|缓和曲线</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>L</source>
        <translation>里程</translation>
    </message>
    <message>
        <source>T1</source>
        <translation>T1</translation>
    </message>
    <message>
        <source>T2</source>
        <translation>T2</translation>
    </message>
    <message>
        <source>Arc From 3 points</source>
        <translation>三点定圆</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>cannot translate to point intersection method!</source>
        <translation>无法转换为交点法！</translation>
    </message>
    <message>
        <source>No valid element in Road!</source>
        <translation>道路中没有有效的线元！</translation>
    </message>
    <message>
        <source>Radius of arc should not be ZERO!</source>
        <translation>圆曲线半径不能为零！</translation>
    </message>
    <message>
        <source>spiral radius without change!</source>
        <translation>缓和曲线两端半径相同！</translation>
    </message>
    <message>
        <source>spiral anti direction!</source>
        <translation>缓和曲线方向相反！</translation>
    </message>
    <message>
        <source>Invalide defination of road!</source>
        <translation>道路定义无效！</translation>
    </message>
    <message>
        <source>Cross Files (*.cross)</source>
        <translation>交点文件 (*.cross)</translation>
    </message>
    <message>
        <source>Cross File (*.cross)</source>
        <translation>交点文件 (*.cross)</translation>
    </message>
    <message>
        <source>road is wrong defined!</source>
        <translation>道路定义有误！</translation>
    </message>
    <message>
        <source>the %1 intersection point is wrong defined!</source>
        <translation>第 %1 个交点定义有误！</translation>
    </message>
    <message>
        <source>No Importer</source>
        <translation>没有导入器</translation>
    </message>
    <message>
        <source>No Importer Found!</source>
        <translation>未找到导入器！</translation>
    </message>
    <message>
        <source>Load Cross</source>
        <translation>读取交点</translation>
    </message>
    <message>
        <source>load cross file failed</source>
        <translation>读取交点文件失败</translation>
    </message>
    <message>
        <source>Save Cross</source>
        <translation>保存交点</translation>
    </message>
    <message>
        <source>save cross file failed</source>
        <translation>保存交点文件失败</translation>
    </message>
    <message>
        <source>Apply elements</source>
        <translation>应用线元</translation>
    </message>
    <message>
        <source>Apply intersection points</source>
        <translation>应用交点</translation>
    </message>
    <message>
        <source>Load intersection points</source>
        <translation>读取交点</translation>
    </message>
</context>
<context>
    <name>LandXmlExport</name>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>There is no alignment to export.</source>
        <translation>没有可导出的路线。</translation>
    </message>
    <message>
        <source>Export LandXML</source>
        <translation>导出 LandXML</translation>
    </message>
    <message>
        <source>LandXML (*.xml)</source>
        <translation>LandXML 文件 (*.xml)</translation>
    </message>
    <message>
        <source>info</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>The road was exported to %1.</source>
        <translation>道路已导出到 %1。</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>导出失败</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Road Files (*.rod)</source>
        <translation>道路文件 (*.rod)</translation>
    </message>
    <message>
        <source>Export LandXML...</source>
        <translation>导出 LandXML...</translation>
    </message>
    <message>
        <source>info</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>The road has been modified.
Do you want to save your changes?</source>
        <translation>道路已修改。
是否保存修改？</translation>
    </message>
    <message>
        <source>Current file was created by an older software version, please
press &apos;Save As&apos; to choose a new file name or &apos;Save&apos; to overwrite
the origenal file</source>
        <translation>当前文件由旧版本软件创建，
请按“另存为”选择新文件名，或按“保存”覆盖
原文件</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>save road successfully</source>
        <translation>道路保存成功</translation>
    </message>
    <message>
        <source>Save Road</source>
        <translation>保存道路</translation>
    </message>
    <message>
        <source>save road failed</source>
        <translation>道路保存失败</translation>
    </message>
    <message>
        <source>Open Road</source>
        <translation>打开道路</translation>
    </message>
    <message>
        <source>information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Open road failed.</source>
        <translation>打开道路失败。</translation>
    </message>
    <message>
        <source>You&apos;re opening a newer road file with a software of
an older version
If you insist to continue, some advantages included
in the file may be lost and some calculating errors
may ocurre.
Press &apos;Yes&apos; to continue or &apos;No&apos; to cancel
</source>
        <translation>您正在用旧版本软件打开
新版本的道路文件。
如果继续，文件中的部分内容
可能丢失，并可能出现
计算错误。
按“是”继续，按“否”取消
</translation>
    </message>
    <message>
        <source>You&apos;re opening an older road file.
If you save this file later, this software may append
some new properties into the file, which may be not
supported by software of older version
Press &apos;Yes&apos; to continue or &apos;No&apos; to cancel
</source>
        <translation>您正在打开旧版本的道路文件。
以后保存该文件时，本软件可能在文件中
添加一些新属性，旧版本软件
可能不支持这些属性。
按“是”继续，按“否”取消
</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Open road successfully.</source>
        <translation>道路打开成功。</translation>
    </message>
    <message>
        <source>No Importer</source>
        <translation>没有导入器</translation>
    </message>
    <message>
        <source>No Importer Found!</source>
        <translation>未找到导入器！</translation>
    </message>
    <message>
        <source>Road Has Data</source>
        <translation>道路已有数据</translation>
    </message>
    <message>
        <source>Current road already has data, continue to replace current?</source>
        <translation>当前道路已有数据，是否继续并替换？</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>所有文件</translation>
    </message>
    <message>
        <source>Import Road Failed</source>
        <translation>导入道路失败</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>导入失败</translation>
    </message>
    <message>
        <source>there is no templates to create section!</source>
        <translation>没有可用于创建横断面的模板！</translation>
    </message>
    <message>
        <source>Check Surveyed Points…</source>
        <translation>检查实测点…</translation>
    </message>
    <message>
        <source>Import CASS data</source>
        <translation>导入 CASS 数据</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>导入 %1</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>导出 PDF(&amp;D)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Recent Files</source>
        <translation>最近的文件(&amp;R)</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>最近的文件</translation>
    </message>
    <message>
        <source>%1 is no longer there; it was taken off the list.</source>
        <translation>%1 已不存在，已从列表中移除。</translation>
    </message>
</context>
<context>
    <name>MainWindowClass</name>
    <message>
        <source>toolBar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Horizon</source>
        <translation>平曲线</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>纵断面</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>横断面</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>横断面模板</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>ZoomIn</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>ZoomOut</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>平移</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>全图显示</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>HorizonView</source>
        <translation>平面图</translation>
    </message>
    <message>
        <source>VerticalView</source>
        <translation>纵断面图</translation>
    </message>
    <message>
        <source>SectionView</source>
        <translation>横断面图</translation>
    </message>
    <message>
        <source>Cal</source>
        <translation>坐标计算</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>放样点导出</translation>
    </message>
    <message>
        <source>enum Pt</source>
        <translation>逐桩查询</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Road</source>
        <translation>道路(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Tool</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save&amp;As</source>
        <translation>另存为(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
</context>
<context>
    <name>MapSymbols</name>
    <message>
        <source>%1 km</source>
        <translation>%1 km</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>N</source>
        <translation>北</translation>
    </message>
</context>
<context>
    <name>MyGraphicsView</name>
    <message>
        <source>&lt;table width=&quot;300&quot; bgcolor=&quot;#ffff80&quot; border=&quot;1&quot; cellspacing=&quot;0&quot; style=&quot;font-family:Arial,Helvetica,sans-serif&quot;&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#c0c0c0&quot;&gt;Attribute&lt;/td&gt;&lt;td bgcolor=&quot;#c0c0c0&quot;&gt;Value&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;Type&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%1&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;Azimuth&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%2&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;Radius&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%3&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;Length&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%4      &lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;Offset&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%5&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Start&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&lt;sub&gt;&lt;/sub&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;X&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%6&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;Y&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%7&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;L&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%8&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;End&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;X&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;Y&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%10&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;L&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%11&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;table width=&quot;300&quot; bgcolor=&quot;#ffff80&quot; border=&quot;1&quot; cellspacing=&quot;0&quot; style=&quot;font-family:Arial,Helvetica,sans-serif&quot;&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#c0c0c0&quot;&gt;属性&lt;/td&gt;&lt;td bgcolor=&quot;#c0c0c0&quot;&gt;值&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;类型&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%1&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;方位角&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%2&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;半径&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%3&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;长度&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%4      &lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;偏距&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%5&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;起点&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&lt;sub&gt;&lt;/sub&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;X&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%6&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;Y&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%7&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;里程&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%8&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;终点&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;X&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;Y&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%10&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;里程&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%11&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>N %1  E %2</source>
        <translation>X %1  Y %2</translation>
    </message>
    <message>
        <source>N %1</source>
        <translation>X %1</translation>
    </message>
    <message>
        <source>E %1</source>
        <translation>Y %1</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>起点</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>直线</translation>
    </message>
    <message>
        <source>Arc</source>
        <translation>圆曲线</translation>
    </message>
    <message>
        <source>Spiral</source>
        <translation>缓和曲线</translation>
    </message>
</context>
<context>
    <name>MyItemModel</name>
    <message>
        <source>Element</source>
        <translation>线元</translation>
    </message>
    <message>
        <source>North</source>
        <translation>X(北)</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Y(东)</translation>
    </message>
    <message>
        <source>St. Azi</source>
        <translation>起始方位角</translation>
    </message>
    <message>
        <source>St. R</source>
        <translation>起点半径</translation>
    </message>
    <message>
        <source>Ed. R</source>
        <translation>终点半径</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>长度</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>偏距</translation>
    </message>
    <message>
        <source>StakeNo</source>
        <translation>桩号</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>起点</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>直线</translation>
    </message>
    <message>
        <source>Arc</source>
        <translation>圆曲线</translation>
    </message>
    <message>
        <source>Spiral</source>
        <translation>缓和曲线</translation>
    </message>
    <message>
        <source>End</source>
        <translation>终点</translation>
    </message>
</context>
<context>
    <name>PageFrame</name>
    <message>
        <source>Road</source>
        <translation>道路</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>页码</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
    <message>
        <source>(not saved)</source>
        <translation>（未保存）</translation>
    </message>
</context>
<context>
    <name>PageRun</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Vantorel</source>
        <translation>Vantorel</translation>
    </message>
    <message>
        <source>The stake export&apos;s interval is too small; set it in Tool → Export.</source>
        <translation>放样点导出的间距太小；请在“工具 → 放样点导出”中设置。</translation>
    </message>
    <message>
        <source>The road gives no sound stakes from the export&apos;s Start on.</source>
        <translation>从放样点导出的起点起，道路没有有效的桩点。</translation>
    </message>
    <message>
        <source>%1 as drawn on screen</source>
        <translation>%1（与屏幕显示相同）</translation>
    </message>
    <message>
        <source>Stake-out table: %1</source>
        <translation>放样点表：%1</translation>
    </message>
    <message>
        <source>Tool → Export</source>
        <translation>工具 → 放样点导出</translation>
    </message>
    <message>
        <source>What to print:</source>
        <translation>打印内容：</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>打印失败</translation>
    </message>
    <message>
        <source>The pages could not be printed.</source>
        <translation>无法打印这些页面。</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>导出 PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>导出失败</translation>
    </message>
    <message>
        <source>Cannot write %1:
%2</source>
        <translation>无法写入 %1：
%2</translation>
    </message>
    <message>
        <source>info</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>The PDF was written to %1 (pages: %2).</source>
        <translation>PDF 已写入 %1（共 %2 页）。</translation>
    </message>
</context>
<context>
    <name>PtEnumDialog</name>
    <message>
        <source>Dialog</source>
        <translation>逐桩查询</translation>
    </message>
    <message>
        <source>Stake Interval</source>
        <translation>桩距</translation>
    </message>
    <message>
        <source>Start Mile</source>
        <translation>起始里程</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>—</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>L</source>
        <translation>里程</translation>
    </message>
    <message>
        <source>KeyPoint?</source>
        <translation>桩点类型</translation>
    </message>
    <message>
        <source>NKP</source>
        <translation>—</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>上一桩</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一桩</translation>
    </message>
    <message>
        <source>NORM</source>
        <translation>整桩</translation>
    </message>
    <message>
        <source>HEAD</source>
        <translation>起点</translation>
    </message>
    <message>
        <source>TAIL</source>
        <translation>终点</translation>
    </message>
    <message>
        <source>MAIN</source>
        <translation>主点</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>there is no horizontal alignment to walk!</source>
        <translation>没有可逐桩查询的平曲线！</translation>
    </message>
    <message>
        <source>End</source>
        <translation>终点</translation>
    </message>
    <message>
        <source>Reach the End</source>
        <translation>已到终点</translation>
    </message>
    <message>
        <source>Head</source>
        <translation>起点</translation>
    </message>
    <message>
        <source>Reach the Head</source>
        <translation>已到起点</translation>
    </message>
</context>
<context>
    <name>RoadSectionDialog</name>
    <message>
        <source>Section</source>
        <translation>横断面</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>输入</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>起点里程</translation>
    </message>
    <message>
        <source>End</source>
        <translation>终点里程</translation>
    </message>
    <message>
        <source>Left Template</source>
        <translation>左侧模板</translation>
    </message>
    <message>
        <source>Right Template</source>
        <translation>右侧模板</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>start</source>
        <translation>起点</translation>
    </message>
    <message>
        <source>end</source>
        <translation>终点</translation>
    </message>
    <message>
        <source>left</source>
        <translation>左侧</translation>
    </message>
    <message>
        <source>right</source>
        <translation>右侧</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>please select a row to delete!</source>
        <translation>请选择要删除的行！</translation>
    </message>
    <message>
        <source>the %1 item cannot be added!</source>
        <translation>第 %1 项无法添加！</translation>
    </message>
    <message>
        <source>Apply sections</source>
        <translation>应用横断面</translation>
    </message>
</context>
<context>
    <name>SectionDialog</name>
    <message>
        <source>Templates</source>
        <translation>横断面模板</translation>
    </message>
    <message>
        <source>Horizon Dist</source>
        <translation>水平距离</translation>
    </message>
    <message>
        <source>Deta Height</source>
        <translation>高差</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>New Template</source>
        <translation>新建模板</translation>
    </message>
    <message>
        <source>Delete Template</source>
        <translation>删除模板</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>the template name cannot contain blanks, tabs, line breaks, &quot;&lt;&quot;, &quot;&gt;&quot; or &quot;/&quot;!</source>
        <translation>模板名称不能包含空格、制表符、换行符、“&lt;”、“&gt;”或“/”！</translation>
    </message>
    <message>
        <source>the template name is too long!</source>
        <translation>模板名称太长！</translation>
    </message>
    <message>
        <source>input</source>
        <translation>输入</translation>
    </message>
    <message>
        <source>please input the name of the created template!</source>
        <translation>请输入新建模板的名称！</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>the template name is used!</source>
        <translation>该模板名称已被使用！</translation>
    </message>
    <message>
        <source>please select a template to delete!</source>
        <translation>请选择要删除的模板！</translation>
    </message>
    <message>
        <source>Apply templates</source>
        <translation>应用模板</translation>
    </message>
</context>
<context>
    <name>SectionLabels</name>
    <message>
        <source>Left: %1</source>
        <translation>左侧：%1</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>右侧：%1</translation>
    </message>
    <message>
        <source>CL</source>
        <translation>中线</translation>
    </message>
</context>
<context>
    <name>SectionView</name>
    <message>
        <source>&lt;table width=&quot;300&quot; bgcolor=&quot;#ffff80&quot; border=&quot;1&quot; cellspacing=&quot;0&quot; style=&quot;font-family:Arial,Helvetica,sans-serif&quot;&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#c0c0c0&quot;&gt;Attribute&lt;/td&gt;&lt;td bgcolor=&quot;#c0c0c0&quot;&gt;Value&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;Slope&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%1&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Start&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;dist&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%2&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;dh&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%3&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;End&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;dist&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%4&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;dh&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%5&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;table width=&quot;300&quot; bgcolor=&quot;#ffff80&quot; border=&quot;1&quot; cellspacing=&quot;0&quot; style=&quot;font-family:Arial,Helvetica,sans-serif&quot;&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#c0c0c0&quot;&gt;属性&lt;/td&gt;&lt;td bgcolor=&quot;#c0c0c0&quot;&gt;值&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;坡度&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%1&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;起点&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;平距&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%2&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;高差&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%3&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;终点&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;平距&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%4&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;高差&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%5&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 至 %2</translation>
    </message>
    <message>
        <source>Offset %1  dH %2</source>
        <translation>偏距 %1  高差 %2</translation>
    </message>
</context>
<context>
    <name>StakeExportRun</name>
    <message>
        <source>%1 back to the road start</source>
        <translation>%1 向回至道路起点</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 至 %2</translation>
    </message>
    <message>
        <source>%1 every %2 m, offsets %3</source>
        <translation>%1，间距 %2 m，偏距 %3</translation>
    </message>
</context>
<context>
    <name>StakeTable</name>
    <message>
        <source>No.</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>点名</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>桩号</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>偏距</translation>
    </message>
    <message>
        <source>N</source>
        <translation>X(北)</translation>
    </message>
    <message>
        <source>E</source>
        <translation>Y(东)</translation>
    </message>
    <message>
        <source>H</source>
        <translation>高程</translation>
    </message>
</context>
<context>
    <name>StakeTablePages</name>
    <message>
        <source>Stake points</source>
        <translation>放样点</translation>
    </message>
    <message>
        <source>The run gives no stake points.</source>
        <translation>此次导出没有放样点。</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>表名</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>范围</translation>
    </message>
</context>
<context>
    <name>SurveyCheckDialog</name>
    <message>
        <source>Check Surveyed Points</source>
        <translation>检查实测点</translation>
    </message>
    <message>
        <source>Survey File</source>
        <translation>实测点文件</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>限差</translation>
    </message>
    <message>
        <source> m</source>
        <translation> m</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>检查</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>On the plan: white within the tolerance, red cut and amber fill beyond it, grey beyond the road&apos;s ends.</source>
        <translation>平面图上：白色为限差以内，超出限差时红色为挖、琥珀色为填，灰色为超出道路起终点。</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>导出 CSV...</translation>
    </message>
    <message>
        <source>Detect from the content</source>
        <translation>根据内容识别</translation>
    </message>
    <message>
        <source>PNEZD CSV</source>
        <translation>PNEZD CSV</translation>
    </message>
    <message>
        <source>CASS DAT</source>
        <translation>CASS DAT</translation>
    </message>
    <message>
        <source>Survey Points (*.csv *.txt *.dat);;All Files (*)</source>
        <translation>实测点 (*.csv *.txt *.dat);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Vantorel</source>
        <translation>Vantorel</translation>
    </message>
    <message>
        <source>choose the file of surveyed points!</source>
        <translation>请选择实测点文件！</translation>
    </message>
    <message>
        <source>Stopped; the table shows the check before.</source>
        <translation>已停止；表中为上一次的检查结果。</translation>
    </message>
    <message>
        <source>cannot check &quot;%1&quot;: %2</source>
        <translation>无法检查“%1”：%2</translation>
    </message>
    <message>
        <source>%1 points: %2 beyond the tolerance of %3 m, %4 beyond the road&apos;s ends.</source>
        <translation>共 %1 个点：%2 个超出 %3 m 的限差，%4 个超出道路起终点。</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>导出 CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>CSV 文件 (*.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;; a file there is left as it was!</source>
        <translation>无法写入“%1”；该处已有的文件保持不变！</translation>
    </message>
    <message>
        <source>%1 points written to &quot;%2&quot;.</source>
        <translation>已将 %1 个点写入“%2”。</translation>
    </message>
</context>
<context>
    <name>SurveyCheckModel</name>
    <message>
        <source>cut</source>
        <translation>挖</translation>
    </message>
    <message>
        <source>fill</source>
        <translation>填</translation>
    </message>
    <message>
        <source>start</source>
        <translation>起点前</translation>
    </message>
    <message>
        <source>end</source>
        <translation>终点后</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>点名</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>桩号</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>偏距</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>实测高程</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>设计高程</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差值</translation>
    </message>
    <message>
        <source>Cut/Fill</source>
        <translation>挖/填</translation>
    </message>
    <message>
        <source>Beyond End</source>
        <translation>超出起终点</translation>
    </message>
</context>
<context>
    <name>SurveyCheckRun</name>
    <message>
        <source>the road has no alignment to check against</source>
        <translation>道路没有可用于检查的平曲线</translation>
    </message>
    <message>
        <source>Reading the survey...</source>
        <translation>正在读取实测点...</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>Checking %1 points...</source>
        <translation>正在检查 %1 个点...</translation>
    </message>
</context>
<context>
    <name>VerticalDialog</name>
    <message>
        <source>Vertical</source>
        <translation>纵断面</translation>
    </message>
    <message>
        <source>PI</source>
        <translation>变坡点</translation>
    </message>
    <message>
        <source>Mile</source>
        <translation>里程</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高程</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>竖曲线半径</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>插入</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>vertical curve is less than two!</source>
        <translation>变坡点少于两个！</translation>
    </message>
    <message>
        <source>mile is less than the prev!</source>
        <translation>里程小于前一个变坡点！</translation>
    </message>
    <message>
        <source>Apply profile</source>
        <translation>应用纵断面</translation>
    </message>
</context>
<context>
    <name>VerticalView</name>
    <message>
        <source>Station %1  H %2</source>
        <translation>桩号 %1  高程 %2</translation>
    </message>
    <message>
        <source>&lt;table width=&quot;300&quot; bgcolor=&quot;#ffff80&quot; border=&quot;1&quot; cellspacing=&quot;0&quot; style=&quot;font-family:Arial,Helvetica,sans-serif&quot;&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#c0c0c0&quot;&gt;Attribute&lt;/td&gt;&lt;td bgcolor=&quot;#c0c0c0&quot;&gt;Value&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;Mile&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%1&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;Height&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%2&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;Grade in&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%3&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;Grade out&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%4&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;Radius&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%5&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;Tangent&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%6&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;table width=&quot;300&quot; bgcolor=&quot;#ffff80&quot; border=&quot;1&quot; cellspacing=&quot;0&quot; style=&quot;font-family:Arial,Helvetica,sans-serif&quot;&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#c0c0c0&quot;&gt;属性&lt;/td&gt;&lt;td bgcolor=&quot;#c0c0c0&quot;&gt;值&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;里程&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%1&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;高程&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%2&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;前坡&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%3&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;后坡&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%4&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;半径&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%5&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td bgcolor=&quot;#808080&quot;&gt;切线长&lt;/td&gt;&lt;td bgcolor=&quot;#ffffff&quot;&gt;%6&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
</context>
<context>
    <name>curvedesigntext</name>
    <message>
        <source>It lies on a straight line with its neighbours: its legs do not turn, so its curve has nowhere to go.</source>
        <translation>它与相邻交点位于同一直线上：两边不转向，曲线无处可设。</translation>
    </message>
    <message>
        <source>R</source>
        <translation>右</translation>
    </message>
    <message>
        <source>L</source>
        <translation>左</translation>
    </message>
    <message>
        <source>The tangents of the %1 and the %2 intersection point overlap by %3 m: shorten their curves or move the points apart.</source>
        <translation>第 %1 个和第 %2 个交点的切线重叠 %3 m：请缩短曲线或拉开交点。</translation>
    </message>
    <message>
        <source>Its curve turns by %1 while its legs turn by %2: the curve ends %3 m off the outgoing straight.</source>
        <translation>其曲线转角为 %1，而两边转角为 %2：曲线终点偏离出口直线 %3 m。</translation>
    </message>
    <message>
        <source>Its curve cannot be built: arcs and spirals need a radius.</source>
        <translation>无法生成其曲线：圆曲线和缓和曲线需要半径。</translation>
    </message>
    <message>
        <source>Its curve cannot be built.</source>
        <translation>无法生成其曲线。</translation>
    </message>
    <message>
        <source>Its spirals of %1 m and %2 m turn further than its legs, which turn by %3: spirals of at most %4 m and %5 m leave room for an arc.</source>
        <translation>其 %1 m 和 %2 m 的缓和曲线转角超过两边的转角 %3：缓和曲线不超过 %4 m 和 %5 m 时才留有圆曲线的位置。</translation>
    </message>
</context>
<context>
    <name>landxml</name>
    <message>
        <source>The road has no alignment to export.</source>
        <translation>道路没有可导出的路线。</translation>
    </message>
    <message>
        <source>The road holds a value that is no number.</source>
        <translation>道路中有一个数值不是数字。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: %2</source>
        <translation>无法写入“%1”：%2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Codec GB18030 not found</source>
        <translation>未找到 GB18030 编码</translation>
    </message>
    <message>
        <source>Codec File qcncodecs4.dll not found</source>
        <translation>未找到编码文件 qcncodecs4.dll</translation>
    </message>
    <message>
        <source>Road stake-out design: alignment, profile, cross-sections and stake-out files.</source>
        <translation>道路放样设计：平曲线、纵断面、横断面和放样文件。</translation>
    </message>
    <message>
        <source>The road file to open.</source>
        <translation>要打开的道路文件。</translation>
    </message>
</context>
</TS>
