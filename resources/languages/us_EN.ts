<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CorvaneIOT_Managesystem</name>
    <message>
        <source>CorvaneIOT_Window</source>
        <translation>CorvaneIOT_Window</translation>
    </message>
    <message>
        <source>Management System PC</source>
        <translation>Management System PC</translation>
    </message>
    <message>
        <source>Change Language</source>
        <translation>Change Language</translation>
    </message>
    <message>
        <source>not login</source>
        <translation>not login</translation>
    </message>
    <message>
        <source>Change Mobile</source>
        <translation>Change Mobile</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Change Password</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Delete Account</translation>
    </message>
    <message>
        <source>Local_Project</source>
        <translation>Local_Project</translation>
    </message>
    <message>
        <source>NIC:</source>
        <translation>NIC:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>new</source>
        <translation>new</translation>
    </message>
    <message>
        <source>open</source>
        <translation>open</translation>
    </message>
    <message>
        <source>save</source>
        <translation>save</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>delete</translation>
    </message>
    <message>
        <source>del device</source>
        <translation>del device</translation>
    </message>
    <message>
        <source>Server Project List</source>
        <translation>Server Project List</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>New Project</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Delete Device</source>
        <translation>Delete Device</translation>
    </message>
    <message>
        <source>state bar:</source>
        <translation>state bar:</translation>
    </message>
    <message>
        <source>Search again and again, and mark the switches that are new, missing or changed</source>
        <translation>Search again and again, and mark the switches that are new, missing or changed</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Watch</translation>
    </message>
</context>
<context>
    <name>ORB_AddressPlanRun</name>
    <message numerus="yes">
        <source>The address plan was refused: %n switch(es) cannot be given their addresses. No switch was changed.</source>
        <translation>
            <numerusform>The address plan was refused: %n switch cannot be given its address. No switch was changed.</numerusform>
            <numerusform>The address plan was refused: %n switches cannot be given their addresses. No switch was changed.</numerusform>
        </translation>
    </message>
    <message>
        <source>Address plan done: %1 of %2 switches answer at their new addresses.</source>
        <translation>Address plan done: %1 of %2 switches answer at their new addresses.</translation>
    </message>
    <message>
        <source>The address plan stopped after %1 of %2 switches: the journal cannot be written (%3).</source>
        <translation>CorvaneIOT_Window&lt;/source&gt;
        &lt;translation&gt;CorvaneIOT_Window&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Management System PC&lt;/source&gt;
        &lt;translation&gt;Management System PC&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Change Language&lt;/source&gt;
        &lt;translation&gt;Change Language&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;not login&lt;/source&gt;
        &lt;translation&gt;not login&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Change Mobile&lt;/source&gt;
        &lt;translation&gt;Change Mobile&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Change Password&lt;/source&gt;
        &lt;translation&gt;Change Password&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Delete Account&lt;/source&gt;
        &lt;translation&gt;Delete Account&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Local_Project&lt;/source&gt;
        &lt;translation&gt;Local_Project&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;NIC:&lt;/source&gt;
        &lt;translation&gt;NIC:&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Search&lt;/source&gt;
        &lt;translation&gt;Search&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;new&lt;/source&gt;
        &lt;translation&gt;new&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;open&lt;/source&gt;
        &lt;translation&gt;open&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;save&lt;/source&gt;
        &lt;translation&gt;save&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;delete&lt;/source&gt;
        &lt;translation&gt;delete&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;del device&lt;/source&gt;
        &lt;translation&gt;del device&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Server Project List&lt;/source&gt;
        &lt;translation&gt;Server Project List&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;New Project&lt;/source&gt;
        &lt;translation&gt;New Project&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Delete&lt;/source&gt;
        &lt;translation&gt;Delete&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Exit&lt;/source&gt;
        &lt;translation&gt;Exit&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Delete Device&lt;/source&gt;
        &lt;translation&gt;Delete Device&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;state bar:&lt;/source&gt;
        &lt;translation&gt;state bar:&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Search again and again, and mark the switches that are new, missing or changed&lt;/source&gt;
        &lt;translation&gt;Search again and again, and mark the switches that are new, missing or changed&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Watch&lt;/source&gt;
        &lt;translation&gt;Watch&lt;/translation&gt;
    &lt;/message&gt;
&lt;/context&gt;
&lt;context&gt;
    &lt;name&gt;ORB_AddressPlanRun&lt;/name&gt;
    &lt;message numerus="yes"&gt;
        &lt;source&gt;The address plan was refused: %n switch(es) cannot be given their addresses. No switch was changed.&lt;/source&gt;
        &lt;translation&gt;
            &lt;numerusform&gt;The address plan was refused: %n switch cannot be given its address. No switch was changed.&lt;/numerusform&gt;
            &lt;numerusform&gt;The address plan was refused: %n switches cannot be given their addresses. No switch was changed.&lt;/numerusform&gt;
        &lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Address plan done: %1 of %2 switches answer at their new addresses.&lt;/source&gt;
        &lt;translation&gt;Address plan done: %1 of %2 switches answer at their new addresses.&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;The address plan stopped after %1 of %2 switches: the journal cannot be written (%3).</translation>
    </message>
</context>
<context>
    <name>ORB_CONN2DEVICE</name>
    <message>
        <source>Timeout,Please try again!</source>
        <translation>Timeout,Please try again!</translation>
    </message>
    <message>
        <source>The switches cannot be searched on %1: there is no such interface.</source>
        <translation>The switches cannot be searched on %1: there is no such interface.</translation>
    </message>
    <message>
        <source>The switches cannot be searched on %1: the reply port %2 cannot be opened (%3).</source>
        <translation>The switches cannot be searched on %1: the reply port %2 cannot be opened (%3).</translation>
    </message>
    <message>
        <source>The switches cannot be searched on %1: joining the switches&apos; multicast group failed (%2).</source>
        <translation>The switches cannot be searched on %1: joining the switches&apos; multicast group failed (%2).</translation>
    </message>
    <message>
        <source>%L1 answers were lost: the PC could not read them in time. Search again.</source>
        <translation>%L1 answers were lost: the PC could not read them in time. Search again.</translation>
    </message>
</context>
<context>
    <name>ORB_ChangeJournal</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>Timeout,Please try again!&lt;/source&gt;
        &lt;translation&gt;Timeout,Please try again!&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;The switches cannot be searched on %1: there is no such interface.&lt;/source&gt;
        &lt;translation&gt;The switches cannot be searched on %1: there is no such interface.&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;The switches cannot be searched on %1: the reply port %2 cannot be opened (%3).&lt;/source&gt;
        &lt;translation&gt;The switches cannot be searched on %1: the reply port %2 cannot be opened (%3).&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;The switches cannot be searched on %1: joining the switches&apos; multicast group failed (%2).&lt;/source&gt;
        &lt;translation&gt;The switches cannot be searched on %1: joining the switches&apos; multicast group failed (%2).&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;%L1 answers were lost: the PC could not read them in time. Search again.&lt;/source&gt;
        &lt;translation&gt;%L1 answers were lost: the PC could not read them in time. Search again.&lt;/translation&gt;
    &lt;/message&gt;
&lt;/context&gt;
&lt;context&gt;
    &lt;name&gt;ORB_ChangeJournal&lt;/name&gt;
    &lt;message&gt;
        &lt;source&gt;the folder %1 cannot be made</translation>
    </message>
    <message>
        <source>the journal could not be written to disk (%1)</source>
        <translation>the journal could not be written to disk (%1)</translation>
    </message>
