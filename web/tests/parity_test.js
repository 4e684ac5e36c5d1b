// Parity: every case through the page's module and through the native program,
// which must answer byte for byte alike: the same output and status, or the same
// one-line message of bad input.
//   node parity_test.js MODULE.js TARVINDE
"use strict";

const { spawnSync } = require("child_process");
const path = require("path");

const [modulePath, tarvinde] = process.argv.slice(2);
if (!modulePath || !tarvinde) {
  console.error("usage: node parity_test.js MODULE.js TARVINDE");
  process.exit(2);
}

// [command, ...arguments as the module takes them]; region, century and style
// empty are options not given.
const CASES = {
  "year views": [
    ["year", "2000", "", "json"],
    ["year", "1582", "", "json"],
    ["year", "1582", "", "text"],
    ["year", "1583", "luik", "json"],
    ["year", "1583", "luik", "text"],
    ["year", "1752", "groot-brittannie", "tsv"],
    ["year", "1700", "holland", "csv"],
    ["year", "100", "juliaans", "json"],
    ["year", "2100", "gregoriaans", "json"],
    ["year", "1450", "rome", "text"],
    ["year", "99", "", "json"],            // refused: before 100
    ["year", "0x7D0", "", "json"],         // refused: no decimal number
    ["year", "1450", "atlantis", "json"],  // refused: unknown region
  ],
  "feast lists": [
    ["feasts", "1450", "", "json"],
    ["feasts", "1582", "", "tsv"],
    ["feasts", "1583", "luik", "json"],
    ["feasts", "2000", "frankrijk", "csv"],
    ["feasts", "1300", "", "text"],
    ["feasts", "2101", "", "json"],  // refused
  ],
  "weekday finder": [
    ["weekday", "31", "2", "2001", "", "json"],
    ["weekday", "25", "12", "1582", "", "text"],
    ["weekday", "-5", "14", "1600", "staten-generaal", "json"],
    ["weekday", "1", "1", "100", "", "json"],
    ["weekday", "0", "1", "100", "", "json"],    // refused: 31/12/99
    ["weekday", "1", "x", "1450", "", "json"],   // refused: no number
  ],
  "clauses": [
    ["date", "dinsdag na Sint-Maarten 1450", "", "", "", "json"],
    ["date", "dinsdag na Sint-Maarten 1450", "", "", "", "text"],
    ["date", "des zondags na Beloken Pasen 1450", "", "", "", "json"],
    ["date", "feria tertia post festum beati Martini anno Domini MCCCCL", "", "", "", "json"],
    ["date", "le mardi apres la Saint Martin l'an mil CCCC et L", "", "", "", "json"],
    ["date", "des dinsdaghes na sinte Martins dach int jaer ons heeren M CCCC ende L", "", "", "", "json"],
    ["date", "op den ſelven dach van ſint Jan 1450", "", "", "", "json"],
    ["date", "op den ſelven dach van ſint Jan 1450", "", "", "", "text"],
    ["date", "Sint-Stefanus 1450", "", "", "kerst", "json"],
    ["date", "Sint-Stefanus 1450", "", "", "kerst", "tsv"],
    ["date", "Goede Vrijdag 1583", "", "", "pasen", "json"],
    ["date", "3 april 1450", "", "", "boodschap", "csv"],
    ["date", "XXXIXo Sint-Maarten", "", "1300", "", "json"],
    ["date", "Kerstmis 1582", "luik", "", "", "json"],
    ["date", "Kerstmis 1582", "", "", "", "text"],
    ["date", "  11   november\t1450  ", "", "", "", "json"],
    ["date", "Sint-Maarten 1450 indictione XII", "", "", "", "json"],  // refused: the check does not fit
    ["date", "Sint-Foo 1450", "", "", "", "json"],                     // refused: unknown feast
    ["date", "dinsdag 1450", "", "", "", "json"],                      // refused: no day
    ["date", "Sint-Maarten", "", "", "", "json"],                      // refused: no year
    ["date", "XXXIXo Sint-Maarten", "", "", "", "json"],               // refused: no century
    ["date", "Sint-Maarten 1450", "", "150", "", "json"],              // refused: bad century
    ["date", "Sint-Maarten 1450", "", "", "foo", "json"],              // refused: unknown style
    ["date", "Sint-Maarten 1450", "atlantis", "", "", "json"],         // refused: unknown region
  ],
  "lists": [
    ["batch", "dinsdag na Sint-Maarten 1450\r\n\nmaandag na Oudjaarsavond 1500\n", "", "", "", "csv"],
    ["batch", "Sint-Maarten 1450\nSint-Foo 1450\nop den ſelven dach van ſint Jan 1450\n\"a, b\" 1450\n", "", "", "", "csv"],
    ["batch", "Sint-Maarten 1450\nSint-Foo 1450\nGoede Vrijdag 1583\n", "", "", "pasen", "json"],
    ["batch", "XXXIXo Sint-Maarten\nKerstmis 1582", "luik", "1300", "", "tsv"],
    ["batch", "", "", "", "", "csv"],
  ],
  "computus tables": [
    ["computus", "1582", "", "", "json"],
    ["computus", "1450", "1460", "", "json"],
    ["computus", "1580", "1590", "luik", "text"],
    ["computus", "100", "110", "juliaans", "csv"],
    ["computus", "2090", "2100", "", "tsv"],
    ["computus", "1460", "1450", "", "json"],  // refused: LAST before FIRST
  ],
};

