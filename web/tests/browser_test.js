// The page in a real browser: Debian's Chromium, headless, driven by puppeteer-core.
// It opens the page from disk, uses it with the keyboard and the mouse as a reader
// would, and checks what it shows against the native program's answers.
//   node browser_test.js PAGE.html TARVINDE OUTDIR
// Writes OUTDIR/screenshot-web.png (wide) and OUTDIR/screenshot-web-phone*.png.
"use strict";

const { spawnSync } = require("child_process");
const fs = require("fs");
const os = require("os");
const path = require("path");
const puppeteer = require("puppeteer-core");

const [pagePath, tarvinde, outDir] = process.argv.slice(2).map((p) => p && path.resolve(p));
if (!pagePath || !tarvinde || !outDir) {
  console.error("usage: node browser_test.js PAGE.html TARVINDE OUTDIR");
  process.exit(2);
}

let failures = 0;
function check(ok, what, detail) {
  if (!ok) {
    ++failures;
    console.log("FAIL " + what + (detail === undefined ? "" : ": " + JSON.stringify(detail)));
  }
}

function native(args, input) {
  const run = spawnSync(tarvinde, args, { input: Buffer.from(input ?? "", "utf8") });
  return { status: run.status, out: run.stdout.toString("utf8"), err: run.stderr.toString("utf8") };
}

// Clauses in three of the reader's languages, and one it refuses.
const CLAUSES = [
  "feria tertia post festum beati Martini anno Domini MCCCCL",
  "le mardi apres la Saint Martin l'an mil CCCC et L",
  "op den ſelven dach van ſint Jan 1450",
];
const REFUSED = "Sint-Foo 1450";
const LIST = "dinsdag na Sint-Maarten 1450\nSint-Foo 1450\n\nop den ſelven dach van ſint Jan 1450\nSaint Éloi 1450\n";

async function textOf(page, selector) {
  return page.$eval(selector, (e) => e.textContent);
}

