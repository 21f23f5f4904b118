// The advanced console: one raw request to the switches, its answer shown whole.
"use strict";

const Console = (() => {
  const $ = (id) => document.getElementById(id);

  function pretty(text) {
    try { return JSON.stringify(JSON.parse(text), null, 2); } catch (notJson) { return null; }
  }

  function record(sent, answer, failed) {
    const entry = document.createElement("div");
    entry.className = "exchange";
    const request = document.createElement("pre");
    request.className = "sent";
    request.textContent = "→ " + sent;
    const reply = document.createElement("pre");
    reply.className = failed ? "failed" : "";
    reply.textContent = "← " + answer;
    entry.append(request, reply);
    $("console-log").prepend(entry);
  }

  async function send() {
    const text = $("console-input").value.trim();
    const formatted = pretty(text);
    const progress = $("console-progress");
    progress.hidden = false;
    progress.className = "progress";
    progress.textContent = formatted === null ? I18n.t("notJson") : I18n.t("waiting");
    $("console-send").disabled = true;
    try {
      const reply = await Bridge.request(text);
      const timedOut = Bridge.isTimeout(reply);
      record(formatted ?? text, timedOut ? I18n.t("consoleTimeout") : JSON.stringify(reply, null, 2), timedOut);
      progress.hidden = true;
    } catch (busy) {
      progress.className = "progress failed";
      progress.textContent = I18n.t("busy");
    }
    $("console-send").disabled = false;
  }

  function init() {
    $("console-input").value = JSON.stringify({ callcmd: "sysinfo", sn: "" });
    $("console-send").addEventListener("click", send);
    Bridge.on("deviceMessage", (message) => {
      if (message.command === "local_sw") $("console-input").value = JSON.stringify({ callcmd: "sysinfo", sn: message.sn });
    });
  }

  return { init };
})();