// The command line of a case, and what it reads on standard input.
function commandLine([command, ...a]) {
  const options = (region, century, style, format) => [
    ...(region ? ["--region", region] : []), ...(century ? ["--century", century] : []),
    ...(style ? ["--style", style] : []), "--format", format];
  switch (command) {
    case "year": case "feasts": return { args: [command, a[0], ...options(a[1], "", "", a[2])] };
    case "weekday": return { args: ["weekday", a[0], a[1], a[2], ...options(a[3], "", "", a[4])] };
    case "date": return { args: ["date", a[0], ...options(a[1], a[2], a[3], a[4])] };
    case "batch": return { args: ["date", "--batch", ...options(a[1], a[2], a[3], a[4])], input: a[0] };
    case "computus": return { args: ["computus", a[0], ...(a[1] ? [a[1]] : []), ...options(a[2], "", "", a[3])] };
    default: throw new Error("unknown command " + command);
  }
}

async function main() {
  const factory = require(path.resolve(modulePath));
  const module = await factory();
  let failed = 0;
  let count = 0;
  for (const [group, cases] of Object.entries(CASES)) {
    for (const c of cases) {
      ++count;
      const { args, input } = commandLine(c);
      const native = spawnSync(tarvinde, args, { input: Buffer.from(input ?? "", "utf8") });
      const web = module[c[0]](...c.slice(1));
      const expected = native.status === 2
        ? { status: 2, text: native.stderr.toString("utf8") }
        : { status: native.status, text: native.stdout.toString("utf8") };
      const got = web.status === 2 ? { status: 2, text: "tarvinde: " + web.text + "\n" } : web;
      const same = got.status === expected.status && got.text === expected.text &&
        (native.status === 2 ? native.stdout.length === 0 : native.stderr.length === 0);
      if (!same) {
        ++failed;
        console.log(`FAIL ${group}: tarvinde ${JSON.stringify(args)}\n  native (${expected.status}): ${JSON.stringify(expected.text)}\n  module (${got.status}): ${JSON.stringify(got.text)}`);
      }
    }
  }
  // The region menu: the regions of `tarvinde regions`, in its order, with its names.
  ++count;
  const regions = JSON.parse(spawnSync(tarvinde, ["regions", "--format", "json"]).stdout.toString("utf8"))
    .map((r) => ({ id: r.id, naam: r.naam }));
  if (JSON.stringify(JSON.parse(module.regionMenu())) !== JSON.stringify(regions) || regions.length < 2) {
    ++failed;
    console.log("FAIL region menu: " + module.regionMenu());
  }
  // Each group must hold answers and refusals alike, or it proves less than it says.
  for (const [group, cases] of Object.entries(CASES)) {
    const statuses = cases.map((c) => module[c[0]](...c.slice(1)).status);
    const refusal = group === "lists" ? 3 : 2;  // a list with a line refused is read in part
    if (!(statuses.includes(0) && statuses.includes(refusal))) {
      ++failed;
      console.log(`FAIL ${group}: needs both answers and refusals, has statuses ${statuses}`);
    }
  }
  console.log(`parity: ${count - failed} of ${count} cases alike`);
  process.exit(failed === 0 ? 0 : 1);
}

main().catch((e) => { console.error(e); process.exit(1); });