</context>
<context>
    <name>ORB_Change_Mobile_Window</name>
    <message>
        <source>Input new mobile number</source>
        <translation>Input new mobile number</translation>
    </message>
    <message>
        <source>Input VerifyCode</source>
        <translation>Verification code</translation>
    </message>
    <message>
        <source>send VerifyCode</source>
        <translation>Send code</translation>
    </message>
    <message>
        <source>confirm</source>
        <translation>confirm</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>cancel</translation>
    </message>
</context>
<context>
    <name>ORB_Change_Passwd_Email_Window</name>
    <message>
        <source>New Password</source>
        <translation>New Password</translation>
    </message>
    <message>
        <source>Input New Password</source>
        <translation>Input New Password</translation>
    </message>
    <message>
        <source>Input Password again</source>
        <translation>Input Password again</translation>
    </message>
    <message>
        <source>confirm</source>
        <translation>confirm</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>cancel</translation>
    </message>
</context>
<context>
    <name>ORB_Change_Passwd_Window</name>
    <message>
        <source>New Password</source>
        <translation>New Password</translation>
    </message>
    <message>
        <source>Input New Password</source>
        <translation>Input New Password</translation>
    </message>
    <message>
        <source>Input Password again</source>
        <translation>Input Password again</translation>
    </message>
    <message>
        <source>confirm</source>
        <translation>confirm</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>cancel</translation>
    </message>
