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
    <name>ORB_AddressCheck</name>
    <message>
        <source>%1 is in use by a host that did not give its hardware address</source>
        <translation>%1 is in use by a host that did not give its hardware address</translation>
    </message>
    <message>
        <source>%1 is in use by %2</source>
        <translation>%1 is in use by %2</translation>
    </message>
    <message>
        <source>The addresses could not be checked: this system allows no unprivileged ping (net.ipv4.ping_group_range).</source>
        <translation>The addresses could not be checked: this system allows no unprivileged ping (net.ipv4.ping_group_range).</translation>
    </message>
    <message>
        <source>The addresses could not be checked: this program cannot probe addresses on this system.</source>
        <translation>The addresses could not be checked: this program cannot probe addresses on this system.</translation>
    </message>
    <message>
        <source>The addresses could not be checked: the interface has no IPv4 address.</source>
        <translation>The addresses could not be checked: the interface has no IPv4 address.</translation>
    </message>
    <message>
        <source>The addresses could not be checked: %1.</source>
        <translation>The addresses could not be checked: %1.</translation>
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
        <translation>The address plan stopped after %1 of %2 switches: the journal cannot be written (%3).</translation>
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
        <translation>the folder %1 cannot be made</translation>
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
        <translation>The address plan of %1 on %2 was interrupted after %3 of %4 switches: the page offers to resume it.</translation>
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
        <translation>The switch was not activated: the change cannot be written to the journal (%1).</translation>
    </message>
    <message>
        <source>The address was not changed: the change cannot be written to the journal (%1).</source>
        <translation>The address was not changed: the change cannot be written to the journal (%1).</translation>
    </message>
    <message>
        <source>Checking whether another host answers at %1 …</source>
        <translation>Checking whether another host answers at %1 …</translation>
    </message>
    <message>
        <source>The address was not changed: %1.</source>
        <translation>The address was not changed: %1.</translation>
    </message>
    <message>
        <source>No host answered at %1 at %2.</source>
        <translation>No host answered at %1 at %2.</translation>
    </message>
    <message>
        <source>%1 was not checked: this PC has no address in its subnet on %2.</source>
        <translation>%1 was not checked: this PC has no address in its subnet on %2.</translation>
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
    <name>ORB_SightCommissioning</name>
    <message>
        <source>Commission on sight ended: %1</source>
        <translation>Commission on sight ended: %1</translation>
    </message>
    <message>
        <source>Commission on sight on %1: %2</source>
        <translation>Commission on sight on %1: %2</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>waiting</translation>
    </message>
    <message>
        <source>setting up</source>
        <translation>setting up</translation>
    </message>
    <message>
        <source>done</source>
        <translation>done</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>failed: %1</translation>
    </message>
    <message>
        <source>the password was refused</source>
        <translation>the password was refused</translation>
    </message>
    <message>
        <source>the switch did not answer</source>
        <translation>the switch did not answer</translation>
    </message>
    <message>
        <source>no password to log in or activate with</source>
        <translation>no password to log in or activate with</translation>
    </message>
    <message>
        <source>the switch refused the activation</source>
        <translation>the switch refused the activation</translation>
    </message>
    <message>
        <source>the switch refused the settings</source>
        <translation>the switch refused the settings</translation>
    </message>
    <message>
        <source>another host answers at its planned address</source>
        <translation>another host answers at its planned address</translation>
    </message>
    <message>
        <source>the next round did not find it</source>
        <translation>the next round did not find it</translation>
    </message>
    <message>
        <source>the next round found it at %1</source>
        <translation>the next round found it at %1</translation>
    </message>
    <message>
        <source>the plan could not be applied (%1)</source>
        <translation>the plan could not be applied (%1)</translation>
    </message>
    <message>
        <source>%1 waiting, %2 setting up, %3 done, %4 failed</source>
        <translation>%1 waiting, %2 setting up, %3 done, %4 failed</translation>
    </message>
    <message>
        <source>%1 is in use by %2</source>
        <translation>%1 is in use by %2</translation>
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
        <translation>Changes are not written to the journal: %1. Switches are not changed; the page&apos;s own requests still go.</translation>
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