async function main() {
  fs.mkdirSync(outDir, { recursive: true });
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), "tarvinde-chromium-"));
  const downloads = path.join(outDir, "downloads");
  fs.rmSync(downloads, { recursive: true, force: true });
  fs.mkdirSync(downloads);
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    args: ["--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
      "--disable-component-update", "--disable-sync", "--no-first-run", "--user-data-dir=" + profile],
  });
  try {
    const page = await browser.newPage();
    const errors = [];
    page.on("pageerror", (e) => errors.push(String(e)));
    page.on("console", (m) => { if (m.type() === "error") errors.push(m.text()); });
    // The page needs no network: any request but the file itself fails the test.
    const requests = [];
    page.on("request", (r) => { if (!r.url().startsWith("file://") && !r.url().startsWith("data:") && !r.url().startsWith("blob:")) requests.push(r.url()); });
    await page.setViewport({ width: 1400, height: 1000 });
    await page.goto("file://" + pagePath);
    await page.waitForSelector("body[data-ready]", { timeout: 10000 });

    // The year box: typed, then one up with the arrow key.
    await page.click("#jaar-in", { clickCount: 3 });
    await page.keyboard.type("1581");
    await page.focus("#jaar-in");
    await page.keyboard.press("ArrowUp");
    check((await page.$eval("#jaar-in", (e) => e.value)) === "1582", "ArrowUp in the year box");
    await page.keyboard.press("PageDown");
    check((await page.$eval("#jaar-in", (e) => e.value)) === "1572", "PageDown in the year box");
    // A year the program refuses: said in red once the box is left, the view unchanged.
    await page.click("#jaar-in", { clickCount: 3 });
    await page.keyboard.type("99");
    check(await page.$eval("#jaar-fout", (e) => e.hidden), "no refusal while a year is typed");
    await page.keyboard.press("Tab");
    check(!(await page.$eval("#jaar-fout", (e) => e.hidden)), "refusal of year 99 once the box is left");
    await page.click("#jaar-in", { clickCount: 3 });
    await page.keyboard.type("1582");
    check(await page.$eval("#jaar-fout", (e) => e.hidden), "refusal gone with a year");
    const y1582 = JSON.parse(native(["year", "1582", "--format", "json"]).out);
    const yearTable = await textOf(page, "#jaar-tabel");
    for (const key of ["kerstmis", "pasen", "gallie_titel", "gallie"])
      check(yearTable.includes(y1582[key]), "year 1582 shows " + key, y1582[key]);

    // The region menu: Liège switched a year later.
    await page.select("#regio", "luik");
    await page.click("#jaar-in", { clickCount: 3 });
    await page.keyboard.type("1583");
    const yLuik = JSON.parse(native(["year", "1583", "--region", "luik", "--format", "json"]).out);
    const luikTable = await textOf(page, "#jaar-tabel");
    for (const key of ["kerstmis", "gallie_titel", "gallie"])
      check(luikTable.includes(yLuik[key]), "year 1583 in Luik shows " + key, yLuik[key]);
    const computus = JSON.parse(native(["computus", "1583", "--region", "luik", "--format", "json"]).out)[0];
    check((await textOf(page, "#computus-tabel")).includes(computus.pasen), "computus of 1583 in Luik");

    // The feast list and its filter.
    await page.type("#filter", "martini");
    const feasts = await page.$$eval("#feest-tabel tbody tr", (rows) => rows.map((r) => r.textContent));
    const martin = JSON.parse(native(["feasts", "1583", "--region", "luik", "--format", "json"]).out)
      .filter((f) => f.latijn.toLowerCase().includes("martini"));
    check(feasts.length === martin.length && martin.length > 0, "filter 'martini'", feasts);

    // Three clauses, typed and read with Enter; then one refused.
    for (const clause of CLAUSES) {
      await page.click("#uitdrukking", { clickCount: 3 });
      await page.$eval("#uitdrukking", (e) => { e.value = ""; });
      await page.type("#uitdrukking", clause);
      await page.keyboard.press("Enter");
      const expected = JSON.parse(native(["date", clause, "--format", "json"]).out);
      const shown = await page.$$eval("#lezingen .lezing", (b) => b.map((x) => x.textContent));
      check(shown.length === expected.length, "readings of " + clause, shown);
      expected.forEach((r, i) => {
        check(shown[i] && shown[i].includes(r.tekst) && shown[i].includes("gelezen als: " + r.lezing) &&
              shown[i].includes("overgeslagen: " + (r.overgeslagen || "niets")), "reading of " + clause, shown[i]);
      });
    }
    await page.$eval("#uitdrukking", (e) => { e.value = ""; });
    await page.type("#uitdrukking", REFUSED);
    await page.keyboard.press("Enter");
    const message = native(["date", REFUSED]).err.replace(/^tarvinde: /, "").trim();
    const refusal = await page.$eval("#lezingen .fout", (e) => ({ text: e.textContent, color: getComputedStyle(e).color }));
    check(refusal.text.includes(message), "refusal message", refusal.text);
    check(refusal.color === "rgb(176, 0, 32)", "refusal in red", refusal.color);

    // A file in another encoding is refused, not read with its letters replaced.
    const latin1 = path.join(outDir, "lijst-latin1.txt");
    fs.writeFileSync(latin1, Buffer.from("Saint \xc9loi 1450\n", "latin1"));
    await (await page.$("#lijst-bestand")).uploadFile(latin1);
    await page.waitForFunction(() => document.getElementById("lijst-stand").textContent.includes("geen UTF-8"));
    check((await page.$eval("#lijst-in", (e) => e.value)) === "", "a refused file is not put in the list");
    // A small list from a file, read together and saved as CSV.
    const listFile = path.join(outDir, "lijst.txt");
    fs.writeFileSync(listFile, LIST);
    const input = await page.$("#lijst-bestand");
    await input.uploadFile(listFile);
    await page.waitForSelector("#lijst-tabel:not([hidden]) tbody tr");
    const cdp = await page.createCDPSession();
    await cdp.send("Browser.setDownloadBehavior", { behavior: "allow", downloadPath: downloads });
    await page.click("#lijst-csv");
    const saved = path.join(downloads, "tarvinde-lijst.csv");
    for (let i = 0; i < 50 && !fs.existsSync(saved); ++i) await new Promise((r) => setTimeout(r, 100));
    const csv = fs.existsSync(saved) ? fs.readFileSync(saved) : Buffer.alloc(0);
    const batch = native(["date", "--batch", "--format", "csv"], LIST);
    check(batch.status === 3, "the list has a line the reader refuses");
    const version = native(["--version"]).out.trim().replace(/^tarvinde /, "");
    const built = await page.$eval("body", (b) => b.dataset.built);
    check(/^\d{4}-\d{2}-\d{2}$/.test(built), "build date on the page", built);
    const expected = Buffer.concat([Buffer.from([0xef, 0xbb, 0xbf]),
      Buffer.from(batch.out + "Tarvinde " + version + " (pagina van " + built + ")\n", "utf8")]);
    check(csv.equals(expected), "saved CSV", csv.toString("utf8"));
    const rows = await page.$$eval("#lijst-tabel tbody tr", (r) => r.length);
    check(rows === batch.out.trim().split("\n").length - 1, "rows of the list", rows);
    const columns = await page.$$eval("#lijst-tabel thead th", (h) => h.length);
    check(columns === batch.out.split("\n")[0].split(",").length, "a column for each of date --batch", columns);
    check((await textOf(page, "footer")).includes(version), "version in the footer");

    // The help text, reflowed: every word of window/Tarvindeinfo.txt in order,
    // but the lines that underline its headings.
    const words = (t) => t.split("\n").filter((l) => !/^\s*[-=]{3,}\s*$/.test(l)).join(" ").split(/\s+/).filter(Boolean);
    const helpFile = fs.readFileSync(path.join(__dirname, "..", "..", "window", "Tarvindeinfo.txt"), "utf8");
    const helpShown = await page.$eval("#hulp-inhoud", (e) => [...e.children].map((c) => c.textContent).join("\n"));
    check(words(helpShown).join(" ") === words(helpFile).join(" "), "the help text whole");
    check((await page.$$("#hulp-inhoud h4")).length >= 5, "the help text's headings");

    check(errors.length === 0, "no page errors", errors);
    check(requests.length === 0, "no network requests", requests);

    await page.screenshot({ path: path.join(outDir, "screenshot-web.png"), fullPage: true });
    await page.setViewport({ width: 390, height: 844, deviceScaleFactor: 1 });
    await page.screenshot({ path: path.join(outDir, "screenshot-web-phone.png"), fullPage: true });
    for (const part of ["jaar", "dateren", "lijst"])
      await (await page.$("#" + part)).screenshot({ path: path.join(outDir, "screenshot-web-phone-" + part + ".png") });
    // At phone width nothing may stick out sideways.
    const wide = await page.evaluate(() => document.documentElement.scrollWidth);
    check(wide <= 390, "no sideways scrolling at phone width", wide);
  } finally {
    await browser.close();
    fs.rmSync(profile, { recursive: true, force: true });
  }
  console.log(failures === 0 ? "browser: every check passed" : `browser: ${failures} checks failed`);
  process.exit(failures === 0 ? 0 : 1);
}

main().catch((e) => { console.error(e); process.exit(1); });
