// The page's side of the web channel: the device link (conn2device) and the
// cloud link (conn2cloud). The device link serves one request at a time, so
// the page sends its own device requests one after another and matches each
// answer to the request that is waiting.
"use strict";

const Bridge = (() => {
  let device = null;
  let cloud = null;
  let pending = null;  // {kind: "search" | "request" | "add", done(result)}
  const handlers = { search: [], add2local: [], deviceMessage: [], cloudMessage: [], cloudReply: [], stray: [] };

  const TIMEOUT = 10002;
  const isTimeout = (message) => message && message.errcode === TIMEOUT && Object.keys(message).length === 1;

  function emit(kind, payload) {
    handlers[kind].forEach((handler) => handler(payload));
  }

  function finish(result) {
    const request = pending;
    pending = null;
    if (request) request.done(result);
  }

  // Every device result: searches, raw replies, the add report and time-outs.
  function onDeviceResult(message) {
    if (message.round) { // a watch round's: what the page asked waits for the round's end
      if (message.command === "search") emit("search", message);
      return;
    }
    if (message.command === "search") {
      if (pending && pending.kind === "search") finish(message);
      emit("search", message);
    } else if (message.command === "add2local") {
      if (pending && pending.kind === "add") finish(message);
      emit("add2local", message);
    } else if (isTimeout(message)) {
      // A time-out is never the add's answer: the add report comes.
      if (pending && pending.kind !== "add") finish(message);
      else emit("stray", message);
    } else if (pending && pending.kind === "request") {
      finish(message);
    } else {
      emit("stray", message);
    }
  }

  function start(kind, send) {
    if (pending) return Promise.reject(new Error("busy"));
    return new Promise((resolve) => {
      pending = { kind, done: resolve };
      send();
    });
  }

  return {
    TIMEOUT,
    isTimeout,
    connect(ready) {
      new QWebChannel(qt.webChannelTransport, (channel) => {
        device = channel.objects.conn2device;
        cloud = channel.objects.conn2cloud;
        device.qt2html_udp.connect(onDeviceResult);
        device.qt2html_device_udp.connect((message) => emit("deviceMessage", message));
        cloud.qt2html_device_tcp.connect((message) => emit("cloudMessage", message));
        cloud.qt2html_tcp.connect((message) => emit("cloudReply", message));
        ready();
      });
    },
    on: (kind, handler) => handlers[kind].push(handler),
    busy: () => pending !== null,
    // Resolves with the search result, or {"errcode":10002}.
    search: (nic) => start("search", () => device.start_search(nic)),
    // Resolves with the switch's whole reply, or {"errcode":10002}.
    request: (text) => start("request", () => device.html2qt_udp(text, "")),
    // Resolves with the add report.
    addToProject: (devices) => start("add", () => device.device2local(JSON.stringify(devices))),
    // The program answers these with device messages of their own.
    applyPlan: (plan) => device.apply_address_plan(JSON.stringify(plan)),
    // Answered with {"command":"addressCheck"}.
    checkAddresses: (request) => device.check_addresses(JSON.stringify(request)),
    // Answered with {"command":"sightState"}.
    commissionOnSight: (request) => device.commission_on_sight(JSON.stringify(request)),
    importPlan: () => device.import_address_plan(),
    exportCsv: (which, changes) => device.export_csv(which, changes),
    // Answered with {"command":"watchState"}.
    watch: (on, nic) => device.watch(on, nic),
    setWatchInterval: (seconds) => device.set_watch_interval(seconds),
    pageDialog: (open) => device.page_dialog(open),
    // Answered with {"command":"siteReport"}, and the output with {"command":"siteReportDone"}.
    siteReport: () => device.site_report(),
    siteReportLines: (site, installer) => device.site_report_lines(site, installer),
    outputSiteReport: (how) => device.output_site_report(how),
    // Answered with {"command":"history"}, {"command":"planInterrupted"}.
    history: () => device.journal_history(),
    interruptedPlan: () => device.interrupted_plan(),
    dismissPlan: (id) => device.dismiss_plan(id),
    askSignInState: () => cloud && cloud.getLogin_uid_key(),
    refreshCloudProjects: () => cloud && cloud.emitRefreshServerProjectDataSignal(),
  };
})();
