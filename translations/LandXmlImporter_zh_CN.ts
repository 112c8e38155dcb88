<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>LandXmlImporter</name>
    <message>
        <source>LandXML</source>
        <translation>LandXML</translation>
    </message>
    <message>
        <source>LandXML 1.2 alignment importer</source>
        <translation>LandXML 1.2 路线导入器</translation>
    </message>
    <message>
        <source>LandXML (*.xml)</source>
        <translation>LandXML 文件 (*.xml)</translation>
    </message>
    <message>
        <source>The file holds no alignment.</source>
        <translation>文件中没有路线。</translation>
    </message>
    <message numerus="yes">
        <source>The file holds %n alignments. Which one is to be imported?</source>
        <translation>
            <numerusform>文件中有 %n 条路线。要导入哪一条？</numerusform>
        </translation>
    </message>
    <message>
        <source>No alignment was chosen.</source>
        <translation>未选择路线。</translation>
    </message>
</context>
<context>
    <name>landxml</name>
    <message>
        <source>its radius is zero.</source>
        <translation>其半径为零。</translation>
    </message>
    <message>
        <source>its radii turn both ways.</source>
        <translation>其两端半径转向相反。</translation>
    </message>
    <message>
        <source>its numbers describe no element.</source>
        <translation>其数值不构成任何线元。</translation>
    </message>
    <message>
        <source>Alignment &quot;%1&quot;, element %2 (&lt;%3&gt; at line %4): %5</source>
        <translation>路线“%1”，第 %2 个线元（第 %4 行的 &lt;%3&gt;）：%5</translation>
    </message>
    <message>
        <source>its crvType &quot;%1&quot; is no arc; the road holds arcs only.</source>
        <translation>其 crvType“%1”不是圆曲线；道路只能容纳圆曲线。</translation>
    </message>
    <message>
        <source>its spiType &quot;%1&quot; is no clothoid; the road holds clothoids only.</source>
        <translation>其 spiType“%1”不是回旋线；道路只能容纳回旋线型缓和曲线。</translation>
    </message>
    <message>
        <source>it has no radius.</source>
        <translation>缺少半径。</translation>
    </message>
    <message>
        <source>it has no rot.</source>
        <translation>缺少 rot（转向）。</translation>
    </message>
    <message>
        <source>it has no length.</source>
        <translation>缺少长度。</translation>
    </message>
    <message>
        <source>its length is negative.</source>
        <translation>其长度为负。</translation>
    </message>
    <message>
        <source>the alignment&apos;s first element has no &lt;Start&gt;.</source>
        <translation>路线的第一个线元缺少 &lt;Start&gt;。</translation>
    </message>
    <message>
        <source>the alignment&apos;s first element has no start direction.</source>
        <translation>路线的第一个线元缺少起始方位角。</translation>
    </message>
    <message>
        <source>its end cannot be computed.</source>
        <translation>无法计算其终点。</translation>
    </message>
    <message>
        <source>it ends %1 m from its &lt;End&gt; in the file; the file&apos;s numbers do not describe this element.</source>
        <translation>其终点距文件中的 &lt;End&gt; %1 m；文件中的数值不能描述该线元。</translation>
    </message>
    <message>
        <source>Alignment &quot;%1&quot; (line %2) has no element of measurable length.</source>
        <translation>路线“%1”（第 %2 行）没有长度可测的线元。</translation>
    </message>
    <message numerus="yes">
        <source>The alignment&apos;s %n station equation(s) were ignored: its stations run on from the start station without a break.</source>
        <translation>
            <numerusform>已忽略路线的 %n 个断链：里程从起点桩号起连续计算。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only the first of its %n profiles was imported.</source>
        <translation>
            <numerusform>在其 %n 个纵断面中只导入了第一个。</numerusform>
        </translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>（无名称）</translation>
    </message>
    <message>
        <source>%1. %2: %3 m from station %4</source>
        <translation>%1. %2：自桩号 %4 起，长 %3 m</translation>
    </message>
    <message>
        <source>The file holds no alignment.</source>
        <translation>文件中没有路线。</translation>
    </message>
    <message>
        <source>Alignment &quot;%1&quot; at line %2: %3</source>
        <translation>路线“%1”（第 %2 行）：%3</translation>
    </message>
    <message>
        <source>The elements are nested too deeply.</source>
        <translation>元素嵌套过深。</translation>
    </message>
    <message>
        <source>This is no LandXML file: its root element is &lt;%1&gt;.</source>
        <translation>这不是 LandXML 文件：其根元素为 &lt;%1&gt;。</translation>
    </message>
    <message>
        <source>The file is no readable LandXML: %1 (line %2, column %3).</source>
        <translation>文件不是可读的 LandXML：%1（第 %2 行，第 %3 列）。</translation>
    </message>
    <message>
        <source>the road cannot hold a &lt;%1&gt;.</source>
        <translation>道路无法容纳 &lt;%1&gt;。</translation>
    </message>
    <message>
        <source>its &lt;%1&gt; &quot;%2&quot; is no pair of coordinates.</source>
        <translation>其 &lt;%1&gt;“%2”不是一对坐标。</translation>
    </message>
    <message>
        <source>the profile cannot hold a &lt;%1&gt;.</source>
        <translation>纵断面无法容纳 &lt;%1&gt;。</translation>
    </message>
    <message>
        <source>its &lt;%1&gt; &quot;%2&quot; is no station and elevation.</source>
        <translation>其 &lt;%1&gt;“%2”不是桩号和高程。</translation>
    </message>
    <message>
        <source>it refers to the point &quot;%1&quot;, which the file does not hold.</source>
        <translation>它引用的点“%1”在文件中不存在。</translation>
    </message>
    <message>
        <source>its %1 &quot;%2&quot; is not a number.</source>
        <translation>其 %1“%2”不是数字。</translation>
    </message>
    <message>
        <source>its rot &quot;%1&quot; is neither cw nor ccw.</source>
        <translation>其 rot“%1”既不是 cw 也不是 ccw。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no file.</source>
        <translation>“%1”不是文件。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>文件“%1”不存在。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large for an alignment file (%2 MB).</source>
        <translation>文件“%1”太大，不像路线文件（%2 MB）。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be opened: %2</source>
        <translation>无法打开文件“%1”：%2</translation>
    </message>
    <message>
        <source>The linear unit &quot;%1&quot; is unknown.</source>
        <translation>未知的长度单位“%1”。</translation>
    </message>
    <message>
        <source>the direction unit &quot;%1&quot; is unknown.</source>
        <translation>未知的方向单位“%1”。</translation>
    </message>
    <message>
        <source>Alignment &quot;%1&quot;, profile &quot;%2&quot; at line %3: %4</source>
        <translation>路线“%1”，纵断面“%2”（第 %3 行）：%4</translation>
    </message>
    <message>
        <source>its station %1 does not follow the station %2 before it.</source>
        <translation>其桩号 %1 不在前一个桩号 %2 之后。</translation>
    </message>
    <message>
        <source>the profile has a single PVI; a profile needs two.</source>
        <translation>纵断面只有一个变坡点；纵断面至少需要两个。</translation>
    </message>
    <message>
        <source>its vertical curve has no length.</source>
        <translation>其竖曲线长度为零。</translation>
    </message>
    <message>
        <source>its vertical curve has no finite radius.</source>
        <translation>其竖曲线半径不是有限值。</translation>
    </message>
</context>
</TS>
