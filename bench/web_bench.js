// The page's speed and size, beside the native program's in the same run:
// the page ready from disk (goal under 1 s), a clause in the browser (goal under
// 5 ms) and the file gzipped (goal under 600 KB). Medians of several runs.
//   node web_bench.js PAGE.html TARVINDE
"use strict";

const { spawnSync } = require("child_process");
const fs = require("fs");
const os = require("os");
const path = require("path");
const zlib = require("zlib");
const puppeteer = require("puppeteer-core");

const [pagePath, tarvinde] = process.argv.slice(2).map((p) => p && path.resolve(p));
if (!pagePath || !tarvinde) {
  console.error("usage: node web_bench.js PAGE.html TARVINDE");
  process.exit(2);
}

const LOADS = 7;
const CLAUSE_ROUNDS = 5;
const GOALS = { readyMs: 1000, clauseMs: 5, gzipKB: 600 };

// The clauses of bench_date_batch: modern, as the records write them, and one
// that cannot be read; {Y} a year that changes from line to line.
const PATTERNS = [
  "dinsdag na Sint-Maarten {Y}", "des woensdags na Sint-Maartensdag {Y}", "octaaf van Kerstmis {Y}",
  "2e zondag voor Pascha {Y}", "vooravond van Sint-Jan {Y}", "maandag na Oudjaarsavond {Y}",
  "feria quarta post festum beati Martini anno Domini {Y}", "des woensdaghes na sinte Niclaeys dach int jaer {Y}",
  "III nonas Martii {Y}", "Sint-Martin {Y}",
];
const CLAUSES = Array.from({ length: 1000 }, (_, i) => PATTERNS[i % PATTERNS.length].replace("{Y}", String(1200 + (i % 800))));

const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];
const ms = (t0) => Number(process.hrtime.bigint() - t0) / 1e6;

function nativeNumbers() {
  const one = [];
  for (let i = 0; i < 20; ++i) {
    const t0 = process.hrtime.bigint();
    spawnSync(tarvinde, ["date", CLAUSES[i]]);
    one.push(ms(t0));
  }
  const batch = [];
  for (let i = 0; i < CLAUSE_ROUNDS; ++i) {
    const t0 = process.hrtime.bigint();
    spawnSync(tarvinde, ["date", "--batch", "--format", "json"], { input: CLAUSES.join("\n") + "\n" });
    batch.push(ms(t0) / CLAUSES.length);
  }
  return { processMs: median(one), batchClauseMs: median(batch), bytes: fs.statSync(tarvinde).size };
}

async function pageNumbers() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), "tarvinde-bench-"));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    args: ["--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
      "--disable-component-update", "--disable-sync", "--no-first-run", "--user-data-dir=" + profile],
  });
  try {
    const ready = [];
    let page = null;
    for (let i = 0; i < LOADS; ++i) {
      if (page) await page.close();
      page = await browser.newPage();
      await page.goto("file://" + pagePath);
      await page.waitForSelector("body[data-ready]", { timeout: 10000 });
      // From the start of navigation to the page showing its first year and clause.
      ready.push(await page.$eval("body", (b) => Number(b.dataset.ready)));
    }
    const timing = await page.evaluate((clauses, rounds) => {
      const module = [];
      const shown = [];
      for (let r = 0; r < rounds; ++r) {
        let t0 = performance.now();
        for (const c of clauses) tarvinde.date(c, "", "", "", "json");
        module.push((performance.now() - t0) / clauses.length);
        // Through the page as a reader uses it: the box, the reading, the result shown.
        t0 = performance.now();
        for (const c of clauses.slice(0, 200)) {
          document.getElementById("uitdrukking").value = c;
          readClause();
          document.getElementById("lezingen").getBoundingClientRect();
        }
        shown.push((performance.now() - t0) / 200);
      }
      let t0 = performance.now();
      tarvinde.batch(clauses.join("\n"), "", "", "", "json");
      const batch = (performance.now() - t0) / clauses.length;
      const sorted = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];
      return { moduleMs: sorted(module), shownMs: sorted(shown), batchClauseMs: batch };
    }, CLAUSES, CLAUSE_ROUNDS);
    return { readyMs: median(ready), ...timing };
  } finally {
    await browser.close();
    fs.rmSync(profile, { recursive: true, force: true });
  }
}

async function main() {
  const file = fs.readFileSync(pagePath);
  const gzipKB = zlib.gzipSync(file, { level: 9 }).length / 1024;
  const n = nativeNumbers();
  const p = await pageNumbers();
  const mark = (value, goal) => (value < goal ? "ok" : "OVER GOAL");
  const f = (x, d = 2) => x.toFixed(d);
  console.log("web bench (medians; native: " + tarvinde + ")");
  console.log(`  page file          ${f(file.length / 1024, 0)} KB, gzipped ${f(gzipKB, 0)} KB (goal < ${GOALS.gzipKB} KB: ${mark(gzipKB, GOALS.gzipKB)}); native program ${f(n.bytes / 1024, 0)} KB as built`);
  console.log(`  page ready         ${f(p.readyMs, 0)} ms from disk (goal < ${GOALS.readyMs} ms: ${mark(p.readyMs, GOALS.readyMs)}); native process for one clause ${f(n.processMs)} ms`);
  console.log(`  a clause, module   ${f(p.moduleMs, 3)} ms in the browser; native in-process (date --batch) ${f(n.batchClauseMs, 3)} ms`);
  console.log(`  a clause, shown    ${f(p.shownMs, 3)} ms typed, read and shown on the page (goal < ${GOALS.clauseMs} ms: ${mark(p.shownMs, GOALS.clauseMs)})`);
  console.log(`  a list line        ${f(p.batchClauseMs, 3)} ms in the browser's list of ${CLAUSES.length}; native ${f(n.batchClauseMs, 3)} ms`);
}

main().catch((e) => { console.error(e); process.exit(1); });
