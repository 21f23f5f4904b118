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
  // What the program found on the wire at the plan's addresses, for one
  // interface: results by address {state, mac, at}, and why nothing could
  // be checked, or which subnets the PC holds no address in.
  const WIRE_QUIET_MS = 1000;  // the plan has been still this long: probe
  let wire = { nic: "", results: new Map(), checking: false, unavailable: "", detail: "", unheld: [] };
  let wireTimer = null, wireId = 0;
  let sightBySn = new Map();  // commission on sight's state of each planned switch

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
  // A switch not listed yet has its settings and its address checked too:
  // commission on sight gives them when watch finds it.
  function problemOf(entry, planned, read) {
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
    if (other) return ["collides", { sn: other }];
    return wireProblem(entry, planned.macs) || (entry.device ? null : ["notListed"]);
  }

  // A MAC's hex digits in upper case, however the switch writes it.
  function hardwareKey(mac) {
    return String(mac).replace(/[^0-9a-f]/gi, "").toUpperCase();
  }

  // What answers may be one of the plan's own switches: one that keeps its
  // address, or two that swap.
  function wireProblem(entry, plannedMacs) {
    const found = wire.results.get(entry.newIp);
    if (!found || found.state !== "inUse" || (found.mac && plannedMacs.has(hardwareKey(found.mac)))) return null;
    return found.mac ? ["inUse", { ip: entry.newIp, mac: found.mac }] : ["inUseUnknown", { ip: entry.newIp }];
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
    entryOf = new Map(entries.map((e) => [e.sn, e]));
    for (const e of entries) e.sight = sightBySn.get(e.sn);
    evaluate();
    render();
    clearTimeout(wireTimer);
    wireTimer = setTimeout(checkOnWire, WIRE_QUIET_MS);
  }

  function evaluate() {
    const planned = { serials: new Map(), addresses: new Map(), macs: new Set() };
    for (const e of entries) {
      planned.serials.set(e.sn, (planned.serials.get(e.sn) || 0) + 1);
      planned.addresses.set(e.newIp, (planned.addresses.get(e.newIp) || 0) + 1);
      if (e.device && e.device.mac) planned.macs.add(hardwareKey(e.device.mac));
    }
    const read = { ip: cachedReader(toInt), mask: cachedReader(maskInt) };
    for (const e of entries) e.problem = problemOf(e, planned, read);
  }

  // The program is asked whether other hosts answer at the addresses the
  // plan gives, and at its gateways; what it finds stays until the next answer.
  function checkOnWire() {
    if ($("plan-dialog").hidden || running) return;
    const nic = $("nic-select").value;
    if (nic !== wire.nic) wire = { nic, results: new Map(), unavailable: "", detail: "", unheld: [] };
    const sound = entries.filter((e) => !e.problem || ["inUse", "inUseUnknown", "notListed"].includes(e.problem[0]));
    const addresses = new Set(), subnets = new Map();
    for (const e of sound) {
      addresses.add(e.newIp);
      addresses.add(e.gateway);
      subnets.set(toIp(network(toInt(e.newIp), maskInt(e.mask))) + "/" + e.mask, { ip: e.newIp, mask: e.mask });
    }
    if (addresses.size === 0) return;
    wire.checking = true;
    renderWire();
    Bridge.checkAddresses({ id: ++wireId, nic, addresses: [...addresses], subnets: [...subnets.values()] });
  }

  function onWireChecked(message) {
    if (message.id !== wireId || message.nic !== wire.nic) return; // a newer check is under way
    for (const result of message.results) wire.results.set(result.ip, result);
    Object.assign(wire, { checking: false, unavailable: message.unavailable || "", detail: message.detail || "",
                          unheld: message.unheld });
    $("plan-wire").dataset.checked = message.id; // which check the lines are of
    evaluate();
    render();
  }

  // The lines under the summary: what could not be checked and why, and what
  // the plan leaves the PC unable to reach. Warnings, not refusals.
  function renderWire() {
    const lines = [];
    if (wire.checking) lines.push(I18n.t("wireChecking", { nic: wire.nic }));
    else if (wire.unavailable) lines.push(I18n.t("wireUnavailable_" + wire.unavailable, { detail: wire.detail }));
    for (const subnet of wire.checking ? [] : wire.unheld) lines.push(I18n.t("wireUnheld", { subnet, nic: wire.nic }));
    const gateways = new Set(entries.filter((e) => !e.problem).map((e) => e.gateway));
    for (const gateway of gateways) {
      const found = wire.results.get(gateway);
      if (!wire.checking && found && found.state === "silent")
        lines.push(I18n.t("wireGatewaySilent", { ip: gateway, at: found.at }));
    }
    const box = $("plan-wire");
    box.replaceChildren(...lines.map((line) => Object.assign(document.createElement("div"), { textContent: line })));
    box.hidden = lines.length === 0;
  }

  // A switch's address as the wire showed it, when nothing else is to be said.
  function wireText(entry) {
    const found = wire.results.get(entry.newIp);
    return found && found.state === "silent" ? I18n.t("wireSilent", { ip: entry.newIp, at: found.at }) : "";
  }

  // The program checks a plan again before it asks any switch; it refuses
  // one with the preview's own words.
  const PREVIEW_WORDS = new Set(["twice", "badAddress", "badMask", "badGateway", "badDns", "leavesSubnet",
                                 "isGateway", "duplicate", "collides", "inUse"]);

  // What became of a switch in a run, {state, reason, at, other}, in the page's words.
  function stepText(step) {
    if (!step.state) return "";
    const inUseUnknown = step.reason === "inUse" && !step.other;
    const reason = !step.reason ? ""
      : inUseUnknown ? I18n.t("plan_inUseUnknown", { ip: step.newIp })
      : PREVIEW_WORDS.has(step.reason) ? I18n.t("plan_" + step.reason, { sn: step.other, mac: step.other, ip: step.newIp })
      : I18n.t("planReason_" + step.reason, { at: step.at });
    return I18n.t("planState_" + step.state, { reason });
  }

  // What commission on sight made of a switch, {state, newIp[, reason][, at][, other]}.
  function sightText(sight) {
    if (sight.state !== "failed") return I18n.t("sightState_" + sight.state);
    return stepText({ state: "failed", reason: sight.reason, at: sight.at, other: sight.other, newIp: sight.newIp });
  }

  function resultText(entry) {
    if (entry.sight) return sightText(entry.sight);
    return entry.problem ? I18n.t("plan_" + entry.problem[0], entry.problem[1]) : stepText(entry) || wireText(entry);
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
    const unlisted = entries.filter((e) => e.problem && e.problem[0] === "notListed").length;
    const progress = $("plan-progress");
    $("plan-summary").textContent = running ? I18n.t("planRunning", { done: progress.value, n: progress.max })
      : entries.length === 0 ? I18n.t("planEmpty")
      : refused > unlisted ? I18n.t("planRefused", { n: refused - unlisted })
      : unlisted > 0 ? I18n.t("planUnlisted", { n: unlisted }) : I18n.t("planReady", { n: entries.length });
    $("plan-summary").className = refused > unlisted || entries.length === 0 ? "notice error" : "notice info";
    $("plan-apply").disabled = running || Bridge.busy() || entries.length === 0 || refused > 0;
    $("plan-retry").hidden = running || !entries.some((e) => e.state === "failed" || e.state === "unconfirmed");
    for (const id of ["plan-first", "plan-mask", "plan-gateway", "plan-dns"]) $(id).disabled = running;
    renderWire();
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

  // A switch not seen yet, for commission on sight: the plan becomes a
  // list of its own, the form's mask, gateway and DNS for each.
  function addSwitch(sn, newIp) {
    if (!imported) imported = entries.map((e) => ({ sn: e.sn, newIp: e.newIp }));
    imported = imported.filter((row) => row.sn !== sn).concat([{ sn, newIp }]);
    $("plan-first").closest("label").hidden = true;
    build();
  }

  // Commission on sight's states by serial number, or null: the preview's own again.
  function showSight(states) {
    sightBySn = new Map((states || []).map((state) => [state.sn, state]));
    for (const e of entries) {
      e.sight = sightBySn.get(e.sn);
      showRow(e);
    }
  }

  // The plan as commission on sight takes it: each switch with its settings
  // and what the preview found wrong, a switch not listed yet aside.
  function rows() {
    return entries.map((e) => ({ sn: e.sn, newIp: e.newIp, mask: e.mask, gateway: e.gateway, dns: e.dns,
                                 problem: e.problem && e.problem[0] !== "notListed" ? e.problem[0] : null }));
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
    if (message.sight) return; // commission on sight's, which shows its own states
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
    } else if (message.command === "addressCheck") {
      onWireChecked(message);
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
    $("plan-add").addEventListener("click", () => {
      const sn = $("plan-add-sn").value.trim(), newIp = $("plan-add-ip").value.trim();
      if (!sn || !newIp) return;
      addSwitch(sn, newIp);
      $("plan-add-sn").value = $("plan-add-ip").value = "";
    });
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

  return { init, open, stepText, sightText, addSwitch, showSight, rows };
})();
