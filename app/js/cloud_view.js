// What the page sees of the cloud: the sign-in state and, when the program
// sends them, the cloud projects with their switches.
"use strict";

const CloudView = (() => {
  let signedIn = null;
  let projects = [];
  const $ = (id) => document.getElementById(id);

  function render() {
    const state = signedIn === null ? "" : I18n.t(signedIn ? "signedIn" : "signedOut");
    $("signin-state").textContent = state;
    $("cloud-state").textContent = state;
    $("cloud-empty").hidden = projects.length > 0;
    const list = $("cloud-projects");
    list.textContent = "";
    for (const project of projects) {
      const box = document.createElement("div");
      box.className = "panel project";
      const title = document.createElement("h3");
      title.textContent = project.projectname;
      const meta = document.createElement("p");
      meta.className = "hint";
      meta.textContent = I18n.t("projectId", { pid: project.projectpid }) + " · " +
        I18n.t("projectSwitches", { n: (project.projectsn || []).length });
      const switches = document.createElement("p");
      switches.textContent = (project.projectsn || []).join(", ");
      box.append(title, meta, switches);
      list.appendChild(box);
    }
  }

  function onCloudMessage(message) {
    if (message.command === "login") {
      signedIn = message.errcode === 0 || Boolean(message.secretId);
      if (message.NICNames) Discovery.setInterfaces(message.NICNames);
    } else if (message.command === "cloudProjectInfo") {
      projects = message.projects || [];
    }
    render();
  }

  function init() {
    $("cloud-refresh").addEventListener("click", () => {
      Bridge.askSignInState();
      Bridge.refreshCloudProjects();
    });
    Bridge.on("cloudMessage", onCloudMessage);
    I18n.onChange(render);
    render();
  }

  return { init };
})();
