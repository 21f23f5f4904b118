// Discovery: choose an interface, search, and work with the switches found —
// sort, filter, and add them to the local project with their passwords.
"use strict";

const Discovery = (() => {
  let devices = [];          // the last search's "device" entries, with state, project and address marks
  let shown = [];            // devices as filtered and sorted for the table
  let selected = new Set();  // serial numbers
  let sortKey = "ip";
  let sortAscending = true;
  let lastAdd = null;        // {report, chosen}: shown again when the language changes
  let live = false;          // a search is listing its switches as they answer
  let listedLive = false;    // the list was built from this search's rows as they came
  let byAddress = new Map(); // address -> the devices answering on it, while live
  let projectSerials = new Set(); // the open local project's switches
  let table = null;          // the table's rows, drawn as they come into view
  let sightMarks = new Map(); // commission on sight's {state, text} of each planned switch
  let watchOn = false;       // the search repeats by itself; the program marks each round
  let answersLost = 0;       // answers the last search lost: its list is not whole
  const $ = (id) => document.getElementById(id);

  // The GBK bytes of "未激活" arrive as replacement characters; anything but
  // "active" is a switch that is not activated.
  const isActive = (device) => device.active === "active";

  function ipValue(ip) {
    const parts = String(ip).split(".").map(Number);
    return parts.length === 4 && parts.every((p) => p >= 0 && p <= 255)
      ? parts.reduce((sum, p) => sum * 256 + p, 0) : Number.MAX_SAFE_INTEGER;
  }

  function sortValue(device, key) {
    if (key === "ip") return ipValue(device.ip);
    if (key === "state") return isActive(device) ? 0 : 1;
    if (key === "inProject") return device.inProject ? 0 : 1;
    return String(device[key] || "").toLowerCase();
  }

  // The switches that pass a test, in the table's order, by sort keys
  // worked out once per switch.
  function sortedWhere(test) {
    const keyed = [];
    for (const d of devices) if (test(d)) keyed.push([sortValue(d, sortKey), d]);
    const direction = sortAscending ? 1 : -1;
    keyed.sort((a, b) => (a[0] < b[0] ? -1 : a[0] > b[0] ? 1 : 0) * direction);
    return keyed.map((pair) => pair[1]);
  }

  function visibleDevices() {
    const filter = $("filter-input").value.trim().toLowerCase();
    return sortedWhere((d) => !filter || d.haystack.includes(filter));
  }

  function cell(text, className) {
    const td = document.createElement("td");
    if (className) {
      const badge = document.createElement("span");
      badge.className = "badge " + className;
      badge.textContent = text;
      td.appendChild(badge);
    } else {
      td.textContent = text;
    }
    return td;
  }

  function addressCell(device) {
    const td = cell(device.ip);
    const sight = sightMarks.get(device.sn);
    if (sight) {
      const mark = document.createElement("span");
      mark.className = "badge sight-" + sight.state;
      mark.textContent = sight.text;
      td.append(" ", mark);
    }
    if (device.sharedBy > 1) {
      const mark = document.createElement("span");
      mark.className = "badge conflict";
      mark.textContent = I18n.t("addressShared", { n: device.sharedBy });
      mark.title = I18n.t("addressSharedHint", { n: device.sharedBy });
      td.append(" ", mark);
    }
    return td;
  }

  // A watch's mark on a switch, as a row's class and tooltip.
  function showWatchMark(row, device) {
    if (!device.watch) return;
    row.classList.add("watch-" + device.watch);
    row.title = device.watch === "missing" ? I18n.t("watchMissing", { time: device.lastSeen })
      : device.watch === "changed"
        ? I18n.t("watchChanged", { ip: device.wasIp, state: I18n.t(device.wasActive ? "stateActive" : "stateInactive") })
        : I18n.t("watchNew");
  }

  function rowFor(device) {
    const row = document.createElement("tr");
    row.dataset.sn = device.sn;
    row.classList.toggle("selected", selected.has(device.sn));
    row.classList.toggle("conflict", device.sharedBy > 1);
    showWatchMark(row, device);
    const check = document.createElement("input");
    check.type = "checkbox";
    check.disabled = device.watch === "missing"; // not there: nothing can be done with it
    check.checked = selected.has(device.sn);
    check.addEventListener("change", () => {
      check.checked ? selected.add(device.sn) : selected.delete(device.sn);
      row.classList.toggle("selected", check.checked);
      renderChrome();
    });
    const checkCell = document.createElement("td");
    checkCell.appendChild(check);
    row.appendChild(checkCell);
    row.appendChild(addressCell(device));
    for (const key of ["sn", "mac", "model", "V"]) row.appendChild(cell(device[key]));
    row.appendChild(isActive(device) ? cell(I18n.t("stateActive"), "active")
                                     : cell(I18n.t("stateInactive"), "inactive"));
    row.appendChild(device.inProject ? cell(I18n.t("inProject"), "project") : cell(""));
    return row;
  }

  // Everything around the rows: sort marks, counts, the select-all box and the add button.
  function renderChrome() {
    for (const th of document.querySelectorAll("#device-table th[data-key]")) {
      th.classList.toggle("sorted-asc", th.dataset.key === sortKey && sortAscending);
      th.classList.toggle("sorted-desc", th.dataset.key === sortKey && !sortAscending);
    }
    $("device-empty").hidden = devices.length > 0;
    $("device-count").textContent = devices.length === 0 ? "" : shown.length === devices.length
      ? I18n.t("count", { n: devices.length })
      : I18n.t("countFiltered", { shown: shown.length, n: devices.length });
    $("select-all").checked = shown.length > 0 && shown.every((d) => selected.has(d.sn) || d.watch === "missing");
    $("project-name").textContent = projectName ? I18n.t("projectName", { name: projectName }) : "";
    // What acts on the list waits for the whole list.
    $("add-button").disabled = live || selected.size === 0 || Bridge.busy();
    $("plan-button").disabled = live; // with nothing selected, a plan of switches not seen yet
    $("export-list-button").disabled = live;
    $("site-report-button").disabled = live;
  }

  // keepView: the row at the top of the view stays there, wherever new rows land.
  function render(keepView) {
    shown = visibleDevices();
    table.show(shown, keepView);
    renderChrome();
  }

  function notice(text, kind) {
    const box = $("discovery-notice");
    box.hidden = !text;
    box.textContent = text || "";
    box.className = "notice " + (kind || "");
  }

  // Addresses that several switches answer on: "{address} ({n})", in list order.
  function sharedAddresses() {
    const named = new Map();
    for (const d of devices) if (d.sharedBy > 1) named.set(d.ip, d.sharedBy);
    return [...named].map(([ip, n]) => `${ip} (${n})`);
  }

  function listed(d, inProject, sharedBy) {
    return { ...d, inProject, sharedBy, haystack: [d.ip, d.sn, d.mac, d.model, d.V].join("\n").toLowerCase() };
  }

  // A batch of switches that have just answered: the first one of a search
  // replaces the list, so a search nobody answers leaves it as it was.
  function showNewRows(rows) {
    if (watchOn) {
      addWatchedRows(rows);
      return;
    }
    if (!live) {
      live = listedLive = true;
      answersLost = 0;
      devices = [];
      byAddress = new Map();
    }
    for (const d of rows) {
      const device = listed(d, projectSerials.has(d.sn), 1);
      devices.push(device);
      const same = byAddress.get(d.ip) || [];
      same.push(device);
      byAddress.set(d.ip, same);
      for (const other of same) other.sharedBy = same.length;
    }
    render(true);
  }

  // While watching, rows keep their place: a round only adds the switches
  // not listed yet; its end marks them all.
  function addWatchedRows(rows) {
    live = true;
    const known = new Set(devices.map((d) => d.sn));
    for (const d of rows) if (!known.has(d.sn)) devices.push(listed(d, projectSerials.has(d.sn), 1));
    render(true);
  }

  function showWatchRound(message) {
    const perAddress = new Map();
    for (const d of message.device) if (d.watch !== "missing") perAddress.set(d.ip, (perAddress.get(d.ip) || 0) + 1);
    devices = message.device.map((d) => listed(d, projectSerials.has(d.sn), perAddress.get(d.ip) || 1));
    const missing = new Set(devices.filter((d) => d.watch === "missing").map((d) => d.sn));
    selected = new Set([...selected].filter((sn) => !missing.has(sn)));
    live = false;
    const lost = message.lost > 0 ? " " + I18n.t("answersLost", { n: message.lost }) : "";
    notice(I18n.t("watchRound", message) + lost, message.missing > 0 || lost ? "error" : "info");
    render(true);
  }

  function showWatchState(message) {
    watchOn = message.on;
    $("watch-button").setAttribute("aria-pressed", String(watchOn));
    $("watch-button").classList.toggle("on", watchOn);
    $("watch-interval").value = message.interval;
    if (!watchOn) render();
  }

  // The rows shown as they came are the result's own when they are its
  // switches in its order: then they stay, and only the project's marks may change.
  function sameSwitches(list) {
    return listedLive && list.length === devices.length && list.every((d, i) => d.sn === devices[i].sn);
  }

  function showSearchResult(result) {
    if (result.round) { // the round's marks follow, with every switch seen
      live = false;
      renderChrome();
      return;
    }
    const list = result.device || [];
    const inProject = new Set((result.local_device || []).map((d) => d.sn));
    if (sameSwitches(list)) {
      for (const d of devices) d.inProject = inProject.has(d.sn);
    } else {
      const perAddress = new Map();
      for (const d of list) perAddress.set(d.ip, (perAddress.get(d.ip) || 0) + 1);
      devices = list.map((d) => listed(d, inProject.has(d.sn), perAddress.get(d.ip)));
    }
    listedLive = false;
    showListFinal();
  }

  // The search's window has ended: its list is whole and may be acted on.
  function showListFinal() {
    live = false;
    const present = new Set(devices.map((d) => d.sn));
    selected = new Set([...selected].filter((sn) => present.has(sn)));
    const shared = sharedAddresses();
    let text = I18n.t("searchDone", { n: devices.length });
    if (shared.length > 0) {
      const sharing = devices.filter((d) => d.sharedBy > 1).length;
      text += " " + I18n.t("sharedAddresses", { n: sharing, list: shared.join(", ") });
    }
    if (answersLost > 0) text += " " + I18n.t("answersLost", { n: answersLost });
    notice(text, shared.length > 0 || answersLost > 0 ? "error" : "info");
    render(true);
  }

  let projectName = "";

  function showDeviceMessage(message) {
    if (message.command === "searchProgress") {
      notice(I18n.t("searchProgress", { n: message.found }) + (live ? " " + I18n.t("searchListGrowing") : ""),
             "info");
    } else if (message.command === "searchRows") {
      showNewRows(JSON.parse(message.rows || "[]"));
    } else if (message.command === "searchEnded") {
      answersLost = message.lost || 0;
      // A round's marks come with its own message, unless watch stopped meanwhile.
      if (live && (!message.round || !watchOn)) showListFinal();
      else if (message.found === 0 && !message.round) notice(I18n.t("searchTimeout"), "error");
    } else if (message.command === "watchRound") {
      showWatchRound(message);
    } else if (message.command === "watchState") {
      showWatchState(message);
    } else if (message.command === "localProject") {
      // The marks follow the open project, without a new search.
      projectName = message.name || "";
      projectSerials = new Set(message.sn || []);
      for (const d of devices) d.inProject = projectSerials.has(d.sn);
      render();
    }
  }

  async function search() {
    const nic = $("nic-select").value;
    notice(I18n.t("searching", { nic }), "info");
    $("search-button").disabled = true;
    try {
      const result = await Bridge.search(nic);
      if (Bridge.isTimeout(result)) notice(I18n.t("searchTimeout"), "error");
    } catch (busy) {
      notice(I18n.t("busy"), "error");
    }
    $("search-button").disabled = false;
    render();
  }

  function openAddDialog() {
    const rows = $("add-rows");
    rows.textContent = "";
    for (const device of devices.filter((d) => selected.has(d.sn))) {
      const row = document.createElement("tr");
      row.dataset.sn = device.sn;
      row.appendChild(cell(device.ip));
      row.appendChild(cell(device.sn));
      row.appendChild(isActive(device) ? cell(I18n.t("stateActive"), "active")
                                       : cell(I18n.t("stateInactive"), "inactive"));
      const password = document.createElement("input");
      password.type = "password";
      password.placeholder = I18n.t("colPassword");
      password.value = $("common-password").value;
      const passwordCell = document.createElement("td");
      passwordCell.appendChild(password);
      row.appendChild(passwordCell);
      rows.appendChild(row);
    }
    $("add-dialog").hidden = false;
  }

  function reasonText(message) {
    return I18n.t({ "device not open!": "reason_notOpen", "device is already actived!": "reason_refused",
                    "saving local project fail": "reason_notSaved",
                    "local project closed!": "reason_closed" }[message] || message);
  }

  // fresh: the report has just come; shown again for a new language, it
  // leaves the marks to the open project.
  function showAddResult(report, chosen, fresh) {
    lastAdd = { report, chosen };
    const list = document.querySelector("#add-result ul");
    list.textContent = "";
    const failed = new Map((report.failed_sn || []).map((sn, i) => [sn, report.failed_errmsgs[i]]));
    for (const device of chosen) {
      const item = document.createElement("li");
      const reason = failed.get(device.sn);
      item.className = reason === undefined ? "ok" : "failed";
      item.textContent = reason === undefined ? I18n.t("addOk", device)
                                              : I18n.t("addFailed", { ...device, reason: reasonText(reason) });
      if (fresh && reason === undefined) device.inProject = true;
      list.appendChild(item);
    }
    $("add-result").hidden = false;
    notice("", "");
    render();
  }

  async function confirmAdd() {
    const chosen = [];
    for (const row of $("add-rows").children) {
      const device = devices.find((d) => d.sn === row.dataset.sn);
      const password = row.querySelector("input").value;
      if (!password) {
        notice(I18n.t("passwordMissing"), "error");
        return;
      }
      chosen.push({ ...device, passwd: password });
    }
    $("add-dialog").hidden = true;
    const handover = { ip: [], sn: [], mac: [], model: [], passwd: [], active: [] };
    for (const d of chosen)
      for (const key of Object.keys(handover)) handover[key].push(d[key] ?? "");
    notice(I18n.t("adding", { n: chosen.length }), "info");
    try {
      const report = await Bridge.addToProject(handover);
      showAddResult(report, chosen.map((d) => devices.find((x) => x.sn === d.sn)), true);
    } catch (busy) {
      notice(I18n.t("busy"), "error");
    }
  }

  function setInterfaces(names) {
    const select = $("nic-select");
    const current = select.value;
    select.textContent = "";
    for (const name of names || []) {
      const option = document.createElement("option");
      option.value = option.textContent = name;
      select.appendChild(option);
    }
    if (names && names.includes(current)) select.value = current;
  }

  function init() {
    table = VirtualRows.create($("device-scroll"), document.querySelector("#device-table tbody"), 8, rowFor,
                               (device) => device.sn);
    $("search-button").addEventListener("click", search);
    $("watch-button").addEventListener("click", () => Bridge.watch(!watchOn, $("nic-select").value));
    $("watch-interval").addEventListener("change", () => {
      const seconds = Math.round(Number($("watch-interval").value));
      if (seconds >= 5 && seconds <= 300) Bridge.setWatchInterval(seconds);
      else notice(I18n.t("watchIntervalRange"), "error");
    });
    // Another interface is another site: watch stops.
    $("nic-select").addEventListener("change", () => { if (watchOn) Bridge.watch(false, ""); });
    $("filter-input").addEventListener("input", render);
    $("add-button").addEventListener("click", openAddDialog);
    $("add-cancel").addEventListener("click", () => { $("add-dialog").hidden = true; });
    $("add-confirm").addEventListener("click", confirmAdd);
    $("common-password").addEventListener("input", () => {
      for (const input of $("add-rows").querySelectorAll("input")) input.value = $("common-password").value;
    });
    $("select-all").addEventListener("change", () => {
      for (const d of shown)
        $("select-all").checked && d.watch !== "missing" ? selected.add(d.sn) : selected.delete(d.sn);
      table.redraw();
      renderChrome();
    });
    for (const th of document.querySelectorAll("#device-table th[data-key]")) {
      th.addEventListener("click", () => {
        sortAscending = sortKey === th.dataset.key ? !sortAscending : true;
        sortKey = th.dataset.key;
        render();
      });
    }
    Bridge.on("search", showSearchResult);
    Bridge.on("deviceMessage", showDeviceMessage);
    I18n.onChange(() => {
      if (lastAdd) showAddResult(lastAdd.report, lastAdd.chosen, false);
      render();
    });
    render();
  }

  return {
    init, setInterfaces, notice,
    devices: () => devices,
    watching: () => watchOn,
    // Commission on sight's marks by serial number.
    setSightMarks: (marks) => { sightMarks = marks; render(); },
    // The selected switches in the table's order, the filter aside.
    selectedSwitches: () => sortedWhere((d) => selected.has(d.sn) && d.watch !== "missing"),
  };
})();
