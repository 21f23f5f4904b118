// The History view: every change the program asked of a switch in the open
// project (or outside any project), newest first, with what came back; a
// change asked before the program stopped, with no outcome, says its outcome
// is unknown. It filters by switch and by plan, and undoes a plan. An
// address plan that did not end is offered here and on the discovery view:
// show it, resume it or dismiss it.
"use strict";

const History = (() => {
  const $ = (id) => document.getElementById(id);
  let rows = [];          // {entry, outcome, plan}, newest first
  let plans = new Map();  // by id: {id, time, nic, switches, readdressed: Set, undoes}
  let interrupted = null; // the program's planInterrupted message, or null
  let setAside = 0;
  let table = null;
  let wantedPlan = null;  // the plan to show once the history has come
  let awaited = [];       // what waits for the history to come afresh

  const clock = (time) => String(time || "").replace("T", " ").replace(/\.\d+/, "");

  function planOf(entry) {
    if (!plans.has(entry.plan))
      plans.set(entry.plan, { id: entry.plan, time: entry.time, nic: entry.nic, switches: entry.switches || [],
                              readdressed: new Set(), undoes: entry.undoes });
    return plans.get(entry.plan);
  }

  // An outcome is drawn on the row of what it answers.
  function load(message) {
    const asked = new Map();
    rows = [];
    plans = new Map();
    setAside = message.setAside || 0;
    for (const entry of JSON.parse(message.entries || "[]")) {
      if (entry.kind === "plan" && entry.phase === "started") planOf(entry);
      if (entry.phase === "asked" && entry.kind === "address" && plans.has(entry.plan))
        plans.get(entry.plan).readdressed.add(entry.sn);
      const row = asked.get(entry.id);
      if (row && entry.phase !== "asked") {
        row.outcome = entry;
        continue;
      }
      const added = { entry, outcome: null };
      if (entry.phase === "asked") asked.set(entry.id, added);
      rows.push(added);
    }
    rows.reverse();
    fillPlanChoice();
    render();
    for (const resolve of awaited.splice(0)) resolve();
  }

  function planLabel(plan) {
    return I18n.t(plan.undoes ? "historyUndoPlan" : "historyPlan",
                  { time: clock(plan.time), nic: plan.nic, n: plan.switches.length });
  }

  function fillPlanChoice() {
    const choice = $("history-plan"), chosen = wantedPlan ?? choice.value;
    wantedPlan = null;
    const all = document.createElement("option");
    all.value = "";
    all.textContent = I18n.t("historyAllPlans");
    choice.replaceChildren(all);
    for (const plan of [...plans.values()].reverse()) {
      const option = document.createElement("option");
      option.value = plan.id;
      option.textContent = planLabel(plan);
      choice.appendChild(option);
    }
    choice.value = plans.has(chosen) ? chosen : "";
  }

  function changeText(entry) {
    if (entry.kind === "activate") return I18n.t("historyActivate");
    if (entry.kind === "address") return I18n.t("historyAddress", entry);
    if (entry.kind === "request") return I18n.t("historyRequest", { command: entry.callcmd });
    if (entry.kind === "planStep") return AddressPlan.stepText(entry);
    if (entry.phase === "started") return planLabel(planOf(entry));
    return I18n.t("historyPlan_" + entry.phase, entry);
  }

  function outcomeText(row) {
    if (row.entry.phase !== "asked") return "";
    if (!row.outcome) return I18n.t("historyUnknown");
    const reason = row.outcome.reason === "notSent" ? I18n.t("historyNotSent") : row.outcome.reason || "";
    return I18n.t("historyOutcome_" + row.outcome.phase, { reason });
  }

  function rowFor(row) {
    const e = row.entry;
    const tr = document.createElement("tr");
    if (e.phase === "asked" && !row.outcome) tr.className = "unknown";
    else if (row.outcome && row.outcome.phase !== "answered") tr.className = "failed";
    const who = I18n.t("historyWho", { user: e.user || "?", host: e.host || "?", nic: e.nic || "?" });
    for (const text of [clock(e.time), [e.sn, e.mac].filter(Boolean).join(" · "), changeText(e), outcomeText(row),
                        who]) {
      const td = document.createElement("td");
      td.textContent = text;
      td.title = text;
      tr.appendChild(td);
    }
    return tr;
  }

  function shown() {
    const sn = $("history-switch").value.trim().toLowerCase(), plan = $("history-plan").value;
    return rows.filter((row) => (!plan || row.entry.plan === plan)
      && (!sn || [row.entry.sn, row.entry.mac].join(" ").toLowerCase().includes(sn)));
  }

  function render() {
    const list = shown();
    table.show(list, false);
    const plan = plans.get($("history-plan").value);
    $("history-undo").disabled = !plan || plan.readdressed.size === 0 || Bridge.busy();
    $("history-notice").hidden = setAside === 0 && list.length > 0;
    $("history-notice").textContent = [list.length === 0 ? I18n.t("historyEmpty") : "",
                                       setAside > 0 ? I18n.t("historySetAside", { n: setAside }) : ""]
      .filter(Boolean).join(" ");
  }

  // Searches first: the plan's form checks against where the switches are now.
  async function searched(nic) {
    if ([...$("nic-select").options].some((o) => o.value === nic)) $("nic-select").value = nic;
    try {
      return !Bridge.isTimeout(await Bridge.search(nic));
    } catch (busy) {
      Discovery.notice(I18n.t("busy"), "error");
      return false;
    }
  }

  // Every switch the plan gave a new address goes back to its old one, with
  // the mask, gateway and DNS the person confirms: no switch tells its old ones.
  async function undo(plan) {
    App.show("discovery");
    if (!(await searched(plan.nic))) return;
    const back = plan.switches.filter((s) => plan.readdressed.has(s.sn));
    const times = new Map();
    for (const s of back) times.set(s.ip, (times.get(s.ip) || 0) + 1);
    const shared = [...times].filter(([, n]) => n > 1).map(([ip]) => ip);
    // The plan's own gateway and DNS belong to the new addresses: the person types the old ones.
    AddressPlan.open(back.map((s) => ({ sn: s.sn, newIp: s.ip })), {
      link: { undoes: plan.id }, shared, mask: (back[0] || {}).mask, gateway: "", dns: "",
      hint: [I18n.t("undoHint", { time: clock(plan.time) }),
             shared.length ? I18n.t("undoShared", { list: shared.join(", ") }) : ""].filter(Boolean).join(" "),
    });
  }

  // The switches that do not answer at their planned address carry on; one
  // the search does not find is not guessed at.
  async function resume(message) {
    if (!(await searched(message.nic))) return;
    const listed = new Map(Discovery.devices().map((d) => [d.sn, d]));
    const rest = message.switches.filter((s) => listed.has(s.sn) && listed.get(s.sn).ip !== s.newIp);
    const missing = message.switches.filter((s) => !listed.has(s.sn)).map((s) => s.sn);
    AddressPlan.open(rest.map((s) => ({ sn: s.sn, newIp: s.newIp, mask: s.mask, gateway: s.gateway, dns: s.dns })), {
      link: { resumes: message.plan },
      hint: [I18n.t("resumeHint", { n: rest.length, total: message.total }),
             missing.length ? I18n.t("resumeMissing", { list: missing.join(", ") }) : ""].filter(Boolean).join(" "),
    });
  }

  function showInterrupted(message) {
    interrupted = message.plan ? message : null;
    $("interrupted-notice").hidden = !interrupted;
    if (interrupted) $("interrupted-text").textContent = I18n.t("planInterrupted", interrupted);
  }

  function open(planId) {
    App.show("history");
    wantedPlan = planId || "";
    Bridge.history();
  }

  function onMessage(message) {
    if (message.command === "history") {
      load(message);
    } else if (message.command === "planInterrupted") {
      showInterrupted(message);
    } else if (message.command === "planDone") {
      Bridge.interruptedPlan();
      if ($("view-history").classList.contains("active")) Bridge.history();
    } else if (message.command === "localProject") {
      Bridge.interruptedPlan();
      if ($("view-history").classList.contains("active")) Bridge.history();
    }
  }

  function init() {
    table = VirtualRows.create($("history-scroll"), document.querySelector("#history-table tbody"), 5, rowFor,
                               (row) => [row.entry.time, row.entry.kind, row.entry.phase, row.entry.sn].join("|"));
    document.querySelector('.tab[data-view="history"]').addEventListener("click", () => Bridge.history());
    $("history-switch").addEventListener("input", render);
    $("history-plan").addEventListener("change", render);
    $("history-undo").addEventListener("click", () => undo(plans.get($("history-plan").value)));
    $("interrupted-show").addEventListener("click", () => open(interrupted.plan));
    $("interrupted-resume").addEventListener("click", () => resume(interrupted));
    $("interrupted-dismiss").addEventListener("click", () => {
      Bridge.dismissPlan(interrupted.plan);
      showInterrupted({});
    });
    Bridge.on("deviceMessage", onMessage);
    I18n.onChange(() => {
      fillPlanChoice();
      render();
      if (interrupted) showInterrupted(interrupted);
    });
    Bridge.interruptedPlan();
  }

  // The changes made from start on, oldest first, for the site report.
  const changesSince = (start) => rows.filter((row) => row.entry.phase === "asked" && new Date(row.entry.time) >= start)
    .reverse().map((row) => ({ time: clock(row.entry.time), sn: row.entry.sn, change: changeText(row.entry),
                               outcome: outcomeText(row) }));

  // Every change, once the program has sent the history afresh.
  function allChanges() {
    const fresh = new Promise((resolve) => awaited.push(resolve));
    Bridge.history();
    return fresh.then(() => changesSince(new Date(0)));
  }

  return { init, changesSince, allChanges };
})();
