// The site report: a snapshot of the listed switches, which the program
// takes at the click, previewed as the very sheets it prints to. Each sheet
// is one A4 page in landscape: the first holds the title block and the
// summary, the others a fixed number of rows, each with the title's short
// form and its page number. The sheets break pages themselves, so the print
// needs no page margin boxes. Everything from a switch or a typed line
// enters as text.
"use strict";

const SiteReport = (() => {
  const $ = (id) => document.getElementById(id);
  const SVG = "http://www.w3.org/2000/svg";
  const ROWS_PER_PAGE = 30;
  const CHART_BARS = 10;  // the most common values; the rest count as "other"
  const COLUMNS = ["colIp", "colSn", "colMac", "colModel", "colVersion", "colState", "colProject",
                   "reportOldIp", "reportNewIp", "reportResult"];
  let report = null;  // {title, rows} as the program sent it

  function element(tag, className, text) {
    const el = document.createElement(tag);
    if (className) el.className = className;
    if (text !== undefined) el.textContent = text;
    return el;
  }

  const present = (row) => !row.notSeen && row.watch !== "missing";

  function counts() {
    const found = report.rows.filter(present);
    return {
      found: found.length,
      activated: found.filter((r) => r.active).length,
      notActivated: found.filter((r) => !r.active).length,
      sharing: found.filter((r) => r.sharedWith > 0).length,
      notSeen: report.rows.length - found.length,
      byModel: tally(found.map((r) => r.model)),
      byFirmware: tally(found.map((r) => r.V)),
    };
  }

  // [[value, count]…], most common first, the rest gathered as "other": a site
  // may run dozens of firmware versions, and the cover sheet is one page.
  function tally(values) {
    const counted = new Map();
    for (const v of values) {
      const key = v || I18n.t("reportUnknown");
      counted.set(key, (counted.get(key) || 0) + 1);
    }
    const sorted = [...counted].sort((a, b) => b[1] - a[1] || a[0].localeCompare(b[0]));
    if (sorted.length <= CHART_BARS) return sorted;
    const rest = sorted.slice(CHART_BARS - 1).reduce((n, [, c]) => n + c, 0);
    return [...sorted.slice(0, CHART_BARS - 1), [I18n.t("reportOther"), rest]];
  }

  function shortTitle() {
    const t = report.title;
    return [t.project || I18n.t("reportSearchResults"), $("report-site").value.trim(), t.date]
      .filter((part) => part).join(" · ");
  }

  // A page with its head and its foot, around what content holds.
  function sheet(number, total, ...content) {
    const page = element("div", "sheet");
    const head = element("header", "sheet-head");
    head.append(element("span", "sheet-brand", I18n.t("reportTitle")), element("span", "sheet-short", shortTitle()));
    page.append(head, ...content, element("footer", "sheet-foot", I18n.t("reportPage", { n: number, total })));
    return page;
  }

  function titleBlock() {
    const t = report.title;
    const block = element("dl", "title-block");
    const lines = [["reportProject", t.project || I18n.t("reportSearchResults")], ["interface", t.nic],
                   ["reportDate", t.date], ["reportVersion", t.version],
                   ["reportSite", $("report-site").value.trim()], ["reportInstaller", $("report-installer").value.trim()]];
    if (t.lost > 0) lines.push(["reportList", I18n.t("listIncomplete", { n: t.lost })]);
    for (const [key, value] of lines) block.append(element("dt", "", I18n.t(key)), element("dd", "", value));
    return block;
  }

  function countTable(rows) {
    const table = element("table", "report-counts");
    for (const [label, n] of rows) {
      const tr = element("tr");
      tr.append(element("th", "", label), element("td", "", String(n)));
      table.append(tr);
    }
    return table;
  }

  function svgElement(tag, attributes, text) {
    const el = document.createElementNS(SVG, tag);
    for (const [name, value] of Object.entries(attributes)) el.setAttribute(name, value);
    if (text !== undefined) el.textContent = text;
    return el;
  }

  // Horizontal bars, one a value; the labels are SVG text nodes.
  function barChart(tallied) {
    const BAR = 14, GAP = 4, LABEL = 150, WIDTH = 420;
    const height = Math.max(1, tallied.length * (BAR + GAP));
    const svg = svgElement("svg", { viewBox: `0 0 ${WIDTH} ${height}`, width: WIDTH, height });
    const most = Math.max(1, ...tallied.map(([, n]) => n));
    tallied.forEach(([label, n], i) => {
      const y = i * (BAR + GAP);
      const width = Math.max(1, ((WIDTH - LABEL - 50) * n) / most);
      svg.append(
        svgElement("text", { x: LABEL - 6, y: y + BAR - 3, "text-anchor": "end" },
                   label.length > 24 ? label.slice(0, 23) + "…" : label),
        svgElement("rect", { x: LABEL, y, height: BAR, width }),
        svgElement("text", { x: LABEL + width + 4, y: y + BAR - 3 }, String(n)));
    });
    return svg;
  }

  function breakdown(titleKey, tallied) {
    const figure = element("figure", "report-chart");
    figure.append(element("h3", "", I18n.t(titleKey)), countTable(tallied), barChart(tallied));
    return figure;
  }

  function coverSheet(total) {
    const c = counts();
    const summary = countTable([[I18n.t("reportFound"), c.found], [I18n.t("reportActivated"), c.activated],
                                [I18n.t("reportNotActivated"), c.notActivated], [I18n.t("reportSharing"), c.sharing],
                                [I18n.t("reportNotSeenCount"), c.notSeen]]);
    const charts = element("div", "report-charts");
    charts.append(breakdown("reportByModel", c.byModel), breakdown("reportByFirmware", c.byFirmware));
    const empty = report.rows.length === 0 ? [element("p", "", I18n.t("reportEmpty"))] : [];
    return sheet(1, total, element("h1", "", I18n.t("reportTitle")), titleBlock(),
                 element("h2", "", I18n.t("reportSummary")), summary, charts, ...empty);
  }

  function stateText(row) {
    if (!present(row)) return I18n.t("reportNotSeen");
    return I18n.t(row.active ? "stateActive" : "stateInactive");
  }

  // A cell is one line of its column's text: a line break a switch sends
  // would move every row below it.
  const oneLine = (text) => String(text).replace(/[\r\n\u2028\u2029]/g, " ");

  function rowCells(row) {
    const plan = row.plan || {};
    const address = row.sharedWith > 0 ? `${row.ip} (${I18n.t("addressShared", { n: row.sharedWith + 1 })})` : row.ip;
    return [address, row.sn, row.mac, row.model, row.V, stateText(row), row.inProject ? I18n.t("inProject") : "",
            plan.oldIp || "", plan.newIp || "", AddressPlan.stepText(plan)].map(oneLine);
  }

  // How a row's cell in column c stands out, if it does.
  function markOf(row, c) {
    if (!present(row)) return "unseen";
    return c === COLUMNS.length - 1 && row.plan && row.plan.state !== "confirmed" ? "plan-problem" : "";
  }

  // A column of a sheet's rows as lines of one text, the marked rows' lines
  // in spans: printing costs by the box, so a sheet has a few, not a box a cell.
  function columnOf(rows, cells, c, marks) {
    const column = element("div");
    let text = "";
    rows.forEach((row, r) => {
      const mark = marks(row, c);
      if (!mark) {
        text += cells[r][c] + "\n";
        return;
      }
      column.append(text, element("span", mark, cells[r][c]));
      text = "\n";
    });
    column.append(text);
    return column;
  }

  function columnsBlock(keys, rows, cells, kind, marks) {
    const head = element("div", kind + "-head");
    const body = element("div", kind + "-body");
    keys.forEach((key, c) => {
      head.append(element("div", "", I18n.t(key)));
      body.append(columnOf(rows, cells, c, marks));
    });
    return [head, body];
  }

  function rowsSheet(rows, number, total) {
    return sheet(number, total, ...columnsBlock(COLUMNS, rows, rows.map(rowCells), "report-rows", markOf));
  }

  const CHANGE_COLUMNS = ["historyTime", "historySwitch", "historyChange", "historyOutcome"];

  // The changes of the report's day, one row a change, after the switches.
  function changesSheet(changes, first, number, total) {
    const cells = changes.map((c) => [c.time, c.sn, c.change, c.outcome].map(oneLine));
    const heading = first ? [element("h2", "", I18n.t("reportChanges", { date: report.title.date.slice(0, 10) }))] : [];
    const empty = changes.length === 0 ? [element("p", "", I18n.t("reportNoChanges"))] : [];
    return sheet(number, total, ...heading, ...columnsBlock(CHANGE_COLUMNS, changes, cells, "report-changes", () => ""),
                 ...empty);
  }

  function render() {
    if (!report) return;
    const changes = History.changesSince(new Date(report.title.date.slice(0, 10) + "T00:00:00"));
    const rowSheets = Math.ceil(report.rows.length / ROWS_PER_PAGE);
    const total = 2 + rowSheets + Math.max(0, Math.ceil(changes.length / ROWS_PER_PAGE) - 1);
    const sheets = document.createDocumentFragment();
    sheets.append(coverSheet(total));
    for (let i = 0; i < report.rows.length; i += ROWS_PER_PAGE)
      sheets.append(rowsSheet(report.rows.slice(i, i + ROWS_PER_PAGE), 2 + i / ROWS_PER_PAGE, total));
    for (let i = 0; i === 0 || i < changes.length; i += ROWS_PER_PAGE)
      sheets.append(changesSheet(changes.slice(i, i + ROWS_PER_PAGE), i === 0, 2 + rowSheets + i / ROWS_PER_PAGE,
                                 total));
    $("report-sheets").replaceChildren(sheets);
  }

  function notice(text, kind) {
    $("report-notice").textContent = text;
    $("report-notice").className = "notice " + kind;
    $("report-notice").hidden = !text;
  }

  function setBusy(busy) {
    for (const id of ["report-close", "report-pdf", "report-print"]) $(id).disabled = busy;
  }

  function show(message) {
    report = { title: message.title, rows: JSON.parse(message.rows) };
    $("report-site").value = report.title.site || "";
    $("report-installer").value = report.title.installer || "";
    notice("", "info");
    setBusy(false);
    render();
    $("report-view").hidden = false;
  }

  function close() {
    $("report-view").hidden = true;
    $("report-sheets").replaceChildren();
    report = null;
  }

  function output(how) {
    setBusy(true);
    notice("", "info");
    Bridge.outputSiteReport(how);
  }

  function onMessage(message) {
    if (message.command === "siteReport") {
      show(message);
    } else if (message.command === "siteReportDone") {
      setBusy(false);
      if (message.file) notice(I18n.t("reportSaved", message), "info");
      else if (message.printed) notice(I18n.t("reportPrinted"), "info");
      else if (message.error) notice(I18n.t("reportFailed", message), "error");
    }
  }

  function init() {
    // The history first: the report's Changes come from it.
    $("site-report-button").addEventListener("click", () => {
      Bridge.history();
      Bridge.siteReport();
    });
    $("report-close").addEventListener("click", close);
    $("report-pdf").addEventListener("click", () => output("pdf"));
    $("report-print").addEventListener("click", () => output("print"));
    for (const id of ["report-site", "report-installer"]) {
      $(id).addEventListener("input", () => {
        for (const el of document.querySelectorAll(".sheet-short")) el.textContent = shortTitle();
        const block = document.querySelector(".title-block");
        if (block) block.replaceWith(titleBlock());
        Bridge.siteReportLines($("report-site").value.trim(), $("report-installer").value.trim());
      });
    }
    Bridge.on("deviceMessage", onMessage);
    I18n.onChange(render);
  }

  return { init };
})();
