// Commission on sight: the address plan armed while watch runs. The program
// sets up each planned switch the moment a round finds it, and confirms it
// with the next; the page marks each one in the list and in the plan's
// preview, and counts them in a bar above the list.
"use strict";

const Sight = (() => {
  const $ = (id) => document.getElementById(id);
  let armed = false;
  let lastStates = [];

  function arm() {
    const rows = AddressPlan.rows();
    const refused = rows.filter((r) => r.problem).length;
    if (rows.length === 0 || refused > 0) {
      showRefusal(rows.length === 0 ? { refused: "empty" } : { refused: "planRefused", count: refused });
      return;
    }
    Bridge.commissionOnSight({
      on: true, nic: $("nic-select").value, password: $("plan-password").value,
      switches: rows.map((r) => ({ sn: r.sn, newIp: r.newIp, mask: r.mask, gateway: r.gateway, dns: r.dns })),
    });
  }

  function showRefusal(message) {
    $("sight-refused").hidden = false;
    $("sight-refused").className = "notice error";
    $("sight-refused").textContent = I18n.t("sightRefused_" + message.refused, { n: message.count });
  }

  function onState(message) {
    if (message.refused) return showRefusal(message);
    const wasArmed = armed;
    armed = message.armed;
    lastStates = message.switches || [];
    if (armed && !wasArmed) $("plan-dialog").hidden = true; // the list shows the switches as they come
    render(message);
  }

  function render(message) {
    const c = message.counts || {};
    const counts = I18n.t("sightCounts", { waiting: c.waiting, settingUp: c.settingUp, done: c.done,
                                           failed: c.failed });
    $("sight-bar").hidden = !armed && !message.ended;
    $("sight-status").textContent = armed ? I18n.t("sightArmed", { nic: message.nic, counts })
      : message.ended ? I18n.t("sightEnded_" + message.ended, { counts }) : "";
    $("sight-retry").hidden = $("sight-password").hidden = !armed || !c.failed;
    $("sight-stop").hidden = !armed;
    $("sight-refused").hidden = true;
    showMarks();
    AddressPlan.showSight(armed ? lastStates : null);
  }

  function showMarks() {
    Discovery.setSightMarks(new Map(armed ? lastStates.map((s) => [s.sn, { state: s.state, text: AddressPlan.sightText(s) }]) : []));
  }

  function init() {
    $("plan-sight").addEventListener("click", arm);
    $("sight-retry").addEventListener("click", () =>
      Bridge.commissionOnSight({ retry: true, password: $("sight-password").value }));
    $("sight-stop").addEventListener("click", () => Bridge.commissionOnSight({ on: false }));
    // Another interface ends it, as the program's watch does.
    $("nic-select").addEventListener("change", () => {
      if (armed) Bridge.commissionOnSight({ on: false, otherInterface: true });
    });
    Bridge.on("deviceMessage", (message) => {
      if (message.command === "sightState") onState(message);
      else if (message.command === "watchState") $("plan-sight").disabled = !message.on;
    });
    I18n.onChange(showMarks);
    Bridge.commissionOnSight({ ask: true });
  }

  return { init };
})();
