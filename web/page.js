// The page: every answer comes from the module (tarvinde_web.cpp), which writes
// what the command line writes; this script only puts it on the page.
"use strict";

const CAPTIONS = {
  kalender: "Kalender", schrikkeljaar: "Schrikkeljaar", nieuwjaar: "Nieuwjaar",
  aswoensdag: "Aswoensdag", palmzondag: "Palmzondag", pasen: "Pasen (Rome)",
  hemelvaart: "Hemelvaart", pinksteren: "Pinksteren", olv_ten_hemel: "OLV ten Hemel",
  allerheiligen: "Allerheiligen", allerzielen: "Allerzielen", kerstmis: "Kerstmis",
  oudjaarsavond: "Oudjaarsavond",
};
const COMPUTUS_CAPTIONS = {
  kalender: "Kalender", gulden_getal: "Gulden getal", epacta: "Epacta", zondagsletter: "Zondagsletter",
  concurrent: "Concurrent", zonnecirkel: "Zonnecirkel", indictie: "Indictie",
  indictie_september: "Indictie (vanaf september)", paastafel: "Paastafel", paasgrens: "Paasgrens", pasen: "Pasen",
};
// The names the list's table shows for the columns of `date --batch`; a column
// the program gains shows under its own key, so that the table keeps every one.
const COLUMN_NAMES = { regel: "Regel", uitdrukking: "Uitdrukking", tekst: "Dag", iso: "ISO",
  lezing: "Gelezen als", overgeslagen: "Overgeslagen", fout: "Fout", datum: "Datum (zoals de uitgave)",
  kalender: "Kalender", klopt: "Klopt", oorzaak: "Oorzaak" };
// What a reading shows in its own words; any other key of the reading is shown as "key: value".
const READING_KEYS = new Set(["uitdrukking", "tekst", "iso", "lezing", "overgeslagen"]);
const YEAR_REFUSED = "Geef een jaar van 100 tot en met 2100 in cijfers.";

const $ = (id) => document.getElementById(id);
let tarvinde = null;
let feastRows = [];
let lastCsv = null;

function cell(row, text, header) {
  const c = document.createElement(header ? "th" : "td");
  if (header) c.scope = "row";
  c.textContent = text;
  row.appendChild(c);
  return c;
}

function keyTable(table, pairs) {
  const body = table.tBodies[0];
  body.replaceChildren();
  for (const [caption, text] of pairs) {
    const row = body.insertRow();
    cell(row, caption, true);
    cell(row, text, false);
  }
}

function showError(element, message) {
  element.textContent = message;
  element.hidden = !message;
}

// The year box, the region menu and what hangs on them: the year view, the feast
// list and the computus.
function yearText() { return $("jaar-in").value.trim(); }

// While a year is being typed ("1", "15") it is no year yet: the box says so
// only once it is left or Enter is pressed (quiet).
function showYear(quiet) {
  const year = yearText();
  const region = $("regio").value;
  const view = tarvinde.year(year, region, "json");
  if (view.status !== 0) {
    if (quiet !== true) {
      showError($("jaar-fout"), YEAR_REFUSED);
      $("jaar-in").setAttribute("aria-invalid", "true");
    }
    return;
  }
  $("jaar-in").removeAttribute("aria-invalid");
  showError($("jaar-fout"), "");
  const v = JSON.parse(view.text);
  const pairs = [["Kalender", v.kalender], ["Schrikkeljaar", (v.schrikkeljaar ? "ja" : "nee") + " (" + v.regel + ")"]];
  for (const key of Object.keys(CAPTIONS).slice(2)) pairs.push([CAPTIONS[key], v[key]]);
  pairs.push([v.gallie_titel, v.gallie]);
  keyTable($("jaar-tabel"), pairs);
  for (const span of document.querySelectorAll(".jaartal")) span.textContent = v.jaar;

  feastRows = JSON.parse(tarvinde.feasts(year, region, "json").text);
  showFeasts();
  const computus = JSON.parse(tarvinde.computus(year, "", region, "json").text)[0];
  keyTable($("computus-tabel"), Object.keys(COMPUTUS_CAPTIONS).map((k) => [COMPUTUS_CAPTIONS[k], String(computus[k])]));
  showWeekday();
}

function stepYear(step) {
  const year = parseInt(yearText(), 10);
  if (Number.isNaN(year)) return;
  $("jaar-in").value = String(Math.min(2100, Math.max(100, year + step)));
  showYear();
}

// Accents and case do not count in the filter: "eloi" finds "Sint-Eloi" and "Éloi".
function folded(text) {
  return text.normalize("NFD").replace(/[\u0300-\u036f]/g, "").toLowerCase();
}

