// Texts of the page in English and Chinese. The program tells the page its
// language with {"command":"language","type":0|1} (0 Chinese, 1 English).
"use strict";

const I18n = (() => {
  const texts = {
    en: {
      appTitle: "Switch workbench",
      tabDiscovery: "Discovery", tabSwitch: "Switch", tabConsole: "Console", tabCloud: "Cloud",
      interface: "Interface", search: "Search", filter: "Filter the list",
      addToProject: "Add to local project", add: "Add", cancel: "Cancel", ok: "OK",
      colIp: "IP address", colSn: "Serial number", colMac: "MAC", colModel: "Model", colVersion: "Firmware",
      colState: "State", colProject: "Local project", colPassword: "Password",
      noDevices: "No switches yet. Choose an interface and press Search.",
      count: "{n} switches", countFiltered: "{shown} of {n} switches",
      searching: "Searching on {nic}… the switches have about five seconds to answer.",
      searchTimeout: "No switch answered in time. Check the interface and the cabling, then search again.",
      searchDone: "Search finished: {n} switches found.",
      searchProgress: "Searching… {n} switches have answered so far.",
      sharedAddresses: "{n} switches share an address: {list}. Give each its own address before using them.",
      addressShared: "shared ×{n}", addressSharedHint: "{n} switches answer on this address",
      busy: "The program is still waiting for another switch. Try again in a moment.",
      stateActive: "active", stateInactive: "not activated", inProject: "in project",
      addHint: "Activated switches are logged in to with the password; new switches are activated with it.",
      commonPassword: "Password for all", passwordMissing: "Enter a password for every switch.",
      adding: "Adding {n} switches: logging in to or activating each one…",
      addResult: "Added to the local project", addOk: "{ip} ({sn}): added",
      addFailed: "{ip} ({sn}): {reason}",
      reason_notOpen: "the switch did not answer", reason_refused: "refused (already activated or wrong password)",
      reason_notSaved: "the project could not be saved", reason_closed: "no local project is open",
      noSwitch: "Open a switch: double-click it in the list on the left, or open one from the cloud.",
      details_ip: "IP address", details_sn: "Serial number", details_mac: "MAC", details_model: "Model",
      details_V: "Firmware", details_active: "State", details_name: "Name", details_pid: "Cloud project",
      details_baseModel: "Base model", details_source: "Opened from", sourceLocal: "local network",
      sourceCloud: "cloud project",
      sysinfo: "System information", portStatus: "Port status", reboot: "Restart", refresh: "Refresh",
      rebootNow: "Restart the switch", rebootHint: "The switch is unreachable for a short while after a restart.",
      rebootConfirm: "Restart {sn} now? It will be unreachable for a short while.",
      rebootStarted: "The switch is restarting.", rebootRefused: "The switch refused: {reason}",
      waiting: "Waiting for the switch…", timeout: "The switch did not answer in time.",
      switchError: "The switch answered: {reason}",
      fact_name: "Name", fact_model: "Model", fact_V: "Firmware", fact_mac: "MAC", fact_ip: "IP address",
      fact_mask: "Subnet mask", fact_gw: "Gateway", fact_dns: "DNS", fact_uptime: "Running for",
      fact_ports: "Ports", fact_active: "State",
      uptime: "{d} d {h} h {m} min", portLabel: "Port {n}", portDown: "down",
      consoleHint: "Sends one request to the switches as JSON. Address a switch with \"sn\".",
      send: "Send", notJson: "This is not valid JSON; it is sent without a \"data\" member.",
      consoleTimeout: "No answer in time.",
      signedIn: "Signed in to the cloud", signedOut: "Not signed in to the cloud",
      noCloudProjects: "No cloud projects to show.",
      projectSwitches: "{n} switches", projectId: "Project {pid}",
    },
    zh: {
      appTitle: "交换机工作台",
      tabDiscovery: "设备发现", tabSwitch: "交换机", tabConsole: "控制台", tabCloud: "云端",
      interface: "网卡", search: "搜索", filter: "筛选列表",
      addToProject: "加入本地项目", add: "加入", cancel: "取消", ok: "确定",
      colIp: "IP 地址", colSn: "序列号", colMac: "MAC", colModel: "型号", colVersion: "固件版本",
      colState: "状态", colProject: "本地项目", colPassword: "密码",
      noDevices: "还没有交换机。请选择网卡后点击“搜索”。",
      count: "共 {n} 台交换机", countFiltered: "显示 {shown} 台，共 {n} 台交换机",
      searching: "正在通过 {nic} 搜索……交换机约有五秒钟应答。",
      searchTimeout: "没有交换机及时应答。请检查网卡和网线后重新搜索。",
      searchDone: "搜索完成：发现 {n} 台交换机。",
      searchProgress: "正在搜索……已有 {n} 台交换机应答。",
      sharedAddresses: "{n} 台交换机使用了相同的地址：{list}。请先为每台交换机分配各自的地址。",
      addressShared: "地址冲突 ×{n}", addressSharedHint: "{n} 台交换机使用此地址",
      busy: "程序仍在等待另一台交换机，请稍后再试。",
      stateActive: "已激活", stateInactive: "未激活", inProject: "已在项目中",
      addHint: "已激活的交换机用该密码登录；新交换机用该密码激活。",
      commonPassword: "统一密码", passwordMissing: "请为每台交换机输入密码。",
      adding: "正在加入 {n} 台交换机：逐台登录或激活……",
      addResult: "加入本地项目的结果", addOk: "{ip}（{sn}）：已加入",
      addFailed: "{ip}（{sn}）：{reason}",
      reason_notOpen: "交换机没有应答", reason_refused: "被拒绝（已激活或密码错误）",
      reason_notSaved: "项目无法保存", reason_closed: "没有打开的本地项目",
      noSwitch: "打开一台交换机：在左侧列表中双击它，或从云端打开。",
      details_ip: "IP 地址", details_sn: "序列号", details_mac: "MAC", details_model: "型号",
      details_V: "固件版本", details_active: "状态", details_name: "名称", details_pid: "云端项目",
      details_baseModel: "基础型号", details_source: "打开自", sourceLocal: "本地网络", sourceCloud: "云端项目",
      sysinfo: "系统信息", portStatus: "端口状态", reboot: "重启", refresh: "刷新",
      rebootNow: "重启交换机", rebootHint: "重启后交换机会有一小段时间无法访问。",
      rebootConfirm: "现在重启 {sn}？重启期间它将暂时无法访问。",
      rebootStarted: "交换机正在重启。", rebootRefused: "交换机拒绝了请求：{reason}",
      waiting: "正在等待交换机应答……", timeout: "交换机没有及时应答。",
      switchError: "交换机应答：{reason}",
      fact_name: "名称", fact_model: "型号", fact_V: "固件版本", fact_mac: "MAC", fact_ip: "IP 地址",
      fact_mask: "子网掩码", fact_gw: "网关", fact_dns: "DNS", fact_uptime: "运行时间",
      fact_ports: "端口数", fact_active: "状态",
      uptime: "{d} 天 {h} 小时 {m} 分", portLabel: "端口 {n}", portDown: "未连接",
      consoleHint: "以 JSON 向交换机发送一条请求。用 \"sn\" 指定交换机。",
      send: "发送", notJson: "这不是有效的 JSON，请求将不带 \"data\" 成员发送。",
      consoleTimeout: "没有及时应答。",
      signedIn: "已登录云端", signedOut: "未登录云端",
      noCloudProjects: "没有可显示的云端项目。",
      projectSwitches: "{n} 台交换机", projectId: "项目 {pid}",
    },
  };

  let language = (navigator.language || "").toLowerCase().startsWith("zh") ? "zh" : "en";
  const listeners = [];

  function t(key, params) {
    let text = texts[language][key] ?? texts.en[key] ?? key;
    for (const [name, value] of Object.entries(params || {}))
      text = text.split("{" + name + "}").join(String(value));
    return text;
  }

  function apply() {
    document.documentElement.lang = language === "zh" ? "zh-CN" : "en";
    for (const el of document.querySelectorAll("[data-i18n]"))
      el.textContent = t(el.dataset.i18n);
    for (const el of document.querySelectorAll("[data-i18n-placeholder]"))
      el.placeholder = t(el.dataset.i18nPlaceholder);
    listeners.forEach((listener) => listener());
  }

  return {
    t,
    apply,
    // 0 Chinese, anything else English, as the program counts.
    setLanguage(type) {
      language = type === 0 ? "zh" : "en";
      apply();
    },
    language: () => language,
    onChange: (listener) => listeners.push(listener),
  };
})();
