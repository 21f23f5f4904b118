<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CorvaneIOT_Managesystem</name>
    <message>
        <source>CorvaneIOT_Window</source>
        <translation>CorvaneIOT 管理窗口</translation>
    </message>
    <message>
        <source>Management System PC</source>
        <translation>PC 管理系统</translation>
    </message>
    <message>
        <source>Change Language</source>
        <translation>切换语言</translation>
    </message>
    <message>
        <source>not login</source>
        <translation>未登录</translation>
    </message>
    <message>
        <source>Change Mobile</source>
        <translation>修改手机号</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>修改密码</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>注销账号</translation>
    </message>
    <message>
        <source>Local_Project</source>
        <translation>本地项目</translation>
    </message>
    <message>
        <source>NIC:</source>
        <translation>网卡：</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>new</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>del device</source>
        <translation>删除设备</translation>
    </message>
    <message>
        <source>Server Project List</source>
        <translation>云端项目列表</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>新建项目</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Delete Device</source>
        <translation>删除设备</translation>
    </message>
    <message>
        <source>state bar:</source>
        <translation>状态栏：</translation>
    </message>
    <message>
        <source>Search again and again, and mark the switches that are new, missing or changed</source>
        <translation>反复搜索，并标出新出现、缺失或有变化的交换机</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>监视</translation>
    </message>
</context>
<context>
    <name>ORB_AddressCheck</name>
    <message>
        <source>%1 is in use by a host that did not give its hardware address</source>
        <translation>%1 已被一台未给出硬件地址的主机使用</translation>
    </message>
    <message>
        <source>%1 is in use by %2</source>
        <translation>%1 已被 %2 使用</translation>
    </message>
    <message>
        <source>The addresses could not be checked: this system allows no unprivileged ping (net.ipv4.ping_group_range).</source>
        <translation>无法检查这些地址：本系统不允许非特权 ping（net.ipv4.ping_group_range）。</translation>
    </message>
    <message>
        <source>The addresses could not be checked: this program cannot probe addresses on this system.</source>
        <translation>无法检查这些地址：本程序在此系统上无法探测地址。</translation>
    </message>
    <message>
        <source>The addresses could not be checked: the interface has no IPv4 address.</source>
        <translation>无法检查这些地址：该网卡没有 IPv4 地址。</translation>
    </message>
    <message>
        <source>The addresses could not be checked: %1.</source>
        <translation>无法检查这些地址：%1。</translation>
    </message>
</context>
<context>
    <name>ORB_AddressPlanRun</name>
    <message numerus="yes">
        <source>The address plan was refused: %n switch(es) cannot be given their addresses. No switch was changed.</source>
        <translation>
            <numerusform>地址规划被拒绝：有 %n 台交换机无法分配其地址。没有更改任何交换机。</numerusform>
        </translation>
    </message>
    <message>
        <source>Address plan done: %1 of %2 switches answer at their new addresses.</source>
        <translation>地址规划完成：%2 台中有 %1 台交换机在新地址应答。</translation>
    </message>
    <message>
        <source>The address plan stopped after %1 of %2 switches: the journal cannot be written (%3).</source>
        <translation>地址规划在 %2 台中完成 %1 台后停止：无法写入日志（%3）。</translation>
    </message>
</context>
<context>
    <name>ORB_CONN2DEVICE</name>
    <message>
        <source>Timeout,Please try again!</source>
        <translation>超时，请重试！</translation>
    </message>
    <message>
        <source>The switches cannot be searched on %1: there is no such interface.</source>
        <translation>无法在 %1 上搜索交换机：没有这个网卡。</translation>
    </message>
    <message>
        <source>The switches cannot be searched on %1: the reply port %2 cannot be opened (%3).</source>
        <translation>无法在 %1 上搜索交换机：无法打开应答端口 %2（%3）。</translation>
    </message>
    <message>
        <source>The switches cannot be searched on %1: joining the switches&apos; multicast group failed (%2).</source>
        <translation>无法在 %1 上搜索交换机：加入交换机的组播组失败（%2）。</translation>
    </message>
    <message>
        <source>%L1 answers were lost: the PC could not read them in time. Search again.</source>
        <translation>%L1 个应答丢失：电脑未能及时读取。请重新搜索。</translation>
    </message>
</context>
<context>
    <name>ORB_ChangeJournal</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>the journal could not be written to disk (%1)</source>
        <translation>日志无法写入磁盘（%1）</translation>
    </message>