function showFeasts() {
  const words = folded($("filter").value).split(/\s+/).filter(Boolean);
  const body = $("feest-tabel").tBodies[0];
  body.replaceChildren();
  let shown = 0;
  for (const f of feastRows) {
    const all = folded(f.naam + " " + f.latijn + " " + f.tekst + " " + f.id);
    if (!words.every((w) => all.includes(w))) continue;
    const row = body.insertRow();
    cell(row, f.naam, false);
    cell(row, f.latijn, false).lang = "la";
    cell(row, f.tekst, false);
    ++shown;
  }
  $("feest-aantal").textContent = shown === feastRows.length
    ? feastRows.length + " feesten" : shown + " van " + feastRows.length + " feesten";
}

function showWeekday() {
  const out = $("weekdag-uit");
  const found = tarvinde.weekday($("dag-in").value.trim(), $("maand-in").value.trim(), yearText(), $("regio").value, "json");
  out.classList.toggle("fout", found.status !== 0);
  out.textContent = found.status === 0 ? JSON.parse(found.text).tekst
    : "Geen datum: dag en maand zijn gehele getallen, het jaar van 100 tot en met 2100, en de datum valt in die jaren.";
}

// Dating: one clause, every reading with what it was read as and what was skipped.
function clauseOptions() {
  return [$("dateer-regio").value, $("eeuw").value, $("stijl").value];
}

function readClause() {
  const out = $("lezingen");
  out.replaceChildren();
  const clause = $("uitdrukking").value;
  if (!clause.trim()) return;
  const answer = tarvinde.date(clause, ...clauseOptions(), "json");
  if (answer.status !== 0) {
    const p = document.createElement("p");
    p.className = "fout";
    p.setAttribute("role", "alert");
    p.textContent = "Geweigerd: " + answer.text;
    out.appendChild(p);
    return;
  }
  for (const r of JSON.parse(answer.text)) {
    const box = document.createElement("div");
    box.className = "lezing";
    const line = (text, className) => {
      const p = document.createElement("p");
      if (className) p.className = className;
      p.textContent = text;
      box.appendChild(p);
    };
    line(r.tekst, "datum");
    line("ISO (gregoriaans): " + r.iso, "klein");
    line("gelezen als: " + r.lezing + (tarvinde.readsAsTyped(r.uitdrukking, r.lezing) ? " (zoals geschreven)" : ""));
    line("overgeslagen: " + (r.overgeslagen || "niets"));
    for (const [key, value] of Object.entries(r))
      if (!READING_KEYS.has(key) && value !== "" && value !== null) line(key + ": " + value, "klein");
    out.appendChild(box);
  }
}

// The list: every line read together; the CSV is what `date --batch --format csv`
// writes, behind a byte-order mark and followed by a line naming the page.
function readList() {
  const lines = $("lijst-in").value;
  const [region, century, style] = clauseOptions();
  const json = tarvinde.batch(lines, region, century, style, "json");
  const table = $("lijst-tabel");
  const body = table.tBodies[0];
  body.replaceChildren();
  if (json.status === 2) {
    showError($("lijst-stand"), json.text);
    $("lijst-stand").classList.add("fout");
    lastCsv = null;
    $("lijst-csv").disabled = true;
    return;
  }
  const rows = JSON.parse(json.text);
  lastCsv = tarvinde.batch(lines, region, century, style, "csv").text;
  // The columns as the CSV's header names them, in its order.
  const keys = lastCsv.slice(0, lastCsv.indexOf("\n")).split(",");
  const head = table.tHead.rows[0];
  head.replaceChildren();
  for (const key of keys) {
    const th = document.createElement("th");
    th.scope = "col";
    th.textContent = COLUMN_NAMES[key] || key;
    head.appendChild(th);
  }
  let refused = 0;
  for (const r of rows) {
    const row = body.insertRow();
    if (r.fout) { row.className = "fout"; ++refused; }
    for (const key of keys) {
      const c = cell(row, r[key] === null || r[key] === undefined ? "" : String(r[key]), false);
      c.dataset.kolom = COLUMN_NAMES[key] || key;
      if (key === "regel" || key === "iso") c.className = "heel";
    }
  }
  table.hidden = rows.length === 0;
  $("lijst-csv").disabled = rows.length === 0;
  $("lijst-stand").hidden = false;
  $("lijst-stand").classList.remove("fout");
  $("lijst-stand").textContent = (rows.length === 1 ? "1 rij" : rows.length + " rijen") +
    (refused === 0 ? "" : refused === 1 ? ", 1 regel niet gelezen" : ", " + refused + " regels niet gelezen");
}

function csvFile() {
  const body = document.body.dataset;
  return "\ufeff" + lastCsv + "Tarvinde " + body.version + " (pagina van " + body.built + ")\n";
}

