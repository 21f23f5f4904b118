// The address plan: a first address, mask, gateway and DNS for the selected
// switches, or a plan read from a CSV file, previewed old → new in list
// order and refused while an address collides with a listed switch or with
// the plan itself, or leaves the gateway's subnet. The program applies it one
// switch at a time and confirms it with a new search; what failed can be
// tried again.
"use strict";

const AddressPlan = (() => {
  const $ = (id) => document.getElementById(id);
  let entries = [];     // {sn, device, newIp, mask, gateway, dns, problem, state, reason, row}
  let entryOf = new Map();  // entries by serial number (a plan holds each switch once)
  let imported = null;  // rows of a plan file, or null: the form's sequence for the selection
  // What the plan undoes or resumes ({undoes} or {resumes}: a plan's id), and
  // the addresses its switches may share again: they shared them before.
  let linked = {}, sharedBefore = new Set();
  let running = false;
  let table = null;     // draws only the preview rows in view
  // What the list held at its last search, taken again by the first preview
  // after a new one (a plan's confirming search, the window's Search).
  // listedAt: serial numbers by address.
  let listedBySn = new Map(), listedAt = new Map(), chosen = [];
  let listChanged = true;

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

  // A form's mask, gateway and DNS are the same for every switch: each text
  // is read once a preview.
  function cachedReader(read) {
    const known = new Map();
    return (text) => {
      if (!known.has(text)) known.set(text, read(text));
      return known.get(text);
    };
  }

  // planned: how often each new address and each serial number occur in the plan.
  function problemOf(entry, planned, read) {
    if (!entry.device) return ["notListed"];
    if (planned.serials.get(entry.sn) > 1) return ["twice"];
    const ip = entry.ipInt ?? toInt(entry.newIp), mask = read.mask(entry.mask), gateway = read.ip(entry.gateway);
    if (ip === null) return ["badAddress"];
    if (mask === null) return ["badMask"];
    if (gateway === null) return ["badGateway"];
    if (read.ip(entry.dns) === null) return ["badDns"];
    const hosts = 2 ** 32 - 1 - mask;
    if (network(ip, mask) !== network(gateway, mask) || ip % (hosts + 1) === 0 || ip % (hosts + 1) === hosts)
      return ["leavesSubnet"];
    if (ip === gateway) return ["isGateway"];
    if (planned.addresses.get(entry.newIp) > 1 && !sharedBefore.has(entry.newIp)) return ["duplicate"];
    const other = (listedAt.get(entry.newIp) || []).find((sn) => sn !== entry.sn);
    return other ? ["collides", { sn: other }] : null;
  }

  function build() {
    if (listChanged) takeList();
    const mask = $("plan-mask").value.trim(), gateway = $("plan-gateway").value.trim();
    const dns = $("plan-dns").value.trim() || gateway;
    if (imported) {
      entries = imported.map((row) => ({ sn: row.sn, device: listedBySn.get(row.sn), newIp: row.newIp,
                                         mask: row.mask || mask, gateway: row.gateway || gateway,
                                         dns: row.dns || dns }));
    } else {
      // Past 255.255.255.255 there is no next address.
      const first = toInt($("plan-first").value.trim());
      entries = chosen.map((device, i) => {
        const ipInt = first === null || first + i > 0xffffffff ? null : first + i;
        return { sn: device.sn, device, mask, gateway, dns, ipInt, newIp: ipInt === null ? "" : toIp(ipInt) };
      });
    }
    const planned = { serials: new Map(), addresses: new Map() };
    for (const e of entries) {
      planned.serials.set(e.sn, (planned.serials.get(e.sn) || 0) + 1);
      planned.addresses.set(e.newIp, (planned.addresses.get(e.newIp) || 0) + 1);
    }
    const read = { ip: cachedReader(toInt), mask: cachedReader(maskInt) };
    for (const e of entries) e.problem = problemOf(e, planned, read);
    entryOf = new Map(entries.map((e) => [e.sn, e]));
    render();
  }

  // The program checks a plan again before it asks any switch; it refuses
  // one with the preview's own words.
  const PREVIEW_WORDS = new Set(["twice", "badAddress", "badMask", "badGateway", "badDns", "leavesSubnet",
                                 "isGateway", "duplicate", "collides"]);

  // What became of a switch in a run, {state, reason, at, other}, in the page's words.
  function stepText(step) {
    if (!step.state) return "";
    const reason = !step.reason ? ""
      : PREVIEW_WORDS.has(step.reason) ? I18n.t("plan_" + step.reason, { sn: step.other })
      : I18n.t("planReason_" + step.reason, { at: step.at });
    return I18n.t("planState_" + step.state, { reason });
  }

  function resultText(entry) {
    return entry.problem ? I18n.t("plan_" + entry.problem[0], entry.problem[1]) : stepText(entry);
  }

  // A row that is not drawn now gets its text when it is.
  function showRow(entry) {
    if (!entry.row || !entry.row.isConnected) return;
    entry.row.className = entry.problem ? "refused" : entry.state || "";
    entry.row.lastChild.textContent = resultText(entry);
  }

  function rowFor(entry) {
    const row = document.createElement("tr");
    row.dataset.sn = entry.sn;
    for (const text of [entry.sn, entry.device ? entry.device.ip : "", entry.newIp, resultText(entry)]) {
      const td = document.createElement("td");
      td.textContent = text;
      row.appendChild(td);
    }
    row.className = entry.problem ? "refused" : entry.state || "";
    entry.row = row;
    return row;
  }

  function render() {
    table.show(entries, false);
    renderSummary();
  }

  // Everything around the rows: the summary, the buttons and the fields.
  function renderSummary() {
    const refused = entries.filter((e) => e.problem).length;
    const progress = $("plan-progress");
    $("plan-summary").textContent = running ? I18n.t("planRunning", { done: progress.value, n: progress.max })
      : entries.length === 0 ? I18n.t("planEmpty")
      : refused > 0 ? I18n.t("planRefused", { n: refused }) : I18n.t("planReady", { n: entries.length });
    $("plan-summary").className = refused > 0 || entries.length === 0 ? "notice error" : "notice info";
    $("plan-apply").disabled = running || Bridge.busy() || entries.length === 0 || refused > 0;
    $("plan-retry").hidden = running || !entries.some((e) => e.state === "failed" || e.state === "unconfirmed");
    for (const id of ["plan-first", "plan-mask", "plan-gateway", "plan-dns"]) $(id).disabled = running;
  }

  // A switch a watch misses is not there to plan.
  function takeList() {
    const listed = Discovery.devices().filter((d) => d.watch !== "missing");
    listedBySn = new Map(listed.map((d) => [d.sn, d]));
    listedAt = new Map();
    for (const d of listed) {
      if (!listedAt.has(d.ip)) listedAt.set(d.ip, []);
      listedAt.get(d.ip).push(d.sn);
    }
    chosen = Discovery.selectedSwitches();
    listChanged = false;
  }

  // rows: a plan's switches and addresses ({sn, newIp[, mask, gateway, dns]});
  // without, the form's sequence for the selection. options: {link, shared,
  // hint, mask, gateway, dns} for an undo or a resumed plan.
  function open(rows, options = {}) {
    imported = rows || null;
    linked = options.link || {};
    sharedBefore = new Set(options.shared || []);
    $("plan-linked").hidden = !options.hint;
    $("plan-linked").textContent = options.hint || "";
    for (const [id, value] of [["plan-mask", options.mask], ["plan-gateway", options.gateway], ["plan-dns", options.dns]])
      if (value !== undefined) $(id).value = value;
    listChanged = true;
    $("plan-first").closest("label").hidden = Boolean(imported);
    $("plan-progress").hidden = true;
    $("plan-dialog").hidden = false;
    build();
  }

  function apply(chosen) {
    running = true;
    for (const e of chosen) { e.state = "waiting"; e.reason = e.at = e.other = undefined; }
    $("plan-progress").hidden = false;
    $("plan-progress").max = chosen.length;
    $("plan-progress").value = 0;
    render();
    Bridge.applyPlan({
      ...linked, nic: $("nic-select").value, password: $("plan-password").value,
      switches: chosen.map((e) => ({ sn: e.sn, ip: e.device.ip, newIp: e.newIp, mask: e.mask, gateway: e.gateway,
                                     dns: e.dns, active: e.device.active === "active" })),
    });
  }

  function onMessage(message) {
    if (message.command === "planStep") {
      // One row changes: a plan of thousands of switches is not redrawn whole each step.
      const entry = entryOf.get(message.sn);
      if (entry) {
        Object.assign(entry, { state: message.state, reason: message.reason, at: message.at, other: message.other });
        showRow(entry);
      }
      $("plan-progress").value = message.done;
      renderSummary();
    } else if (message.command === "planDone") {
      running = false;
      const confirmed = entries.filter((e) => e.state === "confirmed").length;
      render();
      $("plan-summary").textContent = message.refused > 0 ? I18n.t("planRefusedByProgram", { n: message.refused })
        : message.journalProblem ? I18n.t("planJournalStopped", { reason: message.journalProblem })
        : I18n.t("planDone", { ok: confirmed, n: entries.length });
    } else if (message.command === "planImported") {
      if (message.rows) open(message.rows);
      else if (message.error) Discovery.notice(I18n.t("importFailed", message), "error");
    } else if (message.command === "csvExported") {
      if (message.file && message.lost > 0)
        Discovery.notice(I18n.t("exported", message) + " " + I18n.t("listIncomplete", { n: message.lost }), "error");
      else if (message.file) Discovery.notice(I18n.t("exported", message), "info");
      else if (message.error) Discovery.notice(I18n.t("exportFailed", message), "error");
    }
  }

  // The table, and when asked the journal's changes after it, as the page words them.
  async function exportCsv(which) {
    const changes = $("export-changes").checked ? await History.allChanges() : null;
    Bridge.exportCsv(which, changes ? JSON.stringify(changes) : "");
  }

  function init() {
    table = VirtualRows.create($("plan-scroll"), document.querySelector("#plan-preview tbody"), 4, rowFor,
                               (entry) => entry.sn);
    $("plan-button").addEventListener("click", () => open(null));
    $("import-plan-button").addEventListener("click", () => Bridge.importPlan());
    $("export-list-button").addEventListener("click", () => exportCsv("discovery"));
    $("export-project-button").addEventListener("click", () => exportCsv("project"));
    for (const id of ["plan-first", "plan-mask", "plan-gateway", "plan-dns"])
      $(id).addEventListener("input", () => { for (const e of entries) e.state = undefined; build(); });
    $("plan-apply").addEventListener("click", () => apply(entries));
    $("plan-retry").addEventListener("click", () =>
      apply(entries.filter((e) => e.state === "failed" || e.state === "unconfirmed")));
    $("plan-close").addEventListener("click", () => {
      if (running) return;
      linked = {};
      $("plan-dialog").hidden = true;
    });
    Bridge.on("deviceMessage", onMessage);
    Bridge.on("search", () => { listChanged = true; });
    I18n.onChange(render);
  }

  return { init, open, stepText };
})();
