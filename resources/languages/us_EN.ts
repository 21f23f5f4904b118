<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CorvaneIOT_Managesystem</name>
    <message>
        <source>CorvaneIOT_Window</source>
        <translation>CorvaneIOT_Window</translation>
    </message>
</context>
<context>
    <name>ORB_CONN2DEVICE</name>
    <message>
        <source>Timeout,Please try again!</source>
        <translation>Timeout,Please try again!</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Management System PC</source>
        <translation>Management System PC</translation>
    </message>
</context>
</TS>
