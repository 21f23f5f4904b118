// The switch opened from the local tree ("local_sw") or the cloud tree
// ("web_sw"): its details and the panels for system information, port status
// and a restart, each one request to the switch with progress and time-out.
"use strict";

const SwitchView = (() => {
  let current = null; // the message that opened the switch
  const $ = (id) => document.getElementById(id);
  const LOCAL_DETAILS = ["ip", "sn", "mac", "model", "V", "active"];
  const CLOUD_DETAILS = ["name", "sn", "model", "baseModel", "V", "pid"];

  function fill(list, entries) {
    list.textContent = "";
    for (const [label, value] of entries) {
      const dt = document.createElement("dt");
      dt.textContent = label;
      const dd = document.createElement("dd");
      dd.textContent = value;
      list.append(dt, dd);
    }
  }

  // The program marks a switch it has just logged in to or activated with
  // words of its own; the page shows the state plainly.
  function detailText(key, value) {
    if (key !== "active") return String(value ?? "");
    return I18n.t(value === "not_active" || value === "" ? "stateInactive" : "stateActive");
  }

  function renderDetails() {
    if (!current) return;
    const cloud = current.command === "web_sw";
    $("switch-title").textContent = (cloud ? current.name : current.ip) + " · " + current.sn;
    const keys = cloud ? CLOUD_DETAILS : LOCAL_DETAILS;
    const entries = keys.map((key) => [I18n.t("details_" + key), detailText(key, current[key])]);
    entries.push([I18n.t("details_source"), I18n.t(cloud ? "sourceCloud" : "sourceLocal")]);
    fill($("switch-details"), entries);
  }

  function open(message) {
    current = message;
    $("switch-empty").hidden = true;
    $("switch-body").hidden = false;
    for (const panel of document.querySelectorAll("#switch-body .panel")) {
      panel.querySelector(".progress").hidden = true;
      const facts = panel.querySelector(".facts, .ports");
      if (facts) facts.textContent = "";
    }
    renderDetails();
    App.show("switch");
    refresh("sysinfo").then(() => refresh("portstatus"));
  }

  function progress(panel, text, state) {
    const box = panel.querySelector(".progress");
    box.hidden = false;
    box.textContent = text;
    box.className = "progress " + (state || "");
  }

  function uptimeText(seconds) {
    const s = Number(seconds) || 0;
    return I18n.t("uptime", { d: Math.floor(s / 86400), h: Math.floor(s / 3600) % 24, m: Math.floor(s / 60) % 60 });
  }

  function showSysinfo(panel, data) {
    const keys = ["name", "model", "V", "mac", "ip", "mask", "gw", "dns", "uptime", "ports", "active"];
    fill(panel.querySelector(".facts"), keys.filter((k) => k in data).map((k) =>
      [I18n.t("fact_" + k), k === "uptime" ? uptimeText(data[k]) : String(data[k])]));
  }

  function showPorts(panel, data) {
    const grid = panel.querySelector(".ports");
    grid.textContent = "";
    for (const port of data.ports || []) {
      const box = document.createElement("div");
      const up = port.link === "up";
      box.className = "port " + (up ? "up" : "down");
      const title = document.createElement("b");
      title.textContent = port.port;
      box.append(title, up ? (port.speed || "up") + (port.duplex ? " " + port.duplex : "") : I18n.t("portDown"));
      box.title = I18n.t("portLabel", { n: port.port });
      grid.appendChild(box);
    }
  }

  const PANELS = {
    sysinfo: { id: "sysinfo-panel", show: showSysinfo },
    portstatus: { id: "ports-panel", show: showPorts },
    reboot: {
      id: "reboot-panel",
      show: (panel, data) => progress(panel, data.reboot === "ok" ? I18n.t("rebootStarted")
        : I18n.t("rebootRefused", { reason: data.errmsg || data.reboot || "?" }),
        data.reboot === "ok" ? "done" : "failed"),
    },
  };

  async function refresh(command) {
    if (!current) return;
    const { id, show } = PANELS[command];
    const panel = $(id);
    const button = panel.querySelector("button");
    progress(panel, I18n.t("waiting"));
    button.disabled = true;
    try {
      const reply = await Bridge.request(JSON.stringify({ callcmd: command, sn: current.sn }));
      if (Bridge.isTimeout(reply)) {
        progress(panel, I18n.t("timeout"), "failed");
      } else if (reply.data && reply.data.errmsg) {
        progress(panel, I18n.t("switchError", { reason: reply.data.errmsg }), "failed");
      } else {
        panel.querySelector(".progress").hidden = true;
        show(panel, reply.data || {});
      }
    } catch (busy) {
      progress(panel, I18n.t("busy"), "failed");
    }
    button.disabled = false;
  }

  function init() {
    for (const button of document.querySelectorAll("#switch-body button[data-action]")) {
      const command = button.dataset.action;
      button.addEventListener("click", () => {
        if (command === "reboot")
          App.confirm(I18n.t("rebootConfirm", { sn: current.sn }), () => refresh("reboot"));
        else
          refresh(command);
      });
    }
    Bridge.on("deviceMessage", (message) => { if (message.command === "local_sw") open(message); });
    Bridge.on("cloudMessage", (message) => { if (message.command === "web_sw") open(message); });
    I18n.onChange(renderDetails);
  }

  return { init, current: () => current };
})();