function saveCsv() {
  if (lastCsv === null) return;
  const blob = new Blob([csvFile()], { type: "text/csv;charset=utf-8" });
  const link = document.createElement("a");
  link.href = URL.createObjectURL(blob);
  link.download = "tarvinde-lijst.csv";
  document.body.appendChild(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}

// The help text is written for a fixed-width window, its lines broken by hand:
// its running text becomes paragraphs that wrap at any width, its underlined
// lines headings, and its indented lines (tables, notes) stay as written.
function reflowHelp() {
  const source = $("hulptekst");
  const help = document.createElement("div");
  help.id = "hulp-inhoud";
  help.tabIndex = 0;
  help.setAttribute("role", "region");
  help.setAttribute("aria-label", "Hulptekst");
  const lines = source.textContent.split("\n");
  let paragraph = [];
  let preformatted = [];
  const flush = () => {
    if (paragraph.length) {
      const p = document.createElement("p");
      p.textContent = paragraph.join(" ");
      help.appendChild(p);
    }
    if (preformatted.length) {
      const pre = document.createElement("pre");
      pre.textContent = preformatted.join("\n");
      help.appendChild(pre);
    }
    paragraph = [];
    preformatted = [];
  };
  for (let i = 0; i < lines.length; ++i) {
    const line = lines[i];
    const next = lines[i + 1] || "";
    if (line.trim() && /^[-=]{3,}$/.test(next.trim())) {
      flush();
      const h = document.createElement(next.startsWith("=") ? "h3" : "h4");
      h.textContent = line.trim();
      help.appendChild(h);
      ++i;
    } else if (!line.trim()) {
      flush();
    } else if (/^\s/.test(line)) {
      if (paragraph.length) flush();
      preformatted.push(line);
    } else {
      if (preformatted.length) flush();
      paragraph.push(line.trim());
    }
  }
  flush();
  source.replaceWith(help);
}

function fillMenu(select, items, chosen) {
  for (const item of items) {
    const option = document.createElement("option");
    option.value = item.id;
    option.textContent = item.naam;
    option.selected = item.id === chosen;
    select.appendChild(option);
  }
}

function start(module) {
  tarvinde = module;
  reflowHelp();
  const regions = JSON.parse(module.regionMenu());
  fillMenu($("regio"), regions, regions[0].id);
  fillMenu($("dateer-regio"), regions, regions[0].id);
  fillMenu($("stijl"), JSON.parse(module.styleMenu()), "nieuwjaar");
  const centuries = [];
  for (let c = 100; c <= 2000; c += 100) centuries.push({ id: String(c), naam: String(c) });
  fillMenu($("eeuw"), centuries, "");

  $("jaar-form").addEventListener("submit", (e) => { e.preventDefault(); showYear(); });
  $("jaar-in").addEventListener("input", () => showYear(true));
  $("jaar-in").addEventListener("change", showYear);
  // As in the window: Up and Down a year, Page Up and Page Down ten.
  const steps = { ArrowUp: 1, ArrowDown: -1, PageUp: 10, PageDown: -10 };
  $("jaar-in").addEventListener("keydown", (e) => {
    if (e.key in steps) { e.preventDefault(); stepYear(steps[e.key]); }
  });
  $("jaar-min").addEventListener("click", () => stepYear(-1));
  $("jaar-plus").addEventListener("click", () => stepYear(1));
  $("regio").addEventListener("change", showYear);
  $("weekdag-form").addEventListener("submit", (e) => { e.preventDefault(); showWeekday(); });
  $("filter").addEventListener("input", showFeasts);
  $("dateer-form").addEventListener("submit", (e) => { e.preventDefault(); readClause(); });
  $("uitdrukking").addEventListener("keydown", (e) => {
    if (e.key === "Enter" && !e.shiftKey) { e.preventDefault(); readClause(); }
  });
  $("lijst-lees").addEventListener("click", readList);
  $("lijst-csv").addEventListener("click", saveCsv);
  $("lijst-bestand").addEventListener("change", async (e) => {
    const file = e.target.files[0];
    if (!file) return;
    // A file in another encoding is refused, not read with its letters replaced:
    // a replaced letter could change what a clause says.
    let text;
    try {
      text = new TextDecoder("utf-8", { fatal: true }).decode(await file.arrayBuffer());
    } catch {
      showError($("lijst-stand"), "Het bestand " + file.name + " is geen UTF-8-tekst; bewaar het als UTF-8 en open het opnieuw.");
      $("lijst-stand").classList.add("fout");
      return;
    }
    $("lijst-in").value = text;
    readList();
  });

  showYear();
  readClause();
  $("laden").hidden = true;
  document.body.dataset.ready = String(performance.now());
}

TarvindeModule().then(start, (error) => {
  $("laden").textContent = "De rekenmodule kon niet laden: " + error;
  $("laden").classList.add("fout");
});
