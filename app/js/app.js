// Wires the views together once the web channel is up.
"use strict";

const App = (() => {
  function show(view) {
    for (const tab of document.querySelectorAll(".tab"))
      tab.classList.toggle("active", tab.dataset.view === view);
    for (const section of document.querySelectorAll(".view"))
      section.classList.toggle("active", section.id === "view-" + view);
  }

  function confirm(text, action) {
    const dialog = document.getElementById("confirm-dialog");
    document.getElementById("confirm-text").textContent = text;
    dialog.hidden = false;
    document.getElementById("confirm-yes").onclick = () => { dialog.hidden = true; action(); };
    document.getElementById("confirm-no").onclick = () => { dialog.hidden = true; };
  }

  // The program's watch waits while one of the page's dialogs is open.
  function reportDialogs() {
    const dialogs = [...document.querySelectorAll(".dialog")];
    const report = () => Bridge.pageDialog(dialogs.some((d) => !d.hidden));
    const observer = new MutationObserver(report);
    for (const dialog of dialogs) observer.observe(dialog, { attributes: true, attributeFilter: ["hidden"] });
  }

  function start() {
    for (const tab of document.querySelectorAll(".tab"))
      tab.addEventListener("click", () => show(tab.dataset.view));
    I18n.apply();
    Bridge.connect(() => {
      Discovery.init();
      AddressPlan.init();
      Sight.init();
      SiteReport.init();
      History.init();
      SwitchView.init();
      Console.init();
      CloudView.init();
      reportDialogs();
      Bridge.on("deviceMessage", (message) => {
        if (message.command === "language") I18n.setLanguage(message.type);
      });
      Bridge.askSignInState();
      // The program waits for this before it tells the page its language.
      window.orbReady = true;
    });
  }

  document.addEventListener("DOMContentLoaded", start);
  return { show, confirm };
})();
