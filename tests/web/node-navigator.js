// Qt for the browser asks the browser's navigator for the system's languages, which nodejs before
// version 21 does not have: the logic suites run under it with a Dutch one.
"use strict";
if (typeof globalThis.navigator === "undefined")
  globalThis.navigator = { language: "nl-NL", languages: ["nl-NL"] };
