// Runs a test suite built for the browser under nodejs, with the suite's own arguments after its
// file: node tests/web/node-suite.js build-wasm/tests/tst_answer.js [-silent]. The exit code is
// the suite's; a suite that ends without Qt Test's totals fails.
"use strict";
const path = require("path");
const file = path.resolve(process.argv[2]);
let totals = null;
const factory = require(file);
const finish = (code) => {
  if (code === 0 && !totals) {
    console.error(`${path.basename(file)}: ended without Qt Test's totals`);
    code = 1;
  }
  process.exit(code);
};
factory({
  arguments: process.argv.slice(3),
  print: (text) => {
    console.log(text);
    if (/^Totals: /.test(text))
      totals = text;
  },
  printErr: (text) => console.error(text),
  onExit: finish,
  quit: finish,
}).then(() => {
  // A suite whose main returned without ending the runtime has still run through.
  if (totals)
    finish(/ 0 failed/.test(totals) ? 0 : 1);
}, (error) => {
  console.error(error);
  process.exit(1);
});
