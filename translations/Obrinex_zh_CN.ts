<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Obrinex</name>
    <message>
        <source>Cass Data</source>
        <translation>CASS 数据</translation>
    </message>
    <message>
        <source>CASS Data ( *.dat ) Importer</source>
        <translation>CASS 数据 ( *.dat ) 导入器</translation>
    </message>
    <message>
        <source>CASS Data Format</source>
        <translation>CASS 数据格式</translation>
    </message>
</context>
</TS>