</context>
<context>
    <name>ORB_CsvFiles</name>
    <message>
        <source>Export switches</source>
        <translation>Export switches</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Import an address plan</source>
        <translation>Import an address plan</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV files (*.csv);;All files (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n switch(es) exported to %1</source>
        <translation>
            <numerusform>%n switch exported to %1</numerusform>
            <numerusform>%n switches exported to %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The CSV file %1 could not be written: %2</source>
        <translation>The CSV file %1 could not be written: %2</translation>
    </message>
</context>
<context>
    <name>ORB_JournalPage</name>
    <message>
        <source>The address plan of %1 on %2 was interrupted after %3 of %4 switches: the page offers to resume it.</source>
        <translation>Input new mobile number&lt;/source&gt;
        &lt;translation&gt;Input new mobile number&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Input VerifyCode&lt;/source&gt;
        &lt;translation&gt;Verification code&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;send VerifyCode&lt;/source&gt;
        &lt;translation&gt;Send code&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;confirm&lt;/source&gt;
        &lt;translation&gt;confirm&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;cancel&lt;/source&gt;
        &lt;translation&gt;cancel&lt;/translation&gt;
    &lt;/message&gt;
&lt;/context&gt;
&lt;context&gt;
    &lt;name&gt;ORB_Change_Passwd_Email_Window&lt;/name&gt;
    &lt;message&gt;
        &lt;source&gt;New Password&lt;/source&gt;
        &lt;translation&gt;New Password&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Input New Password&lt;/source&gt;
        &lt;translation&gt;Input New Password&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Input Password again&lt;/source&gt;
        &lt;translation&gt;Input Password again&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;confirm&lt;/source&gt;
        &lt;translation&gt;confirm&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;cancel&lt;/source&gt;
        &lt;translation&gt;cancel&lt;/translation&gt;
    &lt;/message&gt;
&lt;/context&gt;
&lt;context&gt;
    &lt;name&gt;ORB_Change_Passwd_Window&lt;/name&gt;
    &lt;message&gt;
        &lt;source&gt;New Password&lt;/source&gt;
        &lt;translation&gt;New Password&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Input New Password&lt;/source&gt;
        &lt;translation&gt;Input New Password&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Input Password again&lt;/source&gt;
        &lt;translation&gt;Input Password again&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;confirm&lt;/source&gt;
        &lt;translation&gt;confirm&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;cancel&lt;/source&gt;
        &lt;translation&gt;cancel&lt;/translation&gt;
    &lt;/message&gt;
&lt;/context&gt;
&lt;context&gt;
    &lt;name&gt;ORB_CsvFiles&lt;/name&gt;
    &lt;message&gt;
        &lt;source&gt;Export switches&lt;/source&gt;
        &lt;translation&gt;Export switches&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;CSV files (*.csv)&lt;/source&gt;
        &lt;translation&gt;CSV files (*.csv)&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Import an address plan&lt;/source&gt;
        &lt;translation&gt;Import an address plan&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;CSV files (*.csv);;All files (*)&lt;/source&gt;
        &lt;translation&gt;CSV files (*.csv);;All files (*)&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message numerus="yes"&gt;
        &lt;source&gt;%n switch(es) exported to %1&lt;/source&gt;
        &lt;translation&gt;
            &lt;numerusform&gt;%n switch exported to %1&lt;/numerusform&gt;
            &lt;numerusform&gt;%n switches exported to %1&lt;/numerusform&gt;
        &lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;The CSV file %1 could not be written: %2&lt;/source&gt;
        &lt;translation&gt;The CSV file %1 could not be written: %2&lt;/translation&gt;
    &lt;/message&gt;
&lt;/context&gt;
&lt;context&gt;
    &lt;name&gt;ORB_JournalPage&lt;/name&gt;
    &lt;message&gt;
        &lt;source&gt;The address plan of %1 on %2 was interrupted after %3 of %4 switches: the page offers to resume it.</translation>
    </message>
</context>
<context>
    <name>ORB_LocalDeviceTree</name>
    <message>
        <source>Tips</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>Please select network</source>
        <translation>Please select network</translation>
    </message>
    <message>
        <source>Searching for switches on %1 …</source>
        <translation>Searching for switches on %1 …</translation>
    </message>
    <message>
        <source>No switch answered on %1</source>
        <translation>No switch answered on %1</translation>
    </message>
    <message numerus="yes">
        <source>%n switch(es) found</source>
        <translation>
            <numerusform>%n switch found</numerusform>
            <numerusform>%n switches found</numerusform>
        </translation>
    </message>
    <message>
        <source>activeState</source>
        <translation>activeState</translation>
    </message>
    <message>
        <source>unactive</source>
        <translation>unactive</translation>
    </message>
    <message>
        <source>active</source>
        <translation>active</translation>
    </message>
    <message>
        <source>device search complete</source>
        <translation>device search complete</translation>
    </message>
    <message>
        <source>security verify</source>
        <translation>security verify</translation>
    </message>
    <message>
        <source>Device Active Code</source>
        <translation>Device Active Code</translation>
    </message>
    <message>
        <source>Enter device active password</source>
        <translation>Enter device active password</translation>
    </message>
    <message>
        <source>device not open</source>
        <translation>device not open</translation>
    </message>
    <message>
        <source>activate</source>
        <translation>activate</translation>
    </message>
    <message>
        <source>device is not actived,</source>
        <translation>device is not actived,</translation>
    </message>
    <message>
        <source>not_active</source>
        <translation>not_active</translation>
    </message>
    <message>
        <source>Password error,login device failed</source>
        <translation>Password error,login device failed</translation>
    </message>
    <message>
        <source>Device active success</source>
        <translation>Device active success</translation>
    </message>
    <message>
        <source>device is already actived</source>
        <translation>device is already actived</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>Please enter a valid IPv4 address.</source>
        <translation>Please enter a valid IPv4 address.</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>Invalid IP Address</translation>
    </message>
    <message>
        <source>The new IP address is the same as the original IP address.</source>
        <translation>The new IP address is the same as the original IP address.</translation>
    </message>
    <message>
        <source>Same IP Address</source>
        <translation>Same IP Address</translation>
    </message>
    <message>
        <source>IP changed successfully,device rebooting.....</source>
        <translation>IP changed successfully,device rebooting.....</translation>
    </message>
    <message>
        <source>Device restart completed.</source>
        <translation>Device restart completed.</translation>
    </message>
    <message>
        <source>Device Restart</source>
        <translation>Device Restart</translation>
    </message>
    <message>
        <source>Search refused: another request to the switches is still waiting</source>
        <translation>Search refused: another request to the switches is still waiting</translation>
    </message>
    <message numerus="yes">
        <source>%n switch(es) found; the list is full, so further switches were left out</source>
        <translation>
            <numerusform>%n switch found; the list is full, so further switches were left out</numerusform>
            <numerusform>%n switches found; the list is full, so further switches were left out</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Searching for switches on %1 … %n answered so far</source>
        <translation>
            <numerusform>Searching for switches on %1 … %n answered so far</numerusform>
            <numerusform>Searching for switches on %1 … %n answered so far</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n switch(es) answer on this address</source>
        <translation>
            <numerusform>%n switch answers on this address</numerusform>
            <numerusform>%n switches answer on this address</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n switch(es) share an address:</source>
        <translation>
            <numerusform>%n switch shares an address:</numerusform>
            <numerusform>%n switches share an address:</numerusform>
        </translation>
    </message>
    <message>
        <source>Missing: last seen at %1</source>
        <translation>Missing: last seen at %1</translation>
    </message>
    <message>
        <source>New since the round before</source>
        <translation>New since the round before</translation>
    </message>
    <message>
        <source>Changed: was %1 (%2)</source>
        <translation>Changed: was %1 (%2)</translation>
    </message>
    <message>
        <source>not activated</source>
        <translation>not activated</translation>
    </message>
    <message>
        <source>The request goes out once this watch round has ended</source>
        <translation>The request goes out once this watch round has ended</translation>
    </message>
    <message>
        <source>The switches found are in the page: the shown project has unsaved changes</source>
        <translation>The switches found are in the page: the shown project has unsaved changes</translation>
    </message>
    <message>
        <source>The switch was not activated: the change cannot be written to the journal (%1).</source>
        <translation>Tips&lt;/source&gt;
        &lt;translation&gt;Tips&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Please select network&lt;/source&gt;
        &lt;translation&gt;Please select network&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Searching for switches on %1 …&lt;/source&gt;
        &lt;translation&gt;Searching for switches on %1 …&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;No switch answered on %1&lt;/source&gt;
        &lt;translation&gt;No switch answered on %1&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message numerus="yes"&gt;
        &lt;source&gt;%n switch(es) found&lt;/source&gt;
        &lt;translation&gt;
            &lt;numerusform&gt;%n switch found&lt;/numerusform&gt;
            &lt;numerusform&gt;%n switches found&lt;/numerusform&gt;
        &lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;activeState&lt;/source&gt;
        &lt;translation&gt;activeState&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;unactive&lt;/source&gt;
        &lt;translation&gt;unactive&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;active&lt;/source&gt;
        &lt;translation&gt;active&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;device search complete&lt;/source&gt;
        &lt;translation&gt;device search complete&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;security verify&lt;/source&gt;
        &lt;translation&gt;security verify&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Device Active Code&lt;/source&gt;
        &lt;translation&gt;Device Active Code&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Enter device active password&lt;/source&gt;
        &lt;translation&gt;Enter device active password&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;device not open&lt;/source&gt;
        &lt;translation&gt;device not open&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;activate&lt;/source&gt;
        &lt;translation&gt;activate&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;device is not actived,&lt;/source&gt;
        &lt;translation&gt;device is not actived,&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;not_active&lt;/source&gt;
        &lt;translation&gt;not_active&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Password error,login device failed&lt;/source&gt;
        &lt;translation&gt;Password error,login device failed&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Device active success&lt;/source&gt;
        &lt;translation&gt;Device active success&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;device is already actived&lt;/source&gt;
        &lt;translation&gt;device is already actived&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Modify&lt;/source&gt;
        &lt;translation&gt;Modify&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Please enter a valid IPv4 address.&lt;/source&gt;
        &lt;translation&gt;Please enter a valid IPv4 address.&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Invalid IP Address&lt;/source&gt;
        &lt;translation&gt;Invalid IP Address&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;The new IP address is the same as the original IP address.&lt;/source&gt;
        &lt;translation&gt;The new IP address is the same as the original IP address.&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Same IP Address&lt;/source&gt;
        &lt;translation&gt;Same IP Address&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;IP changed successfully,device rebooting.....&lt;/source&gt;
        &lt;translation&gt;IP changed successfully,device rebooting.....&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Device restart completed.&lt;/source&gt;
        &lt;translation&gt;Device restart completed.&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Device Restart&lt;/source&gt;
        &lt;translation&gt;Device Restart&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Search refused: another request to the switches is still waiting&lt;/source&gt;
        &lt;translation&gt;Search refused: another request to the switches is still waiting&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message numerus="yes"&gt;
        &lt;source&gt;%n switch(es) found; the list is full, so further switches were left out&lt;/source&gt;
        &lt;translation&gt;
            &lt;numerusform&gt;%n switch found; the list is full, so further switches were left out&lt;/numerusform&gt;
            &lt;numerusform&gt;%n switches found; the list is full, so further switches were left out&lt;/numerusform&gt;
        &lt;/translation&gt;
    &lt;/message&gt;
    &lt;message numerus="yes"&gt;
        &lt;source&gt;Searching for switches on %1 … %n answered so far&lt;/source&gt;
        &lt;translation&gt;
            &lt;numerusform&gt;Searching for switches on %1 … %n answered so far&lt;/numerusform&gt;
            &lt;numerusform&gt;Searching for switches on %1 … %n answered so far&lt;/numerusform&gt;
        &lt;/translation&gt;
    &lt;/message&gt;
    &lt;message numerus="yes"&gt;
        &lt;source&gt;%n switch(es) answer on this address&lt;/source&gt;
        &lt;translation&gt;
            &lt;numerusform&gt;%n switch answers on this address&lt;/numerusform&gt;
            &lt;numerusform&gt;%n switches answer on this address&lt;/numerusform&gt;
        &lt;/translation&gt;
    &lt;/message&gt;
    &lt;message numerus="yes"&gt;
        &lt;source&gt;%n switch(es) share an address:&lt;/source&gt;
        &lt;translation&gt;
            &lt;numerusform&gt;%n switch shares an address:&lt;/numerusform&gt;
            &lt;numerusform&gt;%n switches share an address:&lt;/numerusform&gt;
        &lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Missing: last seen at %1&lt;/source&gt;
        &lt;translation&gt;Missing: last seen at %1&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;New since the round before&lt;/source&gt;
        &lt;translation&gt;New since the round before&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Changed: was %1 (%2)&lt;/source&gt;
        &lt;translation&gt;Changed: was %1 (%2)&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;not activated&lt;/source&gt;
        &lt;translation&gt;not activated&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;The request goes out once this watch round has ended&lt;/source&gt;
        &lt;translation&gt;The request goes out once this watch round has ended&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;The switches found are in the page: the shown project has unsaved changes&lt;/source&gt;
        &lt;translation&gt;The switches found are in the page: the shown project has unsaved changes&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;The switch was not activated: the change cannot be written to the journal (%1).</translation>
    </message>
    <message>
        <source>The address was not changed: the change cannot be written to the journal (%1).</source>
        <translation>The address was not changed: the change cannot be written to the journal (%1).</translation>
    </message>
</context>
<context>
    <name>ORB_LocalProjects</name>
    <message>
        <source>create new local project successfully</source>
        <translation>create new local project successfully</translation>
    </message>
    <message>
        <source>loading local project</source>
        <translation>loading local project</translation>
    </message>
    <message>
        <source>load project fail</source>
        <translation>load project fail</translation>
    </message>
    <message>
        <source>loading local project end</source>
        <translation>loading local project end</translation>
    </message>
    <message>
        <source>saving local project</source>
        <translation>saving local project</translation>
    </message>
    <message>
        <source>saving local project fail</source>
        <translation>saving local project fail</translation>
    </message>
    <message>
        <source>saving local project end</source>
        <translation>saving local project end</translation>
    </message>
    <message>
        <source>warning: device shouldn&apos;t be changed!</source>
        <translation>warning: device shouldn&apos;t be changed!</translation>
    </message>
    <message>
        <source>delete local project fail</source>
        <translation>delete local project fail</translation>
    </message>
    <message>
        <source>delete local project successfully</source>
        <translation>delete local project successfully</translation>
    </message>
    <message>
        <source>updating local devices</source>
        <translation>updating local devices</translation>
    </message>
    <message>
        <source>update local devices successful</source>
        <translation>update local devices successful</translation>
    </message>
    <message>
        <source>local project saved, but the save could not be written to log/log.txt</source>
        <translation>local project saved, but the save could not be written to log/log.txt</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>A project called %1 exists already. Replace it?</source>
        <translation>A project called %1 exists already. Replace it?</translation>
    </message>
    <message>
        <source>not saved: another project is called %1</source>
        <translation>not saved: another project is called %1</translation>
    </message>
    <message>
        <source>Delete project %1?</source>
        <translation>Delete project %1?</translation>
    </message>
    <message>
        <source>%1 removed from the project; save the project to keep the change</source>
        <translation>%1 removed from the project; save the project to keep the change</translation>
    </message>
    <message>
        <source>Unsaved changes: save the project to keep them</source>
        <translation>Unsaved changes: save the project to keep them</translation>
    </message>
    <message>
        <source>Save changes to project %1?</source>
        <translation>Save changes to project %1?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1 is not a whole project file</source>
        <translation>%1 is not a whole project file</translation>
    </message>
    <message>
        <source>%1 stays open with its changes</source>
        <translation>%1 stays open with its changes</translation>
    </message>
</context>
<context>
    <name>ORB_Login_Window</name>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Input mobile number</source>
        <translation>Input mobile number</translation>
    </message>
    <message>
        <source>Input password</source>
        <translation>Input password</translation>
    </message>
    <message>
        <source>Remember Password</source>
        <translation>Remember Password</translation>
    </message>
    <message>
        <source>Forget Password?</source>
        <translation>Forget Password?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Click Register</source>
        <translation>Click Register</translation>
    </message>
    <message>
        <source>Invalid Mobile</source>
        <translation>Invalid Mobile</translation>
    </message>
    <message>
        <source>Please enter valid mobile number.</source>
        <translation>Please enter valid mobile number.</translation>
    </message>
    <message>
        <source>Invalid Password</source>
        <translation>Invalid Password</translation>
    </message>
    <message>
        <source>Please enter password.</source>
        <translation>Please enter password.</translation>
    </message>
</context>
<context>
    <name>ORB_Passwd_Window</name>
    <message>
        <source>Input Password</source>
        <translation>Input Password</translation>
    </message>
    <message>
        <source>confirm</source>
        <translation>confirm</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>cancel</translation>
    </message>
</context>
<context>
    <name>ORB_ProjectName</name>
    <message>
        <source>the project name is empty</source>
        <translation>the project name is empty</translation>
    </message>
    <message>
        <source>a project name cannot begin with &quot;.&quot; or contain &quot;..&quot;</source>
        <translation>a project name cannot begin with &quot;.&quot; or contain &quot;..&quot;</translation>
    </message>
    <message>
        <source>&quot;device_info&quot; is reserved for the device list</source>
        <translation>&quot;device_info&quot; is reserved for the device list</translation>
    </message>
    <message>
        <source>a project name cannot contain / \ : * ? &quot; &lt; &gt; | or control characters</source>
        <translation>a project name cannot contain / \ : * ? &quot; &lt; &gt; | or control characters</translation>
    </message>
</context>
<context>
    <name>ORB_Register_Window</name>
    <message>
        <source>Register</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Input mobile number</source>
        <translation>Input mobile number</translation>
    </message>
    <message>
        <source>Input New Password</source>
        <translation>Input New Password</translation>
    </message>
    <message>
        <source>Input Password again</source>
        <translation>Input Password again</translation>
    </message>
    <message>
        <source>Input VerifyCode</source>
        <translation>Verification code</translation>
    </message>
    <message>
        <source>Send VerifyCode</source>
        <translation>Send code</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Invalid Mobile</source>
        <translation>Invalid Mobile</translation>
    </message>
    <message>
        <source>Please enter valid mobile number.</source>
        <translation>Please enter valid mobile number.</translation>
    </message>
    <message>
        <source>Invalid Password</source>
        <translation>Invalid Password</translation>
    </message>
    <message>
        <source>Please enter 6~12 digit password.</source>
        <translation>Please enter 6~12 digit password.</translation>
    </message>
    <message>
        <source>Password Inconsistency</source>
        <translation>Password Inconsistency</translation>
    </message>
    <message>
        <source>The two passwords you entered did not match.</source>
        <translation>The two passwords you entered did not match.</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>VerifyCode can not be empty.</source>
        <translation>Verification code can not be empty.</translation>
    </message>
</context>
<context>
    <name>ORB_SearchWatch</name>
    <message>
        <source>Please select network</source>
        <translation>Please select network</translation>
    </message>
    <message numerus="yes">
        <source>Watching %1: a search every %n second(s)</source>
        <translation>
            <numerusform>Watching %1: a search every %n second</numerusform>
            <numerusform>Watching %1: a search every %n seconds</numerusform>
        </translation>
    </message>
    <message>
        <source>Watch stopped</source>
        <translation>Watch stopped</translation>
    </message>
    <message>
        <source>Watch round %1 at %2: %3 found, %4 new, %5 missing, %6 changed</source>
        <translation>Watch round %1 at %2: %3 found, %4 new, %5 missing, %6 changed</translation>
    </message>
    <message numerus="yes">
        <source>watch keeps at most %L1 switches: the %n missing the longest were forgotten</source>
        <translation>
            <numerusform>watch keeps at most %L1 switches: the missing one seen the longest ago was forgotten</numerusform>
            <numerusform>watch keeps at most %L1 switches: the %n missing the longest were forgotten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ORB_Server_New_Device_Window</name>
    <message>
        <source> SNcode</source>
        <translation> SNcode</translation>
    </message>
    <message>
        <source> Device Name</source>
        <translation> Device Name</translation>
    </message>
    <message>
        <source>6 to 12 digits Password</source>
        <translation>6 to 12 digits Password</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>Sn can not be empty!</source>
        <translation>Sn can not be empty!</translation>
    </message>
    <message>
        <source>Device name can not be empty!</source>
        <translation>Device name can not be empty!</translation>
    </message>
    <message>
        <source>Please enter a 6-12 digit device password!</source>
        <translation>Please enter a 6-12 digit device password!</translation>
    </message>
</context>
<context>
    <name>ORB_Server_New_Project_Window</name>
    <message>
        <source>Project Name:</source>
        <translation>Project Name:</translation>
    </message>
    <message>
        <source>Please enter project name</source>
        <translation>Please enter project name</translation>
    </message>
    <message>
        <source>Add Switch</source>
        <translation>Add Switch</translation>
    </message>
    <message>
        <source>Create Project</source>
        <translation>Create Project</translation>
    </message>
    <message>
        <source>SN</source>
        <translation>SN</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>delete</translation>
    </message>
    <message>
        <source>Sure</source>
        <translation>Sure</translation>
    </message>
    <message>
        <source>new device</source>
        <translation>new device</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>Please complete the project information!</source>
        <translation>Please complete the project information!</translation>
    </message>
</context>
<context>
    <name>ORB_SiteReport</name>
    <message>
        <source>Save the site report</source>
        <translation>Save the site report</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Writing the site report to %1 …</source>
        <translation>Writing the site report to %1 …</translation>
    </message>
    <message>
        <source>the page could not be printed</source>
        <translation>the page could not be printed</translation>
    </message>
    <message>
        <source>The site report could not be written</source>
        <translation>The site report could not be written</translation>
    </message>
    <message>
        <source>Site report saved to %1</source>
        <translation>Site report saved to %1</translation>
    </message>
    <message>
        <source>The site report could not be written: %1</source>
        <translation>The site report could not be written: %1</translation>
    </message>
    <message>
        <source>Printing the site report …</source>
        <translation>Printing the site report …</translation>
    </message>
    <message>
        <source>Site report printed</source>
        <translation>Site report printed</translation>
    </message>
    <message>
        <source>The site report could not be printed</source>
        <translation>The site report could not be printed</translation>
    </message>
    <message>
        <source>the page did not answer the print in time</source>
        <translation>the page did not answer the print in time</translation>
    </message>
    <message>
        <source>The site report could not be printed: the page did not answer in time</source>
        <translation>The site report could not be printed: the page did not answer in time</translation>
    </message>
    <message>
        <source>The site report could not be written: the page did not answer in time</source>
        <translation>The site report could not be written: the page did not answer in time</translation>
    </message>
</context>
<context>
    <name>ORB_SwitchOpener</name>
    <message>
        <source>Tips</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>select last device, please select other device</source>
        <translation>select last device, please select other device</translation>
    </message>
    <message>
        <source>device not open</source>
        <translation>device not open</translation>
    </message>
    <message>
        <source>device is not actived</source>
        <translation>device is not actived</translation>
    </message>
    <message>
        <source>not_activate</source>
        <translation>not_activate</translation>
    </message>
    <message>
        <source>Password error,login device failed</source>
        <translation>Password error,login device failed</translation>
    </message>
    <message>
        <source>The switch reported no valid address (%1): it cannot be opened in the browser.</source>
        <translation>The switch reported no valid address (%1): it cannot be opened in the browser.</translation>
    </message>
    <message>
        <source>The search is still running: open a switch once it has ended</source>
        <translation>The search is still running: open a switch once it has ended</translation>
    </message>
    <message>
        <source>The switch opens once this watch round has ended</source>
        <translation>The switch opens once this watch round has ended</translation>
    </message>
</context>
<context>
    <name>ORB_Window</name>
    <message>
        <source>Initing</source>
        <translation>Initing</translation>
    </message>
    <message>
        <source>If the webpage is not responding, please try reload webpage</source>
        <translation>If the webpage is not responding, please try reload webpage</translation>
    </message>
    <message>
        <source>Change Language</source>
        <translation>Change Language</translation>
    </message>
    <message>
        <source>Delet</source>
        <translation>Delet</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Authority</source>
        <translation>Authority</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Change Password</translation>
    </message>
    <message>
        <source>login</source>
        <translation>login</translation>
    </message>
    <message>
        <source>SN</source>
        <translation>SN</translation>
    </message>
    <message>
        <source>admin_project</source>
        <translation>Owned</translation>
    </message>
    <message>
        <source>join_project</source>
        <translation>Shared</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>Owner</translation>
    </message>
    <message>
        <source>join</source>
        <translation>Member</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>new project</source>
        <translation>new project</translation>
    </message>
    <message>
        <source>Add Switch</source>
        <translation>Add Switch</translation>
    </message>
    <message>
        <source>Are you sure want to delete this device?</source>
        <translation>Are you sure want to delete this device?</translation>
    </message>
    <message>
        <source>Are you sure want to delete this project?</source>
        <translation>Are you sure want to delete this project?</translation>
    </message>
    <message>
        <source>Are you sure want to exit this project?</source>
        <translation>Are you sure want to exit this project?</translation>
    </message>
    <message>
        <source>select last device, please select other device</source>
        <translation>select last device, please select other device</translation>
    </message>
    <message>
        <source>device is offline</source>
        <translation>device is offline</translation>
    </message>
    <message>
        <source>Device Password Error: </source>
        <translation>Device Password Error: </translation>
    </message>
    <message>
        <source>Device Bound: </source>
        <translation>Device Bound: </translation>
    </message>
    <message>
        <source>Device Offline: </source>
        <translation>Device Offline: </translation>
    </message>
    <message>
        <source>Device Does Not Exist: </source>
        <translation>Device Does Not Exist: </translation>
    </message>
    <message>
        <source>appending project failed</source>
        <translation>appending project failed</translation>
    </message>
    <message>
        <source>appending project successful</source>
        <translation>appending project successful</translation>
    </message>
    <message>
        <source>Add device failed</source>
        <translation>Add device failed</translation>
    </message>
    <message>
        <source>Add device successful</source>
        <translation>Add device successful</translation>
    </message>
    <message>
        <source>deleting device failed</source>
        <translation>deleting device failed</translation>
    </message>
    <message>
        <source>deleting device successful</source>
        <translation>deleting device successful</translation>
    </message>
    <message>
        <source>Deleting project failed</source>
        <translation>Deleting project failed</translation>
    </message>
    <message>
        <source>Deleting project successful</source>
        <translation>Deleting project successful</translation>
    </message>
    <message>
        <source>Exiting project failed</source>
        <translation>Exiting project failed</translation>
    </message>
    <message>
        <source>Exiting project successful</source>
        <translation>Exiting project successful</translation>
    </message>
    <message>
        <source>changing password</source>
        <translation>changing password</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Change passwd</source>
        <translation>Change password</translation>
    </message>
    <message>
        <source>change mobile</source>
        <translation>Change mobile number</translation>
    </message>
    <message>
        <source>Logining</source>
        <translation>Signing in</translation>
    </message>
    <message>
        <source>Login failed unknown user</source>
        <translation>Login failed unknown user</translation>
    </message>
    <message>
        <source>Login failed password error</source>
        <translation>Login failed password error</translation>
    </message>
    <message>
        <source>Login Timeout!</source>
        <translation>Login Timeout!</translation>
    </message>
    <message>
        <source>Login failed unknown reason</source>
        <translation>Login failed unknown reason</translation>
    </message>
    <message>
        <source>Login successful</source>
        <translation>Login successful</translation>
    </message>
    <message>
        <source>Registering</source>
        <translation>Registering</translation>
    </message>
    <message>
        <source>register successful</source>
        <translation>register successful</translation>
    </message>
    <message>
        <source>register failed</source>
        <translation>register failed</translation>
    </message>
    <message>
        <source>sending verify code</source>
        <translation>sending verification code</translation>
    </message>
    <message>
        <source>sending verify code successful</source>
        <translation>verification code sent</translation>
    </message>
    <message>
        <source>sending verify code failed</source>
        <translation>sending verification code failed</translation>
    </message>
    <message>
        <source>changing mobile fail, same mobile number</source>
        <translation>changing mobile fail, same mobile number</translation>
    </message>
    <message>
        <source>changing mobile successful</source>
        <translation>changing mobile successful</translation>
    </message>
    <message>
        <source>VerifyCode Error.</source>
        <translation>Verification code error.</translation>
    </message>
    <message>
        <source>phone mobile has been bound</source>
        <translation>phone mobile has been bound</translation>
    </message>
    <message>
        <source>changing mobile failed</source>
        <translation>changing mobile failed</translation>
    </message>
    <message>
        <source>changing password failed</source>
        <translation>changing password failed</translation>
    </message>
    <message>
        <source>changing password successful</source>
        <translation>changing password successful</translation>
    </message>
    <message>
        <source>Confirm account cancellation</source>
        <translation>Confirm account cancellation</translation>
    </message>
    <message>
        <source>Are you sure you want to close your account? This will not be undone.</source>
        <translation>Are you sure you want to close your account? This will not be undone.</translation>
    </message>
    <message>
        <source>Account delete successful</source>
        <translation>Account delete successful</translation>
    </message>
    <message>
        <source>The page of this program was not found: %1</source>
        <translation>The page of this program was not found: %1</translation>
    </message>
    <message>
        <source>Start the program from its menu entry or with its launcher, pcorb, which prepare its working folder; or start it from a folder that holds the app folder.</source>
        <translation>Start the program from its menu entry or with its launcher, pcorb, which prepare its working folder; or start it from a folder that holds the app folder.</translation>
    </message>
    <message>
        <source>The search starts once this watch round has ended</source>
        <translation>The search starts once this watch round has ended</translation>
    </message>
    <message>
        <source>Nothing can be dropped on the page: import an address plan with its button</source>
        <translation>Nothing can be dropped on the page: import an address plan with its button</translation>
    </message>
    <message>
        <source>%1 was opened in the system browser</source>
        <translation>%1 was opened in the system browser</translation>
    </message>
    <message>
        <source>The page may not open %1: only its own page is shown here</source>
        <translation>The page may not open %1: only its own page is shown here</translation>
    </message>
    <message>
        <source>Changes are not written to the journal: %1. Switches are not changed; the page&apos;s own requests still go.</source>
        <translation>create new local project successfully&lt;/source&gt;
        &lt;translation&gt;create new local project successfully&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;loading local project&lt;/source&gt;
        &lt;translation&gt;loading local project&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;load project fail&lt;/source&gt;
        &lt;translation&gt;load project fail&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;loading local project end&lt;/source&gt;
        &lt;translation&gt;loading local project end&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;saving local project&lt;/source&gt;
        &lt;translation&gt;saving local project&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;saving local project fail&lt;/source&gt;
        &lt;translation&gt;saving local project fail&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;saving local project end&lt;/source&gt;
        &lt;translation&gt;saving local project end&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;warning: device shouldn&apos;t be changed!&lt;/source&gt;
        &lt;translation&gt;warning: device shouldn&apos;t be changed!&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;delete local project fail&lt;/source&gt;
        &lt;translation&gt;delete local project fail&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;delete local project successfully&lt;/source&gt;
        &lt;translation&gt;delete local project successfully&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;updating local devices&lt;/source&gt;
        &lt;translation&gt;updating local devices&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;update local devices successful&lt;/source&gt;
        &lt;translation&gt;update local devices successful&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;local project saved, but the save could not be written to log/log.txt&lt;/source&gt;
        &lt;translation&gt;local project saved, but the save could not be written to log/log.txt&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Tips&lt;/source&gt;
        &lt;translation&gt;Tips&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;A project called %1 exists already. Replace it?&lt;/source&gt;
        &lt;translation&gt;A project called %1 exists already. Replace it?&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;not saved: another project is called %1&lt;/source&gt;
        &lt;translation&gt;not saved: another project is called %1&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Delete project %1?&lt;/source&gt;
        &lt;translation&gt;Delete project %1?&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;%1 removed from the project; save the project to keep the change&lt;/source&gt;
        &lt;translation&gt;%1 removed from the project; save the project to keep the change&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Unsaved changes: save the project to keep them&lt;/source&gt;
        &lt;translation&gt;Unsaved changes: save the project to keep them&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Save changes to project %1?&lt;/source&gt;
        &lt;translation&gt;Save changes to project %1?&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Save&lt;/source&gt;
        &lt;translation&gt;Save&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Discard&lt;/source&gt;
        &lt;translation&gt;Discard&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Cancel&lt;/source&gt;
        &lt;translation&gt;Cancel&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;%1 is not a whole project file&lt;/source&gt;
        &lt;translation&gt;%1 is not a whole project file&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;%1 stays open with its changes&lt;/source&gt;
        &lt;translation&gt;%1 stays open with its changes&lt;/translation&gt;
    &lt;/message&gt;
&lt;/context&gt;
&lt;context&gt;
    &lt;name&gt;ORB_Login_Window&lt;/name&gt;
    &lt;message&gt;
        &lt;source&gt;Login&lt;/source&gt;
        &lt;translation&gt;Login&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Input mobile number&lt;/source&gt;
        &lt;translation&gt;Input mobile number&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Input password&lt;/source&gt;
        &lt;translation&gt;Input password&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Remember Password&lt;/source&gt;
        &lt;translation&gt;Remember Password&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Forget Password?&lt;/source&gt;
        &lt;translation&gt;Forget Password?&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Confirm&lt;/source&gt;
        &lt;translation&gt;Confirm&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Cancel&lt;/source&gt;
        &lt;translation&gt;Cancel&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Click Register&lt;/source&gt;
        &lt;translation&gt;Click Register&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Invalid Mobile&lt;/source&gt;
        &lt;translation&gt;Invalid Mobile&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Please enter valid mobile number.&lt;/source&gt;
        &lt;translation&gt;Please enter valid mobile number.&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Invalid Password&lt;/source&gt;
        &lt;translation&gt;Invalid Password&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Please enter password.&lt;/source&gt;
        &lt;translation&gt;Please enter password.&lt;/translation&gt;
    &lt;/message&gt;
&lt;/context&gt;
&lt;context&gt;
    &lt;name&gt;ORB_Passwd_Window&lt;/name&gt;
    &lt;message&gt;
        &lt;source&gt;Input Password&lt;/source&gt;
        &lt;translation&gt;Input Password&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;confirm&lt;/source&gt;
        &lt;translation&gt;confirm&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;cancel&lt;/source&gt;
        &lt;translation&gt;cancel&lt;/translation&gt;
    &lt;/message&gt;
&lt;/context&gt;
&lt;context&gt;
    &lt;name&gt;ORB_ProjectName&lt;/name&gt;
    &lt;message&gt;
        &lt;source&gt;the project name is empty&lt;/source&gt;
        &lt;translation&gt;the project name is empty&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;a project name cannot begin with "." or contain ".."&lt;/source&gt;
        &lt;translation&gt;a project name cannot begin with "." or contain ".."&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;"device_info" is reserved for the device list&lt;/source&gt;
        &lt;translation&gt;"device_info" is reserved for the device list&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;a project name cannot contain / \ : * ? " &lt; &gt; | or control characters&lt;/source&gt;
        &lt;translation&gt;a project name cannot contain / \ : * ? " &lt; &gt; | or control characters&lt;/translation&gt;
    &lt;/message&gt;
&lt;/context&gt;
&lt;context&gt;
    &lt;name&gt;ORB_Register_Window&lt;/name&gt;
    &lt;message&gt;
        &lt;source&gt;Register&lt;/source&gt;
        &lt;translation&gt;Register&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Input mobile number&lt;/source&gt;
        &lt;translation&gt;Input mobile number&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Input New Password&lt;/source&gt;
        &lt;translation&gt;Input New Password&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Input Password again&lt;/source&gt;
        &lt;translation&gt;Input Password again&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Input VerifyCode&lt;/source&gt;
        &lt;translation&gt;Verification code&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Send VerifyCode&lt;/source&gt;
        &lt;translation&gt;Send code&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Confirm&lt;/source&gt;
        &lt;translation&gt;Confirm&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Cancel&lt;/source&gt;
        &lt;translation&gt;Cancel&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Invalid Mobile&lt;/source&gt;
        &lt;translation&gt;Invalid Mobile&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Please enter valid mobile number.&lt;/source&gt;
        &lt;translation&gt;Please enter valid mobile number.&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Invalid Password&lt;/source&gt;
        &lt;translation&gt;Invalid Password&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Please enter 6~12 digit password.&lt;/source&gt;
        &lt;translation&gt;Please enter 6~12 digit password.&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Password Inconsistency&lt;/source&gt;
        &lt;translation&gt;Password Inconsistency&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;The two passwords you entered did not match.&lt;/source&gt;
        &lt;translation&gt;The two passwords you entered did not match.&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Tips&lt;/source&gt;
        &lt;translation&gt;Tips&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;VerifyCode can not be empty.&lt;/source&gt;
        &lt;translation&gt;Verification code can not be empty.&lt;/translation&gt;
    &lt;/message&gt;
&lt;/context&gt;
&lt;context&gt;
    &lt;name&gt;ORB_SearchWatch&lt;/name&gt;
    &lt;message&gt;
        &lt;source&gt;Please select network&lt;/source&gt;
        &lt;translation&gt;Please select network&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message numerus="yes"&gt;
        &lt;source&gt;Watching %1: a search every %n second(s)&lt;/source&gt;
        &lt;translation&gt;
            &lt;numerusform&gt;Watching %1: a search every %n second&lt;/numerusform&gt;
            &lt;numerusform&gt;Watching %1: a search every %n seconds&lt;/numerusform&gt;
        &lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Watch stopped&lt;/source&gt;
        &lt;translation&gt;Watch stopped&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Watch round %1 at %2: %3 found, %4 new, %5 missing, %6 changed&lt;/source&gt;
        &lt;translation&gt;Watch round %1 at %2: %3 found, %4 new, %5 missing, %6 changed&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message numerus="yes"&gt;
        &lt;source&gt;watch keeps at most %L1 switches: the %n missing the longest were forgotten&lt;/source&gt;
        &lt;translation&gt;
            &lt;numerusform&gt;watch keeps at most %L1 switches: the missing one seen the longest ago was forgotten&lt;/numerusform&gt;
            &lt;numerusform&gt;watch keeps at most %L1 switches: the %n missing the longest were forgotten&lt;/numerusform&gt;
        &lt;/translation&gt;
    &lt;/message&gt;
&lt;/context&gt;
&lt;context&gt;
    &lt;name&gt;ORB_Server_New_Device_Window&lt;/name&gt;
    &lt;message&gt;
        &lt;source&gt; SNcode&lt;/source&gt;
        &lt;translation&gt; SNcode&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt; Device Name&lt;/source&gt;
        &lt;translation&gt; Device Name&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;6 to 12 digits Password&lt;/source&gt;
        &lt;translation&gt;6 to 12 digits Password&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Confirm&lt;/source&gt;
        &lt;translation&gt;Confirm&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Cancel&lt;/source&gt;
        &lt;translation&gt;Cancel&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Tips&lt;/source&gt;
        &lt;translation&gt;Tips&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Sn can not be empty!&lt;/source&gt;
        &lt;translation&gt;Sn can not be empty!&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Device name can not be empty!&lt;/source&gt;
        &lt;translation&gt;Device name can not be empty!&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Please enter a 6-12 digit device password!&lt;/source&gt;
        &lt;translation&gt;Please enter a 6-12 digit device password!&lt;/translation&gt;
    &lt;/message&gt;
&lt;/context&gt;
&lt;context&gt;
    &lt;name&gt;ORB_Server_New_Project_Window&lt;/name&gt;
    &lt;message&gt;
        &lt;source&gt;Project Name:&lt;/source&gt;
        &lt;translation&gt;Project Name:&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Please enter project name&lt;/source&gt;
        &lt;translation&gt;Please enter project name&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Add Switch&lt;/source&gt;
        &lt;translation&gt;Add Switch&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Create Project&lt;/source&gt;
        &lt;translation&gt;Create Project&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;SN&lt;/source&gt;
        &lt;translation&gt;SN&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Name&lt;/source&gt;
        &lt;translation&gt;Name&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Password&lt;/source&gt;
        &lt;translation&gt;Password&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;delete&lt;/source&gt;
        &lt;translation&gt;delete&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Sure&lt;/source&gt;
        &lt;translation&gt;Sure&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;new device&lt;/source&gt;
        &lt;translation&gt;new device&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Tips&lt;/source&gt;
        &lt;translation&gt;Tips&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Please complete the project information!&lt;/source&gt;
        &lt;translation&gt;Please complete the project information!&lt;/translation&gt;
    &lt;/message&gt;
&lt;/context&gt;
&lt;context&gt;
    &lt;name&gt;ORB_SiteReport&lt;/name&gt;
    &lt;message&gt;
        &lt;source&gt;Save the site report&lt;/source&gt;
        &lt;translation&gt;Save the site report&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;PDF files (*.pdf)&lt;/source&gt;
        &lt;translation&gt;PDF files (*.pdf)&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Writing the site report to %1 …&lt;/source&gt;
        &lt;translation&gt;Writing the site report to %1 …&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;the page could not be printed&lt;/source&gt;
        &lt;translation&gt;the page could not be printed&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;The site report could not be written&lt;/source&gt;
        &lt;translation&gt;The site report could not be written&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Site report saved to %1&lt;/source&gt;
        &lt;translation&gt;Site report saved to %1&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;The site report could not be written: %1&lt;/source&gt;
        &lt;translation&gt;The site report could not be written: %1&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Printing the site report …&lt;/source&gt;
        &lt;translation&gt;Printing the site report …&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Site report printed&lt;/source&gt;
        &lt;translation&gt;Site report printed&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;The site report could not be printed&lt;/source&gt;
        &lt;translation&gt;The site report could not be printed&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;the page did not answer the print in time&lt;/source&gt;
        &lt;translation&gt;the page did not answer the print in time&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;The site report could not be printed: the page did not answer in time&lt;/source&gt;
        &lt;translation&gt;The site report could not be printed: the page did not answer in time&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;The site report could not be written: the page did not answer in time&lt;/source&gt;
        &lt;translation&gt;The site report could not be written: the page did not answer in time&lt;/translation&gt;
    &lt;/message&gt;
&lt;/context&gt;
&lt;context&gt;
    &lt;name&gt;ORB_SwitchOpener&lt;/name&gt;
    &lt;message&gt;
        &lt;source&gt;Tips&lt;/source&gt;
        &lt;translation&gt;Tips&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;select last device, please select other device&lt;/source&gt;
        &lt;translation&gt;select last device, please select other device&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;device not open&lt;/source&gt;
        &lt;translation&gt;device not open&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;device is not actived&lt;/source&gt;
        &lt;translation&gt;device is not actived&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;not_activate&lt;/source&gt;
        &lt;translation&gt;not_activate&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Password error,login device failed&lt;/source&gt;
        &lt;translation&gt;Password error,login device failed&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;The switch reported no valid address (%1): it cannot be opened in the browser.&lt;/source&gt;
        &lt;translation&gt;The switch reported no valid address (%1): it cannot be opened in the browser.&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;The search is still running: open a switch once it has ended&lt;/source&gt;
        &lt;translation&gt;The search is still running: open a switch once it has ended&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;The switch opens once this watch round has ended&lt;/source&gt;
        &lt;translation&gt;The switch opens once this watch round has ended&lt;/translation&gt;
    &lt;/message&gt;
&lt;/context&gt;
&lt;context&gt;
    &lt;name&gt;ORB_Window&lt;/name&gt;
    &lt;message&gt;
        &lt;source&gt;Initing&lt;/source&gt;
        &lt;translation&gt;Initing&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;If the webpage is not responding, please try reload webpage&lt;/source&gt;
        &lt;translation&gt;If the webpage is not responding, please try reload webpage&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Change Language&lt;/source&gt;
        &lt;translation&gt;Change Language&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Delet&lt;/source&gt;
        &lt;translation&gt;Delet&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Name&lt;/source&gt;
        &lt;translation&gt;Name&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Authority&lt;/source&gt;
        &lt;translation&gt;Authority&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Add&lt;/source&gt;
        &lt;translation&gt;Add&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Quit&lt;/source&gt;
        &lt;translation&gt;Quit&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Open&lt;/source&gt;
        &lt;translation&gt;Open&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Change Password&lt;/source&gt;
        &lt;translation&gt;Change Password&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;login&lt;/source&gt;
        &lt;translation&gt;login&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;SN&lt;/source&gt;
        &lt;translation&gt;SN&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;admin_project&lt;/source&gt;
        &lt;translation&gt;Owned&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;join_project&lt;/source&gt;
        &lt;translation&gt;Shared&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;admin&lt;/source&gt;
        &lt;translation&gt;Owner&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;join&lt;/source&gt;
        &lt;translation&gt;Member&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Tips&lt;/source&gt;
        &lt;translation&gt;Tips&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;new project&lt;/source&gt;
        &lt;translation&gt;new project&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Add Switch&lt;/source&gt;
        &lt;translation&gt;Add Switch&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Are you sure want to delete this device?&lt;/source&gt;
        &lt;translation&gt;Are you sure want to delete this device?&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Are you sure want to delete this project?&lt;/source&gt;
        &lt;translation&gt;Are you sure want to delete this project?&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Are you sure want to exit this project?&lt;/source&gt;
        &lt;translation&gt;Are you sure want to exit this project?&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;select last device, please select other device&lt;/source&gt;
        &lt;translation&gt;select last device, please select other device&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;device is offline&lt;/source&gt;
        &lt;translation&gt;device is offline&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Device Password Error: &lt;/source&gt;
        &lt;translation&gt;Device Password Error: &lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Device Bound: &lt;/source&gt;
        &lt;translation&gt;Device Bound: &lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Device Offline: &lt;/source&gt;
        &lt;translation&gt;Device Offline: &lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Device Does Not Exist: &lt;/source&gt;
        &lt;translation&gt;Device Does Not Exist: &lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;appending project failed&lt;/source&gt;
        &lt;translation&gt;appending project failed&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;appending project successful&lt;/source&gt;
        &lt;translation&gt;appending project successful&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Add device failed&lt;/source&gt;
        &lt;translation&gt;Add device failed&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Add device successful&lt;/source&gt;
        &lt;translation&gt;Add device successful&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;deleting device failed&lt;/source&gt;
        &lt;translation&gt;deleting device failed&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;deleting device successful&lt;/source&gt;
        &lt;translation&gt;deleting device successful&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Deleting project failed&lt;/source&gt;
        &lt;translation&gt;Deleting project failed&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Deleting project successful&lt;/source&gt;
        &lt;translation&gt;Deleting project successful&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Exiting project failed&lt;/source&gt;
        &lt;translation&gt;Exiting project failed&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Exiting project successful&lt;/source&gt;
        &lt;translation&gt;Exiting project successful&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;changing password&lt;/source&gt;
        &lt;translation&gt;changing password&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Login&lt;/source&gt;
        &lt;translation&gt;Login&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Register&lt;/source&gt;
        &lt;translation&gt;Register&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Change passwd&lt;/source&gt;
        &lt;translation&gt;Change password&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;change mobile&lt;/source&gt;
        &lt;translation&gt;Change mobile number&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Logining&lt;/source&gt;
        &lt;translation&gt;Signing in&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Login failed unknown user&lt;/source&gt;
        &lt;translation&gt;Login failed unknown user&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Login failed password error&lt;/source&gt;
        &lt;translation&gt;Login failed password error&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Login Timeout!&lt;/source&gt;
        &lt;translation&gt;Login Timeout!&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Login failed unknown reason&lt;/source&gt;
        &lt;translation&gt;Login failed unknown reason&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Login successful&lt;/source&gt;
        &lt;translation&gt;Login successful&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Registering&lt;/source&gt;
        &lt;translation&gt;Registering&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;register successful&lt;/source&gt;
        &lt;translation&gt;register successful&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;register failed&lt;/source&gt;
        &lt;translation&gt;register failed&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;sending verify code&lt;/source&gt;
        &lt;translation&gt;sending verification code&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;sending verify code successful&lt;/source&gt;
        &lt;translation&gt;verification code sent&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;sending verify code failed&lt;/source&gt;
        &lt;translation&gt;sending verification code failed&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;changing mobile fail, same mobile number&lt;/source&gt;
        &lt;translation&gt;changing mobile fail, same mobile number&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;changing mobile successful&lt;/source&gt;
        &lt;translation&gt;changing mobile successful&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;VerifyCode Error.&lt;/source&gt;
        &lt;translation&gt;Verification code error.&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;phone mobile has been bound&lt;/source&gt;
        &lt;translation&gt;phone mobile has been bound&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;changing mobile failed&lt;/source&gt;
        &lt;translation&gt;changing mobile failed&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;changing password failed&lt;/source&gt;
        &lt;translation&gt;changing password failed&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;changing password successful&lt;/source&gt;
        &lt;translation&gt;changing password successful&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Confirm account cancellation&lt;/source&gt;
        &lt;translation&gt;Confirm account cancellation&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Are you sure you want to close your account? This will not be undone.&lt;/source&gt;
        &lt;translation&gt;Are you sure you want to close your account? This will not be undone.&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Account delete successful&lt;/source&gt;
        &lt;translation&gt;Account delete successful&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;The page of this program was not found: %1&lt;/source&gt;
        &lt;translation&gt;The page of this program was not found: %1&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Start the program from its menu entry or with its launcher, pcorb, which prepare its working folder; or start it from a folder that holds the app folder.&lt;/source&gt;
        &lt;translation&gt;Start the program from its menu entry or with its launcher, pcorb, which prepare its working folder; or start it from a folder that holds the app folder.&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;The search starts once this watch round has ended&lt;/source&gt;
        &lt;translation&gt;The search starts once this watch round has ended&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Nothing can be dropped on the page: import an address plan with its button&lt;/source&gt;
        &lt;translation&gt;Nothing can be dropped on the page: import an address plan with its button&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;%1 was opened in the system browser&lt;/source&gt;
        &lt;translation&gt;%1 was opened in the system browser&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;The page may not open %1: only its own page is shown here&lt;/source&gt;
        &lt;translation&gt;The page may not open %1: only its own page is shown here&lt;/translation&gt;
    &lt;/message&gt;
    &lt;message&gt;
        &lt;source&gt;Changes are not written to the journal: %1. Switches are not changed; the page&apos;s own requests still go.</translation>
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
