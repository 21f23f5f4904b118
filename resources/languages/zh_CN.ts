<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CorvaneIOT_Managesystem</name>
    <message>
        <source>CorvaneIOT_Window</source>
        <translation>CorvaneIOT 管理窗口</translation>
    </message>
</context>
<context>
    <name>ORB_CONN2DEVICE</name>
    <message>
        <source>Timeout,Please try again!</source>
        <translation>超时，请重试！</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Management System PC</source>
        <translation>PC 管理系统</translation>
    </message>
</context>
</TS>
