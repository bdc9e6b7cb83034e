// Renders every label of a ZPL file to PNG with the independent renderer zpl-renderer-js, for the tests:
//   node render.cjs FILE.zpl WIDTH_MM HEIGHT_MM DOTS_PER_MM OUT_PREFIX
// writes OUT_PREFIX-0.png, OUT_PREFIX-1.png, ... and prints how many labels it rendered.
"use strict";
const fs = require("node:fs");
const { ready } = require("zpl-renderer-js");

async function main() {
  const [file, widthMm, heightMm, dotsPerMm, prefix] = process.argv.slice(2);
  if (!prefix) throw new Error("usage: render.cjs FILE.zpl WIDTH_MM HEIGHT_MM DOTS_PER_MM OUT_PREFIX");
  const { api } = await ready;
  const zpl = fs.readFileSync(file, "utf8");
  const labels = await api.zplToBase64MultipleAsync(zpl, Number(widthMm), Number(heightMm), Number(dotsPerMm));
  labels.forEach((label, i) => fs.writeFileSync(`${prefix}-${i}.png`, Buffer.from(label, "base64")));
  console.log(labels.length);
}

main().catch((error) => {
  console.error(String(error));
  process.exit(1);
});