</context>
<context>
    <name>ORB_Change_Mobile_Window</name>
    <message>
        <source>Input new mobile number</source>
        <translation>请输入新手机号码</translation>
    </message>
    <message>
        <source>Input VerifyCode</source>
        <translation>请输入验证码</translation>
    </message>
    <message>
        <source>send VerifyCode</source>
        <translation>发送验证码</translation>
    </message>
    <message>
        <source>confirm</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ORB_Change_Passwd_Email_Window</name>
    <message>
        <source>New Password</source>
        <translation>新密码</translation>
    </message>
    <message>
        <source>Input New Password</source>
        <translation>请输入新密码</translation>
    </message>
    <message>
        <source>Input Password again</source>
        <translation>请再次输入密码</translation>
    </message>
    <message>
        <source>confirm</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ORB_Change_Passwd_Window</name>
    <message>
        <source>New Password</source>
        <translation>新密码</translation>
    </message>
    <message>
        <source>Input New Password</source>
        <translation>请输入新密码</translation>
    </message>
    <message>
        <source>Input Password again</source>
        <translation>请再次输入密码</translation>
    </message>
    <message>
        <source>confirm</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ORB_CsvFiles</name>
    <message>
        <source>Export switches</source>
        <translation>导出交换机</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>Import an address plan</source>
        <translation>导入地址规划</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV 文件 (*.csv);;所有文件 (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n switch(es) exported to %1</source>
        <translation>
            <numerusform>已将 %n 台交换机导出到 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The CSV file %1 could not be written: %2</source>
        <translation>无法写入 CSV 文件 %1：%2</translation>
    </message>
</context>
<context>
    <name>ORB_JournalPage</name>
    <message>
        <source>The address plan of %1 on %2 was interrupted after %3 of %4 switches: the page offers to resume it.</source>
        <translation>%1 在 %2 上的地址规划在 %4 台中完成 %3 台后中断：可在页面中继续。</translation>
    </message>
</context>
<context>
    <name>ORB_LocalDeviceTree</name>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Please select network</source>
        <translation>请选择网卡</translation>
    </message>
    <message>
        <source>Searching for switches on %1 …</source>
        <translation>正在通过 %1 搜索交换机……</translation>
    </message>
    <message>
        <source>No switch answered on %1</source>
        <translation>%1 上没有交换机应答</translation>
    </message>
    <message numerus="yes">
        <source>%n switch(es) found</source>
        <translation>
            <numerusform>发现 %n 台交换机</numerusform>
        </translation>
    </message>
    <message>
        <source>activeState</source>
        <translation>激活状态</translation>
    </message>
    <message>
        <source>unactive</source>
        <translation>未激活</translation>
    </message>
    <message>
        <source>active</source>
        <translation>已激活</translation>
    </message>
    <message>
        <source>device search complete</source>
        <translation>设备搜索完成</translation>
    </message>
    <message>
        <source>security verify</source>
        <translation>安全验证</translation>
    </message>
    <message>
        <source>Device Active Code</source>
        <translation>设备激活码</translation>
    </message>
    <message>
        <source>Enter device active password</source>
        <translation>请输入设备激活密码</translation>
    </message>
    <message>
        <source>device not open</source>
        <translation>设备无法打开</translation>
    </message>
    <message>
        <source>activate</source>
        <translation>已激活</translation>
    </message>
    <message>
        <source>device is not actived,</source>
        <translation>设备未激活，</translation>
    </message>
    <message>
        <source>not_active</source>
        <translation>未激活</translation>
    </message>
    <message>
        <source>Password error,login device failed</source>
        <translation>密码错误，登录设备失败</translation>
    </message>
    <message>
        <source>Device active success</source>
        <translation>设备激活成功</translation>
    </message>
    <message>
        <source>device is already actived</source>
        <translation>设备已激活</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Please enter a valid IPv4 address.</source>
        <translation>请输入有效的 IPv4 地址。</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>无效的 IP 地址</translation>
    </message>
    <message>
        <source>The new IP address is the same as the original IP address.</source>
        <translation>新的 IP 地址与原 IP 地址相同。</translation>
    </message>
    <message>
        <source>Same IP Address</source>
        <translation>IP 地址相同</translation>
    </message>
    <message>
        <source>IP changed successfully,device rebooting.....</source>
        <translation>IP 修改成功，设备正在重启……</translation>
    </message>
    <message>
        <source>Device restart completed.</source>
        <translation>设备重启完成。</translation>
    </message>
    <message>
        <source>Device Restart</source>
        <translation>设备重启</translation>
    </message>
    <message>
        <source>Search refused: another request to the switches is still waiting</source>
        <translation>搜索被拒绝：另一个发往交换机的请求仍在等待</translation>
    </message>
    <message numerus="yes">
        <source>%n switch(es) found; the list is full, so further switches were left out</source>
        <translation>
            <numerusform>发现 %n 台交换机；列表已满，其余交换机未列出</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Searching for switches on %1 … %n answered so far</source>
        <translation>
            <numerusform>正在通过 %1 搜索交换机……已有 %n 台应答</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n switch(es) answer on this address</source>
        <translation>
            <numerusform>%n 台交换机使用此地址</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n switch(es) share an address:</source>
        <translation>
            <numerusform>%n 台交换机地址冲突：</numerusform>
        </translation>
    </message>
    <message>
        <source>Missing: last seen at %1</source>
        <translation>缺失：最后一次见到于 %1</translation>
    </message>
    <message>
        <source>New since the round before</source>
        <translation>上一轮之后新出现</translation>
    </message>
    <message>
        <source>Changed: was %1 (%2)</source>
        <translation>有变化：原为 %1（%2）</translation>
    </message>
    <message>
        <source>not activated</source>
        <translation>未激活</translation>
    </message>
    <message>
        <source>The request goes out once this watch round has ended</source>
        <translation>本轮监视结束后再发出该请求</translation>
    </message>
    <message>
        <source>The switches found are in the page: the shown project has unsaved changes</source>
        <translation>找到的交换机显示在网页中：当前项目有未保存的修改</translation>
    </message>
    <message>
        <source>The switch was not activated: the change cannot be written to the journal (%1).</source>
        <translation>交换机未激活：该更改无法写入日志（%1）。</translation>
    </message>
    <message>
        <source>The address was not changed: the change cannot be written to the journal (%1).</source>
        <translation>地址未更改：该更改无法写入日志（%1）。</translation>
    </message>
    <message>
        <source>Checking whether another host answers at %1 …</source>
        <translation>正在检查是否有其他主机在 %1 上应答……</translation>
    </message>
    <message>
        <source>The address was not changed: %1.</source>
        <translation>地址未更改：%1。</translation>
    </message>
    <message>
        <source>No host answered at %1 at %2.</source>
        <translation>%2 时没有主机在 %1 上应答。</translation>
    </message>
    <message>
        <source>%1 was not checked: this PC has no address in its subnet on %2.</source>
        <translation>%1 未检查：本电脑在 %2 上没有该子网内的地址。</translation>
    </message>
</context>
<context>
    <name>ORB_LocalProjects</name>
    <message>
        <source>create new local project successfully</source>
        <translation>新建本地项目成功</translation>
    </message>
    <message>
        <source>loading local project</source>
        <translation>正在加载本地项目</translation>
    </message>
    <message>
        <source>load project fail</source>
        <translation>加载项目失败</translation>
    </message>
    <message>
        <source>loading local project end</source>
        <translation>本地项目加载完成</translation>
    </message>
    <message>
        <source>saving local project</source>
        <translation>正在保存本地项目</translation>
    </message>
    <message>
        <source>saving local project fail</source>
        <translation>保存本地项目失败</translation>
    </message>
    <message>
        <source>saving local project end</source>
        <translation>本地项目保存完成</translation>
    </message>
    <message>
        <source>warning: device shouldn&apos;t be changed!</source>
        <translation>警告：设备信息不可修改！</translation>
    </message>
    <message>
        <source>delete local project fail</source>
        <translation>删除本地项目失败</translation>
    </message>
    <message>
        <source>delete local project successfully</source>
        <translation>删除本地项目成功</translation>
    </message>
    <message>
        <source>updating local devices</source>
        <translation>正在更新本地设备</translation>
    </message>
    <message>
        <source>update local devices successful</source>
        <translation>本地设备更新成功</translation>
    </message>
    <message>
        <source>local project saved, but the save could not be written to log/log.txt</source>
        <translation>本地项目已保存，但无法写入 log/log.txt</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>A project called %1 exists already. Replace it?</source>
        <translation>已有名为 %1 的项目。要替换它吗？</translation>
    </message>
    <message>
        <source>not saved: another project is called %1</source>
        <translation>未保存：已有另一个名为 %1 的项目</translation>
    </message>
    <message>
        <source>Delete project %1?</source>
        <translation>删除项目 %1？</translation>
    </message>
    <message>
        <source>%1 removed from the project; save the project to keep the change</source>
        <translation>已从项目中移除 %1；保存项目后更改才会保留</translation>
    </message>
    <message>
        <source>Unsaved changes: save the project to keep them</source>
        <translation>有未保存的修改：保存项目才能保留</translation>
    </message>
    <message>
        <source>Save changes to project %1?</source>
        <translation>保存对项目 %1 的修改？</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>不保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>%1 is not a whole project file</source>
        <translation>%1 不是完整的项目文件</translation>
    </message>
    <message>
        <source>%1 stays open with its changes</source>
        <translation>%1 保持打开，修改仍在</translation>
    </message>
</context>
<context>
    <name>ORB_Login_Window</name>
    <message>
        <source>Login</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Input mobile number</source>
        <translation>请输入手机号码</translation>
    </message>
    <message>
        <source>Input password</source>
        <translation>请输入密码</translation>
    </message>
    <message>
        <source>Remember Password</source>
        <translation>记住密码</translation>
    </message>
    <message>
        <source>Forget Password?</source>
        <translation>忘记密码？</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Click Register</source>
        <translation>点击注册</translation>
    </message>
    <message>
        <source>Invalid Mobile</source>
        <translation>手机号码无效</translation>
    </message>
    <message>
        <source>Please enter valid mobile number.</source>
        <translation>请输入有效的手机号码。</translation>
    </message>
    <message>
        <source>Invalid Password</source>
        <translation>密码无效</translation>
    </message>
    <message>
        <source>Please enter password.</source>
        <translation>请输入密码。</translation>
    </message>
</context>
<context>
    <name>ORB_Passwd_Window</name>
    <message>
        <source>Input Password</source>
        <translation>请输入密码</translation>
    </message>
    <message>
        <source>confirm</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ORB_ProjectName</name>
    <message>
        <source>the project name is empty</source>
        <translation>项目名称为空</translation>
    </message>
    <message>
        <source>a project name cannot begin with &quot;.&quot; or contain &quot;..&quot;</source>
        <translation>项目名称不能以“.”开头，也不能包含“..”</translation>
    </message>
    <message>
        <source>&quot;device_info&quot; is reserved for the device list</source>
        <translation>“device_info”是设备列表的保留名称</translation>
    </message>
    <message>
        <source>a project name cannot contain / \ : * ? &quot; &lt; &gt; | or control characters</source>
        <translation>项目名称不能包含 / \ : * ? &quot; &lt; &gt; | 或控制字符</translation>
    </message>
</context>
<context>
    <name>ORB_Register_Window</name>
    <message>
        <source>Register</source>
        <translation>注册</translation>
    </message>
    <message>
        <source>Input mobile number</source>
        <translation>请输入手机号码</translation>
    </message>
    <message>
        <source>Input New Password</source>
        <translation>请输入新密码</translation>
    </message>
    <message>
        <source>Input Password again</source>
        <translation>请再次输入密码</translation>
    </message>
    <message>
        <source>Input VerifyCode</source>
        <translation>请输入验证码</translation>
    </message>
    <message>
        <source>Send VerifyCode</source>
        <translation>发送验证码</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Invalid Mobile</source>
        <translation>手机号码无效</translation>
    </message>
    <message>
        <source>Please enter valid mobile number.</source>
        <translation>请输入有效的手机号码。</translation>
    </message>
    <message>
        <source>Invalid Password</source>
        <translation>密码无效</translation>
    </message>
    <message>
        <source>Please enter 6~12 digit password.</source>
        <translation>请输入6~12位密码。</translation>
    </message>
    <message>
        <source>Password Inconsistency</source>
        <translation>密码不一致</translation>
    </message>
    <message>
        <source>The two passwords you entered did not match.</source>
        <translation>两次输入的密码不一致。</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>VerifyCode can not be empty.</source>
        <translation>验证码不能为空。</translation>
    </message>
</context>
<context>
    <name>ORB_SearchWatch</name>
    <message>
        <source>Please select network</source>
        <translation>请选择网卡</translation>
    </message>
    <message numerus="yes">
        <source>Watching %1: a search every %n second(s)</source>
        <translation>
            <numerusform>正在监视 %1：每 %n 秒搜索一次</numerusform>
        </translation>
    </message>
    <message>
        <source>Watch stopped</source>
        <translation>监视已停止</translation>
    </message>
    <message>
        <source>Watch round %1 at %2: %3 found, %4 new, %5 missing, %6 changed</source>
        <translation>第 %1 轮监视（%2）：找到 %3 台，新增 %4 台，缺失 %5 台，变化 %6 台</translation>
    </message>
    <message numerus="yes">
        <source>watch keeps at most %L1 switches: the %n missing the longest were forgotten</source>
        <translation>
            <numerusform>监视最多保留 %L1 台交换机：已忘记缺失最久的 %n 台</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ORB_Server_New_Device_Window</name>
    <message>
        <source> SNcode</source>
        <translation> 序列号</translation>
    </message>
    <message>
        <source> Device Name</source>
        <translation> 设备名称</translation>
    </message>
    <message>
        <source>6 to 12 digits Password</source>
        <translation>6~12位密码</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Sn can not be empty!</source>
        <translation>序列号不能为空！</translation>
    </message>
    <message>
        <source>Device name can not be empty!</source>
        <translation>设备名称不能为空！</translation>
    </message>
    <message>
        <source>Please enter a 6-12 digit device password!</source>
        <translation>请输入6-12位设备密码！</translation>
    </message>
</context>
<context>
    <name>ORB_Server_New_Project_Window</name>
    <message>
        <source>Project Name:</source>
        <translation>项目名称：</translation>
    </message>
    <message>
        <source>Please enter project name</source>
        <translation>请输入项目名称</translation>
    </message>
    <message>
        <source>Add Switch</source>
        <translation>添加交换机</translation>
    </message>
    <message>
        <source>Create Project</source>
        <translation>创建项目</translation>
    </message>
    <message>
        <source>SN</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Sure</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>new device</source>
        <translation>新增设备</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Please complete the project information!</source>
        <translation>请完善项目信息！</translation>
    </message>
</context>
<context>
    <name>ORB_SightCommissioning</name>
    <message>
        <source>Commission on sight ended: %1</source>
        <translation>上线即配置已结束：%1</translation>
    </message>
    <message>
        <source>Commission on sight on %1: %2</source>
        <translation>上线即配置（%1）：%2</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>setting up</source>
        <translation>正在配置</translation>
    </message>
    <message>
        <source>done</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>失败：%1</translation>
    </message>
    <message>
        <source>the password was refused</source>
        <translation>密码被拒绝</translation>
    </message>
    <message>
        <source>the switch did not answer</source>
        <translation>交换机没有应答</translation>
    </message>
    <message>
        <source>no password to log in or activate with</source>
        <translation>没有可用于登录或激活的密码</translation>
    </message>
    <message>
        <source>the switch refused the activation</source>
        <translation>交换机拒绝了激活</translation>
    </message>
    <message>
        <source>the switch refused the settings</source>
        <translation>交换机拒绝了设置</translation>
    </message>
    <message>
        <source>another host answers at its planned address</source>
        <translation>另一台主机在其规划地址上应答</translation>
    </message>
    <message>
        <source>the next round did not find it</source>
        <translation>下一轮没有找到它</translation>
    </message>
    <message>
        <source>the next round found it at %1</source>
        <translation>下一轮在 %1 找到了它</translation>
    </message>
    <message>
        <source>the plan could not be applied (%1)</source>
        <translation>规划无法应用（%1）</translation>
    </message>
    <message>
        <source>%1 waiting, %2 setting up, %3 done, %4 failed</source>
        <translation>等待 %1 台，配置中 %2 台，完成 %3 台，失败 %4 台</translation>
    </message>
    <message>
        <source>%1 is in use by %2</source>
        <translation>%1 已被 %2 使用</translation>
    </message>
</context>
<context>
    <name>ORB_SiteReport</name>
    <message>
        <source>Save the site report</source>
        <translation>保存现场报告</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>Writing the site report to %1 …</source>
        <translation>正在将现场报告写入 %1 …</translation>
    </message>
    <message>
        <source>the page could not be printed</source>
        <translation>页面无法打印</translation>
    </message>
    <message>
        <source>The site report could not be written</source>
        <translation>无法写入现场报告</translation>
    </message>
    <message>
        <source>Site report saved to %1</source>
        <translation>现场报告已保存到 %1</translation>
    </message>
    <message>
        <source>The site report could not be written: %1</source>
        <translation>无法写入现场报告：%1</translation>
    </message>
    <message>
        <source>Printing the site report …</source>
        <translation>正在打印现场报告 …</translation>
    </message>
    <message>
        <source>Site report printed</source>
        <translation>现场报告已打印</translation>
    </message>
    <message>
        <source>The site report could not be printed</source>
        <translation>无法打印现场报告</translation>
    </message>
    <message>
        <source>the page did not answer the print in time</source>
        <translation>页面未及时响应打印</translation>
    </message>
    <message>
        <source>The site report could not be printed: the page did not answer in time</source>
        <translation>无法打印现场报告：页面未及时响应</translation>
    </message>
    <message>
        <source>The site report could not be written: the page did not answer in time</source>
        <translation>无法写入现场报告：页面未及时响应</translation>
    </message>
</context>
<context>
    <name>ORB_SwitchOpener</name>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>select last device, please select other device</source>
        <translation>已选中上一台设备，请选择其他设备</translation>
    </message>
    <message>
        <source>device not open</source>
        <translation>设备无法打开</translation>
    </message>
    <message>
        <source>device is not actived</source>
        <translation>设备未激活</translation>
    </message>
    <message>
        <source>not_activate</source>
        <translation>未激活</translation>
    </message>
    <message>
        <source>Password error,login device failed</source>
        <translation>密码错误，登录设备失败</translation>
    </message>
    <message>
        <source>The switch reported no valid address (%1): it cannot be opened in the browser.</source>
        <translation>交换机上报的地址无效（%1），无法在浏览器中打开。</translation>
    </message>
    <message>
        <source>The search is still running: open a switch once it has ended</source>
        <translation>搜索仍在进行：请在搜索结束后再打开交换机</translation>
    </message>
    <message>
        <source>The switch opens once this watch round has ended</source>
        <translation>本轮监视结束后再打开该交换机</translation>
    </message>
</context>
<context>
    <name>ORB_Window</name>
    <message>
        <source>Initing</source>
        <translation>正在初始化</translation>
    </message>
    <message>
        <source>If the webpage is not responding, please try reload webpage</source>
        <translation>如果网页没有响应，请尝试重新加载网页</translation>
    </message>
    <message>
        <source>Change Language</source>
        <translation>切换语言</translation>
    </message>
    <message>
        <source>Delet</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Authority</source>
        <translation>权限</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>修改密码</translation>
    </message>
    <message>
        <source>login</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>SN</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>admin_project</source>
        <translation>我的项目</translation>
    </message>
    <message>
        <source>join_project</source>
        <translation>共享项目</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>所有者</translation>
    </message>
    <message>
        <source>join</source>
        <translation>成员</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>new project</source>
        <translation>新建项目</translation>
    </message>
    <message>
        <source>Add Switch</source>
        <translation>添加交换机</translation>
    </message>
    <message>
        <source>Are you sure want to delete this device?</source>
        <translation>确定要删除此设备吗？</translation>
    </message>
    <message>
        <source>Are you sure want to delete this project?</source>
        <translation>确定要删除此项目吗？</translation>
    </message>
    <message>
        <source>Are you sure want to exit this project?</source>
        <translation>确定要退出此项目吗？</translation>
    </message>
    <message>
        <source>select last device, please select other device</source>
        <translation>已选中上一台设备，请选择其他设备</translation>
    </message>
    <message>
        <source>device is offline</source>
        <translation>设备离线</translation>
    </message>
    <message>
        <source>Device Password Error: </source>
        <translation>设备密码错误： </translation>
    </message>
    <message>
        <source>Device Bound: </source>
        <translation>设备已被绑定： </translation>
    </message>
    <message>
        <source>Device Offline: </source>
        <translation>设备离线： </translation>
    </message>
    <message>
        <source>Device Does Not Exist: </source>
        <translation>设备不存在： </translation>
    </message>
    <message>
        <source>appending project failed</source>
        <translation>创建项目失败</translation>
    </message>
    <message>
        <source>appending project successful</source>
        <translation>创建项目成功</translation>
    </message>
    <message>
        <source>Add device failed</source>
        <translation>添加设备失败</translation>
    </message>
    <message>
        <source>Add device successful</source>
        <translation>添加设备成功</translation>
    </message>
    <message>
        <source>deleting device failed</source>
        <translation>删除设备失败</translation>
    </message>
    <message>
        <source>deleting device successful</source>
        <translation>删除设备成功</translation>
    </message>
    <message>
        <source>Deleting project failed</source>
        <translation>删除项目失败</translation>
    </message>
    <message>
        <source>Deleting project successful</source>
        <translation>删除项目成功</translation>
    </message>
    <message>
        <source>Exiting project failed</source>
        <translation>退出项目失败</translation>
    </message>
    <message>
        <source>Exiting project successful</source>
        <translation>退出项目成功</translation>
    </message>
    <message>
        <source>changing password</source>
        <translation>正在修改密码</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>注册</translation>
    </message>
    <message>
        <source>Change passwd</source>
        <translation>修改密码</translation>
    </message>
    <message>
        <source>change mobile</source>
        <translation>修改手机号</translation>
    </message>
    <message>
        <source>Logining</source>
        <translation>正在登录</translation>
    </message>
    <message>
        <source>Login failed unknown user</source>
        <translation>登录失败：用户不存在</translation>
    </message>
    <message>
        <source>Login failed password error</source>
        <translation>登录失败：密码错误</translation>
    </message>
    <message>
        <source>Login Timeout!</source>
        <translation>登录超时！</translation>
    </message>
    <message>
        <source>Login failed unknown reason</source>
        <translation>登录失败：原因未知</translation>
    </message>
    <message>
        <source>Login successful</source>
        <translation>登录成功</translation>
    </message>
    <message>
        <source>Registering</source>
        <translation>正在注册</translation>
    </message>
    <message>
        <source>register successful</source>
        <translation>注册成功</translation>
    </message>
    <message>
        <source>register failed</source>
        <translation>注册失败</translation>
    </message>
    <message>
        <source>sending verify code</source>
        <translation>正在发送验证码</translation>
    </message>
    <message>
        <source>sending verify code successful</source>
        <translation>验证码发送成功</translation>
    </message>
    <message>
        <source>sending verify code failed</source>
        <translation>验证码发送失败</translation>
    </message>
    <message>
        <source>changing mobile fail, same mobile number</source>
        <translation>修改手机号失败：与原手机号相同</translation>
    </message>
    <message>
        <source>changing mobile successful</source>
        <translation>修改手机号成功</translation>
    </message>
    <message>
        <source>VerifyCode Error.</source>
        <translation>验证码错误。</translation>
    </message>
    <message>
        <source>phone mobile has been bound</source>
        <translation>该手机号已被绑定</translation>
    </message>
    <message>
        <source>changing mobile failed</source>
        <translation>修改手机号失败</translation>
    </message>
    <message>
        <source>changing password failed</source>
        <translation>修改密码失败</translation>
    </message>
    <message>
        <source>changing password successful</source>
        <translation>修改密码成功</translation>
    </message>
    <message>
        <source>Confirm account cancellation</source>
        <translation>确认注销账号</translation>
    </message>
    <message>
        <source>Are you sure you want to close your account? This will not be undone.</source>
        <translation>确定要注销账号吗？此操作无法撤销。</translation>
    </message>
    <message>
        <source>Account delete successful</source>
        <translation>账号注销成功</translation>
    </message>
    <message>
        <source>The page of this program was not found: %1</source>
        <translation>未找到本程序的页面：%1</translation>
    </message>
    <message>
        <source>Start the program from its menu entry or with its launcher, pcorb, which prepare its working folder; or start it from a folder that holds the app folder.</source>
        <translation>请从程序的菜单项或其启动器 pcorb 启动程序（它们会准备好工作文件夹），或者在含有 app 文件夹的文件夹中启动。</translation>
    </message>
    <message>
        <source>The search starts once this watch round has ended</source>
        <translation>本轮监视结束后开始搜索</translation>
    </message>
    <message>
        <source>Nothing can be dropped on the page: import an address plan with its button</source>
        <translation>不能把内容拖放到页面上：请用导入按钮导入地址规划</translation>
    </message>
    <message>
        <source>%1 was opened in the system browser</source>
        <translation>已在系统浏览器中打开 %1</translation>
    </message>
    <message>
        <source>The page may not open %1: only its own page is shown here</source>
        <translation>页面不能打开 %1：这里只显示程序自己的页面</translation>
    </message>
    <message>
        <source>Changes are not written to the journal: %1. Switches are not changed; the page&apos;s own requests still go.</source>
        <translation>更改无法写入日志：%1。交换机不会被更改；页面自己的请求照常发送。</translation>
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
