// Draws only the rows of a long table that are in view, and those around
// them: a site of 10,000 switches would otherwise put 100,000 cells into the
// page, and every filter or sort would rebuild them. Rows have one fixed
// height (the style sheet's); spacer rows stand in for the rest, so the
// scroll bar still measures the whole list. A list that fits is drawn whole.
"use strict";

const VirtualRows = (() => {
  const ROW_HEIGHT = 34;  // px, as .grid.virtual tbody tr sets it
  const OVERSCAN = 30;    // rows drawn beyond each edge of the view

  function spacer(rows, columns) {
    const row = document.createElement("tr");
    row.className = "spacer";
    const cell = document.createElement("td");
    cell.colSpan = columns;
    cell.style.height = rows * ROW_HEIGHT + "px";
    row.appendChild(cell);
    return row;
  }

  // scroller: the element that scrolls; body: the tbody; rowFor(item): a tr;
  // key(item): what names an item across lists.
  function create(scroller, body, columns, rowFor, key) {
    let items = [];
    let drawn = null;  // [first, last) drawn, to skip scrolls within it

    function range() {
      const height = Math.max(scroller.clientHeight, window.innerHeight);
      const first = Math.max(0, Math.floor(scroller.scrollTop / ROW_HEIGHT) - OVERSCAN);
      return [first, Math.min(items.length, first + Math.ceil(height / ROW_HEIGHT) + 2 * OVERSCAN)];
    }

    function draw() {
      const [first, last] = range();
      drawn = [first, last];
      const rows = document.createDocumentFragment();
      if (first > 0) rows.appendChild(spacer(first, columns));
      for (let i = first; i < last; i++) rows.appendChild(rowFor(items[i]));
      if (last < items.length) rows.appendChild(spacer(items.length - last, columns));
      body.textContent = "";
      body.appendChild(rows);
    }

    let pending = false;
    scroller.addEventListener("scroll", () => {
      if (pending) return;
      pending = true;
      requestAnimationFrame(() => {
        pending = false;
        const [first, last] = range();
        if (!drawn || first !== drawn[0] || last !== drawn[1]) draw();
      });
    });

    // keepView: the item at the top of the view stays there in the new list
    // (found by key), so rows landing above it do not move what is read.
    function show(list, keepView) {
      const top = Math.floor(scroller.scrollTop / ROW_HEIGHT);
      const anchor = keepView && scroller.scrollTop > 0 ? items[top] : undefined;
      items = list;
      if (anchor !== undefined) {
        const at = items.findIndex((item) => key(item) === key(anchor));
        if (at >= 0 && at !== top) scroller.scrollTop += (at - top) * ROW_HEIGHT;
      }
      draw();
    }

    return { show, redraw: draw };
  }

  return { create };
})();
