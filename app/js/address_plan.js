// The address plan: a first address, mask, gateway and DNS for the selected
// switches, or a plan read from a CSV file, previewed old → new in list
// order and refused while an address collides with a listed switch or with
// the plan itself, or leaves the gateway's subnet. The program applies it one
// switch at a time and confirms it with a new search; what failed can be
// tried again.
"use strict";

const AddressPlan = (() => {
  const $ = (id) => document.getElementById(id);
  let entries = [];     // {sn, device, newIp, mask, gateway, dns, problem, state, reason}
  let imported = null;  // rows of a plan file, or null: the form's sequence for the selection
  let running = false;

  function toInt(ip) {
    const parts = String(ip).split(".");
    if (parts.length !== 4 || !parts.every((p) => /^(0|[1-9]\d{0,2})$/.test(p) && Number(p) <= 255)) return null;
    return parts.reduce((n, p) => n * 256 + Number(p), 0);
  }

  const toIp = (n) => [24, 16, 8, 0].map((shift) => Math.floor(n / 2 ** shift) % 256).join(".");

  // A mask is ones, then zeros.
  function maskInt(mask) {
    const n = toInt(mask);
    if (n === null || n === 0) return null;
    const hosts = 2 ** 32 - 1 - n;
    return (hosts & (hosts + 1)) === 0 ? n : null;
  }

  const network = (ip, mask) => (ip & mask) >>> 0;

  function problemOf(entry, listed, planned) {
    if (!entry.device) return ["notListed"];
    const ip = toInt(entry.newIp), mask = maskInt(entry.mask), gateway = toInt(entry.gateway);
    if (ip === null) return ["badAddress"];
    if (mask === null) return ["badMask"];
    if (gateway === null) return ["badGateway"];
    if (toInt(entry.dns) === null) return ["badDns"];
    const hosts = 2 ** 32 - 1 - mask;
    if (network(ip, mask) !== network(gateway, mask) || ip % (hosts + 1) === 0 || ip % (hosts + 1) === hosts)
      return ["leavesSubnet"];
    if (ip === gateway) return ["isGateway"];
    if (planned.get(entry.newIp) > 1) return ["duplicate"];
    const other = listed.find((d) => d.ip === entry.newIp && d.sn !== entry.sn);
    return other ? ["collides", { sn: other.sn }] : null;
  }

  function build() {
    const mask = $("plan-mask").value.trim(), gateway = $("plan-gateway").value.trim();
    const dns = $("plan-dns").value.trim() || gateway;
    const listed = Discovery.devices();
    if (imported) {
      entries = imported.map((row) => ({ sn: row.sn, device: listed.find((d) => d.sn === row.sn), newIp: row.newIp,
                                         mask: row.mask || mask, gateway: row.gateway || gateway, dns }));
    } else {
      const first = toInt($("plan-first").value.trim());
      entries = Discovery.selectedSwitches().map((device, i) => ({
        sn: device.sn, device, mask, gateway, dns, newIp: first === null ? "" : toIp(first + i) }));
    }
    const planned = new Map();
    for (const e of entries) planned.set(e.newIp, (planned.get(e.newIp) || 0) + 1);
    for (const e of entries) e.problem = problemOf(e, listed, planned);
    render();
  }

  function resultText(entry) {
    if (entry.problem) return I18n.t("plan_" + entry.problem[0], entry.problem[1]);
    if (!entry.state) return "";
    const reason = entry.reason ? I18n.t("planReason_" + entry.reason, { at: entry.at }) : "";
    return I18n.t("planState_" + entry.state, { reason });
  }

  function render() {
    const body = document.querySelector("#plan-preview tbody");
    body.textContent = "";
    for (const e of entries) {
      const row = document.createElement("tr");
      row.dataset.sn = e.sn;
      row.className = e.problem ? "refused" : e.state || "";
      for (const text of [e.sn, e.device ? e.device.ip : "", e.newIp, resultText(e)]) {
        const td = document.createElement("td");
        td.textContent = text;
        row.appendChild(td);
      }
      body.appendChild(row);
    }
    const refused = entries.filter((e) => e.problem).length;
    const progress = $("plan-progress");
    $("plan-summary").textContent = running ? I18n.t("planRunning", { done: progress.value, n: progress.max })
      : entries.length === 0 ? I18n.t("planEmpty")
      : refused > 0 ? I18n.t("planRefused", { n: refused }) : I18n.t("planReady", { n: entries.length });
    $("plan-summary").className = refused > 0 || entries.length === 0 ? "notice error" : "notice info";
    $("plan-apply").disabled = running || entries.length === 0 || refused > 0;
    $("plan-retry").hidden = running || !entries.some((e) => e.state === "failed" || e.state === "unconfirmed");
    for (const id of ["plan-first", "plan-mask", "plan-gateway", "plan-dns"]) $(id).disabled = running;
  }

  function open(rows) {
    imported = rows || null;
    $("plan-first").closest("label").hidden = Boolean(imported);
    $("plan-progress").hidden = true;
    $("plan-dialog").hidden = false;
    build();
  }

  function apply(chosen) {
    running = true;
    for (const e of chosen) { e.state = "waiting"; e.reason = e.at = undefined; }
    $("plan-progress").hidden = false;
    $("plan-progress").max = chosen.length;
    $("plan-progress").value = 0;
    render();
    Bridge.applyPlan({
      nic: $("nic-select").value, password: $("plan-password").value,
      switches: chosen.map((e) => ({ sn: e.sn, ip: e.device.ip, newIp: e.newIp, mask: e.mask, gateway: e.gateway,
                                     dns: e.dns, active: e.device.active === "active" })),
    });
  }

  function onMessage(message) {
    if (message.command === "planStep") {
      const entry = entries.find((e) => e.sn === message.sn);
      if (entry) Object.assign(entry, { state: message.state, reason: message.reason, at: message.at });
      $("plan-progress").value = message.done;
      render();
    } else if (message.command === "planDone") {
      running = false;
      const confirmed = entries.filter((e) => e.state === "confirmed").length;
      render();
      $("plan-summary").textContent = I18n.t("planDone", { ok: confirmed, n: entries.length });
    } else if (message.command === "planImported") {
      if (message.rows) open(message.rows);
      else if (message.error) Discovery.notice(I18n.t("importFailed", message), "error");
    } else if (message.command === "csvExported") {
      if (message.file) Discovery.notice(I18n.t("exported", message), "info");
      else if (message.error) Discovery.notice(I18n.t("exportFailed", message), "error");
    }
  }

  function init() {
    $("plan-button").addEventListener("click", () => open(null));
    $("import-plan-button").addEventListener("click", () => Bridge.importPlan());
    $("export-list-button").addEventListener("click", () => Bridge.exportCsv("discovery"));
    $("export-project-button").addEventListener("click", () => Bridge.exportCsv("project"));
    for (const id of ["plan-first", "plan-mask", "plan-gateway", "plan-dns"])
      $(id).addEventListener("input", () => { for (const e of entries) e.state = undefined; build(); });
    $("plan-apply").addEventListener("click", () => apply(entries));
    $("plan-retry").addEventListener("click", () =>
      apply(entries.filter((e) => e.state === "failed" || e.state === "unconfirmed")));
    $("plan-close").addEventListener("click", () => { if (!running) $("plan-dialog").hidden = true; });
    Bridge.on("deviceMessage", onMessage);
    I18n.onChange(render);
  }

  return { init };
})();
